#pragma once
// Rules of the estimation window that need no widget: the entry key filter, the range check of
// a left entry and the mapping between cost rows and the calculation overview.
#include <optional>
#include <string>

#include "core/estimate.h"
#include "core/numbers.h"
#include "core/parameters.h"

namespace wattora {

// A typed character passes when it is a digit or one of the locale separators. Keys that type
// nothing (arrows, Tab) and control characters (backspace, shortcuts) are not filtered.
bool KeyAccepted(const std::string& typed, const Separators& separators);

// Decimals of the range check: only the exact resolutions 10 .. 10000 give decimals.
int RangeCheckDecimals(float stepsPerUnit);

struct RangeCheckResult {
  std::string text;  // the normalised or clamped text
  bool beep = false; // the value was outside the range
};

// What leaving an entry with `text` does; nothing (nullopt) for an empty text.
std::optional<RangeCheckResult> CheckRangeText(const std::string& text, const Parameter& p,
                                               const Separators& separators);

// OverviewMethodCode of a cost row: 1 drive, 2 damper, 3 inlet vane or valve, 4/5 custom;
// 0 for no speed control, which has no overview.
int OverviewMethodCode(ControlMethod method);
// The method the overview shows for an application code (1 fan, 2 pump) and a method code.
std::optional<ControlMethod> OverviewMethod(int application, int code);

}  // namespace wattora
