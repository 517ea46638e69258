#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace wattora {

Separators Separators::FromLocale(std::string decimal, std::string group) {
  if (decimal == group || decimal.empty()) return Dot();
  return {std::move(decimal), std::move(group)};
}

namespace {

// Digits of |value| rounded to `decimals` places: integer part and fraction as digit strings.
struct DecimalDigits {
  std::string integer;   // never empty
  std::string fraction;  // exactly `decimals` digits
};

constexpr uint64_t kPow10[20] = {1ULL,
                                 10ULL,
                                 100ULL,
                                 1000ULL,
                                 10000ULL,
                                 100000ULL,
                                 1000000ULL,
                                 10000000ULL,
                                 100000000ULL,
                                 1000000000ULL,
                                 10000000000ULL,
                                 100000000000ULL,
                                 1000000000000ULL,
                                 10000000000000ULL,
                                 100000000000000ULL,
                                 1000000000000000ULL,
                                 10000000000000000ULL,
                                 100000000000000000ULL,
                                 1000000000000000000ULL,
                                 10000000000000000000ULL};

// The 18 significant digits of a positive value as the C library writes them with "%.17Le"
// (exact binary value, ties to even), by integer arithmetic: M × 2^E × 10^k rounded. Returns
// false outside the range where the product fits in 128 bits; the caller then asks printf.
}  // namespace

bool detail::EighteenDigitsFast(long double v, uint64_t& digits, int& exponent) {
  int e2 = 0;          // v = fraction × 2^e2, fraction in [0.5, 1)
  uint64_t mantissa = 0;
  if constexpr (std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10) {
    // The x87 extended format: 64-bit mantissa with its leading bit, then sign and exponent.
    uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &v, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&v) + 8, 2);
    const int biased = signAndExponent & 0x7fff;
    if (biased == 0 || !(mantissa >> 63)) return false;  // subnormal: leave it to printf
    e2 = biased - 16382;
  } else {
    const long double fraction = std::frexp(v, &e2);
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  }
  const int e = e2 - 64;  // v = mantissa × 2^e exactly (64-bit extended mantissa)
  // v lies in [2^(e2-1), 2^e2): its decimal exponent is this estimate or one of its neighbours.
  int e10 = static_cast<int>(std::floor((e2 - 1) * 0.30102999566398119521));
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int k = 17 - e10;
    if (k < 0 || k > 19) return false;
    const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPow10[k];
    unsigned __int128 n = 0;
    if (e >= 0) {
      if (e > 63 || (product >> (127 - e)) != 0) return false;
      n = product << e;
    } else {
      const int shift = -e;
      if (shift >= 127) return false;
      n = product >> shift;
      const unsigned __int128 rest = product - (n << shift);
      const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
      if (rest > half || (rest == half && (n & 1))) ++n;
    }
    if (n < kPow10[17]) {
      --e10;
      continue;
    }
    if (n >= kPow10[18]) {
      if (n == kPow10[18]) {  // rounding carried into a new digit
        digits = kPow10[17];
        exponent = e10 + 1;
        return true;
      }
      ++e10;
      continue;
    }
    digits = static_cast<uint64_t>(n);
    exponent = e10;
    return true;
  }
  return false;
}

namespace {
using detail::EighteenDigitsFast;

// |value| rounded to `decimals` places as an integer count of 10^-decimals, half away from
// zero on the 18-digit form; false where the fast digits do not apply or the count overflows.
bool RoundedScaled(long double magnitude, int decimals, uint64_t& kept) {
  if (magnitude == 0) {
    kept = 0;
    return true;
  }
  uint64_t digits = 0;
  int exponent = 0;
  if (decimals > 18 || !EighteenDigitsFast(magnitude, digits, exponent)) return false;
  const int keep = exponent + 1 + decimals;  // how many of the 18 digits stay
  if (keep < 0) {
    kept = 0;
  } else if (keep < 18) {
    kept = digits / kPow10[18 - keep];
    if ((digits / kPow10[17 - keep]) % 10 >= 5) ++kept;
  } else {
    if (keep - 18 > 19 || digits > UINT64_MAX / kPow10[keep - 18]) return false;
    kept = digits * kPow10[keep - 18];
  }
  return true;
}

DecimalDigits RoundedDigits(long double magnitude, int decimals) {
  uint64_t scaled = 0;
  if (RoundedScaled(magnitude, decimals, scaled)) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, scaled).ptr;
    std::string kept(buffer, end);
    if (kept.size() < static_cast<size_t>(decimals) + 1)
      kept.insert(kept.begin(), decimals + 1 - kept.size(), '0');
    return {kept.substr(0, kept.size() - decimals), kept.substr(kept.size() - decimals)};
  }
  // 18 significant digits: d.ddddddddddddddddde±x
  std::string mantissa;
  int exponent = 0;
  {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
      if (*p >= '0' && *p <= '9') mantissa += *p;
    exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
  }

  // The value is 0.mantissa × 10^(exponent + 1); keep exponent + 1 + decimals digits.
  const int keep = exponent + 1 + decimals;
  std::string kept;
  bool roundUp = false;
  if (magnitude == 0) {
    kept = "";
  } else if (keep < 0) {
    kept = "";
  } else if (keep == 0) {
    roundUp = mantissa[0] >= '5';
  } else {
    kept = mantissa.substr(0, std::min<size_t>(keep, mantissa.size()));
    if (static_cast<size_t>(keep) < mantissa.size()) roundUp = mantissa[keep] >= '5';
    kept.append(keep - kept.size(), '0');
  }
  if (roundUp) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0)
      ++kept[i];
    else
      kept.insert(kept.begin(), '1');
  }
  // `kept` holds the rounded value × 10^decimals, without leading zeros beyond its width.
  if (kept.size() < static_cast<size_t>(decimals) + 1)
    kept.insert(kept.begin(), decimals + 1 - kept.size(), '0');
  DecimalDigits out;
  out.integer = kept.substr(0, kept.size() - decimals);
  out.fraction = kept.substr(kept.size() - decimals);
  const size_t firstNonZero = out.integer.find_first_not_of('0');
  out.integer = firstNonZero == std::string::npos ? "0" : out.integer.substr(firstNonZero);
  return out;
}

}  // namespace

