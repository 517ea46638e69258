#include "shell/mainwindow.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "shell/help.h"
#include "shell_fixture.h"

namespace wattora {
namespace {

using testing::ClickButton;
using testing::ShellFixture;

std::string FileText(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll().toStdString();
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { f.ShowMain(); }

  // New project through the selector (fan or pump button) and the guide.
  void NewProject(const char* applicationButton) {
    f.driver.Then([=](QWidget* w) { ClickButton(w, applicationButton); }, "TAPPSEL2");
    f.driver.Then([](QWidget* w) { ClickButton(w, "BitBtn2"); }, "TGuideIt");
    f.main->NewProjectClick();
  }
  void AnswerSavePrompt(const char* button) {
    f.driver.Then([=](QWidget* w) { ClickButton(w, button); }, "TSaveDialogMsg");
  }

  ShellFixture f;
};

TEST_F(MainWindowTest, NewFanProjectThroughSelectorAndGuide) {
  EXPECT_EQ(f.main->ActivityPanel->text(), "Inactif");
  f.ws->parameters.SetValue(1, 12);
  f.ws->customer[PREPFOR] = "ancien client";
  NewProject("SpeedButton1");
  EXPECT_TRUE(f.driver.Done());
  EXPECT_EQ(f.shownEstimations, std::vector{ApplicationType::Fan});
  EXPECT_TRUE(f.ws->project.active);
  EXPECT_FALSE(f.ws->project.modified);
  EXPECT_TRUE(f.ws->project.fileName.empty());
  EXPECT_EQ(f.ws->parameters.Value(1), 24);  // defaults for a new project
  EXPECT_EQ(f.ws->customer[PREPFOR], "");
  EXPECT_EQ(f.main->ActivityPanel->text(), "Actif");
  EXPECT_EQ(f.main->ActivityPanel->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(f.main->windowTitle(), "Vantrel Wattora VV");

  // A second new estimation while one is active is refused.
  f.main->PUMP_ANALYSISClick();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_NE(f.messages.shown[0].text.find("Un projet est actuellement actif"), std::string::npos);
  EXPECT_EQ(f.shownEstimations.size(), 1u);
}

TEST_F(MainWindowTest, CancelInSelectorOrGuideStartsNothing) {
  f.driver.Then([](QWidget* w) { ClickButton(w, "ESCCANCEL"); }, "TAPPSEL2");
  f.main->NewProjectClick();
  EXPECT_FALSE(f.ws->project.active);
  f.driver.Then([](QWidget* w) { ClickButton(w, "SpeedButton2"); }, "TAPPSEL2");
  f.driver.Then([](QWidget* w) { ClickButton(w, "ESCCANCEL"); }, "TGuideIt");
  f.main->NewProjectClick();
  EXPECT_FALSE(f.ws->project.active);
  EXPECT_TRUE(f.shownEstimations.empty());
  EXPECT_TRUE(f.driver.Done());
}

TEST_F(MainWindowTest, SaveGoesToSaveAsThenWritesWithoutDialog) {
  NewProject("SpeedButton2");
  f.ws->project.modified = true;
  f.nextFile = f.QPath("plan.txt");
  f.main->SavefilebuttonClick();
  EXPECT_EQ(f.proposedNames, QStringList{"KVNR_Projekt.KVE"});
  EXPECT_EQ(f.dialogTitles.last(), "EnregistrerVantrel Wattora VVFichier");
  ASSERT_EQ(f.messages.shown.size(), 2u);
  EXPECT_EQ(f.messages.shown[0].kind, MessageKind::Warning);  // the extension is replaced
  EXPECT_NE(f.messages.shown[0].text.find("L'extension spécifiée"), std::string::npos);
  EXPECT_EQ(f.messages.shown[1].text, "Estimation enregistrée !");
  EXPECT_TRUE(QFileInfo::exists(f.QPath("plan.KVE")));
  EXPECT_FALSE(QFileInfo::exists(f.QPath("plan.txt")));
  EXPECT_NE(FileText(f.QPath("plan.KVE")).find("\r\nPUMP\r\n"), std::string::npos);
  EXPECT_EQ(f.ws->project.fileName, f.Path("plan.KVE"));
  EXPECT_FALSE(f.ws->project.modified);
  EXPECT_EQ(f.main->RecentProjects()[0], f.QPath("plan.KVE"));

  // Save again: no dialog.
  f.ws->project.modified = true;
  f.main->SavefilebuttonClick();
  EXPECT_EQ(f.proposedNames.size(), 1);
  EXPECT_FALSE(f.ws->project.modified);

  // "plan2" gets the extension without a warning; an existing name asks first.
  f.messages.shown.clear();
  f.nextFile = f.QPath("plan2");
  f.main->SaveAsLargeButton1Click();
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{"Estimation enregistrée !"});
  f.messages.shown.clear();
  f.messages.answers = {MessageAnswer::No};
  f.nextFile = f.QPath("plan.KVE");
  f.ws->project.modified = true;
  f.main->SaveAsLargeButton1Click();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].text, f.Path("plan.KVE") + "existe déjà !\rVoulez-vous le remplacer ?");
  EXPECT_TRUE(f.ws->project.modified);  // nothing written
}

