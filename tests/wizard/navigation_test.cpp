// The window as a whole: showing, the duty-cycle gate on every page change, Enter and Esc,
// help, closing and saving.
#include "wizard_fixture.h"

namespace wattora::testing {
namespace {

using NavigationTest = WizardTest;

TEST_F(NavigationTest, ShowingFillsTheEntriesComputesAndSetsTheCaption) {
  ws.parameters.SetValue(4, 12.5f);
  TFANFORM& form = Show();
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(S(form.windowTitle()), "Vantrel Wattora VV, Project actif : Application Ventilateur");
  EXPECT_EQ(Text(form.A101), "24");
  EXPECT_EQ(Text(form.A104), "12,50");
  EXPECT_EQ(Text(form.A105), "150,0");
  EXPECT_EQ(Text(form.A109), Grouped("12", "000"));
  EXPECT_EQ(Text(form.A119), "0");
  EXPECT_EQ(ws.estimate.annualHours, 8760);
  EXPECT_FALSE(Text(form.VAL1).empty()) << "results are ready on page 2";
  EXPECT_TRUE(messages.shown.empty());

  form.hide();
  ws.project.application = ApplicationType::Pump;
  Show();
  EXPECT_EQ(S(form.windowTitle()), "Vantrel Wattora VV, Project actif : Application Pompe");
}

TEST_F(NavigationTest, EveryShowingStartsOnTheCustomerPage) {
  TFANFORM& form = Show();
  QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
  QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
  ASSERT_EQ(Page(), 2);
  form.hide();
  Show();
  EXPECT_EQ(Page(), 0);
  EXPECT_TRUE(messages.shown.empty()) << "selecting page 0 at showing is not a tab click";
}

TEST_F(NavigationTest, ADutyCycleOf99BlocksEveryPageChange) {
  ws.parameters.SetValue(10, 0);  // 99 % in total
  TFANFORM& form = Show();
  const std::string expected =
      "La somme des pourcentages du cycle d'utilisation doit être égale à 100 %\r"
      "La somme des pourcentages saisis actuellement est égale à : 99%";
  ASSERT_EQ(DutyMessages().size(), 1u) << "the showing reports it once";
  EXPECT_EQ(DutyMessages()[0], expected);
  EXPECT_EQ(S(form.windowTitle()), "Analyse d'un ventilateur et d'une pompe commandés par un "
                                   "variateur à fréquence variable")
      << "the caption stays as it was";
  EXPECT_TRUE(Text(form.VAL1).empty()) << "nothing was computed";

  QTest::mouseClick(form.BitBtn5, Qt::LeftButton);  // Continue
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(DutyMessages().size(), 2u);

  ClickTab(4);  // Report
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(DutyMessages().size(), 3u);

  QTest::mouseClick(form.ESCCANCEL, Qt::LeftButton);  // Go Back is gated too
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(DutyMessages().size(), 4u);

  ClickTab(2);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(DutyMessages().size(), 5u);

  // Mended on the page, the same tab click goes through and computes.
  TypeAndLeave(form.A110, "1");
  ClickTab(2);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(DutyMessages().size(), 5u);
  EXPECT_EQ(Text(form.VAL1), Euro(Grouped("30", "483")));
}

TEST_F(NavigationTest, EnterMovesOnAndEscGoesBackOnEveryPage) {
  TFANFORM& form = Show();
  const int forward[] = {1, 2, 3, 4, 4};  // page 4 has no Continue
  for (int expected : forward) {
    Key(Qt::Key_Return);
    EXPECT_EQ(Page(), expected);
  }
  const int backward[] = {3, 2, 1, 0};
  for (int expected : backward) {
    Key(Qt::Key_Escape);
    EXPECT_EQ(Page(), expected);
    EXPECT_TRUE(form.isVisible());
  }
  Key(Qt::Key_Escape);  // on page 0 Esc is Go Back, which closes the window
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NavigationTest, EnterInAnEntryLeavesItBeforeTheDutyCheck) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  // 0,5 reads as 0 (a total of 99) until the entry is left; leaving it makes it 1.
  form.A110->setFocus();
  form.A110->selectAll();
  QTest::keyClicks(form.A110, "0,5");
  QTest::keyClick(form.A110, Qt::Key_Return);
  EXPECT_EQ(Text(form.A110), "1");
  EXPECT_EQ(Page(), 2);
  EXPECT_TRUE(DutyMessages().empty());
}

TEST_F(NavigationTest, EnterOnAFocusedButtonPressesThatButton) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  form.A110->setText("5");  // total 104
  form.BitBtn19->setFocus();
  QTest::keyClick(form.BitBtn19, Qt::Key_Return);
  EXPECT_EQ(Page(), 1) << "Reset, not Continue";
  EXPECT_EQ(Text(form.A110), "1");
  EXPECT_TRUE(DutyMessages().empty());
}

TEST_F(NavigationTest, CloseButtonsCloseAndStoreTheEntries) {
  for (const char* close : {"BitBtn1", "BitBtn15"}) {
    TFANFORM& form = Show();
    form.PageControl1->setCurrentIndex(std::string(close) == "BitBtn1" ? 0 : 4);
    form.A101->setText("12");
    form.A104->setText("8,25");
    form.A119->setText("");
    QTest::mouseClick(form.findChild<QPushButton*>(close), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible()) << close;
    EXPECT_EQ(ws.parameters.Value(1), 12.0f) << close;
    EXPECT_EQ(ws.parameters.Value(4), 8.25f) << close;
    EXPECT_EQ(ws.parameters.Value(19), 0.0f) << "an empty entry stores 0";
    EXPECT_EQ(log.saves, 0) << "closing does not save";
    ws.parameters.ResetOperatingData();
  }
}

TEST_F(NavigationTest, SaveEstimationStoresTheEntriesBeforeTheMainWindowSaves) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(4);
  form.A105->setText(QString::fromUtf8("2\u202F500,5"));
  float seenBySave = 0;
  log.onSave = [&] { seenBySave = ws.parameters.Value(5); };
  QTest::mouseClick(form.BitBtn14, Qt::LeftButton);
  EXPECT_EQ(log.saves, 1);
  EXPECT_FLOAT_EQ(seenBySave, 2500.5f);
  EXPECT_TRUE(form.isVisible());
}

TEST_F(NavigationTest, HelpButtonsOpenTheirPagesTopic) {
  TFANFORM& form = Show();
  const std::pair<QPushButton*, const char*> cases[] = {
      {form.BitBtn4, "STEP1"}, {form.Help, "STEP2"}, {form.BitBtn7, "STEP4"},
      {form.BitBtn12, "STEP5"}, {form.BitBtn10, "STEP6"}};
  int page = 0;
  for (const auto& [button, topic] : cases) {
    form.PageControl1->setCurrentIndex(page++);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_FALSE(log.helpTopics.empty());
    EXPECT_EQ(log.helpTopics.back(), topic);
  }
  EXPECT_EQ(log.helpTopics.size(), 5u);
}

TEST_F(NavigationTest, ContinueAndGoBackRecomputeFromTheEntries) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(2);
  ASSERT_EQ(Text(form.VAL1), Euro(Grouped("30", "483")));
  form.A109->setText("24000");  // drive cost doubles the paybacks
  QTest::mouseClick(form.BitBtn6, Qt::LeftButton);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Text(form.PAYBACKVALUE[0]), "0,223 Années");
}

}  // namespace
}  // namespace wattora::testing
