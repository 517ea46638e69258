// The whole program over fakes: a new fan project from the welcome screen to the results,
// saved, closed and reopened from the recent list with the same results.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "shell/mainwindow.h"
#include "startup.h"
#include "support/fakes.h"
#include "support/modal_driver.h"
#include "wizard/fanform.h"

namespace wattora {
namespace {

using testing::ClickButton;
using testing::FakeMessages;
using testing::FakePlatform;
using testing::ModalDriver;

QStringList ResultTexts(TFANFORM& w) {
  QStringList texts;
  for (QLabel* l : {w.VAL1, w.VAL2, w.VAL3, w.VAL4}) texts << l->text();
  for (QLabel* l : w.VALUE) texts << l->text();
  for (QLabel* l : w.PAYBACKVALUE) texts << l->text();
  return texts;
}

TEST(Program, NewProjectSavedClosedAndReopenedGivesTheSameResults) {
  QTemporaryDir dir;
  qputenv("XDG_CONFIG_HOME", dir.path().toUtf8() + "/cfg");
  FakeMessages messages;
  FakePlatform platform;
  Startup startup({}, &messages, &platform);
  TForm1& main = startup.MainWindow();
  TFANFORM& estimation = startup.EstimationWindow();
  const QString file = dir.path() + "/chaufferie.KVE";
  main.saveFileDialog = [&](const QString&, const QString&, const QString&) { return file; };

  ModalDriver driver;
  // First start: the welcome introduction, then its choices, then "Nouveau projet".
  driver.Then([](QWidget* w) {
    ClickButton(w, "Continue");
    ClickButton(w, "NewQuote_Navigation");
  }, "TWelc");
  driver.Then([](QWidget* w) { ClickButton(w, "SpeedButton1"); }, "TAPPSEL2");
  driver.Then([](QWidget* w) { ClickButton(w, "BitBtn2"); }, "TGuideIt");
  QStringList first;
  driver.Then([&](QWidget*) {
    QTest::keyClicks(estimation.findChild<QWidget*>("PROJECTNAME"), "Chaufferie Nord");
    estimation.CONTINUECLICK();
    estimation.CONTINUECLICK();
    first = ResultTexts(estimation);
    estimation.BitBtn14Click();  // Save Estimation: the main window's Save, here Save As
    estimation.reject();
  }, "TFANFORM");
  startup.Show();
  for (int i = 0; i < 200 && !driver.Done(); ++i) QTest::qWait(10);
  ASSERT_TRUE(driver.Done()) << driver.Seen().join(",").toStdString();

  // The drive's annual cost of the default fan, grouped with the machine's separator.
  ASSERT_FALSE(first.isEmpty());
  EXPECT_TRUE(QRegularExpression(QString::fromUtf8("^€ 30\\D483$")).match(first[0]).hasMatch())
      << first.join(" | ").toStdString();
  EXPECT_TRUE(QFileInfo::exists(file));
  EXPECT_EQ(messages.Texts().back(), "Estimation enregistrée !");
  EXPECT_FALSE(startup.Work().project.modified);
  EXPECT_EQ(main.ProjectPanel->text(), "Nom du projet :Chaufferie Nord");

  main.CloseProjectClick();  // not modified: no prompt
  EXPECT_FALSE(startup.Work().project.active);
  ASSERT_TRUE(main.HIS[0]->isVisible());
  EXPECT_EQ(main.HIS[0]->text(), file);

  // Change the defaults meanwhile: the reopened project keeps its own values.
  startup.Work().parameters.SetValue(1, 8);
  QStringList second;
  driver.Then([&](QWidget*) {
    estimation.CONTINUECLICK();
    estimation.CONTINUECLICK();
    second = ResultTexts(estimation);
    estimation.reject();
  }, "TFANFORM");
  main.HIS[0]->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(second, first);
  EXPECT_EQ(main.windowTitle(), "Vantrel Wattora VV: chaufferie.KVE");
  EXPECT_EQ(startup.Work().customer[PROJECTNAME], "Chaufferie Nord");
  main.close();
}

}  // namespace
}  // namespace wattora
