#include "core/texttable.h"

#include <memory>
#include <mutex>

namespace wattora {

namespace {

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char next = s[i + 1];
      if (next == 't') { out += '\t'; ++i; continue; }
      if (next == 'n') { out += '\n'; ++i; continue; }
      if (next == 'r') { out += '\r'; ++i; continue; }
      if (next == '\\') { out += '\\'; ++i; continue; }
    }
    out += s[i];
  }
  return out;
}

}  // namespace

void TextTable::Parse(std::string_view content) {
  size_t pos = 0;
  while (pos < content.size()) {
    size_t end = content.find('\n', pos);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
      const size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    if (fields.size() < 3) continue;
    Add({std::string(fields[0]), std::string(fields[1]), Unescape(fields[2]),
         fields.size() > 3 ? Unescape(fields[3]) : std::string()});
  }
}

void TextTable::Add(TextEntry entry) {
  auto& keys = index_[entry.section];
  if (auto it = keys.find(entry.key); it != keys.end()) {
    entries_[it->second] = std::move(entry);
    return;
  }
  keys.emplace(entry.key, entries_.size());
  entries_.push_back(std::move(entry));
}

const TextEntry* TextTable::Find(std::string_view section, std::string_view key) const {
  const auto keys = index_.find(section);
  if (keys == index_.end()) return nullptr;
  const auto it = keys->second.find(key);
  return it == keys->second.end() ? nullptr : &entries_[it->second];
}

bool TextTable::Has(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

std::string TextTable::Text(std::string_view section, std::string_view key) const {
  const TextEntry* e = Find(section, key);
  if (!e) return {};
  return e->language2.empty() ? e->language1 : e->language2;
}

const TextTable& TextTable::ForWindow(std::string_view window) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<TextTable>, std::less<>> tables;
  std::lock_guard lock(mutex);
  if (tables.empty()) {
    for (const EmbeddedTextFile& file : EmbeddedTextFiles()) {
      auto& table = tables[file.window];
      if (!table) table = std::make_unique<TextTable>(file.window);
      table->Parse(file.content);
    }
  }
  auto it = tables.find(window);
  if (it == tables.end())
    it = tables.emplace(std::string(window), std::make_unique<TextTable>(std::string(window))).first;
  return *it->second;
}

std::string GetText(const TextTable& table, std::string_view key) { return table.GetText(key); }

}  // namespace wattora
