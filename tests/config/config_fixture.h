#pragma once
// What the configuration tests share: a workspace after the start-up load from a private
// settings store, French separators, fake messages and platform, and a modal-window driver.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "config/tmultip.h"
#include "persistence/settings_operations.h"
#include "support/fakes.h"
#include "support/modal_driver.h"

namespace wattora::testing {

// QTest::keyClicks only knows ASCII; other characters go as key events carrying their text.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80)
      QTest::keyClick(widget, ch.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

class ConfigTest : public ::testing::Test {
 protected:
  // Values written to the store before the start-up load, as a user's earlier session left them.
  virtual void SeedStore(SettingsStore&) {}

  void SetUp() override {
    ws.parameters.DefineAllParameters();
    ws.separators = Separators::French();
    {
      SettingsStore seed(StorePath());
      SeedStore(seed);
    }
    store = std::make_unique<SettingsStore>(StorePath());
    operations = std::make_unique<SettingsOperations>(*store, ws);
    operations->Load_OPT2();
    dialog = std::make_unique<TMULTIP>(ws, *operations, messages, platform);
  }

  std::string StorePath() const { return (folder.path() + "/VT/NRV/SETUP.ini").toStdString(); }
  std::string Stored(const char* section, const char* name) {
    SettingsStore reread(StorePath());
    return reread.ReadText(section, name, "<missing>");
  }

  // Shows the dialog without a modal loop, on `page`, as the active window.
  void Open(int page) {
    dialog->SetPage(page);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }

  // Types into a field as the user does: focus, clear, keys, then Tab away.
  void Type(QLineEdit* field, const QString& keys) {
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    TypeText(field, keys);
  }
  void Leave(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Tab); }
  void Enter(QLineEdit* field, const QString& keys) {
    Type(field, keys);
    Leave(field);
  }

  QTemporaryDir folder;
  RecordingSink sink;
  Workspace ws{sink};
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<SettingsOperations> operations;
  FakeMessages messages;
  FakePlatform platform;
  std::unique_ptr<TMULTIP> dialog;
};

}  // namespace wattora::testing
