#include "config/tmultip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "config/tclg.h"
#include "config_fixture.h"

namespace wattora {
namespace {

using testing::ConfigTest;
using testing::ModalDriver;

// --- Multiplier fields: key filter and exit check -------------------------------------

struct ExitCase {
  const char* typed;
  const char* shown;
  int beeps;
};

class MultiplierExitTest : public ConfigTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(MultiplierExitTest, ClampsAndFormatsWithThreeDecimals) {
  Open(2);
  const ExitCase& c = GetParam();
  Enter(dialog->DE90, QString::fromUtf8(c.typed));
  EXPECT_EQ(dialog->DE90->text().toStdString(), c.shown);
  EXPECT_EQ(platform.beeps, c.beeps);
  EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(French, MultiplierExitTest,
                         ::testing::Values(ExitCase{"1", "1,000", 0}, ExitCase{"1,5", "1,000", 1},
                                           ExitCase{"0", "0,000", 0}, ExitCase{"0,85", "0,850", 0},
                                           ExitCase{"2", "1,000", 1},
                                           ExitCase{"0,9996", "1,000", 0}));

TEST_F(ConfigTest, KeyFilterLetsOnlyDigitsAndTheLocaleSeparatorsThrough) {
  Open(3);
  Type(dialog->C1E40, QString::fromUtf8("a-.0x,+5 e"));
  EXPECT_EQ(dialog->C1E40->text(), "0,5");
  // The French group separator is a narrow no-break space, and may be typed.
  Type(dialog->C1E40, QString::fromUtf8("0\u202F,7"));
  EXPECT_EQ(dialog->C1E40->text(), QString::fromUtf8("0\u202F,7"));
  // Backspace is a key like the others.
  QTest::keyClick(dialog->C1E40, Qt::Key_Backspace);
  EXPECT_EQ(dialog->C1E40->text(), QString::fromUtf8("0\u202F,"));
}

TEST_F(ConfigTest, KeyFilterFollowsTheWorkspaceSeparators) {
  ws.separators = Separators::Dot();
  Open(2);
  Type(dialog->VAE30, "0.2,5;");
  EXPECT_EQ(dialog->VAE30->text(), "0.2,5");
}

TEST_F(ConfigTest, EmptyFieldIsLeftEmptyAndReadsAsZero) {
  ws.project.active = true;
  Open(2);
  Enter(dialog->IVE70, "");
  EXPECT_EQ(dialog->IVE70->text(), "");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(ws.project.modified);
  dialog->cancel_button->click();
  EXPECT_EQ(ws.parameters.Value(34), 0.0f);
}

TEST_F(ConfigTest, AcceptedExitMarksTheOpenProjectModified) {
  ws.project.active = true;
  Open(2);
  Enter(dialog->DE50, "0,3");
  EXPECT_TRUE(ws.project.modified);

  // With no project open there is nothing to mark.
  ws.project = {};
  Enter(dialog->DE50, "0,4");
  EXPECT_FALSE(ws.project.modified);
}

// An edit still in the field when the dialog closes by a shortcut or loses activation is
// checked first: no parameter and no stored value ever leaves the 0..1 range.
TEST_F(ConfigTest, PendingEditIsCheckedWhenOkComesWithoutLeavingTheField) {
  Open(2);
  Type(dialog->DE90, "5");
  ASSERT_TRUE(dialog->DE90->hasFocus());
  // What the button's Alt shortcut does: OK runs while the field keeps the focus.
  dialog->SelectBtnClick();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(Stored("EFF", "DE90"), "1,000");
  EXPECT_FLOAT_EQ(ws.parameters.Value(22), 1.0f);
}

TEST_F(ConfigTest, LosingActivationCopiesTheCheckedFieldsIntoTheParameters) {
  Open(3);
  Type(dialog->C1E50, "7");
  Type(dialog->C2E10, "0,25");  // leaving C1E50 for C2E10 checks it
  EXPECT_EQ(dialog->C1E50->text(), "1,000");
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(dialog->C2E10->text(), "0,250");
  EXPECT_FLOAT_EQ(ws.parameters.Value(70), 0.25f);
  EXPECT_FLOAT_EQ(ws.parameters.Value(55), 1.0f);
  EXPECT_EQ(platform.beeps, 1);
  // Nothing reached the store or the in-memory curves.
  EXPECT_EQ(Stored("EFF", "C2E10"), "1,000");
  EXPECT_DOUBLE_EQ(ws.curves[Curve::C2E][9], 1.0);
}

// --- Cancel, Reset, OK -------------------------------------------------------------------

TEST_F(ConfigTest, CancelKeepsTheStoredValueButTheParameterHoldsTheEdit) {
  const std::string stored = Stored("EFF", "IVE50");
  ASSERT_EQ(stored, "0,250");
  Open(2);
  Enter(dialog->IVE50, "0,6");
  dialog->cancel_button->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Stored("EFF", "IVE50"), stored);
  EXPECT_DOUBLE_EQ(ws.curves[Curve::IVE][5], 0.25);
  EXPECT_FLOAT_EQ(ws.parameters.Value(36), 0.6f);
  EXPECT_EQ(ws.configFields.curveText[2][5], "0,600");
}

TEST_F(ConfigTest, CloseBoxActsAsCancel) {
  Open(2);
  Enter(dialog->IVE50, "0,6");
  dialog->close();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(Stored("EFF", "IVE50"), "0,250");
  EXPECT_FLOAT_EQ(ws.parameters.Value(36), 0.6f);
}

class ResetTest : public ConfigTest {
 protected:
  void SeedStore(SettingsStore& seed) override {
    seed.WriteText("EFF", "DE90", "0,500");
    seed.WriteText("EFF", "C1E10", "0,300");
    seed.WriteText("EFF", "CUSTOM1", "1");
    seed.WriteText("EFF", "CUSTOM1TITLE", "Vortex");
  }
};

TEST_F(ResetTest, ResetThenCancelLeavesTheStoreButResetsCurvesAndParameters) {
  Open(2);
  ASSERT_EQ(dialog->DE90->text(), "0,500");
  ASSERT_TRUE(dialog->CUST1SELECT->isChecked());
  ASSERT_FLOAT_EQ(ws.parameters.Value(71), 1.0f);

  dialog->BitBtn20->click();
  EXPECT_EQ(dialog->DE90->text(), "0,768");
  EXPECT_EQ(dialog->C1E10->text(), "1,000");
  EXPECT_EQ(dialog->IVE10->text(), "0,010");
  EXPECT_FALSE(dialog->CUST1SELECT->isChecked());
  EXPECT_EQ(dialog->CST01->currentIndex(), 0);
  EXPECT_EQ(dialog->CustomTitle1->text(), "");
  dialog->cancel_button->click();

  EXPECT_EQ(Stored("EFF", "DE90"), "0,500");
  EXPECT_EQ(Stored("EFF", "C1E10"), "0,300");
  EXPECT_EQ(Stored("EFF", "CUSTOM1"), "1");
  EXPECT_EQ(Stored("EFF", "CUSTOM1TITLE"), "Vortex");
  EXPECT_DOUBLE_EQ(ws.curves[Curve::DE][1], 0.7683);
  EXPECT_FALSE(ws.settings.custom1Selected);
  EXPECT_FLOAT_EQ(ws.parameters.Value(22), 0.768f);
  EXPECT_FLOAT_EQ(ws.parameters.Value(70), 1.0f);
  EXPECT_FLOAT_EQ(ws.parameters.Value(71), 0.0f);
}

TEST_F(ConfigTest, OkWritesEveryValueOfTheLayoutAsTheFieldsShowIt) {
  Open(1);
  dialog->HP->click();
  dialog->CUR004->click();
  Type(dialog->CURRCUSTOM, "CHFX");  // three characters at most
  dialog->L3->click();
  dialog->SetPage(2);
  Enter(dialog->DE90, "0,85");
  Enter(dialog->VFDE100, "0,955");
  dialog->SetPage(3);
  dialog->CUST2SELECT->click();
  dialog->CustomTitle2->setFocus();
  dialog->CustomTitle2->selectAll();
  testing::TypeText(dialog->CustomTitle2, QString::fromUtf8("Pompe à vitesse fixe"));
  Enter(dialog->C2E20, "0,4");
  dialog->SetPage(4);
  dialog->PRBY->setFocus();
  QTest::keyClicks(dialog->PRBY, "J. Martin");
  QTest::keyClick(dialog->PRBY, Qt::Key_Return);
  QTest::keyClicks(dialog->PRBY, "Lyon");
  dialog->LOGOFILEN->setText("/srv/logos/acme.png");
  dialog->SelectBtn->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);

