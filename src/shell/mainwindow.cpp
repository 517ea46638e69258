#include "shell/mainwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "persistence/settings_store.h"
#include "shell/artwork.h"
#include "shell/dialogs.h"
#include "shell/help.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

const TextTable& Texts() { return TextTable::ForWindow("TForm1"); }
QString Title() { return QString::fromLatin1(kProgramTitle); }

// The painted background that fills the main window below the toolbar.
class Background : public QWidget {
 public:
  explicit Background(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawPixmap(rect(), DrawArtwork(Artwork::Background, size()));
  }
};

QString MenuLayoutPath() {
  const TextEntry* entry = Texts().Find("stOtherStrings", "dxBarManager1.RegistryPath");
  QString relative = entry ? QString::fromStdString(entry->language1)
                           : QStringLiteral("\\SOFTWARE\\Halvord\\NRV\\MENUNRV3\\");
  relative.replace('\\', '/');
  while (relative.startsWith('/')) relative.remove(0, 1);
  if (relative.startsWith(QLatin1String("SOFTWARE/"), Qt::CaseInsensitive)) relative.remove(0, 9);
  while (relative.endsWith('/')) relative.chop(1);
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + '/' + relative + QStringLiteral(".ini");
}

}  // namespace

TForm1::TForm1(Workspace& ws, SettingsStore& store, SettingsOperations& operations,
               Messages& messages, Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      store_(store),
      operations_(operations),
      messages_(messages),
      platform_(platform),
      loader_(ws, store, messages, platform) {
  setObjectName(QStringLiteral("TForm1"));
  resize(900, 620);
  BuildMenus();

  auto* background = new Background(this);
  auto* layout = new QVBoxLayout(background);
  layout->addStretch();
  URL = new QLabel(background);
  URL->setObjectName(QStringLiteral("URL"));
  URL->setText(QStringLiteral("<a style=\"color:white\" href=\"%1\">%1</a>").arg(MakerWebSite()));
  connect(URL, &QLabel::linkActivated, this, [this] { btnHomePageClick(); });
  layout->addWidget(URL, 0, Qt::AlignRight | Qt::AlignBottom);
  setCentralWidget(background);

  ActivityPanel = new QLabel(this);
  ActivityPanel->setObjectName(QStringLiteral("ActivityPanel"));
  ActivityPanel->setMinimumWidth(90);
  ProjectPanel = new QLabel(this);
  ProjectPanel->setObjectName(QStringLiteral("ProjectPanel"));
  statusBar()->addWidget(ActivityPanel);
  statusBar()->addWidget(ProjectPanel, 1);

  openFileDialog = [this](const QString& title, const QString& filter, const QString&) {
    return QFileDialog::getOpenFileName(this, title, QString(), filter);
  };
  saveFileDialog = [this](const QString& title, const QString& filter, const QString& proposed) {
    return QFileDialog::getSaveFileName(this, title, proposed, filter);
  };

  ApplyTextTable(this, Texts());
  ScaleFormToScreen(this, 96);
  QString helpName = QText(Texts(), "IDS_65");
  helpName.replace('\\', '/');
  helpFile_ = QString::fromStdString(ws_.programFolder) + helpName;
  ws_.settings.currencySymbol = "$";
  ws_.parameters.DefineAllParameters();
  UpdateStatusPanels();
}

TForm1::~TForm1() = default;

void TForm1::SetWindows(Windows windows) {
  windows_ = std::move(windows);
  Formular->setEnabled(static_cast<bool>(windows_.showImperialFormulas));
  formulas2->setEnabled(static_cast<bool>(windows_.showMetricFormulas));
}

void TForm1::BuildMenus() {
  const auto action = [this](QAction*& a, const char* name, void (TForm1::*slot)(),
                             ToolIcon* icon = nullptr) {
    a = new QAction(this);
    a->setObjectName(QString::fromLatin1(name));
    if (icon) a->setIcon(DrawToolIcon(*icon));
    connect(a, &QAction::triggered, this, slot);
  };
  ToolIcon iconNew = ToolIcon::New, iconOpen = ToolIcon::Open, iconSave = ToolIcon::Save,
           iconActive = ToolIcon::Active;
  action(NewProject, "NewProject", &TForm1::NewProjectClick, &iconNew);
  action(Openfilebutton, "Openfilebutton", &TForm1::OpenfilebuttonClick, &iconOpen);
  action(Savefilebutton, "Savefilebutton", &TForm1::SavefilebuttonClick, &iconSave);
  action(SaveAsLargeButton1, "SaveAsLargeButton1", &TForm1::SaveAsLargeButton1Click);
  action(CloseProject, "CloseProject", &TForm1::CloseProjectClick);
  action(Properties, "Properties", &TForm1::PropertiesClick);
  action(Quit, "Quit", &TForm1::QuitClick);
  action(FAN_ANALYSIS, "FAN_ANALYSIS", &TForm1::FAN_ANALYSISClick);
  action(PUMP_ANALYSIS, "PUMP_ANALYSIS", &TForm1::PUMP_ANALYSISClick);
  action(BtnCalc, "BtnCalc", &TForm1::BtnCalcClick);
  action(HelpLargeButton1, "HelpLargeButton1", &TForm1::HelpLargeButton1Click);
  action(btnHomePage, "btnHomePage", &TForm1::btnHomePageClick);
  action(About1, "About1", &TForm1::About1Click);
  action(ActiveLargeButton1, "ActiveLargeButton1", &TForm1::ActiveLargeButton1Click, &iconActive);
  Formular = new QAction(this);
  Formular->setObjectName(QStringLiteral("Formular"));
  formulas2 = new QAction(this);
  formulas2->setObjectName(QStringLiteral("formulas2"));
  // Enabled once the calculator windows are attached (SetWindows).
  Formular->setEnabled(false);
  formulas2->setEnabled(false);
  connect(Formular, &QAction::triggered, this, [this] {
    if (windows_.showImperialFormulas) windows_.showImperialFormulas();
  });
  connect(formulas2, &QAction::triggered, this, [this] {
    if (windows_.showMetricFormulas) windows_.showMetricFormulas();
  });
  for (int i = 0; i < 4; ++i) {
    HIS[i] = new QAction(this);
    HIS[i]->setObjectName(QStringLiteral("HIS%1").arg(i + 1));
    HIS[i]->setVisible(false);
    connect(HIS[i], &QAction::triggered, this, [this, i] { HISClick(i + 1); });
  }
  Openfilebutton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Savefilebutton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  HelpLargeButton1->setShortcut(QKeySequence(Qt::Key_F1));

  const auto menu = [this](QMenu*& m, const char* name) {
    m = menuBar()->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
  };
  menu(dxBarSubItem1, "dxBarSubItem1");
  dxBarSubItem1->addAction(NewProject);
  dxBarSubItem1->addSeparator();
  dxBarSubItem1->addAction(Openfilebutton);
  dxBarSubItem1->addAction(Savefilebutton);
  dxBarSubItem1->addAction(SaveAsLargeButton1);
  dxBarSubItem1->addSeparator();
  dxBarSubItem1->addAction(CloseProject);
  dxBarSubItem1->addSeparator();
  dxBarSubItem1->addAction(Properties);
  dxBarSubItem1->addSeparator();
  for (QAction* h : HIS) dxBarSubItem1->addAction(h);
  dxBarSubItem1->addSeparator();
  dxBarSubItem1->addAction(Quit);
  menu(dxBarSubItem2, "dxBarSubItem2");
  dxBarSubItem2->addAction(FAN_ANALYSIS);
  dxBarSubItem2->addAction(PUMP_ANALYSIS);
  menu(dxBarSubItem3, "dxBarSubItem3");
  dxBarSubItem3->addAction(BtnCalc);
  dxBarSubItem3->addSeparator();
  dxBarSubItem3->addAction(Formular);
  dxBarSubItem3->addAction(formulas2);
  menu(dxBarSubItem4, "dxBarSubItem4");
  dxBarSubItem4->addAction(HelpLargeButton1);
  dxBarSubItem4->addSeparator();
  dxBarSubItem4->addAction(btnHomePage);
  dxBarSubItem4->addSeparator();
  dxBarSubItem4->addAction(About1);

  dxBarManager1 = addToolBar(QString());
  dxBarManager1->setObjectName(QStringLiteral("dxBarManager1"));
  dxBarManager1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  dxBarManager1->setIconSize(QSize(32, 32));
  dxBarManager1->addAction(NewProject);
  dxBarManager1->addAction(Openfilebutton);
  dxBarManager1->addAction(Savefilebutton);
  dxBarManager1->addAction(ActiveLargeButton1);
}

// ---- start-up

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShowDone_) {
    firstShowDone_ = true;
    FormShow();
    emit firstShown();
  }
}