TEST_F(MainWindowTest, SaveAsExtensionsOnACaseSensitiveFileSystem) {
  NewProject("SpeedButton1");
  struct Case {
    const char* chosen;
    const char* written;
    bool warns;
  } cases[] = {{"plan.", "plan.KVE", true},
               {"projet.kve", "projet.kve", false},
               {"dossier.v2/plan", "dossier.v2/plan.KVE", false}};
  QDir().mkpath(f.QPath("dossier.v2"));
  for (const Case& c : cases) {
    f.messages.shown.clear();
    f.nextFile = f.QPath(c.chosen);
    f.main->SaveAsLargeButton1Click();
    EXPECT_TRUE(QFileInfo::exists(f.QPath(c.written))) << c.chosen;
    EXPECT_EQ(f.messages.shown.size(), c.warns ? 2u : 1u) << c.chosen;
  }
  EXPECT_FALSE(QFileInfo::exists(f.QPath("projet.KVE")));
  EXPECT_FALSE(QFileInfo::exists(f.QPath("plan..KVE")));

  // A path with "&" shows as typed in the recent list.
  f.nextFile = f.QPath("A&B.KVE");
  f.main->SaveAsLargeButton1Click();
  EXPECT_EQ(f.main->HIS[0]->text(), QString(f.QPath("A&B.KVE")).replace("&", "&&"));
}

TEST_F(MainWindowTest, OpenRunsBothPassesAndUpdatesTheRecentList) {
  const QString a = f.MakeProject("a.KVE"), b = f.MakeProject("b.KVE", ApplicationType::Pump),
                c = f.MakeProject("c.KVE"), d = f.MakeProject("d.KVE");
  for (const QString& p : {d, c, b, a}) {
    f.nextFile = p;
    f.main->OpenfilebuttonClick();
  }
  ASSERT_EQ(f.main->RecentProjects(), (std::array<QString, 4>{a, b, c, d}));
  EXPECT_EQ(f.dialogTitles[0], "OuvrirVantrel Wattora VVFichier");
  EXPECT_EQ(f.dialogTitles[1], "Vantrel Wattora VV Fichiers (*.KVE)");

  // Opening the file that is H2.
  f.nextFile = b;
  f.main->OpenfilebuttonClick();
  EXPECT_EQ(f.shownEstimations.back(), ApplicationType::Pump);
  EXPECT_EQ(f.main->windowTitle(), "Vantrel Wattora VV: b.KVE");
  EXPECT_EQ(f.main->ProjectPanel->text(), "Nom du projet :Projet b.KVE");
  SettingsStore stored(f.StorePath());
  EXPECT_EQ(stored.ReadText("FHIS", "H1", ""), b.toStdString());
  EXPECT_EQ(stored.ReadText("FHIS", "H2", ""), a.toStdString());
  EXPECT_EQ(stored.ReadText("FHIS", "H3", ""), b.toStdString());
  EXPECT_EQ(stored.ReadText("FHIS", "H4", ""), c.toStdString());
  EXPECT_TRUE(f.main->HIS[0]->isVisible());
  EXPECT_EQ(f.main->HIS[0]->text(), b);
  EXPECT_TRUE(f.main->HIS[1]->isVisible());
  EXPECT_FALSE(f.main->HIS[2]->isVisible());
  EXPECT_TRUE(f.main->HIS[3]->isVisible());

  // A deleted recent file is not shown; reopening it says so and keeps the entry.
  QFile::remove(c);
  f.main->RefreshRecentMenu();
  EXPECT_FALSE(f.main->HIS[3]->isVisible());
  f.messages.shown.clear();
  EXPECT_FALSE(f.main->OpenProjectFile(c));
  EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{"Le fichier n'existe pas !"});
  EXPECT_EQ(stored.ReadText("FHIS", "H4", ""), c.toStdString());
}

