#include "core/texttable.h"

#include <gtest/gtest.h>

namespace wattora {
namespace {

TEST(TextTable, ActiveLanguageFallsBackToEnglishAndKeepsSpaces) {
  TextTable t("TX");
  t.Parse("# comment\n"
          "stStrings\tIDS_12\tParameter \tLe paramètre\n"
          "stStrings\tIDS_13\t out of range !\t\n"
          "stOtherStrings\tREGIST.KeyName\tSOFTWARE\\\\Halvord\\\\NRV\\\\SETUP\tSOFTWARE\\\\VT\\\\NRV\\\\SETUP\r\n"
          "stMultiLines\tM.Lines\ta\\nb\tc\\td\n"
          "broken line\n");
  EXPECT_EQ(t.GetText("IDS_12"), "Le paramètre");
  EXPECT_EQ(t.GetText("IDS_13"), " out of range !");
  EXPECT_EQ(t.Text("stOtherStrings", "REGIST.KeyName"), "SOFTWARE\\VT\\NRV\\SETUP");
  EXPECT_EQ(t.Text("stMultiLines", "M.Lines"), "c\td");
  EXPECT_EQ(t.GetText("IDS_999"), "");
  EXPECT_EQ(t.Entries().size(), 4u);
}

}  // namespace
}  // namespace wattora

namespace wattora {
namespace {

TEST(CompiledTextTables, FrenchIsActiveAndTablesAreSeparate) {
  EXPECT_EQ(TextTable::ForWindow("TFANFORM").GetText("IDS_125"), "Sans contrôle de vitesse");
  EXPECT_EQ(TextTable::ForWindow("TFANFORM").GetText("IDS_173"), " Années");
  EXPECT_NE(TextTable::ForWindow("TForm1").GetText("IDS_13"),
            TextTable::ForWindow("TTranslationForm").GetText("IDS_13"));
  for (const char* window : {"TForm1", "TMULTIP", "TWelc"})
    EXPECT_EQ(TextTable::ForWindow(window).Text("stOtherStrings", "REGIST.KeyName"),
              "SOFTWARE\\VT\\NRV\\SETUP")
        << window;
  EXPECT_TRUE(TextTable::ForWindow("NoSuchWindow").Entries().empty());
}

}  // namespace
}  // namespace wattora