void TForm1::FormShow() {
  setWindowTitle(Title());
  RestoreMenuLayout();
  store_.Open();
  const bool firstRun = store_.ReadFlag("PRG", "RS", true);
  store_.WriteText("PRG", "PROGRAMPATH", ws_.programFolder);
  store_.WriteText("PRG", "PROGRAMVERSION", kProgramVersion);
  for (int i = 0; i < 4; ++i)
    recent_[i] = QString::fromStdString(store_.ReadText("FHIS", "H" + std::to_string(i + 1), ""));
  const bool showWelcome = store_.ReadFlag("PROGRAM", "L6", true);
  store_.Close();

  operations_.Load_OPT2();

  const bool openAtStart = !startupFile_.isEmpty() && QFileInfo(startupFile_).isFile();
  if (openAtStart) {
    // After the window is on screen, as the welcome screen.
    QTimer::singleShot(0, this, [this] { OpenProjectFile(startupFile_); });
  } else if (showWelcome || firstRun) {
    QTimer::singleShot(10, this, [this] { Timer1Timer(); });
  }
  RefreshRecentMenu();
  UpdateStatusPanels();
}

void TForm1::Timer1Timer() {
  if (!windows_.welcome) return;
  windows_.welcome->exec();
  switch (windows_.welcome->choice()) {
    case TWelc::Choice::NewProject: NewProjectClick(); break;
    case TWelc::Choice::OpenProject: OpenfilebuttonClick(); break;
    case TWelc::Choice::ProgramSetup: PropertiesClick(); break;
    case TWelc::Choice::None: break;
  }
}

