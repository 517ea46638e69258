#include "persistence/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/services.h"
#include "core/texttable.h"

namespace wattora {

std::string SettingsStore::PathForKey(const std::string& keyName) {
  QString key = QString::fromStdString(keyName);
  key.replace('\\', '/');
  if (key.startsWith(QLatin1String("SOFTWARE/"), Qt::CaseInsensitive)) key = key.mid(9);
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return (base + '/' + key + QStringLiteral(".ini")).toStdString();
}

std::string SettingsStore::DefaultPath() {
  return PathForKey(TextTable::ForWindow("TForm1").Text("stOtherStrings", "REGIST.KeyName"));
}

SettingsStore::SettingsStore(std::string path, bool readOnly)
    : path_(std::move(path)), readOnly_(readOnly) {}

SettingsStore::~SettingsStore() {
  if (openCount_ > 0) {
    openCount_ = 1;
    Close();
  }
}

void SettingsStore::Open() {
  if (openCount_++ > 0) return;
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(QString::fromStdString(path_), QSettings::IniFormat);
  } else {
    settings_->sync();  // pick up what other programs wrote meanwhile
  }
}

void SettingsStore::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ > 0) return;
  Sync();
}

void SettingsStore::Sync() {
  if (readOnly_ || !dirty_ || !settings_) return;
  QDir().mkpath(QFileInfo(QString::fromStdString(path_)).absolutePath());
  settings_->sync();
  if (settings_->status() == QSettings::NoError) {
    dirty_ = false;
    return;
  }
  writeFailed_ = true;
  if (warned_ || !messages_) return;
  warned_ = true;
  const TextTable& texts = TextTable::ForWindow("TForm1");
  messages_->Show(texts, MessageKind::Warning,
                  texts.GetText("IDS_STORE_READONLY") + path_, MessageButtons::Ok);
}

std::string SettingsStore::Key(const std::string& section, const std::string& name) const {
  return section + '/' + name;
}

bool SettingsStore::Has(const std::string& section, const std::string& name) {
  const std::string key = Key(section, name);
  if (overlay_.count(key)) return true;
  Open();
  const bool has = settings_->contains(QString::fromStdString(key));
  Close();
  return has;
}

std::string SettingsStore::ReadText(const std::string& section, const std::string& name,
                                    const std::string& defaultText) {
  const std::string key = Key(section, name);
  if (auto it = overlay_.find(key); it != overlay_.end()) return it->second;
  Open();
  const QVariant v = settings_->value(QString::fromStdString(key));
  Close();
  if (!v.isValid()) return defaultText;
  // A hand-edited value with commas reads back as a list: keep it as one text.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void SettingsStore::WriteText(const std::string& section, const std::string& name,
                              const std::string& text) {
  if (readOnly_) {
    overlay_[Key(section, name)] = text;
    return;
  }
  Open();
  settings_->setValue(QString::fromStdString(Key(section, name)), QString::fromStdString(text));
  dirty_ = true;
  Close();
}

bool SettingsStore::ReadFlag(const std::string& section, const std::string& name, bool d) {
  return ReadText(section, name, d ? "1" : "0").starts_with('1');
}

void SettingsStore::WriteFlag(const std::string& section, const std::string& name, bool flag) {
  WriteText(section, name, flag ? "1" : "0");
}

int SettingsStore::ReadInteger(const std::string& section, const std::string& name, int d) {
  const std::string text = ReadText(section, name, std::to_string(d));
  bool ok = false;
  const int value = QString::fromStdString(text).trimmed().toInt(&ok);
  return ok ? value : d;
}

void SettingsStore::WriteInteger(const std::string& section, const std::string& name, int value) {
  WriteText(section, name, std::to_string(value));
}

std::string ToStoredLines(const std::string& fieldText) {
  if (fieldText.empty()) return {};
  std::string out;
  size_t start = 0;
  for (;;) {
    const size_t nl = fieldText.find('\n', start);
    out += fieldText.substr(start, nl == std::string::npos ? nl : nl - start);
    out += "\r\n";
    if (nl == std::string::npos || nl + 1 == fieldText.size()) break;
    start = nl + 1;
  }
  return out;
}

std::string FromStoredLines(const std::string& storedText) {
  std::string out;
  for (size_t i = 0; i < storedText.size(); ++i) {
    if (storedText[i] == '\r' && i + 1 < storedText.size() && storedText[i + 1] == '\n') continue;
    out += storedText[i];
  }
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

}  // namespace wattora
