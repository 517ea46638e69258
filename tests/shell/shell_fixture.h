#pragma once
// The main window with its small dialogs, as start-up builds them, over fakes and a
// temporary settings store.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "persistence/settings_operations.h"
#include "persistence/settings_store.h"
#include "shell/dialogs.h"
#include "shell/mainwindow.h"
#include "support/fakes.h"
#include "support/modal_driver.h"

namespace wattora::testing {

class ShellFixture {
 public:
  explicit ShellFixture(bool welcome = false) { Start(welcome); }

  void Start(bool welcome) {
    main.reset();
    store = std::make_unique<SettingsStore>(StorePath());
    if (!welcome) {
      store->WriteText("PRG", "RS", "0");
      store->WriteText("PROGRAM", "L6", "0");
    }
    ws = std::make_unique<Workspace>(sink);
    ws->separators = Separators::French();
    operations = std::make_unique<SettingsOperations>(*store, *ws);
    main = std::make_unique<TForm1>(*ws, *store, *operations, messages, platform);
    TForm1::Windows w;
    w.about = new TAboutBox(messages, platform, main.get());
    w.welcome = new TWelc(*store, main.get());
    w.applicationSelector = new TAPPSEL2(main.get());
    w.guide = new TGuideIt(main.get());
    w.savePrompt = new TSaveDialogMsg(main.get());
    w.showEstimation = [this] {
      shownEstimations.push_back(ws->project.application);
      if (editInEstimation) {
        ws->customer[PROJECTNAME] = "Tour A";
        ws->project.modified = true;
      }
    };
    w.showConfiguration = [this](int page) { configurationPages.push_back(page); };
    main->SetWindows(w);
    main->openFileDialog = [this](const QString& title, const QString& filter, const QString&) {
      dialogTitles << title << filter;
      return nextFile;
    };
    main->saveFileDialog = [this](const QString& title, const QString&, const QString& proposed) {
      dialogTitles << title;
      proposedNames << proposed;
      return nextFile;
    };
  }

  std::string StorePath() const { return Path("VT/NRV/SETUP.ini"); }
  std::string Path(const std::string& name) const {
    return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
  }
  QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }

  // A saved fan or pump project on disk.
  QString MakeProject(const std::string& name, ApplicationType app = ApplicationType::Fan) {
    RecordingSink s;
    Workspace other(s);
    other.parameters.DefineAllParameters();
    other.project.application = app;
    other.customer[PROJECTNAME] = "Projet " + name;
    FakeMessages quiet;
    SaveProjectFile(other, Path(name), quiet, false);
    return QPath(name);
  }

  void ShowMain() {
    main->show();
    QTest::qWait(30);
  }

  QTemporaryDir dir;
  RecordingSink sink;
  FakeMessages messages;
  FakePlatform platform;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Workspace> ws;
  std::unique_ptr<SettingsOperations> operations;
  std::unique_ptr<TForm1> main;
  ModalDriver driver;
  std::vector<ApplicationType> shownEstimations;
  std::vector<int> configurationPages;
  QStringList dialogTitles, proposedNames;
  QString nextFile;
  bool editInEstimation = false;
};

}  // namespace wattora::testing
