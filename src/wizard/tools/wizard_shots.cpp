// Pictures of the estimation window's pages and of the calculation overview, to look at:
//   wizard_shots [folder]   (default /tmp/wizard-shots; runs offscreen unless a display is set)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

#include "wizard/calcrep.h"
#include "wizard/fanform.h"
#include "wizard/tools/sample_workspace.h"

using namespace wattora;

namespace {

void Save(QWidget* w, const QString& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = folder + "/" + name + ".png";
  if (!w->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else std::printf("%s\n", qPrintable(path));
}

void ShootPages(TFANFORM& form, const QString& folder, const QString& prefix) {
  form.show();
  for (int page = 0; page < 5; ++page) {
    form.PageControl1->setCurrentIndex(page);
    Save(&form, folder, QStringLiteral("%1page%2").arg(prefix).arg(page));
  }
  form.hide();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "/tmp/wizard-shots";
  QDir().mkpath(folder);

  tools::SampleWorkspace sample;
  Workspace& ws = sample.ws;
  StderrMessages messages;
  NullPlatform platform;
  TFANFORM form(ws, messages, platform, {});
  form.set_default_values();
  ws.customer[PROJECTNAME] = "Ventilation hall B";
  ws.customer[Companyfor] = "Société Exemple";

  ShootPages(form, folder, "fan-");

  TCALCREP* overview = form.CalculationOverview();
  form.show();
  form.CheckDutyCycle();
  overview->SetRequest(1, 1, form.Inputs().dutyText, "kW");
  overview->show();
  Save(overview, folder, "overview-fan-drive");
  overview->hide();
  form.hide();

  // Both custom controls selected, a report flag set (no note on page 0).
  ws.settings.custom1Selected = ws.settings.custom2Selected = true;
  ws.settings.custom1Title = "Contrôle personnalisé 1";
  ws.settings.custom2Title = "Contrôle personnalisé 2";
  form.show();
  form.PageControl1->setCurrentIndex(2);
  Save(&form, folder, "fan-custom-page2");
  form.hide();

  ws.project.application = ApplicationType::Pump;
  ws.settings.custom2Selected = false;
  ws.settings.powerUnitIsKw = false;
  form.show();
  form.PageControl1->setCurrentIndex(2);
  Save(&form, folder, "pump-page2");
  form.PageControl1->setCurrentIndex(1);
  Save(&form, folder, "pump-hp-page1");
  form.CheckDutyCycle();
  overview->SetRequest(2, 3, form.Inputs().dutyText, "HP");
  overview->show();
  Save(overview, folder, "overview-pump-valve");
  overview->hide();

  // A duty cycle of 99 %: red total and bars.
  form.A119->setText("5");
  form.ShowDutyTotal();
  Save(&form, folder, "pump-duty99-page1");
  form.hide();
  return 0;
}
