#pragma once
// The per-user settings store: sections of named text values in an INI file.
#include <map>
#include <memory>
#include <string>

class QSettings;

namespace wattora {

class Messages;

class SettingsStore {
 public:
  // `keyName` is the translated store key, e.g. "SOFTWARE\VT\NRV\SETUP".
  static std::string PathForKey(const std::string& keyName);
  // The path of the store in force (the French key of the main window's table).
  static std::string DefaultPath();

  // A read-only store keeps every write in memory and never touches the file.
  explicit SettingsStore(std::string path, bool readOnly = false);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Shown once per run when the file cannot be written.
  void SetMessages(Messages* messages) { messages_ = messages; }

  void Open();
  void Close();
  int OpenCount() const { return openCount_; }

  std::string ReadText(const std::string& section, const std::string& name,
                       const std::string& defaultText);
  bool Has(const std::string& section, const std::string& name);
  void WriteText(const std::string& section, const std::string& name, const std::string& text);
  bool ReadFlag(const std::string& section, const std::string& name, bool defaultFlag);
  void WriteFlag(const std::string& section, const std::string& name, bool flag);
  int ReadInteger(const std::string& section, const std::string& name, int defaultValue);
  void WriteInteger(const std::string& section, const std::string& name, int value);

  const std::string& Path() const { return path_; }
  bool WriteFailed() const { return writeFailed_; }

 private:
  void Sync();
  std::string Key(const std::string& section, const std::string& name) const;

  std::string path_;
  bool readOnly_;
  int openCount_ = 0;
  bool dirty_ = false;
  bool writeFailed_ = false;
  bool warned_ = false;
  Messages* messages_ = nullptr;
  std::unique_ptr<QSettings> settings_;
  std::map<std::string, std::string> overlay_;  // writes that did not reach the file
};

// Multi-line texts: every line, the last included, ends with CR LF in the store.
std::string ToStoredLines(const std::string& fieldText);
std::string FromStoredLines(const std::string& storedText);

}  // namespace wattora
