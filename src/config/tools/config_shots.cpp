// Grabs the four pages of the configuration dialog and the logo picker to PNG files, so the
// layout can be looked at: config_shots [folder] (default /tmp/config-shots).
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "config/tclg.h"
#include "config/tmultip.h"
#include "persistence/settings_operations.h"

namespace {

using namespace wattora;

QString SampleLogo(const QString& folder) {
  QImage logo(250, 100, QImage::Format_ARGB32);
  logo.fill(QColor(0x1F, 0x4E, 0x79));
  QPainter painter(&logo);
  painter.setPen(Qt::white);
  QFont font("Arial");
  font.setPixelSize(34);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(logo.rect(), Qt::AlignCenter, "ACME");
  painter.end();
  const QString path = folder + "/logo.png";
  logo.save(path);
  return path;
}

void Save(QWidget* widget, const QString& path) {
  QApplication::processEvents();
  if (!widget->grab().save(path))
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/config-shots";
  QDir().mkpath(out);
  QTemporaryDir scratch;

  StderrFatalSink sink;
  Workspace ws(sink);
  ws.parameters.DefineAllParameters();
  ws.separators = Separators::French();
  SettingsStore store((scratch.path() + "/SETUP.ini").toStdString());
  SettingsOperations operations(store, ws);
  operations.Load_OPT2();
  store.WriteText("USER", "PREP", "Jeanne Martin\r\nIngénieure d'application\r\n");
  store.WriteText("USER", "CPINFO", "Wattora SARL\r\n12 rue des Moteurs\r\n69000 Lyon\r\n");
  ws.settings.logoFile = SampleLogo(scratch.path()).toStdString();

  StderrMessages messages;
  NullPlatform platform;
  TMULTIP dialog(ws, operations, messages, platform);
  for (int page = 1; page <= TMULTIP::kPageCount; ++page) {
    dialog.SetPage(page);
    dialog.show();
    Save(&dialog, QString("%1/page%2.png").arg(out).arg(page));
    dialog.hide();
  }
  ws.project.active = true;
  dialog.SetPage(1);
  dialog.show();
  Save(&dialog, out + "/page1-project-active.png");
  dialog.hide();

  TCLG* picker = dialog.LogoPicker();
  picker->show();
  Save(picker, out + "/logo-picker.png");
  // The picture-file dialog, with the sample logo selected so the preview shows it.
  QTimer::singleShot(500, [&] {
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!files) return;
    // The folder loads in the background; select once it is listed.
    QTimer::singleShot(800, [files] {
      // As a click on the first file of the list.
      for (auto* view : files->findChildren<QAbstractItemView*>()) {
        const bool fileList = view->objectName() == "treeView" || view->objectName() == "listView";
        if (!fileList || !view->isVisible() || view->model()->rowCount(view->rootIndex()) == 0)
          continue;
        view->setCurrentIndex(view->model()->index(0, 0, view->rootIndex()));
      }
    });
    QTimer::singleShot(1500, [&, files] {
      Save(files, out + "/picture-file-dialog.png");
      files->reject();
    });
  });
  picker->SpeedButton3->click();
  picker->hide();
  return 0;
}