  // Every curve value, exactly as its field shows it.
  for (int c = 0; c < kCurveCount; ++c) {
    for (int i = 0; i < kFlowPoints; ++i) {
      const Curve curve = static_cast<Curve>(c);
      const std::string name = MultiplierName(curve, i);
      SCOPED_TRACE(name);
      EXPECT_EQ(Stored("EFF", name.c_str()), dialog->CurveField(curve, i)->text().toStdString());
    }
  }
  EXPECT_EQ(Stored("EFF", "DE90"), "0,850");
  EXPECT_EQ(Stored("EFF", "VFDE100"), "0,955");
  EXPECT_EQ(Stored("EFF", "VFDE90"), "0,970");

  const char* expected[][3] = {
      {"EFF", "CUSTOM1TITLE", "Contrôle1"},
      {"EFF", "CUSTOM2TITLE", "Pompe à vitesse fixe"},
      {"EFF", "DAMPER", "0"},
      {"EFF", "INLETVANE", "0"},
      {"EFF", "VALVE", "0"},
      {"EFF", "CUSTOM1", "0"},
      {"EFF", "CUSTOM2", "1"},
      {"PROGRAM", "L1", "1"},
      {"PROGRAM", "L2", "1"},
      {"PROGRAM", "L3", "1"},
      {"PROGRAM", "L4", "0"},
      {"PROGRAM", "L5", "0"},
      {"PROGRAM", "L6", "1"},
      {"PROGRAM", "L7", "0"},
      {"PROGRAM", "PS", "0"},
      {"PROGRAM", "CS", "3"},
      {"PROGRAM", "CC", "CHF"},
      {"CUSTOMREP", "LOGOFN", "/srv/logos/acme.png"},
      {"CUSTOMREP", "CL1", ""},
      {"CUSTOMREP", "CL2", ""},
      {"USER", "PREP", "J. Martin\r\nLyon\r\n"},
      {"USER", "CPINFO", ""},
  };
  for (const auto& v : expected) {
    SCOPED_TRACE(v[1]);
    EXPECT_EQ(Stored(v[0], v[1]), v[2]);
  }