// ---- status and caption

void TForm1::UpdateStatusPanels() {
  const bool active = ws_.project.active;
  ActivityPanel->setText(QText(Texts(), active ? "IDS_0" : "IDS_1"));
  QPalette palette = ActivityPanel->palette();
  palette.setColor(QPalette::WindowText, active ? Qt::red : Qt::black);
  ActivityPanel->setPalette(palette);
  const std::string& name = ws_.customer[PROJECTNAME];
  ProjectPanel->setText(name.empty() ? QText(Texts(), "IDS_3")
                                     : QText(Texts(), "IDS_2") + QString::fromStdString(name));
}

void TForm1::SetCaption(const QString& file) {
  setWindowTitle(file.isEmpty() ? Title() : Title() + QStringLiteral(": ") + QFileInfo(file).fileName());
}

QString TForm1::FileFilter() const {
  // Written as "description|pattern"; the dialog takes the description, which names the pattern.
  const QString filter = Title() + QText(Texts(), "IDS_68") + QStringLiteral("KVE") +
                         QStringLiteral(")") + QStringLiteral("|*.") + QStringLiteral("KVE");
  return filter.section('|', 0, 0);
}

// ---- project lifecycle

bool TForm1::ConfirmEndProject() {
  if (ws_.project.modified && windows_.savePrompt) {
    const int answer = windows_.savePrompt->ShowSaveDialog(QText(Texts(), "IDS_4"));
    if (answer == TSaveDialogMsg::kCancel) return false;
    if (answer == TSaveDialogMsg::kYes) {
      SavefilebuttonClick();
      // Ending the project after a save that did not happen would lose the user's work.
      if (ws_.project.modified) return false;
    }
  }
  ws_.project.active = false;
  return true;
}

void TForm1::NewProjectClick() {
  if (ws_.project.active && !ConfirmEndProject()) return;
  SetCaption({});
  ws_.project.fileName.clear();
  if (windows_.applicationSelector) {
    windows_.applicationSelector->exec();
    switch (windows_.applicationSelector->choice()) {
      case TAPPSEL2::Choice::Fan: FAN_ANALYSISClick(); break;
      case TAPPSEL2::Choice::Pump: PUMP_ANALYSISClick(); break;
      case TAPPSEL2::Choice::None: break;
    }
  }
  UpdateStatusPanels();
}

