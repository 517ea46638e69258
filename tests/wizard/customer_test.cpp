// The customer-information page, the new-project reset and the two configuration calls.
#include "wizard_fixture.h"

namespace wattora::testing {
namespace {

using CustomerTest = WizardTest;

std::vector<QLineEdit*> Fields(TFANFORM& f) {  // in CustomerField order
  return {f.PREPFOR, f.Titlefor, f.Companyfor, f.AddressFor, f.ZipFor,
          f.CountryFor, f.Telfor, f.Faxfor, f.EmailFor, f.PROJECTNAME};
}

TEST_F(CustomerTest, FieldsTakeAtMostTheirLength) {
  TFANFORM& f = Show();
  const std::pair<QLineEdit*, int> limits[] = {
      {f.PROJECTNAME, 45}, {f.Companyfor, 45}, {f.PREPFOR, 45}, {f.Titlefor, 5},
      {f.AddressFor, 45},  {f.ZipFor, 45},     {f.CountryFor, 25}, {f.Telfor, 25},
      {f.Faxfor, 25},      {f.EmailFor, 45}};
  for (const auto& [field, limit] : limits) {
    field->setFocus();
    QTest::keyClicks(field, QString(60, QLatin1Char('x')));
    EXPECT_EQ(field->text().size(), limit) << S(field->objectName());
  }
  f.Titlefor->clear();
  QTest::keyClicks(f.Titlefor, "Directeur");
  EXPECT_EQ(Text(f.Titlefor), "Direc");
}

TEST_F(CustomerTest, TabRunsFromTheProjectNameDownTheFields) {
  TFANFORM& form = Show();
  form.PROJECTNAME->setFocus();
  QWidget* expected[] = {form.Companyfor, form.PREPFOR, form.Titlefor, form.AddressFor,
                         form.ZipFor, form.CountryFor, form.Telfor, form.Faxfor, form.EmailFor};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(CustomerTest, EditsGoToTheProjectAndTheStatusLine) {
  TFANFORM& f = Show();
  ws.project.modified = false;
  f.PROJECTNAME->setFocus();
  QTest::keyClicks(f.PROJECTNAME, "Hall B");
  EXPECT_EQ(ws.customer[PROJECTNAME], "Hall B");
  EXPECT_TRUE(ws.customer[Companyfor].empty());
  EXPECT_TRUE(ws.project.modified);
  EXPECT_EQ(log.statusUpdates, 6) << "one update per typed character";
}

TEST_F(CustomerTest, ShowingTakesTheFieldsFromTheProjectWholeAndUnmodified) {
  // A project file may carry 60 characters; the field limit is for typing only.
  const std::string longName(60, 'N');
  ws.customer[PROJECTNAME] = longName;
  ws.customer[Titlefor] = "Ingénieur";
  ws.customer[EmailFor] = "a@b.fr";
  ws.project.modified = false;
  TFANFORM& f = Show();
  EXPECT_EQ(Text(f.PROJECTNAME), longName);
  EXPECT_EQ(Text(f.Titlefor), "Ingénieur");
  EXPECT_EQ(Text(f.EmailFor), "a@b.fr");
  EXPECT_FALSE(ws.project.modified);

  // Once edited back under the limit, the limit holds again.
  f.Titlefor->setFocus();
  f.Titlefor->selectAll();
  QTest::keyClicks(f.Titlefor, "Chef de projet");
  EXPECT_EQ(Text(f.Titlefor), "Chef ");
  EXPECT_EQ(ws.customer[Titlefor], "Chef ");
}

TEST_F(CustomerTest, ResetEmptiesEveryFieldAndMarksTheProject) {
  for (int k = 0; k < 10; ++k) ws.customer[k] = "x" + std::to_string(k);
  TFANFORM& f = Show();
  ws.project.modified = false;
  QTest::mouseClick(f.BitBtn20, Qt::LeftButton);
  for (QLineEdit* field : Fields(f)) EXPECT_EQ(Text(field), "") << S(field->objectName());
  for (const std::string& text : ws.customer) EXPECT_EQ(text, "");
  EXPECT_TRUE(ws.project.modified);
  EXPECT_GT(log.statusUpdates, 0);
}

TEST_F(CustomerTest, NewProjectValuesResetOperatingDataOnly) {
  TFANFORM& f = Form();
  for (int n = 1; n <= 19; ++n) ws.parameters.SetValue(n, ws.parameters[n].minimum);
  ws.parameters.SetValue(21, 0.5f);
  ws.parameters.SetValue(71, 1);
  ws.customer[PREPFOR] = "M. Martin";
  f.set_default_values();
  const float expected[19] = {24, 7, 52, 10, 150, 95, 97, 0, 12000,
                              1,  2, 9,  17, 24,  17, 13, 11, 6, 0};
  for (int n = 1; n <= 19; ++n) EXPECT_EQ(ws.parameters.Value(n), expected[n - 1]) << n;
  EXPECT_EQ(ws.parameters.Value(21), 0.5f);
  EXPECT_EQ(ws.parameters.Value(71), 1.0f);
  EXPECT_EQ(ws.customer[PREPFOR], "");

  Show();
  EXPECT_EQ(Text(f.PREPFOR), "");
  EXPECT_EQ(Text(f.A113), "17");
}

TEST_F(CustomerTest, TheNoteFollowsTheReportFlagAfterEachConfigurationCall) {
  TFANFORM& f = Show();
  EXPECT_FALSE(f.NOTE1->isHidden());
  EXPECT_FALSE(f.NOTE2->isHidden());
  EXPECT_FALSE(f.NOTE3->isHidden());

  log.onConfiguration = [&](int) { ws.settings.reportFlags[0] = true; };
  QTest::mouseClick(f.NOTE3, Qt::LeftButton);
  EXPECT_EQ(log.configurationPages, std::vector<int>{1});
  EXPECT_TRUE(f.NOTE1->isHidden());
  EXPECT_TRUE(f.NOTE2->isHidden());
  EXPECT_TRUE(f.NOTE3->isHidden());

  log.onConfiguration = [&](int) { ws.settings.reportFlags[0] = false; };
  QTest::mouseClick(f.BitBtn18, Qt::LeftButton);
  EXPECT_EQ(log.configurationPages, (std::vector<int>{1, 4}));
  EXPECT_FALSE(f.NOTE3->isHidden());
}

TEST_F(CustomerTest, AUnitChangedInTheConfigurationReachesTheNextComputation) {
  TFANFORM& f = Show();
  log.onConfiguration = [&](int) {
    ws.settings.powerUnitIsKw = false;
    ws.settings.currencySymbol = "$";
  };
  QTest::mouseClick(f.NOTE3, Qt::LeftButton);
  EXPECT_EQ(Text(f.Power_Label), "HP");
  EXPECT_EQ(Text(f.CompanyIncentiveLabel), "$/HP");
  QTest::mouseClick(f.BitBtn5, Qt::LeftButton);
  EXPECT_DOUBLE_EQ(ws.estimate.hourlyCost[Index(ControlMethod::Drive)][0], 12.14);
  EXPECT_EQ(Text(f.VAL1).substr(0, 2), "$ ");
}

}  // namespace
}  // namespace wattora::testing