TEST_F(MainWindowTest, CancelInTheSavePromptLeavesEverything) {
  NewProject("SpeedButton1");
  f.ws->project.modified = true;
  f.ws->customer[PROJECTNAME] = "Chaufferie";
  f.main->UpdateStatusPanels();
  const QString status = f.main->ProjectPanel->text();
  f.nextFile = f.MakeProject("other.KVE");
  AnswerSavePrompt("BitBtn3");
  f.main->OpenfilebuttonClick();
  EXPECT_TRUE(f.driver.Done());
  EXPECT_TRUE(f.ws->project.active);
  EXPECT_TRUE(f.ws->project.modified);
  EXPECT_EQ(f.ws->customer[PROJECTNAME], "Chaufferie");
  EXPECT_EQ(f.main->ProjectPanel->text(), status);
  EXPECT_TRUE(f.dialogTitles.isEmpty());  // no file dialog

  // The close box of the prompt counts as Cancel too.
  f.driver.Then([](QWidget* w) { w->close(); }, "TSaveDialogMsg");
  f.main->CloseProjectClick();
  EXPECT_TRUE(f.ws->project.active);
}

TEST_F(MainWindowTest, YesWithACancelledSaveAsKeepsTheProject) {
  NewProject("SpeedButton1");
  f.ws->project.modified = true;
  AnswerSavePrompt("BitBtn1");
  f.nextFile.clear();  // the user cancels the save dialog
  f.main->CloseProjectClick();
  EXPECT_TRUE(f.ws->project.active);
  EXPECT_TRUE(f.ws->project.modified);
}

TEST_F(MainWindowTest, OpenAndCancelTheFileDialogLeavesNoProject) {
  NewProject("SpeedButton1");
  f.nextFile.clear();
  f.main->OpenfilebuttonClick();
  EXPECT_FALSE(f.ws->project.active);
  EXPECT_EQ(f.main->ActivityPanel->text(), "Inactif");
}

TEST_F(MainWindowTest, CoolingTowerFileOpensNoEstimation) {
  NewProject("SpeedButton2");
  const QString tower = f.QPath("tower.KVE");
  QFile file(tower);
  file.open(QIODevice::WriteOnly);
  file.write("[APPLICATION]\r\nCOOLING TOWER\r\n[POWER]\r\nKW\r\n[CURRENCY MODE]\r\n0\r\n");
  file.close();
  f.shownEstimations.clear();
  f.nextFile = tower;
  f.main->OpenfilebuttonClick();
  EXPECT_TRUE(f.shownEstimations.empty());
  EXPECT_TRUE(f.ws->project.active);
  EXPECT_EQ(f.ws->project.application, ApplicationType::Pump);
  EXPECT_EQ(f.main->RecentProjects()[0], tower);
}

