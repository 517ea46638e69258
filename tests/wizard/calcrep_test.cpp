// The calculation overview as the results page opens it.
#include "wizard_fixture.h"

namespace wattora::testing {
namespace {

using OverviewTest = WizardTest;

std::map<std::string, std::string> Snapshot(QWidget* overview) {
  std::map<std::string, std::string> out;
  for (QLabel* label : overview->findChildren<QLabel*>())
    out[label->objectName().toStdString()] = label->text().toStdString();
  return out;
}

TEST_F(OverviewTest, DriveOfTheWorkedFanExample) {
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  std::map<std::string, std::string> s;
  ASSERT_TRUE(WithModal([&] { QTest::mouseClick(f.LINE1, Qt::LeftButton); },
                        [&](QWidget* w) { s = Snapshot(w); }));
  EXPECT_EQ(s["HDRMEDIUM"], "AIR");
  EXPECT_EQ(s["HDRSHAFT"], "ArbrekW");
  const char* share[10] = {"1", "2", "9", "17", "24", "17", "13", "11", "6", "0"};
  const std::string hours[10] = {"87,60", "175,20", "788,40", Grouped("1", "489,20"),
                                 Grouped("2", "102,40"), Grouped("1", "489,20"),
                                 Grouped("1", "138,80"), "963,60", "525,60", "0,00"};
  const char* power[10] = {"150,00", "109,35", "76,80", "51,45", "32,40",
                           "18,75",  "9,60",   "4,05",  "1,20",  "0,15"};
  const char* hourly[10] = {"16,28", "11,87", "8,33", "5,58", "3,52",
                            "2,03",  "1,04",  "0,44", "0,13", "0,02"};
  for (int i = 0; i < 10; ++i) {
    const std::string suffix = std::to_string(10 * (i + 1));
    SCOPED_TRACE("row " + suffix);
    EXPECT_EQ(s["Ap" + suffix], share[i]);
    EXPECT_EQ(s["HRY" + suffix], hours[i]);
    EXPECT_EQ(s["SHP" + suffix], power[i]);
    EXPECT_EQ(s["CPH" + suffix], std::string("€  ") + hourly[i]);
  }
  EXPECT_EQ(s["OC10"], "€  " + Grouped("1", "426,13"));  // 16.28 x 87.6
  EXPECT_EQ(s["TOTHOUR"], Grouped("8", "760,00"));
  EXPECT_EQ(s["TOTALCOST"], "€  " + Grouped("30", "483"));
  EXPECT_EQ(s["FLOW10"], "100");
  EXPECT_EQ(s["FLOW100"], "10");
  EXPECT_EQ(s["TOTPCT"], "100");
}

TEST_F(OverviewTest, ThrottlingValveOfAPumpInHorsepower) {
  ws.project.application = ApplicationType::Pump;
  ws.settings.powerUnitIsKw = false;
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  ASSERT_EQ(Text(f.LINE2), "Contrôle de la vanne d'étranglement");
  std::map<std::string, std::string> s;
  ASSERT_TRUE(WithModal([&] { QTest::mouseClick(f.LINE2, Qt::LeftButton); },
                        [&](QWidget* w) { s = Snapshot(w); }));
  EXPECT_EQ(s["HDRMEDIUM"], "LIQUID");
  EXPECT_EQ(s["HDRSHAFT"], "ArbreHP");
  // 0.001 x 150 / 0.0033 at 10 % flow.
  EXPECT_EQ(s["SHP100"], "45,45");
  const double total = ws.estimate.annualTotal[Index(ControlMethod::ThrottlingValve)];
  EXPECT_EQ(s["TOTALCOST"], "€  " + FormatFixed(total, 0, ws.separators));
}

TEST_F(OverviewTest, TheTimeShareColumnShowsTheEntryTextsAsTyped) {
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(1);
  // Not left, so not normalised: the overview shows the text as the duty check cut it.
  f.A112->setText("9,000");
  f.A113->setText("17,49");
  f.PageControl1->setCurrentIndex(2);
  std::map<std::string, std::string> s;
  ASSERT_TRUE(WithModal([&] { QTest::mouseClick(f.LINE1, Qt::LeftButton); },
                        [&](QWidget* w) { s = Snapshot(w); }));
  EXPECT_EQ(s["Ap30"], "9,000");
  EXPECT_EQ(s["Ap40"], "17,49");
  EXPECT_EQ(s["HRY30"], "788,40");
}

TEST_F(OverviewTest, EveryShowingRefillsWithTheCurrentCurrency) {
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  std::map<std::string, std::string> s;
  ASSERT_TRUE(WithModal([&] { QTest::mouseClick(f.LINE1, Qt::LeftButton); },
                        [&](QWidget* w) { s = Snapshot(w); }));
  ws.settings.currencySymbol = "£";
  ASSERT_TRUE(WithModal([&] { QTest::mouseClick(f.LINE1, Qt::LeftButton); },
                        [&](QWidget* w) { s = Snapshot(w); }));
  EXPECT_EQ(s["CPH10"], "£  16,28");
  EXPECT_EQ(s["TOTALCOST"], "£  " + Grouped("30", "483"));
}

TEST_F(OverviewTest, APumpWithCode2KeepsThePreviousMethodColumns) {
  ws.project.application = ApplicationType::Pump;
  TCALCREP overview(ws, nullptr);
  TFANFORM& f = Show();
  ASSERT_TRUE(f.CheckDutyCycle());
  overview.SetRequest(2, 1, f.Inputs().dutyText, "kW");
  overview.FormShow();
  ASSERT_EQ(Text(overview.SHP[0]), "150,00");
  overview.SetRequest(2, 2, f.Inputs().dutyText, "kW");
  overview.FormShow();
  EXPECT_EQ(Text(overview.SHP[0]), "150,00");
  EXPECT_EQ(Text(overview.TOTHOUR), Grouped("8", "760,00"));
}

TEST_F(OverviewTest, HelpAndGoBack) {
  std::vector<std::string> topics;
  TCALCREP overview(ws, [&](const std::string& t) { topics.push_back(t); });
  overview.show();
  QTest::mouseClick(overview.HELPBTN, Qt::LeftButton);
  EXPECT_EQ(topics, std::vector<std::string>{"STEP4"});
  QTest::mouseClick(overview.GOBACK, Qt::LeftButton);
  EXPECT_FALSE(overview.isVisible());
}

}  // namespace
}  // namespace wattora::testing