std::string FormatFixed(long double value, int decimals, const Separators& separators) {
  if (!std::isfinite(value)) return {};
  if (decimals < 0) decimals = 0;
  if (decimals > 18) decimals = 18;
  const bool negative = value < 0;
  const long double magnitude = negative ? -value : value;
  const DecimalDigits digits = RoundedDigits(magnitude, decimals);

  std::string integer = digits.integer;
  // Thresholds look at the unrounded value: 999.6 becomes "1000" without a separator.
  for (const auto& [threshold, position] :
       {std::pair{1e9L, 9}, std::pair{1e6L, 6}, std::pair{1e3L, 3}}) {
    if (magnitude >= threshold && integer.size() > static_cast<size_t>(position))
      integer.insert(integer.size() - position, separators.group);
  }
  std::string text = negative ? "-" : "";
  text += integer;
  if (decimals > 0) {
    text += separators.decimal;
    text += digits.fraction;
  }
  return text;
}

double RoundDecimal18(long double value, int decimals) {
  if (!std::isfinite(value)) return static_cast<double>(value);
  // The computation's hot path: the same rounding as FormatFixed, without any text.
  uint64_t kept = 0;
  if (decimals >= 0 && decimals <= 15 && RoundedScaled(value < 0 ? -value : value, decimals, kept) &&
      kept < (1ULL << 53)) {
    const double rounded = static_cast<double>(kept) / static_cast<double>(kPow10[decimals]);
    return value < 0 ? -rounded : rounded;
  }
  return ReadDotNumber(FormatFixed(value, decimals, Separators{".", ""}));
}

double ReadDotNumber(std::string_view text, size_t* consumed) {
  size_t skip = 0;
  if (!text.empty() && text.front() == '+') skip = 1;  // from_chars takes no plus sign
  double value = 0;
  const char* first = text.data() + skip;
  const auto result = std::from_chars(first, text.data() + text.size(), value);
  if (result.ec == std::errc::invalid_argument) {
    if (consumed) *consumed = 0;
    return 0;
  }
  if (consumed) *consumed = static_cast<size_t>(result.ptr - text.data());
  if (result.ec == std::errc::result_out_of_range) {
    const std::string_view read = text.substr(0, static_cast<size_t>(result.ptr - text.data()));
    const bool tiny = read.find("e-") != std::string_view::npos ||
                      read.find("E-") != std::string_view::npos;
    if (tiny) return 0.0;
    return text.front() == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return value;
}

std::string NormalizeNumberText(std::string_view text, const Separators& separators) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const std::string_view rest = text.substr(i);
    if (!separators.group.empty() && rest.starts_with(separators.group)) {
      i += separators.group.size();
    } else if (!separators.decimal.empty() && rest.starts_with(separators.decimal)) {
      out += '.';
      i += separators.decimal.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ParsedNumber ParseLocaleNumber(std::string_view text, const Separators& separators) {
  const std::string s = NormalizeNumberText(text, separators);
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  const size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return {0.0, false};
  size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      end = j;
    }
  }
  size_t tail = end;
  while (tail < s.size() && IsBlank(s[tail])) ++tail;
  double value = ReadDotNumber(std::string_view(s).substr(start, end - start));
  bool valid = tail == s.size();
  if (!std::isfinite(value)) {
    value = 0.0;
    valid = false;
  }
  return {value, valid};
}

int ParseLocaleWholeNumber(std::string_view text, const Separators& separators) {
  const std::string s = NormalizeNumberText(text, separators);
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long value = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace wattora
