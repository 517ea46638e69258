#pragma once
// Two-language text tables, one per window. Language 1 is English, language 2 the active one.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

struct EmbeddedTextFile {
  const char* window;
  const char* content;
};
const std::vector<EmbeddedTextFile>& EmbeddedTextFiles();

struct TextEntry {
  std::string section;
  std::string key;
  std::string language1;
  std::string language2;
};

class TextTable {
 public:
  static constexpr int kActiveLanguage = 2;

  TextTable() = default;
  explicit TextTable(std::string window) : window_(std::move(window)) {}

  // The compiled-in table of a window class; an unknown class gives an empty table.
  static const TextTable& ForWindow(std::string_view window);

  // Parses the tab-separated form: section, key, language 1, language 2.
  void Parse(std::string_view content);
  void Add(TextEntry entry);

  // Active language, falling back to language 1 when the active text is empty.
  std::string Text(std::string_view section, std::string_view key) const;
  std::string GetText(std::string_view key) const { return Text("stStrings", key); }
  std::string Caption(std::string_view component) const { return Text("stCaptions", component); }
  std::string Hint(std::string_view component) const { return Text("stHints", component); }
  bool Has(std::string_view section, std::string_view key) const;
  const TextEntry* Find(std::string_view section, std::string_view key) const;

  const std::string& Window() const { return window_; }
  const std::vector<TextEntry>& Entries() const { return entries_; }

 private:
  std::string window_;
  std::vector<TextEntry> entries_;
  // section → key → entry; transparent comparison, so a lookup builds no string.
  std::map<std::string, std::map<std::string, size_t, std::less<>>, std::less<>> index_;
};

// The function code hands to rules that need a window's texts.
std::string GetText(const TextTable& table, std::string_view key);

}  // namespace wattora
