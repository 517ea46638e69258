// The system-data page: key filter, range check on leaving, duty total, refresh, reset.
#include "charts/chartspage.h"
#include "charts/dutychart.h"
#include "wizard_fixture.h"

namespace wattora::testing {
namespace {

using SystemDataTest = WizardTest;

TEST_F(SystemDataTest, KeyFilterKeepsOnlyDigitsAndTheLocaleSeparators) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  for (QLineEdit* entry : {form.A104, form.A113}) {
    entry->setFocus();
    entry->clear();
    // Letters, the minus sign, an exponent and the other locale's decimal point are dropped.
    QTest::keyClicks(entry, "a-1e2.x,5");
    EXPECT_EQ(Text(entry), "12,5") << S(entry->objectName());
  }
  // The French group separator is a separator like the decimal comma.
  form.A109->setFocus();
  form.A109->clear();
  QTest::keyClicks(form.A109, "12");
  QTest::sendKeyEvent(QTest::Click, form.A109, Qt::Key_unknown, QString(QChar(0x202F)), {});
  QTest::keyClicks(form.A109, "000");
  EXPECT_EQ(Text(form.A109), Grouped("12", "000"));
  // Backspace still edits.
  QTest::keyClick(form.A109, Qt::Key_Backspace);
  EXPECT_EQ(Text(form.A109), Grouped("12", "00"));
}

struct RangeCase {
  int parameter;
  const char* typed;
  const char* shown;
  int beeps;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
  *os << "A1" << (c.parameter < 10 ? "0" : "") << c.parameter << " \"" << c.typed << "\"";
}

class RangeCheckTest : public WizardTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeCheckTest, LeavingAnEntryClampsOrNormalisesItAndMarksTheProject) {
  const RangeCase& c = GetParam();
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  ws.project.modified = false;
  const int statusBefore = log.statusUpdates;

  TypeAndLeave(form.Entry(c.parameter), QString::fromUtf8(c.typed));

  EXPECT_EQ(Text(form.Entry(c.parameter)), c.shown);
  EXPECT_EQ(platform.beeps, c.beeps);
  EXPECT_TRUE(ws.project.modified);
  EXPECT_GT(log.statusUpdates, statusBefore);
  EXPECT_TRUE(messages.shown.empty()) << "the range check never shows a message";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RangeCheckTest,
    ::testing::Values(RangeCase{1, "25", "24", 1},            // above the maximum
                      RangeCase{6, "49", "50,0", 1},          // below the minimum, 1 decimal
                      RangeCase{5, "0,15", "0,2", 1},         // below 0,2 in single precision
                      RangeCase{4, "7,5", "7,50", 0},         // normalised to 2 decimals
                      RangeCase{10, "12,5", "13", 0},         // half away from zero
                      RangeCase{3, "52", "52", 0},            // the maximum itself
                      // The normalised text is longer than the entry's 6 characters and must
                      // not be cut to "100 00".
                      RangeCase{9, "100000", "100\u202F000", 0},
                      RangeCase{9, "999999", "999\u202F999", 0}));

TEST_F(SystemDataTest, LeavingAnEmptyEntryChangesNothing) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  form.A106->setFocus();
  form.A106->clear();
  ws.project.modified = false;
  QTest::keyClick(form.A106, Qt::Key_Tab);
  EXPECT_EQ(Text(form.A106), "");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(ws.project.modified);
}

TEST_F(SystemDataTest, TypingMarksTheProjectModifiedAndUpdatesTheStatusLine) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  ws.project.modified = false;
  const int before = log.statusUpdates;
  form.A102->setFocus();
  QTest::keyClick(form.A102, Qt::Key_Backspace);
  EXPECT_FALSE(ws.project.modified) << "an emptied entry is no change";
  QTest::keyClick(form.A102, Qt::Key_5);
  EXPECT_TRUE(ws.project.modified);
  EXPECT_GT(log.statusUpdates, before);
}

