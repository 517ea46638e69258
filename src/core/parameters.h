#pragma once
// The numbered parameters behind every input field and every efficiency multiplier.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wattora {

// Receives definition faults of the built-in table. The program shows the message and ends;
// tests record it. If it returns, the definition stops.
class FatalErrorSink {
 public:
  virtual ~FatalErrorSink() = default;
  virtual void Fatal(const std::string& message) = 0;
};

struct Parameter {
  uint16_t number = 0;
  char listLetter = 'A';
  char listDigit = '1';
  uint16_t codeNumber = 0;
  std::string name;      // at most 38 characters
  std::string unitText;  // at most 10 characters
  float value = 0;
  float minimum = 0;
  float maximum = 0;
  float stepsPerUnit = 1;
  uint8_t editType = 0;  // 0 text field, 1 list
  bool defined = false;

  std::string Code() const;  // "A1-05"
  int Decimals() const { return DecimalsForSteps(stepsPerUnit); }
  static int DecimalsForSteps(float steps);
  // 1, 10, 100, 1000, 10000 for 0..4 decimals.
  static double StepsForDecimals(int decimals);
};

class ParameterTable {
 public:
  static constexpr int kSlots = 300;
  static constexpr int kProgramParameters = 72;

  explicit ParameterTable(FatalErrorSink& sink) : sink_(&sink) {}

  // Returns false after reporting a fault to the sink.
  bool DefineParameter(int number, char listLetter, char listDigit, int codeNumber,
                       std::string_view name, std::string_view unitText, float defaultValue,
                       float minimum, float maximum, float stepsPerUnit, int editType);
  bool DefineAllParameters();

  int Count() const { return count_; }
  bool IsDefined(int number) const { return InRange(number) && working_[number].defined; }

  // The working copy: live values.
  Parameter& operator[](int number) { return working_.at(number); }
  const Parameter& operator[](int number) const { return working_.at(number); }
  float Value(int number) const { return working_.at(number).value; }
  void SetValue(int number, float value) { working_.at(number).value = value; }

  // The reference copy: keeps the defaults; target of the check pass of a project load.
  Parameter& Reference(int number) { return reference_.at(number); }
  const Parameter& Reference(int number) const { return reference_.at(number); }

  // Parameters 1..19 back to their defaults (a new project).
  void ResetOperatingData();

  // Finds the parameter by its code "A1-nn"; 0 when none.
  int FindByCode(std::string_view code) const;

 private:
  static bool InRange(int n) { return n >= 1 && n <= kSlots; }

  FatalErrorSink* sink_;
  int count_ = 0;
  std::array<Parameter, kSlots + 1> working_{};
  std::array<Parameter, kSlots + 1> reference_{};
};

// Default values of the operating data and duty cycle (parameters 1..19).
float DefaultParameterValue(int number);

}  // namespace wattora