  // The in-memory state and parameters 71/72 follow.
  EXPECT_DOUBLE_EQ(ws.curves[Curve::DE][1], 0.85);
  EXPECT_FALSE(ws.settings.powerUnitIsKw);
  EXPECT_EQ(ws.settings.currencySymbol, "CHF");
  EXPECT_EQ(ws.settings.subUnitLabel, "CHF/100");
  EXPECT_EQ(ws.settings.logoFile, "/srv/logos/acme.png");
  EXPECT_EQ(dialog->CST02->currentIndex(), 1);
  EXPECT_FLOAT_EQ(ws.parameters.Value(72), 1.0f);
  EXPECT_FLOAT_EQ(ws.parameters.Value(22), 0.85f);
  EXPECT_FLOAT_EQ(ws.parameters.Value(20), 0.955f);
}

// --- Showing -------------------------------------------------------------------------------

TEST_F(ConfigTest, UnitsAndCurrencyAreDisabledWhileAProjectIsActive) {
  ws.project.active = true;
  Open(1);
  for (QWidget* w : std::initializer_list<QWidget*>{
           dialog->Units, dialog->Currency, dialog->KW, dialog->HP, dialog->CUR001, dialog->CUR002,
           dialog->CUR003, dialog->CUR004, dialog->CURRCUSTOM}) {
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_FALSE(w->isEnabled());
  }
  EXPECT_TRUE(dialog->L1->isEnabled());
  dialog->cancel_button->click();

  ws.project.active = false;
  Open(1);
  EXPECT_TRUE(dialog->Units->isEnabled());
  EXPECT_TRUE(dialog->CURRCUSTOM->isEnabled());
  EXPECT_TRUE(dialog->CUR003->isEnabled());
}

TEST_F(ConfigTest, ShowingRefillsTheFieldsFromTheInMemoryState) {
  ws.settings.currencySelection = 2;
  ws.settings.powerUnitIsKw = false;
  ws.settings.custom1Title = "Registre d'entrée";
  ws.settings.closingLine2 = "Merci";
  ws.curves[Curve::VAE][3] = 0.12345;
  {
    SettingsStore seed(StorePath());
    seed.WriteText("USER", "CPINFO", "Wattora SARL\r\nLyon\r\n");
  }
  Open(3);
  EXPECT_TRUE(dialog->CUR003->isChecked());
  EXPECT_TRUE(dialog->HP->isChecked());
  EXPECT_EQ(dialog->CustomTitle1->text(), QString::fromUtf8("Registre d'entrée"));
  EXPECT_EQ(dialog->Closing_Line2->text(), "Merci");
  EXPECT_EQ(dialog->VAE70->text(), "0,123");
  EXPECT_EQ(dialog->CompanyInfo->toPlainText(), "Wattora SARL\nLyon");

  // A cancelled edit is replaced at the next showing.
  dialog->CustomTitle1->setText("brouillon");
  dialog->cancel_button->click();
  Open(3);
  EXPECT_EQ(dialog->CustomTitle1->text(), QString::fromUtf8("Registre d'entrée"));

  // A selection outside 0..3 shows the dollar.
  dialog->cancel_button->click();
  ws.settings.currencySelection = 9;
  Open(1);
  EXPECT_TRUE(dialog->CUR002->isChecked());
}

TEST_F(ConfigTest, FieldLimitsBindTypingButNeverCutWhatTheProgramShows) {
  // Titles read from a project keep 30 characters; the field shows them whole.
  const std::string longTitle = "Variateur de débit secondaire";  // 29 characters
  ws.settings.custom2Title = longTitle;
  Open(3);
  EXPECT_EQ(dialog->CustomTitle2->text().toStdString(), longTitle);
  Type(dialog->CustomTitle1, QString(40, 'x'));
  EXPECT_EQ(dialog->CustomTitle1->text().size(), 25);

  dialog->SetPage(4);
  dialog->CompanyInfo->setFocus();
  QTest::keyClicks(dialog->CompanyInfo, QString(300, 'y'));
  EXPECT_EQ(dialog->CompanyInfo->toPlainText().size(), TMULTIP::kMultilineLimit);
  dialog->cancel_button->click();
  EXPECT_EQ(ws.configFields.customTitle2, longTitle);
}

TEST_F(ConfigTest, EveryTextOfBothTablesReachesANamedControl) {
  const auto check = [](QWidget* window, const char* windowClass,
                        std::initializer_list<const char*> createdLater) {
    const TextTable& table = TextTable::ForWindow(windowClass);
    for (const TextEntry& e : table.Entries()) {
      if (e.section == "stStrings" || e.section == "stDlgsCaptions" || e.key == windowClass)
        continue;
      const std::string name = e.key.substr(0, e.key.find('.'));
      if (std::find(createdLater.begin(), createdLater.end(), name) != createdLater.end()) continue;
      EXPECT_NE(window->findChild<QObject*>(QString::fromStdString(name)), nullptr)
          << windowClass << " " << e.section << " " << e.key;
    }
  };
  check(dialog.get(), "TMULTIP", {"REGIST"});
  check(dialog->LogoPicker(), "TCLG", {"PD"});

  EXPECT_EQ(dialog->windowTitle(), "Configuration du programme");
  EXPECT_EQ(dialog->cxPageControl1->tabText(3), "Mise en page du rapport");
  EXPECT_EQ(dialog->CST01->itemText(1), "Enabled");
  EXPECT_EQ(dialog->VIEWLOGO->toolTip(),
            QString::fromUtf8("Afficher/Sélectionner un logo de société"));
}

// --- Navigation ----------------------------------------------------------------------------

TEST_F(ConfigTest, BackAndNextShowOnlyWhereThereIsAPageToGoTo) {
  struct Case {
    int page;
    bool back, next;
  } cases[] = {{1, false, true}, {2, true, true}, {3, true, true}, {4, true, false}};
  Open(1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    dialog->cxPageControl1->tabBar()->setCurrentIndex(c.page - 1);  // as a tab click
    EXPECT_EQ(dialog->CurrentPage(), c.page);
    EXPECT_EQ(dialog->GoBack_button->isVisible(), c.back);
    EXPECT_EQ(dialog->NextButton->isVisible(), c.next);
  }
  dialog->GoBack_button->click();
  EXPECT_EQ(dialog->CurrentPage(), 3);
  dialog->NextButton->click();
  dialog->NextButton->click();  // hidden on the last page; nothing happens
  EXPECT_EQ(dialog->CurrentPage(), 4);
}

TEST_F(ConfigTest, EscapeGoesBackAndClosesOnPageOneEnterDoesNothing) {
  Open(3);
  dialog->CustomTitle1->setFocus();
  QTest::keyClick(dialog->CustomTitle1, Qt::Key_Escape);
  EXPECT_EQ(dialog->CurrentPage(), 2);
  QTest::keyClick(dialog->DE50, Qt::Key_Return);
  QTest::keyClick(dialog.get(), Qt::Key_Enter);
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_EQ(dialog->CurrentPage(), 1);
  EXPECT_TRUE(dialog->isVisible());
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(Stored("EFF", "DE50"), "0,177");
}

TEST_F(ConfigTest, ShowsModallyOnTheRequestedPageAndKeepsItForTheNextShowing) {
  int seenPage = 0;
  ModalDriver driver;
  driver.Then([&](QWidget* modal) {
    seenPage = dialog->CurrentPage();
    EXPECT_EQ(modal, dialog.get());
    dialog->cancel_button->click();
  });
  EXPECT_EQ(dialog->ShowOnPage(4), QDialog::Rejected);
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(seenPage, 4);

  driver.Then([&](QWidget*) {
    seenPage = dialog->CurrentPage();
    dialog->SelectBtn->click();
  });
  EXPECT_EQ(dialog->ShowOnCurrentPage(), QDialog::Accepted);
  EXPECT_EQ(seenPage, 4);
}

// --- Company logo --------------------------------------------------------------------------

class LogoTest : public ConfigTest {
 protected:
  void SeedStore(SettingsStore& seed) override { seed.WriteText("CUSTOMREP", "LOGOFN", original_); }
  void SetUp() override {
    original_ = (folder.path() + "/old.png").toStdString();
    QImage(40, 16, QImage::Format_RGB32).save(QString::fromStdString(original_));
    ConfigTest::SetUp();
  }
  // Runs VIEWLOGO; inside the picker, chooses `file` and presses OK.
  void ChooseLogo(const QString& file) {
    dialog->LogoPicker()->SetFileChooser([file](QWidget*) { return file; });
    ModalDriver driver;
    driver.Then([this](QWidget* modal) {
      EXPECT_EQ(modal, dialog->LogoPicker());
      dialog->LogoPicker()->SpeedButton3->click();
      dialog->LogoPicker()->SpeedButton1->click();
    });
    dialog->VIEWLOGO->click();
    EXPECT_TRUE(driver.Done());
  }
  std::string original_;
};

TEST_F(LogoTest, ChosenLogoThenCancelLeavesTheStoreAndTheReportLogoAlone) {
  const QString chosen = folder.path() + "/new.png";
  QImage(250, 100, QImage::Format_RGB32).save(chosen);
  Open(4);
  ASSERT_EQ(dialog->LOGOFILEN->text().toStdString(), original_);
  ChooseLogo(chosen);
  EXPECT_EQ(dialog->LOGOFILEN->text(), chosen);
  EXPECT_EQ(dialog->LOGOFILEN->toolTip(), chosen);
  EXPECT_EQ(ws.settings.logoFile, chosen.toStdString());
  EXPECT_TRUE(messages.shown.empty());

  dialog->cancel_button->click();
  EXPECT_EQ(Stored("CUSTOMREP", "LOGOFN"), original_);
  EXPECT_EQ(ws.settings.logoFile, original_);
}

TEST_F(LogoTest, ChosenLogoThenOkReachesTheStore) {
  const QString chosen = folder.path() + "/new.png";
  QImage(250, 100, QImage::Format_RGB32).save(chosen);
  Open(4);
  ChooseLogo(chosen);
  dialog->SelectBtn->click();
  EXPECT_EQ(Stored("CUSTOMREP", "LOGOFN"), chosen.toStdString());
  EXPECT_EQ(ws.settings.logoFile, chosen.toStdString());
}

TEST_F(LogoTest, TextFileNamedBmpWarnsAndOkLeavesTheFieldUnchanged) {
  const QString fake = folder.path() + "/notes.bmp";
  {
    QFile file(fake);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture\n");
  }
  Open(4);
  ChooseLogo(fake);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].text, TextTable::ForWindow("TCLG").GetText("IDS_0"));
  EXPECT_EQ(messages.shown[0].window, "TCLG");
  EXPECT_EQ(dialog->LOGOFILEN->text().toStdString(), original_);
  // The refused file does not become the report's logo, nor the field's hint.
  EXPECT_EQ(ws.settings.logoFile, original_);
  EXPECT_EQ(dialog->LOGOFILEN->toolTip().toStdString(), original_);
  dialog->SelectBtn->click();
  EXPECT_EQ(Stored("CUSTOMREP", "LOGOFN"), original_);
}

}  // namespace
}  // namespace wattora