void TForm1::StartEstimation(ApplicationType application) {
  if (ws_.project.active) {
    messages_.Show(Texts(), MessageKind::Information, Texts().GetText("IDS_14"), MessageButtons::Ok);
    return;
  }
  if (windows_.guide) {
    windows_.guide->exec();
    if (!windows_.guide->goOn()) return;
  }
  ws_.project.application = application;
  ws_.project.active = true;
  ws_.project.fileName.clear();
  SetCaption({});
  if (windows_.setDefaultValues) {
    windows_.setDefaultValues();
  } else {
    ws_.parameters.ResetOperatingData();
    ws_.customer = {};
  }
  ws_.project.modified = false;
  UpdateStatusPanels();
  if (windows_.showEstimation) windows_.showEstimation();
}

void TForm1::ShowEstimationFor(ApplicationType application) {
  if (application == ApplicationType::CoolingTower) return;  // no estimate exists for it
  ws_.project.application = application;
  if (windows_.showEstimation) windows_.showEstimation();
}

bool TForm1::LoadAndActivate(const QString& path, bool checkFirst) {
  const std::string file = path.toStdString();
  if (checkFirst && !loader_.LoadProjectFile(file, ws_.parameters, 0)) return false;
  if (!loader_.LoadProjectFile(file, ws_.parameters, 1)) return false;
  ws_.project.fileName = file;
  ws_.project.modified = false;
  ws_.project.active = true;
  SetCaption(path);
  operations_.Load_OPT();
  return true;
}

void TForm1::OpenfilebuttonClick() {
  if (ws_.project.active && !ConfirmEndProject()) return;
  const QString title = QText(Texts(), "IDS_9") + Title() + QText(Texts(), "IDS_10");
  const QString file = openFileDialog(title, FileFilter(), QString());
  if (!file.isEmpty() && LoadAndActivate(file, /*checkFirst=*/true)) {
    UpdateStatusPanels();
    ShowEstimationFor(loader_.ApplicationRead());
    AddRecentProject(file);
  }
  UpdateStatusPanels();
}

bool TForm1::OpenProjectFile(const QString& path) {
  if (ws_.project.active && !ConfirmEndProject()) return false;
  if (!QFileInfo(path).isFile()) {
    messages_.Show(Texts(), MessageKind::Error, Texts().GetText("IDS_5"), MessageButtons::Ok);
    return false;
  }
  if (!LoadAndActivate(path, /*checkFirst=*/false)) {
    UpdateStatusPanels();
    return false;
  }
  UpdateStatusPanels();
  ShowEstimationFor(loader_.ApplicationRead());
  return true;
}

void TForm1::HISClick(int n) { OpenProjectFile(recent_[n - 1]); }

void TForm1::SavefilebuttonClick() {
  if (!ws_.project.active) {
    messages_.Show(Texts(), MessageKind::Information, Texts().GetText("IDS_13"), MessageButtons::Ok);
    return;
  }
  if (ws_.project.fileName.empty()) return SaveAsLargeButton1Click();
  if (SaveProjectFile(ws_, ws_.project.fileName, messages_)) ws_.project.modified = false;
}

void TForm1::SaveAsLargeButton1Click() {
  if (!ws_.project.active) {
    messages_.Show(Texts(), MessageKind::Information, Texts().GetText("IDS_13"), MessageButtons::Ok);
    return;
  }
  const QString title = QText(Texts(), "IDS_69") + Title() + QText(Texts(), "IDS_10");
  const QString proposed = ws_.project.fileName.empty()
                               ? QStringLiteral("KVNR_Projekt.KVE")
                               : QString::fromStdString(ws_.project.fileName);
  QString name = saveFileDialog(title, FileFilter(), proposed);
  if (!name.isEmpty()) {
    // The extension is what follows the last dot of the file name ("plan." has an empty one).
    const QString fileName = QFileInfo(name).fileName();
    const int dot = fileName.lastIndexOf('.');
    const QString extension = dot > 0 ? fileName.mid(dot + 1) : QString();
    if (dot > 0 && extension.toUpper() != QLatin1String("KVE"))
      messages_.Show(Texts(), MessageKind::Warning, Texts().GetText("IDS_71"), MessageButtons::Ok);
    // An existing "plan.kve" is the file the user chose: on a case-sensitive file system,
    // writing "plan.KVE" beside it would leave the chosen file unchanged.
    if (extension.toUpper() != QLatin1String("KVE")) {
      if (dot > 0) name.chop(extension.size() + 1);
      name += QStringLiteral(".KVE");
    }
    bool write = true;
    if (QFileInfo::exists(name)) {
      const std::string question = name.toStdString() + Texts().GetText("IDS_72") + "\r" +
                                   Texts().GetText("IDS_73");
      write = messages_.Show(Texts(), MessageKind::Warning, question, MessageButtons::YesNo) ==
              MessageAnswer::Yes;
    }
    if (write && SaveProjectFile(ws_, name.toStdString(), messages_)) {
      AddRecentProject(name);
      ws_.project.fileName = name.toStdString();
      ws_.project.modified = false;
    }
  }
  UpdateStatusPanels();
}

