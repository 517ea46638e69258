#include "startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "config/tmultip.h"
#include "wizard/fanform.h"

#include "persistence/settings_operations.h"
#include "persistence/settings_store.h"
#include "shell/dialogs.h"
#include "shell/mainwindow.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

// Faults of the built-in tables: the message, then the end of the program.
class ProgramFatalSink : public FatalErrorSink {
 public:
  explicit ProgramFatalSink(Messages& messages) : messages_(messages) {}
  void Fatal(const std::string& message) override {
    messages_.Show(TextTable::ForWindow("TForm1"), MessageKind::Error, message, MessageButtons::Ok);
    std::_Exit(1);
  }

 private:
  Messages& messages_;
};

}  // namespace

struct StartupParts {
  StartupParts(Messages* m, Platform* p)
      : messages(m ? *m : qtMessages), platform(p ? *p : qtPlatform) {}
  QtMessages qtMessages;
  QtPlatform qtPlatform;
  Messages& messages;
  Platform& platform;
  ProgramFatalSink sink{messages};
  Workspace ws{sink};
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<SettingsOperations> operations;
  // Windows, in their creation order.
  std::unique_ptr<TForm1> main;
  std::unique_ptr<QTranslator> qtTexts;
  TAboutBox* about = nullptr;
  TMULTIP* configuration = nullptr;
  TFANFORM* estimation = nullptr;
  TWelc* welcome = nullptr;
  TAPPSEL2* selector = nullptr;
  TGuideIt* guide = nullptr;
  TSaveDialogMsg* savePrompt = nullptr;
};

QString StartupFileFromArguments(const QStringList& arguments) { return arguments.join(' '); }

Startup::Startup(const QStringList& arguments, Messages* messages, Platform* platform)
    : parts_(std::make_unique<StartupParts>(messages, platform)) {
  StartupParts& p = *parts_;
  Workspace& ws = p.ws;
  ws.programFolder = QCoreApplication::applicationDirPath().toStdString();
  ws.temporaryFolder = p.platform.TemporaryFolder();
  const QLocale locale = QLocale::system();
  ws.separators = Separators::FromLocale(locale.decimalPoint().toStdString(),
                                         locale.groupSeparator().toStdString());
  ws.settings.currencySymbol = "$";
  ws.settings.subUnitLabel = "Cents";

  // Qt's own dialogs (file, print) speak French too.
  p.qtTexts = std::make_unique<QTranslator>();
  if (p.qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(p.qtTexts.get());

  TLOADING splash;
  splash.show();
  QCoreApplication::processEvents();
  QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));

  p.store = std::make_unique<SettingsStore>(SettingsStore::DefaultPath());
  p.store->SetMessages(&p.messages);
  p.operations = std::make_unique<SettingsOperations>(*p.store, ws);

  p.main = std::make_unique<TForm1>(ws, *p.store, *p.operations, p.messages, p.platform);
  TForm1* main = p.main.get();
  p.about = new TAboutBox(p.messages, p.platform, main);
  p.configuration = new TMULTIP(ws, *p.operations, p.messages, p.platform, main);
  TMULTIP* configuration = p.configuration;
  TFANFORM::Hooks hooks;
  hooks.updateStatusPanels = [main] { main->UpdateStatusPanels(); };
  hooks.getHelp = [main](const std::string& topic) { main->GetHelp(topic); };
  hooks.showConfiguration = [configuration](int page) { configuration->ShowOnPage(page); };
  hooks.saveEstimation = [main] { main->SavefilebuttonClick(); };
  p.estimation = new TFANFORM(ws, p.messages, p.platform, std::move(hooks), main);
  p.welcome = new TWelc(*p.store, main);
  p.selector = new TAPPSEL2(main);
  p.guide = new TGuideIt(main);
  p.savePrompt = new TSaveDialogMsg(main);

  TForm1::Windows windows;
  windows.about = p.about;
  windows.welcome = p.welcome;
  windows.applicationSelector = p.selector;
  windows.guide = p.guide;
  windows.savePrompt = p.savePrompt;
  TFANFORM* estimation = p.estimation;
  windows.showEstimation = [estimation] { estimation->exec(); };
  windows.setDefaultValues = [estimation] { estimation->set_default_values(); };
  windows.showConfiguration = [configuration](int page) {
    if (page == 0)
      configuration->ShowOnCurrentPage();
    else
      configuration->ShowOnPage(page);
  };
  main->SetWindows(std::move(windows));
  main->SetStartupFile(StartupFileFromArguments(arguments));
  splash.hide();
}

Startup::~Startup() = default;

TForm1& Startup::MainWindow() { return *parts_->main; }
TFANFORM& Startup::EstimationWindow() { return *parts_->estimation; }
TMULTIP& Startup::ConfigurationDialog() { return *parts_->configuration; }
Messages& Startup::MessageService() { return parts_->messages; }
Workspace& Startup::Work() { return parts_->ws; }
void Startup::Show() { parts_->main->show(); }

}  // namespace wattora
