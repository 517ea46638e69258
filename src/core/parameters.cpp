#include "core/parameters.h"

#include <cstdio>

namespace wattora {

std::string Parameter::Code() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%c%c-%02u", listLetter, listDigit,
                static_cast<unsigned>(codeNumber));
  return buffer;
}

int Parameter::DecimalsForSteps(float steps) {
  if (steps <= 1) return 0;
  if (steps <= 10) return 1;
  if (steps <= 100) return 2;
  if (steps <= 1000) return 3;
  return 4;
}

double Parameter::StepsForDecimals(int decimals) {
  static constexpr double kSteps[] = {1, 10, 100, 1000, 10000};
  if (decimals < 0) return 1;
  return kSteps[decimals > 4 ? 4 : decimals];
}

namespace {

std::string Cut(std::string_view text, size_t length) {
  return std::string(text.substr(0, length));
}

std::string WithNumber(const char* message, int number) {
  return message + std::to_string(number % 1000);
}

struct Definition {
  float defaultValue, minimum, maximum, steps;
  int editType;
};

constexpr float kDuty[10] = {1, 2, 9, 17, 24, 17, 13, 11, 6, 0};
constexpr float kDamper[10] = {1,      0.7683f, 0.5725f, 0.4098f, 0.2789f,
                               0.1767f, 0.1012f, 0.049f,  0.0179f, 0.0033f};
constexpr float kInletVane[10] = {1, 0.81f, 0.64f, 0.49f, 0.36f, 0.25f, 0.16f, 0.091f, 0.04f, 0.0104f};

Definition DefinitionOf(int n) {
  switch (n) {
    case 1: return {24, 1, 24, 1, 0};
    case 2: return {7, 1, 7, 1, 0};
    case 3: return {52, 1, 52, 1, 0};
    case 4: return {10, 0, 100, 100, 0};
    case 5: return {150, 0.2f, 5000, 10, 0};
    case 6: return {95, 50, 100, 10, 0};
    case 7: return {97, 50, 100, 10, 0};
    case 8: return {0, 0, 100, 10, 0};
    case 9: return {12000, 0, 1000000, 1, 0};
    case 20: return {0.97f, 0, 1, 1000, 0};
    case 71:
    case 72: return {0, 0, 1, 1, 1};
    default: break;
  }
  if (n >= 10 && n <= 19) return {kDuty[n - 10], 0, 100, 1, 0};
  if (n >= 21 && n <= 30) return {kDamper[n - 21], 0, 1, 1000, 0};
  if (n >= 31 && n <= 40) return {kInletVane[n - 31], 0, 1, 1000, 0};
  if (n >= 41 && n <= 50) return {kDamper[n - 41], 0, 1, 1000, 0};
  return {1, 0, 1, 1000, 0};  // 51..70: custom controls
}

}  // namespace

float DefaultParameterValue(int number) { return DefinitionOf(number).defaultValue; }

bool ParameterTable::DefineParameter(int number, char listLetter, char listDigit, int codeNumber,
                                     std::string_view name, std::string_view unitText,
                                     float defaultValue, float minimum, float maximum,
                                     float stepsPerUnit, int editType) {
  ++count_;
  if (count_ > kSlots || !InRange(number)) {
    sink_->Fatal("Maximum number of parameters exceeded !");
    return false;
  }
  const char* failure = nullptr;
  if (minimum >= maximum)
    failure = "PARAMETER LIST ERROR MIN>=MAX LIST NO. :";
  else if (stepsPerUnit == 0)
    failure = "RANGE STEP LIST ERROR LIST NO. :";
  else if (stepsPerUnit < 1)
    failure = "RANGE STEP LIST ERROR LIST < 1 NO. :";
  else if (defaultValue < minimum || defaultValue > maximum)
    failure = "DEFAULT not in Range LIST NO :";
  else if (editType != 0 && editType != 1)
    failure = "EDIT TYPE is not 0/1 LIST NO :";
  if (failure) {
    sink_->Fatal(WithNumber(failure, number));
    return false;
  }
  Parameter p;
  p.number = static_cast<uint16_t>(number);
  p.listLetter = listLetter;
  p.listDigit = listDigit;
  p.codeNumber = static_cast<uint16_t>(codeNumber);
  p.name = Cut(name, 38);
  p.unitText = Cut(unitText, 10);
  p.value = defaultValue;
  p.minimum = minimum;
  p.maximum = maximum;
  p.stepsPerUnit = stepsPerUnit;
  p.editType = static_cast<uint8_t>(editType);
  p.defined = true;
  working_[number] = p;
  reference_[number] = p;
  return true;
}

bool ParameterTable::DefineAllParameters() {
  for (int n = 1; n <= kProgramParameters; ++n) {
    const Definition d = DefinitionOf(n);
    if (!DefineParameter(n, 'A', '1', n, "", "", d.defaultValue, d.minimum, d.maximum, d.steps,
                         d.editType))
      return false;
  }
  return true;
}

void ParameterTable::ResetOperatingData() {
  for (int n = 1; n <= 19; ++n) working_[n].value = DefinitionOf(n).defaultValue;
}

int ParameterTable::FindByCode(std::string_view code) const {
  for (int n = 1; n <= count_ && n <= kSlots; ++n)
    if (working_[n].defined && working_[n].Code() == code) return n;
  return 0;
}

}  // namespace wattora
