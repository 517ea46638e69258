#include "persistence/settings_store.h"

#include <gtest/gtest.h>

#include <QFile>

#include "support/fakes.h"
#include "temp_config.h"

namespace wattora {
namespace {

using testing::FakeMessages;
using testing::TempFolder;

TEST(SettingsStore, ReadsDefaultsFlagsAndNumbers) {
  TempFolder tmp;
  SettingsStore store(tmp.Path("VT/NRV/SETUP.ini"));
  EXPECT_EQ(store.ReadText("EFF", "DE50", "0.1767"), "0.1767");
  EXPECT_TRUE(store.ReadFlag("PROGRAM", "L1", true));
  EXPECT_FALSE(store.ReadFlag("PROGRAM", "L3", false));

  struct Case {
    const char* stored;
    bool flag;
    int number;
  } cases[] = {{"1", true, 1}, {"1abc", true, 7}, {"0", false, 0}, {"", false, 7},
               {"yes", false, 7}, {" 2 ", false, 2}, {"-3", false, -3}};
  for (const Case& c : cases) {
    store.WriteText("PROGRAM", "X", c.stored);
    EXPECT_EQ(store.ReadFlag("PROGRAM", "X", true), c.flag) << c.stored;
    EXPECT_EQ(store.ReadInteger("PROGRAM", "X", 7), c.number) << c.stored;
  }
}

TEST(SettingsStore, SurvivesAReopenWithTextsAsWritten) {
  TempFolder tmp;
  const std::string path = tmp.Path("VT/NRV/SETUP.ini");
  {
    SettingsStore store(path);
    store.Open();
    store.Open();  // opens nest
    store.WriteText("USER", "PREP", ToStoredLines("Jean Dupont\nVentes, Lyon"));
    store.WriteText("EFF", "CUSTOM1TITLE", "Contrôle à vitesse fixe");
    store.WriteText("PROGRAM", "CC", "a, b");
    store.Close();
    EXPECT_EQ(store.OpenCount(), 1);
    store.Close();
  }
  ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));
  SettingsStore again(path);
  EXPECT_EQ(again.ReadText("USER", "PREP", ""), "Jean Dupont\r\nVentes, Lyon\r\n");
  EXPECT_EQ(FromStoredLines(again.ReadText("USER", "PREP", "")), "Jean Dupont\nVentes, Lyon");
  EXPECT_EQ(again.ReadText("EFF", "CUSTOM1TITLE", ""), "Contrôle à vitesse fixe");
  EXPECT_EQ(again.ReadText("PROGRAM", "CC", ""), "a, b");
}

TEST(SettingsStore, KeyOfTheActiveLanguageGivesTheFilePlace) {
  qputenv("XDG_CONFIG_HOME", "/home/u/.cfg");
  EXPECT_EQ(SettingsStore::DefaultPath(), "/home/u/.cfg/VT/NRV/SETUP.ini");
  qunsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsStore, UnwritableStoreWarnsOnceAndKeepsValuesInMemory) {
  TempFolder tmp;
  // A folder that is a file cannot hold the store, even for root.
  QFile blocker(QString::fromStdString(tmp.Path("VT")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  FakeMessages messages;
  SettingsStore store(tmp.Path("VT/NRV/SETUP.ini"));
  store.SetMessages(&messages);
  store.WriteText("PROGRAM", "CS", "2");
  store.WriteText("PROGRAM", "PS", "0");
  EXPECT_TRUE(store.WriteFailed());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_NE(messages.shown[0].text.find("VT/NRV/SETUP.ini"), std::string::npos);
  EXPECT_EQ(store.ReadInteger("PROGRAM", "CS", 0), 2);
  EXPECT_FALSE(store.ReadFlag("PROGRAM", "PS", true));
}

TEST(SettingsStore, ReadOnlyStoreNeverWritesTheFile) {
  TempFolder tmp;
  const std::string path = tmp.Path("SETUP.ini");
  SettingsStore store(path, /*readOnly=*/true);
  store.WriteText("PROGRAM", "CS", "3");
  EXPECT_EQ(store.ReadText("PROGRAM", "CS", "0"), "3");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

}  // namespace
}  // namespace wattora
