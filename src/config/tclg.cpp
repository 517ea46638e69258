#include "config/tclg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>

#include "core/texttable.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

constexpr QSize kDialogSize(384, 167);
constexpr QSize kPictureSize(250, 100);

const TextTable& Texts() {
  return TextTable::ForWindow("TCLG");
}

QString Q8(const std::string& text) {
  return QString::fromStdString(text);
}

// What QImageReader calls the formats of the offered file types. Metafiles are offered too,
// but load only where an image plug-in for them is installed.
bool IsOfferedFormat(const QByteArray& format) {
  static const QList<QByteArray> kFormats = {"png", "gif", "jpg", "jpeg",
                                             "bmp", "ico", "emf", "wmf"};
  return kFormats.contains(format.toLower());
}

QToolButton* FlatButton(QWidget* parent, const char* name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setFocusPolicy(Qt::NoFocus);  // flat buttons never take the focus
  return button;
}

}  // namespace

QStringList LogoPictureFilters() {
  // The table keeps description|patterns pairs; Qt reads the patterns from the last
  // parentheses of a filter and splits them at blanks, not at semicolons.
  const QStringList parts = Q8(Texts().Text("stOtherStrings", "PD.Filter")).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const int open = description.lastIndexOf('(');
    if (open >= 0) description = description.left(open).trimmed();
    filters << description + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters;
}

bool LoadLogoPicture(const QString& path, QImage* image) {
  QImageReader reader(path);
  // The file's content decides: a text file named .bmp is not a picture.
  reader.setDecideFormatFromContent(true);
  if (!reader.canRead() || !IsOfferedFormat(reader.format())) return false;
  QImage picture = reader.read();
  if (picture.isNull()) return false;
  if (image) *image = std::move(picture);
  return true;
}

TCLG::TCLG(Workspace& ws, Messages& messages, QWidget* parent)
    : QDialog(parent), ws_(ws), messages_(messages) {
  setObjectName("TCLG");
  // Fixed border, a title and no title-bar buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  resize(kDialogSize);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setGeometry(8, 8, kDialogSize.width() - 16, 116);
  LG1 = new QLabel(Panel1);
  LG1->setObjectName("LG1");
  LG1->setScaledContents(true);  // the picture is stretched to the 250 x 100 area
  LG1->setGeometry((Panel1->width() - kPictureSize.width()) / 2,
                   (Panel1->height() - kPictureSize.height()) / 2, kPictureSize.width(),
                   kPictureSize.height());

  SpeedButton1 = FlatButton(this, "SpeedButton1");
  SpeedButton3 = FlatButton(this, "SpeedButton3");
  SpeedButton2 = FlatButton(this, "SpeedButton2");
  SpeedButton1->setGeometry(8, 131, 90, 28);
  SpeedButton3->setGeometry(104, 131, 176, 28);
  SpeedButton2->setGeometry(kDialogSize.width() - 98, 131, 90, 28);
  SetAnchors(SpeedButton2, AnchorRight | AnchorTop);

  ApplyTextTable(this, Texts());
  ScaleFormToScreen(this, 96);
  setFixedSize(size());

  connect(SpeedButton1, &QToolButton::clicked, this, &TCLG::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TCLG::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TCLG::SpeedButton3Click);
}

void TCLG::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TCLG::FormShow() {
  loaded_ = false;
  LG1->show();
  setWindowTitle(Q8(Texts().GetText("IDS_2")));
  const std::string& fileName = ws_.settings.logoFile;
  // A missing file keeps the picture of the previous showing, without a message.
  if (!fileName.empty() && QFileInfo(Q8(fileName)).isFile()) loaded_ = LoadIntoPicture(fileName);
  nameAtOpening_ = fileName;
  accepted_ = false;
}

bool TCLG::LoadIntoPicture(const std::string& fileName) {
  QImage picture;
  if (LoadLogoPicture(Q8(fileName), &picture)) {
    LG1->setPixmap(QPixmap::fromImage(picture));
    return true;
  }
  messages_.Show(Texts(), MessageKind::Warning, Texts().GetText("IDS_0"), MessageButtons::Ok);
  return false;
}

void TCLG::SpeedButton3Click() {
  const QString chosen = chooser_ ? chooser_(this) : RunPictureDialog(this);
  if (chosen.isEmpty()) return;
  // The name follows the choice at once, even when the picture then fails to load.
  ws_.settings.logoFile = QFileInfo(chosen).absoluteFilePath().toStdString();
  loaded_ = LoadIntoPicture(ws_.settings.logoFile);
}

void TCLG::SpeedButton1Click() {
  if (loaded_) accepted_ = true;
  accept();
}

void TCLG::SpeedButton2Click() {
  reject();
}

void TCLG::reject() {
  ws_.settings.logoFile = nameAtOpening_;
  QDialog::reject();
}

QString TCLG::RunPictureDialog(QWidget* parent) {
  QFileDialog dialog(parent);
  dialog.setObjectName("PD");
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // the preview pane needs Qt's own
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.resize(860, 500);
  const QStringList filters = LogoPictureFilters();
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
  const QFileInfo current(Q8(ws_.settings.logoFile));
  if (!ws_.settings.logoFile.empty() && current.dir().exists()) dialog.setDirectory(current.dir());

  auto* preview = new QLabel(&dialog);
  preview->setObjectName("PDPreview");
  preview->setFixedSize(kPictureSize.width(), kPictureSize.width());
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addWidget(preview, 1, grid->columnCount(), 1, 1);
  connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    QImage picture;
    if (!LoadLogoPicture(path, &picture)) {
      preview->clear();
      return;
    }
    preview->setPixmap(QPixmap::fromImage(picture).scaled(
        preview->size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  });

  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace wattora
