#pragma once
// Project files are single-byte Windows-1252 on disk; the program works in UTF-8.
#include <string>
#include <string_view>

namespace wattora {

// Characters that Windows-1252 lacks become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace wattora
