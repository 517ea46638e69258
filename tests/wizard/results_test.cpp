// The energy-estimation page: the slots of the worked examples and the cost buttons' actions.
#include "wizard_fixture.h"

namespace wattora::testing {
namespace {

using ResultsTest = WizardTest;

const std::string kDrive = "Variateur à vitesse variable";
const std::string kVane = "Contrôle des ventelles à l'aspiration";
const std::string kDamper = "Contrôle du registre";
const std::string kNone = "Sans contrôle de vitesse";
const std::string kValve = "Contrôle de la vanne d'étranglement";

struct Slot {
  std::string name;
  std::string amount;
};

std::vector<QPushButton*> CostButtons(TFANFORM& f) {
  return {f.LINE1, f.LINE2, f.LINE3, f.LINE4, f.LINECUSTOM1, f.LINECUSTOM2};
}
std::vector<QLabel*> CostValues(TFANFORM& f) {
  return {f.VAL1, f.VAL2, f.VAL3, f.VAL4, f.VALCUSTOM1, f.VALCUSTOM2};
}

void ExpectCostSlots(TFANFORM& f, const std::vector<Slot>& shown) {
  const auto buttons = CostButtons(f);
  const auto values = CostValues(f);
  for (size_t k = 0; k < buttons.size(); ++k) {
    SCOPED_TRACE("cost slot " + std::to_string(k + 1));
    if (k < shown.size()) {
      EXPECT_FALSE(buttons[k]->isHidden());
      EXPECT_EQ(WizardTest::Text(buttons[k]), shown[k].name);
      EXPECT_EQ(WizardTest::Text(values[k]), shown[k].amount);
    } else {
      EXPECT_TRUE(buttons[k]->isHidden());
      EXPECT_EQ(WizardTest::Text(values[k]), "");
    }
  }
}

void ExpectSavingsSlots(TFANFORM& f, const std::vector<Slot>& shown) {
  for (size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE("savings slot " + std::to_string(k + 1));
    if (k < shown.size()) {
      EXPECT_FALSE(f.CONTROL[k]->isHidden());
      EXPECT_FALSE(f.VALUE[k]->isHidden());
      EXPECT_EQ(WizardTest::Text(f.CONTROL[k]), shown[k].name);
      EXPECT_EQ(WizardTest::Text(f.VALUE[k]), shown[k].amount);
    } else {
      EXPECT_EQ(WizardTest::Text(f.CONTROL[k]), "");
      EXPECT_EQ(WizardTest::Text(f.VALUE[k]), "");
    }
  }
}

// Payback slots without a row stay visible and empty; "Jamais" is red, years are black.
void ExpectPaybackSlots(TFANFORM& f, const std::vector<Slot>& shown) {
  for (size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE("payback slot " + std::to_string(k + 1));
    EXPECT_FALSE(f.PAYBACK[k]->isHidden());
    if (k < shown.size()) {
      EXPECT_EQ(WizardTest::Text(f.PAYBACK[k]), shown[k].name);
      EXPECT_EQ(WizardTest::Text(f.PAYBACKVALUE[k]), shown[k].amount);
      const QColor expected = shown[k].amount == "Jamais" ? QColor(Qt::red) : QColor(Qt::black);
      EXPECT_EQ(f.PAYBACKVALUE[k]->palette().color(QPalette::WindowText), expected);
    } else {
      EXPECT_EQ(WizardTest::Text(f.PAYBACK[k]), "");
      EXPECT_EQ(WizardTest::Text(f.PAYBACKVALUE[k]), "");
    }
  }
}

TEST_F(ResultsTest, WorkedFanExample) {
  TFANFORM& f = Show();
  QTest::mouseClick(f.BitBtn5, Qt::LeftButton);
  QTest::mouseClick(f.BitBtn2, Qt::LeftButton);
  ASSERT_EQ(Page(), 2);
  EXPECT_EQ(Text(f.FLOWM), "Estimation de la rentabilité : Application Ventilateur");
  ExpectCostSlots(f, {{kDrive, Euro(Grouped("30", "483"))},
                      {kVane, Euro(Grouped("75", "313"))},
                      {kDamper, Euro(Grouped("100", "645"))},
                      {kNone, Euro(Grouped("138", "316"))}});
  ExpectSavingsSlots(f, {{kNone, Euro(Grouped("107", "833"))},
                         {kDamper, Euro(Grouped("70", "161"))},
                         {kVane, Euro(Grouped("44", "830"))}});
  EXPECT_TRUE(f.CONTROL[3]->isHidden());
  EXPECT_TRUE(f.CONTROL[4]->isHidden());
  ExpectPaybackSlots(f, {{kNone, "0,111 Années"}, {kDamper, "0,171 Années"},
                         {kVane, "0,268 Années"}});
}

TEST_F(ResultsTest, FanWithBothCustomControls) {
  ws.settings.custom1Selected = ws.settings.custom2Selected = true;
  TFANFORM& f = Show();
  const std::string custom = Euro(Grouped("29", "577"));
  ExpectCostSlots(f, {{"Perso A", custom},
                      {"Perso B", custom},
                      {kDrive, Euro(Grouped("30", "483"))},
                      {kVane, Euro(Grouped("75", "313"))},
                      {kDamper, Euro(Grouped("100", "645"))},
                      {kNone, Euro(Grouped("138", "316"))}});
  ExpectSavingsSlots(f, {{kNone, Euro(Grouped("107", "833"))},
                         {kDamper, Euro(Grouped("70", "161"))},
                         {kVane, Euro(Grouped("44", "830"))},
                         {"Perso A", "€ -906"},
                         {"Perso B", "€ -906"}});
  ExpectPaybackSlots(f, {{kNone, "0,111 Années"}, {kDamper, "0,171 Années"},
                         {kVane, "0,268 Années"}, {"Perso A", "Jamais"}, {"Perso B", "Jamais"}});
}

TEST_F(ResultsTest, FanWithOnlyCustomControl2) {
  ws.settings.custom2Selected = true;
  // A custom curve dearer than the drive: it pays back in years, shown in black.
  ws.curves[Curve::C2E].fill(0.5);
  TFANFORM& f = Show();
  EXPECT_FALSE(f.LINECUSTOM1->isHidden());
  EXPECT_TRUE(f.LINECUSTOM2->isHidden());
  EXPECT_EQ(Text(f.VALCUSTOM2), "");
  EXPECT_EQ(Text(f.PAYBACK[3]), "Perso B");
  EXPECT_NE(Text(f.PAYBACKVALUE[3]), "Jamais");
  EXPECT_EQ(f.PAYBACKVALUE[3]->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_TRUE(f.CONTROL[4]->isHidden());
  EXPECT_FALSE(f.CONTROL[3]->isHidden());
}

TEST_F(ResultsTest, PumpAfterAFanWithEverySlotInUse) {
  ws.settings.custom1Selected = ws.settings.custom2Selected = true;
  TFANFORM& f = Show();
  ASSERT_FALSE(f.LINECUSTOM2->isHidden());
  f.hide();

  ws.project.application = ApplicationType::Pump;
  ws.settings.custom1Selected = ws.settings.custom2Selected = false;
  Show();
  EXPECT_EQ(Text(f.FLOWM), "Estimation de la rentabilité : Application Pompe");
  ExpectCostSlots(f, {{kDrive, Euro(Grouped("30", "483"))},
                      {kValve, Euro(Grouped("100", "645"))},
                      {kNone, Euro(Grouped("138", "316"))}});
  ExpectSavingsSlots(f, {{kNone, Euro(Grouped("107", "833"))},
                         {kValve, Euro(Grouped("70", "161"))}});
  EXPECT_TRUE(f.CONTROL[2]->isHidden());
  EXPECT_TRUE(f.CONTROL[3]->isHidden());
  ExpectPaybackSlots(f, {{kNone, "0,111 Années"}, {kValve, "0,171 Années"}});
}

TEST_F(ResultsTest, PumpWithBothCustomControls) {
  ws.project.application = ApplicationType::Pump;
  ws.settings.custom1Selected = ws.settings.custom2Selected = true;
  TFANFORM& f = Show();
  const std::string custom = Euro(Grouped("29", "577"));
  ExpectCostSlots(f, {{"Perso A", custom},
                      {"Perso B", custom},
                      {kDrive, Euro(Grouped("30", "483"))},
                      {kValve, Euro(Grouped("100", "645"))},
                      {kNone, Euro(Grouped("138", "316"))}});
  ExpectSavingsSlots(f, {{kNone, Euro(Grouped("107", "833"))},
                         {kValve, Euro(Grouped("70", "161"))},
                         {"Perso A", "€ -906"},
                         {"Perso B", "€ -906"}});
  ExpectPaybackSlots(f, {{kNone, "0,111 Années"}, {kValve, "0,171 Années"},
                         {"Perso A", "Jamais"}, {"Perso B", "Jamais"}});
}

TEST_F(ResultsTest, AMotorEfficiencyOfZeroShowsNoAmounts) {
  ws.parameters.SetValue(6, 0);  // an emptied entry stored as 0
  TFANFORM& f = Show();
  EXPECT_EQ(Text(f.A106), "0,0");
  for (QLabel* value : CostValues(f)) EXPECT_EQ(Text(value), "");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Text(f.VALUE[k]), "");
    EXPECT_EQ(Text(f.PAYBACKVALUE[k]), "");
  }
}

TEST_F(ResultsTest, NoSpeedControlButtonExplainsItself) {
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  QTest::mouseClick(f.LINE4, Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(messages.shown[0].text,
            "Sans contrôle de vitesse : coût énergétique résultant du fonctionnement libre du "
            "moteur.");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
}

// Which overview each cost button opens, after the rows have been sorted.
struct ActionCase {
  ApplicationType application;
  bool customs;
  std::vector<int> codes;  // per slot; 0 is the no-speed-control message
};

void PrintTo(const ActionCase& c, std::ostream* os) {
  *os << (c.application == ApplicationType::Pump ? "pump" : "fan")
      << (c.customs ? " with both custom controls" : "");
}

class RowActionTest : public WizardTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(RowActionTest, EachButtonFollowsTheMethodItShows) {
  const ActionCase& c = GetParam();
  ws.project.application = c.application;
  ws.settings.custom1Selected = ws.settings.custom2Selected = c.customs;
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  const auto buttons = CostButtons(f);
  for (size_t k = 0; k < c.codes.size(); ++k) {
    SCOPED_TRACE("slot " + std::to_string(k + 1));
    messages.shown.clear();
    int application = -1, code = -1;
    const bool opened = WithModal([&] { QTest::mouseClick(buttons[k], Qt::LeftButton); },
                                  [&](QWidget* modal) {
                                    auto* overview = qobject_cast<TCALCREP*>(modal);
                                    ASSERT_NE(overview, nullptr);
                                    application = overview->Application();
                                    code = overview->MethodCode();
                                  });
    if (c.codes[k] == 0) {
      EXPECT_FALSE(opened);
      EXPECT_EQ(messages.shown.size(), 1u);
    } else {
      EXPECT_TRUE(opened);
      EXPECT_EQ(application, static_cast<int>(c.application));
      EXPECT_EQ(code, c.codes[k]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, RowActionTest,
    ::testing::Values(ActionCase{ApplicationType::Fan, false, {1, 3, 2, 0}},
                      ActionCase{ApplicationType::Fan, true, {4, 5, 1, 3, 2, 0}},
                      ActionCase{ApplicationType::Pump, false, {1, 3, 0}},
                      ActionCase{ApplicationType::Pump, true, {4, 5, 1, 3, 0}}));

TEST_F(ResultsTest, ACostButtonIsGatedByTheDutyCycle) {
  TFANFORM& f = Show();
  f.PageControl1->setCurrentIndex(2);
  f.A110->setText("5");  // 104 % without leaving the page
  const bool opened = WithModal([&] { QTest::mouseClick(f.LINE1, Qt::LeftButton); },
                                [](QWidget*) {});
  EXPECT_FALSE(opened);
  EXPECT_EQ(DutyMessages().size(), 1u);
}

}  // namespace
}  // namespace wattora::testing
