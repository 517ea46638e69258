#include "core/parameters.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "support/fakes.h"

namespace wattora {
namespace {

using testing::RecordingSink;

// Records the fault instead of ending the process.
TEST(ParameterTable, DefinesTheSeventyTwoParameters) {
  RecordingSink sink;
  ParameterTable table(sink);
  ASSERT_TRUE(table.DefineAllParameters());
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(table.Count(), 72);
  EXPECT_EQ(table[5].Code(), "A1-05");
  EXPECT_EQ(table[72].Code(), "A1-72");
  EXPECT_EQ(table.FindByCode("A1-37"), 37);
  EXPECT_EQ(table.FindByCode("A1-73"), 0);

  struct Expect {
    int number;
    float value, minimum, maximum;
    int decimals, editType;
  } expected[] = {
      {1, 24, 1, 24, 0, 0},       {4, 10, 0, 100, 2, 0},   {5, 150, 0.2f, 5000, 1, 0},
      {6, 95, 50, 100, 1, 0},     {7, 97, 50, 100, 1, 0},  {8, 0, 0, 100, 1, 0},
      {9, 12000, 0, 1e6f, 0, 0},  {19, 0, 0, 100, 0, 0},   {20, 0.97f, 0, 1, 3, 0},
      {30, 0.0033f, 0, 1, 3, 0},  {37, 0.16f, 0, 1, 3, 0}, {50, 0.0033f, 0, 1, 3, 0},
      {60, 1, 0, 1, 3, 0},        {71, 0, 0, 1, 0, 1},     {72, 0, 0, 1, 0, 1},
  };
  for (const Expect& e : expected) {
    EXPECT_EQ(table[e.number].value, e.value) << e.number;
    EXPECT_EQ(table[e.number].minimum, e.minimum) << e.number;
    EXPECT_EQ(table[e.number].maximum, e.maximum) << e.number;
    EXPECT_EQ(table[e.number].Decimals(), e.decimals) << e.number;
    EXPECT_EQ(table[e.number].editType, e.editType) << e.number;
  }
  float duty = 0;
  for (int n = 10; n <= 19; ++n) duty += table[n].value;
  EXPECT_EQ(duty, 100);
  // The valve curve equals the damper curve.
  for (int i = 0; i < 10; ++i) EXPECT_EQ(table[21 + i].value, table[41 + i].value);
}

TEST(ParameterTable, DefinitionFaultsInTheirOrder) {
  struct Case {
    float def, min, max, steps;
    int edit;
    const char* message;
  } cases[] = {
      {5, 10, 10, 0, 7, "PARAMETER LIST ERROR MIN>=MAX LIST NO. :12"},
      {5, 0, 10, 0, 7, "RANGE STEP LIST ERROR LIST NO. :12"},
      {50, 0, 10, 0.5f, 7, "RANGE STEP LIST ERROR LIST < 1 NO. :12"},
      {50, 0, 10, 1, 7, "DEFAULT not in Range LIST NO :12"},
      {-1, 0, 10, 1, 0, "DEFAULT not in Range LIST NO :12"},
      {5, 0, 10, 1, 2, "EDIT TYPE is not 0/1 LIST NO :12"},
  };
  for (const Case& c : cases) {
    RecordingSink sink;
    ParameterTable table(sink);
    EXPECT_FALSE(table.DefineParameter(12, 'A', '1', 12, "", "", c.def, c.min, c.max, c.steps,
                                       c.edit));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], c.message);
    EXPECT_FALSE(table.IsDefined(12));
  }
}

TEST(ParameterTable, BoundsAreAcceptedAndTextsCut) {
  RecordingSink sink;
  ParameterTable table(sink);
  EXPECT_TRUE(table.DefineParameter(3, 'B', '2', 7, std::string(50, 'n'), "abcdefghijkl", 10, 1,
                                    10, 1, 0));
  EXPECT_TRUE(table.DefineParameter(4, 'A', '1', 4, "", "", 1, 1, 10, 1, 1));
  EXPECT_EQ(table[3].name.size(), 38u);
  EXPECT_EQ(table[3].unitText, "abcdefghij");
  EXPECT_EQ(table[3].Code(), "B2-07");
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ParameterTable, ThreeHundredDefinitionsAtMost) {
  RecordingSink sink;
  ParameterTable table(sink);
  for (int n = 1; n <= 300; ++n)
    ASSERT_TRUE(table.DefineParameter(n, 'A', '1', n, "", "", 0, 0, 1, 1, 0));
  EXPECT_TRUE(table.IsDefined(300));
  EXPECT_FALSE(table.DefineParameter(1, 'A', '1', 1, "", "", 0, 0, 1, 1, 0));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], "Maximum number of parameters exceeded !");
}

TEST(ParameterTable, ResetKeepsCurvesAndReferenceKeepsDefaults) {
  RecordingSink sink;
  ParameterTable table(sink);
  ASSERT_TRUE(table.DefineAllParameters());
  for (int n = 1; n <= 72; ++n) table.SetValue(n, table[n].minimum);
  table.ResetOperatingData();
  EXPECT_EQ(table.Value(1), 24);
  EXPECT_EQ(table.Value(14), 24);
  EXPECT_EQ(table.Value(20), 0);  // not touched
  EXPECT_EQ(table.Value(71), 0);
  EXPECT_EQ(table.Reference(20).value, 0.97f);
  EXPECT_EQ(table.Reference(5).value, 150);
}

}  // namespace
}  // namespace wattora
