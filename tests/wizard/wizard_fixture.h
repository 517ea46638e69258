#pragma once
// An estimation window over its own workspace: the worked fan example, French separators,
// euro, default curves, scripted messages and a counted beep.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "support/fakes.h"
#include "wizard/calcrep.h"
#include "wizard/fanform.h"
#include "wizard/wizardkit.h"

namespace wattora::testing {

// What the window asked of the main window.
struct HookLog {
  int statusUpdates = 0;
  std::vector<std::string> helpTopics;
  std::vector<int> configurationPages;
  int saves = 0;
  std::function<void(int)> onConfiguration;  // what the configuration dialog changes
  std::function<void()> onSave;
};

class WizardTest : public ::testing::Test {
 public:
  WizardTest() {
    ws.parameters.DefineAllParameters();
    // As after a real start-up the curves come from the store; the defaults give the worked
    // numbers exactly.
    ws.curves.ResetToDefaults();
    ws.separators = Separators::French();
    ws.settings.currencySymbol = "€";
    ws.settings.subUnitLabel = "Cents";
    ws.settings.custom1Title = "Perso A";
    ws.settings.custom2Title = "Perso B";
    ws.project.active = true;
    ws.project.application = ApplicationType::Fan;
  }

  ~WizardTest() override {
    if (form_) form_->hide();
  }

  TFANFORM& Form() {
    if (!form_) {
      TFANFORM::Hooks hooks;
      hooks.updateStatusPanels = [this] { ++log.statusUpdates; };
      hooks.getHelp = [this](const std::string& topic) { log.helpTopics.push_back(topic); };
      hooks.showConfiguration = [this](int page) {
        log.configurationPages.push_back(page);
        if (log.onConfiguration) log.onConfiguration(page);
      };
      hooks.saveEstimation = [this] {
        ++log.saves;
        if (log.onSave) log.onSave();
      };
      form_ = std::make_unique<TFANFORM>(ws, messages, platform, hooks);
    }
    return *form_;
  }

  // Shows the window as the main window does (without the modal loop) and makes it active,
  // so focus moves and leaving an entry behave as on a desktop.
  TFANFORM& Show() {
    TFANFORM& form = Form();
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    return form;
  }

  int Page() { return Form().PageControl1->currentIndex(); }

  void ClickTab(int index) {
    QTabBar* bar = Form().PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  // Replaces an entry's text by typing, as the user does, and leaves it with Tab.
  void TypeAndLeave(QLineEdit* entry, const QString& typed) {
    entry->setFocus(Qt::MouseFocusReason);
    entry->selectAll();
    QTest::keyClicks(entry, typed);
    QTest::keyClick(entry, Qt::Key_Tab);
  }

  void Key(int key) { QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key)); }

  // Runs `examine` on the modal window that `open` brings up, then closes it.
  bool WithModal(const std::function<void()>& open, const std::function<void(QWidget*)>& examine) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != form_.get()) {
        seen = true;
        examine(modal);
        modal->close();
      }
    });
    open();
    return seen;
  }

  std::vector<std::string> DutyMessages() const {
    std::vector<std::string> out;
    for (const ShownMessage& m : messages.shown)
      if (m.text.find("100 %") != std::string::npos && m.kind == MessageKind::Error)
        out.push_back(m.text);
    return out;
  }

  static std::string S(const QString& q) { return q.toStdString(); }
  static std::string Text(const QLabel* l) { return l->text().toStdString(); }
  static std::string Text(const QPushButton* b) { return b->text().toStdString(); }
  static std::string Text(const QLineEdit* e) { return e->text().toStdString(); }

  RecordingSink sink;
  Workspace ws{sink};
  FakeMessages messages;
  FakePlatform platform;
  HookLog log;

 private:
  std::unique_ptr<TFANFORM> form_;
};

// "€ 30 483" with the French group separator.
inline std::string Euro(const std::string& amount) { return "€ " + amount; }
inline std::string Grouped(const std::string& thousands, const std::string& rest) {
  return thousands + "\u202F" + rest;
}

}  // namespace wattora::testing