TEST_F(SystemDataTest, ADutyTotalOtherThan100TurnsTheTotalAndTheBarsRed) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  EXPECT_EQ(Text(form.Label50), "100%");
  EXPECT_EQ(form.DutyChart->barColour(), QColor(Qt::blue));

  TypeAndLeave(form.A110, "0");  // 1 % less at full flow

  EXPECT_EQ(Text(form.Label50), "99% (la somme totale doit être égle à 100 %)");
  EXPECT_EQ(form.Label50->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(form.DutyChart->barColour(), QColor(Qt::red));
  EXPECT_TRUE(DutyMessages().empty()) << "leaving an entry does not show the duty message";

  TypeAndLeave(form.A110, "1");
  EXPECT_EQ(Text(form.Label50), "100%");
  EXPECT_EQ(form.Label50->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(form.DutyChart->barColour(), QColor(Qt::blue));
}

TEST_F(SystemDataTest, LeavingADutyEntryAtATotalOf100RefreshesEverything) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  const std::string driveBefore = Text(form.VAL1);
  form.Charts->SelectionGraphType->setCurrentIndex(2);  // time share graph
  // Move 1 % from 90 % flow to 100 % flow: still 100 in total.
  TypeAndLeave(form.A111, "1");
  TypeAndLeave(form.A110, "2");

  EXPECT_EQ(ws.estimate.dutyPercent[0], 2);
  EXPECT_EQ(ws.estimate.dutyPercent[1], 1);
  EXPECT_NE(Text(form.VAL1), driveBefore) << "the results page follows at once";
  // The selected graph and the duty chart carry the new shares (flow 100 is the last point).
  EXPECT_EQ(form.Charts->model().series[2].points.back().value, 2);
  EXPECT_EQ(form.DutyChart->model().series[0].points.back().value, 2);
  EXPECT_EQ(form.DutyChart->model().series[0].points.front(), (ChartPoint{0, 0}));
}

TEST_F(SystemDataTest, LeavingAnOperatingEntryOnlyNormalisesIt) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  const std::string driveBefore = Text(form.VAL1);
  TypeAndLeave(form.A101, "12");
  EXPECT_EQ(Text(form.VAL1), driveBefore) << "the results wait for the next page change";
  QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
  EXPECT_EQ(ws.estimate.annualHours, 12 * 7 * 52);
  EXPECT_NE(Text(form.VAL1), driveBefore);
}

TEST_F(SystemDataTest, DutyResetRestoresTheDefaultsAndRefreshes) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  TypeAndLeave(form.A110, "50");
  TypeAndLeave(form.A115, "3");
  ASSERT_NE(Text(form.Label50), "100%");
  ws.project.modified = false;

  QTest::mouseClick(form.BitBtn19, Qt::LeftButton);

  const char* defaults[10] = {"1", "2", "9", "17", "24", "17", "13", "11", "6", "0"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Text(form.Entry(10 + i)), defaults[i]);
  EXPECT_EQ(Text(form.Label50), "100%");
  EXPECT_EQ(form.DutyChart->barColour(), QColor(Qt::blue));
  EXPECT_EQ(Text(form.VAL1), Euro(Grouped("30", "483")));
  EXPECT_TRUE(ws.project.modified);
  // The parameter table waits for the next store.
  EXPECT_EQ(ws.parameters.Value(10), 1.0f);
}

TEST_F(SystemDataTest, ADutyTextIsReadByItsFirstFiveCharacters) {
  TFANFORM& form = Show();
  form.PageControl1->setCurrentIndex(1);
  // "17,999" has 6 characters: the duty check reads "17,99", that is 17.
  form.A113->setText("17,999");
  EXPECT_TRUE(form.CheckDutyCycle());
  EXPECT_EQ(form.Inputs().dutyText[3], "17,99");
}

TEST_F(SystemDataTest, UnitLabelsFollowThePowerUnitAndTheCurrency) {
  ws.settings.powerUnitIsKw = false;
  ws.settings.currencySymbol = "£";
  ws.settings.subUnitLabel = "Pence";
  TFANFORM& form = Show();
  EXPECT_EQ(Text(form.Power_Label), "HP");
  EXPECT_EQ(Text(form.Currency_label), "£");
  EXPECT_EQ(Text(form.Currency_label2), "Pence");
  EXPECT_EQ(Text(form.CompanyIncentiveLabel), "£/HP");
  EXPECT_DOUBLE_EQ(ws.kwPerPowerUnit, 0.7457);
  // Every cost is in kW: 150 HP x 0.7457 x 0.10 / (0.95 x 0.97) = 12.14 per hour at full flow.
  EXPECT_DOUBLE_EQ(ws.estimate.hourlyCost[Index(ControlMethod::Drive)][0], 12.14);

  form.hide();
  ws.settings.powerUnitIsKw = true;
  Show();
  EXPECT_EQ(Text(form.Power_Label), "kW");
  EXPECT_EQ(Text(form.CompanyIncentiveLabel), "£/kW");
  EXPECT_DOUBLE_EQ(ws.kwPerPowerUnit, 1.0);
}

TEST_F(SystemDataTest, TheDriveEfficiencyRowIsHiddenButBoundAndStored) {
  ws.parameters.SetValue(7, 90);
  TFANFORM& form = Show();
  EXPECT_TRUE(form.A107->isHidden());
  EXPECT_TRUE(form.DRIVEEFF->isHidden());
  EXPECT_EQ(Text(form.A107), "90,0");
  EXPECT_EQ(Text(form.DRIVEEFF), "97,00");
  form.A107->setText("88,5");
  form.hide();
  EXPECT_FLOAT_EQ(ws.parameters.Value(7), 88.5f);
}

}  // namespace
}  // namespace wattora::testing