void TForm1::CloseProjectClick() {
  if (!ws_.project.active) {
    messages_.Show(Texts(), MessageKind::Information, Texts().GetText("IDS_13"), MessageButtons::Ok);
    return;
  }
  if (!ConfirmEndProject()) return;
  SetCaption({});
  ws_.project.fileName.clear();
  UpdateStatusPanels();
}

void TForm1::ActiveLargeButton1Click() {
  if (!ws_.project.active) {
    messages_.Show(Texts(), MessageKind::Information, Texts().GetText("IDS_13"), MessageButtons::Ok);
    return;
  }
  if (windows_.showEstimation) windows_.showEstimation();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (ws_.project.active && ws_.project.modified && windows_.savePrompt) {
    const int answer = windows_.savePrompt->ShowSaveDialog(QText(Texts(), "IDS_4"));
    if (answer == TSaveDialogMsg::kCancel) return event->ignore();
    if (answer == TSaveDialogMsg::kYes) {
      SavefilebuttonClick();
      if (ws_.project.modified) return event->ignore();  // not saved: keep the work
    }
  }
  ws_.project.active = false;
  SaveMenuLayout();
  event->accept();
}

// ---- recent projects

void TForm1::AddRecentProject(const QString& path) {
  store_.Open();
  recent_[3] = recent_[2];
  recent_[2] = recent_[1];
  recent_[1] = recent_[0];
  recent_[0] = path;
  for (int i = 0; i < 4; ++i)
    store_.WriteText("FHIS", "H" + std::to_string(i + 1), recent_[i].toStdString());
  store_.Close();
  RefreshRecentMenu();
}

void TForm1::RefreshRecentMenu() {
  for (QAction* h : HIS) h->setVisible(false);
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      if (recent_[j] == recent_[i]) recent_[j].clear();
  for (int n = 0; n < 4; ++n) {
    const QString& path = recent_[n];
    if (path.isEmpty() || path.startsWith('*') || !QFileInfo(path).isFile()) continue;
    HIS[n]->setText(QString(path).replace('&', QLatin1String("&&")));  // no shortcut marks
    HIS[n]->setVisible(true);
  }
}

// ---- tools and help

void TForm1::PropertiesClick() {
  operations_.Load_OPT();
  if (windows_.showConfiguration) windows_.showConfiguration(0);  // the page last left
  UpdateStatusPanels();
}

void TForm1::BtnCalcClick() {
  if (!platform_.StartCalculator()) platform_.Beep();
}

void TForm1::btnHomePageClick() { platform_.OpenUrl(MakerWebSite().toStdString()); }

void TForm1::About1Click() {
  if (windows_.about) windows_.about->exec();
}

void TForm1::GetHelp(const std::string& topic) {
  helpFile_ = QString::fromStdString(ws_.programFolder) + QStringLiteral("/VTNRV_32ZE.chm");
  if (!help_) {
    help_ = new HelpBrowser(this);
    help_->setWindowModality(Qt::ApplicationModal);  // usable above the modal windows too
  }
  if (!help_->ShowTopic(QString::fromStdString(topic)))
    help_->ShowTopic(QStringLiteral("HLP_CONTENTS"));
  help_->show();
  help_->raise();
  help_->activateWindow();
}

// ---- menu layout

void TForm1::SaveMenuLayout() {
  QSettings layout(MenuLayoutPath(), QSettings::IniFormat);
  layout.setValue(QStringLiteral("State"), saveState());
}

void TForm1::RestoreMenuLayout() {
  QSettings layout(MenuLayoutPath(), QSettings::IniFormat);
  restoreState(layout.value(QStringLiteral("State")).toByteArray());
}

}  // namespace wattora
