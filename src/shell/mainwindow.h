#pragma once
// The main window: menus, toolbar, status bar and the project lifecycle.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <array>
#include <functional>

#include "core/workspace.h"
#include "persistence/project_file.h"
#include "persistence/settings_operations.h"

namespace wattora {

class TAboutBox;
class TAPPSEL2;
class TGuideIt;
class TSaveDialogMsg;
class TWelc;
class HelpBrowser;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // The windows created after the main window, reached through these.
  struct Windows {
    TAboutBox* about = nullptr;
    TWelc* welcome = nullptr;
    TAPPSEL2* applicationSelector = nullptr;
    TGuideIt* guide = nullptr;
    TSaveDialogMsg* savePrompt = nullptr;
    std::function<void()> showEstimation;         // the estimation window, modal
    std::function<void()> setDefaultValues;       // its set_default_values
    std::function<void(int page)> showConfiguration;  // page 0: the page last left
    std::function<void()> showImperialFormulas;
    std::function<void()> showMetricFormulas;
  };
  using FileDialog = std::function<QString(const QString& title, const QString& filter,
                                           const QString& proposed)>;

  TForm1(Workspace& ws, SettingsStore& store, SettingsOperations& operations, Messages& messages,
         Platform& platform, QWidget* parent = nullptr);
  ~TForm1() override;

  void SetWindows(Windows windows);
  void SetStartupFile(const QString& path) { startupFile_ = path; }
  // Replaceable for tests: the open and save dialogs.
  FileDialog openFileDialog;
  FileDialog saveFileDialog;

  // Commands
  void NewProjectClick();
  void OpenfilebuttonClick();
  void SavefilebuttonClick();
  void SaveAsLargeButton1Click();
  void CloseProjectClick();
  void FAN_ANALYSISClick() { StartEstimation(ApplicationType::Fan); }
  void PUMP_ANALYSISClick() { StartEstimation(ApplicationType::Pump); }
  void ActiveLargeButton1Click();
  void HISClick(int n);
  void PropertiesClick();
  void BtnCalcClick();
  void btnHomePageClick();
  void About1Click();
  void HelpLargeButton1Click() { GetHelp("HLP_CONTENTS"); }
  void QuitClick() { close(); }

  // Shared routines
  void GetHelp(const std::string& topic);
  void UpdateStatusPanels();
  bool OpenProjectFile(const QString& path);
  void AddRecentProject(const QString& path);
  void RefreshRecentMenu();
  bool ConfirmEndProject();  // false: the user cancelled

  const std::array<QString, 4>& RecentProjects() const { return recent_; }
  bool FirstShowDone() const { return firstShowDone_; }
  HelpBrowser* Help() const { return help_; }
  QString HelpFile() const { return helpFile_; }

  // Controls
  QMenu* dxBarSubItem1;
  QMenu* dxBarSubItem2;
  QMenu* dxBarSubItem3;
  QMenu* dxBarSubItem4;
  QAction* NewProject;
  QAction* Openfilebutton;
  QAction* Savefilebutton;
  QAction* SaveAsLargeButton1;
  QAction* CloseProject;
  QAction* Properties;
  std::array<QAction*, 4> HIS;
  QAction* Quit;
  QAction* FAN_ANALYSIS;
  QAction* PUMP_ANALYSIS;
  QAction* BtnCalc;
  QAction* Formular;
  QAction* formulas2;
  QAction* HelpLargeButton1;
  QAction* btnHomePage;
  QAction* About1;
  QAction* ActiveLargeButton1;
  QToolBar* dxBarManager1;
  QLabel* ActivityPanel;
  QLabel* ProjectPanel;
  QLabel* URL;

 signals:
  void firstShown();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

 private:
  void BuildMenus();
  void FormShow();
  void Timer1Timer();
  void StartEstimation(ApplicationType application);
  void ShowEstimationFor(ApplicationType application);
  bool LoadAndActivate(const QString& path, bool checkFirst);
  void SetCaption(const QString& file);
  QString FileFilter() const;
  void SaveMenuLayout();
  void RestoreMenuLayout();

  Workspace& ws_;
  SettingsStore& store_;
  SettingsOperations& operations_;
  Messages& messages_;
  Platform& platform_;
  ProjectLoader loader_;
  Windows windows_;
  std::array<QString, 4> recent_;
  QString startupFile_;
  QString helpFile_;
  HelpBrowser* help_ = nullptr;
  bool firstShowDone_ = false;
};

// The program's title, caption of the main window and footer of the report.
inline const char* kProgramTitle = "Vantrel Wattora VV";

}  // namespace wattora