TEST_F(MainWindowTest, QuitAsksForAModifiedProject) {
  NewProject("SpeedButton1");
  f.ws->project.modified = true;
  AnswerSavePrompt("BitBtn3");
  EXPECT_FALSE(f.main->close());
  EXPECT_TRUE(f.main->isVisible());
  AnswerSavePrompt("BitBtn2");
  EXPECT_TRUE(f.main->close());
  EXPECT_FALSE(f.ws->project.active);
}

TEST_F(MainWindowTest, CommandsThatNeedAProject) {
  f.main->SavefilebuttonClick();
  f.main->CloseProjectClick();
  f.main->ActiveLargeButton1Click();
  f.main->SaveAsLargeButton1Click();
  EXPECT_EQ(f.messages.shown.size(), 4u);
  for (const auto& m : f.messages.shown)
    EXPECT_NE(m.text.find("Aucun projet actif"), std::string::npos);
  f.main->PropertiesClick();
  EXPECT_EQ(f.configurationPages, std::vector{0});
}

TEST_F(MainWindowTest, HelpHasAPageForEveryTopic) {
  for (const char* topic : {"HLP_CONTENTS", "STEP1", "STEP2", "STEP4", "STEP5", "STEP6", "FORMULAS"}) {
    f.main->GetHelp(topic);
    ASSERT_NE(f.main->Help(), nullptr);
    EXPECT_EQ(f.main->Help()->CurrentTopic(), topic);
    EXPECT_TRUE(f.main->Help()->Browser()->toPlainText().contains(QStringLiteral("Retour au sommaire")));
  }
  EXPECT_TRUE(f.main->HelpFile().endsWith("/VTNRV_32ZE.chm"));
  f.main->Help()->close();
}

TEST(MainWindowStart, WelcomeScreenOnFirstStartsAndTheStartupFile) {
  ShellFixture f(/*welcome=*/true);
  bool introduction = false;
  f.driver.Then(
      [&](QWidget* w) {
        introduction = static_cast<TWelc*>(w)->ShowsIntroduction();
        ClickButton(w, "Continue");
        ClickButton(w, "Close");
      },
      "TWelc");
  f.ShowMain();
  QTest::qWait(100);
  EXPECT_TRUE(f.driver.Done());
  EXPECT_TRUE(introduction);
  SettingsStore stored(f.StorePath());
  EXPECT_EQ(stored.ReadText("PRG", "RS", ""), "0");
  EXPECT_EQ(stored.ReadText("PRG", "PROGRAMVERSION", ""), "1.01.03");
  EXPECT_TRUE(stored.Has("EFF", "C2E10"));  // the store is complete after a first start

  // Next start: the choices, then no welcome once the box is unchecked.
  f.Start(true);
  bool choices = false;
  f.driver.Then(
      [&](QWidget* w) {
        choices = !static_cast<TWelc*>(w)->ShowsIntroduction();
        static_cast<TWelc*>(w)->ShowWelcome->setChecked(false);
        ClickButton(w, "Program_Setup_Navigation");
      },
      "TWelc");
  f.ShowMain();
  QTest::qWait(100);
  EXPECT_TRUE(choices);
  EXPECT_EQ(f.configurationPages, std::vector{0});  // the choice ran the setup command

  f.Start(true);
  f.ShowMain();
  QTest::qWait(100);
  EXPECT_TRUE(f.driver.Seen().size() == 2);  // no third welcome screen

  // Arguments split by the shell are joined again; the file opens instead of the welcome.
  QDir().mkpath(f.QPath("My Projects"));
  const QString project = f.MakeProject("My Projects/a.KVE", ApplicationType::Pump);
  f.Start(true);
  f.main->SetStartupFile(QStringList{f.QPath("My"), "Projects/a.KVE"}.join(' '));
  f.ShowMain();
  QTest::qWait(50);
  EXPECT_EQ(f.shownEstimations, std::vector{ApplicationType::Pump});
  EXPECT_EQ(f.main->windowTitle(), "Vantrel Wattora VV: a.KVE");
  EXPECT_EQ(f.driver.Seen().size(), 2);
}

}  // namespace
}  // namespace wattora
