#include "persistence/project_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDate>
#include <QLocale>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/cp1252.h"
#include "core/services.h"
#include "core/texttable.h"
#include "persistence/settings_store.h"

namespace wattora {

namespace {

const TextTable& HolderTexts() { return TextTable::ForWindow("TTranslationForm"); }

std::string PadTo(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

int FileDecimals(float steps) {
  for (int d = 0; d <= 4; ++d)
    if (steps == static_cast<float>(Parameter::StepsForDecimals(d))) return d;
  return 4;
}

const char* ApplicationName(ApplicationType a) {
  switch (a) {
    case ApplicationType::Pump: return "PUMP";
    case ApplicationType::CoolingTower: return "COOLING TOWER";
    default: return "FAN";
  }
}

std::string TrimSpacesUpper(const std::string& line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = line.find_last_not_of(' ');
  std::string t = line.substr(first, last - first + 1);
  for (char& c : t)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return t;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

LineClass ClassifyParameterLine(const std::string& t, ProjectReaderState& s) {
  if (t.empty()) return LineClass::Ignore;
  if (t.size() < 12) return LineClass::NotAParameter;
  // 1-based positions as in the file layout.
  const auto at = [&](size_t pos) { return t[pos - 1]; };
  if (at(1) != 'P' || at(6) != 'A' || at(7) != '1' || at(8) != '-' || !IsDigit(at(9)) ||
      !IsDigit(at(10)))
    return LineClass::NotAParameter;
  s.listLetter = at(6);
  s.listDigit = at(7);
  s.codeText = t.substr(8, 2);
  s.codeNumber = std::atoi(s.codeText.c_str());

  std::string number;
  for (size_t pos = 2;; ++pos) {
    if (pos > 5) return LineClass::Malformed;
    const char c = at(pos);
    if (IsDigit(c)) {
      number += c;
      continue;
    }
    if (c == ',' || c == ':' || c == '=') break;
    return LineClass::Malformed;
  }
  std::string value;
  for (size_t pos = 12;; ++pos) {
    if (pos > 20 || pos > t.size()) return LineClass::Malformed;
    const char c = at(pos);
    if (IsDigit(c) || c == '-' || c == '.') {
      value += c;
      continue;
    }
    if (c != ';' || value.empty()) return LineClass::Malformed;
    break;
  }
  // A value such as "1-2" or "." is no number: malformed rather than a crash.
  size_t consumed = 0;
  s.value = ReadDotNumber(value, &consumed);
  if (consumed != value.size() || !std::isfinite(s.value)) return LineClass::Malformed;
  s.parameterNumber = number.empty() ? 0 : std::atoi(number.c_str());
  if (s.parameterNumber == 0) return LineClass::ZeroParameterNumber;
  return LineClass::ParameterValue;
}

}  // namespace

ProjectFileContent ContentOf(const Workspace& ws) {
  ProjectFileContent c;
  c.application = ws.project.application;
  c.powerUnitIsKw = ws.settings.powerUnitIsKw;
  c.currencySelection = ws.settings.currencySelection;
  c.customCurrency = ws.settings.customCurrency;
  for (int i = 0; i < 10; ++i) c.info[i] = ws.customer[i];
  c.info[10] = ws.configFields.customTitle1;
  c.info[11] = ws.configFields.customTitle2;
  return c;
}

std::string FormatParameterLine(const Parameter& p, int position) {
  char number[16];
  std::snprintf(number, sizeof number, "P%03d=", position);
  std::string line = number;
  line += p.listLetter;
  line += p.listDigit;
  char code[16];
  std::snprintf(code, sizeof code, "-%02u=", static_cast<unsigned>(p.codeNumber));
  line += code;
  line += PadTo(FormatFixed(p.value, FileDecimals(p.stepsPerUnit), Separators{".", ""}) + ";", 15);
  line += PadTo(p.unitText, 7);
  line += p.name;
  return line;
}

std::string FormatProjectFile(const ParameterTable& table, const ProjectFileContent& content,
                              const std::string& date) {
  std::string out;
  const auto line = [&out](const std::string& text) {
    out += text;
    out += "\r\n";
  };
  line("[FILE INFO]");
  line("");
  line(std::string("FILE TYPE  : ") + kFileMarker + " " + kProgramVersion);
  line("DATE       : " + date);
  line("");
  line("[APPLICATION]");
  line("");
  line(ApplicationName(content.application));
  line("");
  line("[POWER]");
  line("");
  line(content.powerUnitIsKw ? "KW" : "HP");
  line("");
  line("[CURRENCY MODE]");
  line("");
  line(std::to_string(content.currencySelection));
  line("");
  line("[CUSTOM CURRENCY]");
  line("");
  line(content.customCurrency);
  line("");
  line("[DATA ENERGY SAVER]");
  line("");
  for (int n = 1; n <= table.Count(); ++n) line(FormatParameterLine(table[n], n));
  line("");
  line("[INFO]");
  for (const std::string& text : content.info) {
    // A line break inside a field would split the record; keep it on one line.
    std::string flat = text;
    for (char& c : flat)
      if (c == '\r' || c == '\n') c = ' ';
    line(flat);
  }
  return out;
}

std::string TodayShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

int WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = folder + "/." + name + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return errno;

  mode_t mode = 0666;
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode &= ~mask;
  }
  int error = 0;
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0 && error == 0) {
    const ssize_t written = write(fd, data, left);
    if (written < 0) {
      if (errno != EINTR) error = errno;
      continue;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  if (error == 0 && fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) unlink(temp.c_str());
  return error;
}

bool SaveProjectFile(const Workspace& ws, const std::string& path, Messages& messages,
                     bool confirm) {
  const std::string text = FormatProjectFile(ws.parameters, ContentOf(ws), TodayShortDate());
  const int error = WriteFileAtomically(path, Utf8ToCp1252(text));
  if (!ShowIOError(error, messages, HolderTexts())) return false;
  if (confirm)
    messages.Show(HolderTexts(), MessageKind::Information, HolderTexts().GetText("IDS_61"),
                  MessageButtons::Ok);
  return true;
}

LineClass ClassifyProjectLine(const std::string& line, ProjectReaderState& s) {
  const std::string t = TrimSpacesUpper(line);
  static const std::pair<const char*, ProjectSection> kHeaders[] = {
      {"[DATA ENERGY SAVER]", ProjectSection::DataEnergySaver},
      {"[APPLICATION]", ProjectSection::Application},
      {"[FILE INFO]", ProjectSection::FileInfo},
      {"[INFO]", ProjectSection::Info},
      {"[POWER]", ProjectSection::Power},
      {"[CURRENCY MODE]", ProjectSection::CurrencyMode},
      {"[CUSTOM CURRENCY]", ProjectSection::CustomCurrency}};
  for (const auto& [name, section] : kHeaders) {
    if (t == name) {
      s.section = section;
      return LineClass::Header;
    }
  }
  switch (s.section) {
    case ProjectSection::Power:
      if (t == "KW") return LineClass::PowerKw;
      if (t == "HP") return LineClass::PowerHp;
      return LineClass::Ignore;
    case ProjectSection::CurrencyMode:
      if (t == "0") return LineClass::Currency0;
      if (t == "1") return LineClass::Currency1;
      if (t == "2") return LineClass::Currency2;
      if (t == "3") return LineClass::Currency3;
      return LineClass::Ignore;
    case ProjectSection::CustomCurrency:
      s.remembered = CutCharacters(line, 60);
      return t.empty() ? LineClass::Ignore : LineClass::CustomCurrency;
    case ProjectSection::Application:
      if (t == "FAN") return LineClass::ApplicationFan;
      if (t == "PUMP") return LineClass::ApplicationPump;
      if (t == "COOLING TOWER") return LineClass::ApplicationCoolingTower;
      return LineClass::Ignore;
    case ProjectSection::DataEnergySaver:
      return ClassifyParameterLine(t, s);
    case ProjectSection::Info:
      if (s.informationLines >= 14) return LineClass::Ignore;
      s.remembered = CutCharacters(CutCharacters(line, 80), 60);
      ++s.informationLines;
      return LineClass::Information;
    default:
      return LineClass::Ignore;
  }
}

bool ProjectLoader::Confirm(MessageKind kind, const std::string& text) {
  const MessageAnswer a = messages_.Show(HolderTexts(), kind, text, MessageButtons::OkCancel);
  if (a == MessageAnswer::Cancel) abort_ = true;
  return a != MessageAnswer::Cancel;
}

void ProjectLoader::ApplyParameter(const ProjectReaderState& s, ParameterTable& table) {
  const TextTable& texts = HolderTexts();
  if (s.parameterNumber > table.Count()) {
    Confirm(MessageKind::Confirmation, texts.GetText("IDS_16"));
    return;
  }
  const std::string code = std::string(1, s.listLetter) + s.listDigit + "-" + s.codeText;
  // Compare in single precision: the writer's "0.2" is exactly the minimum 0.2f.
  const float value = static_cast<float>(s.value);
  bool applied = false;
  for (int n = 1; n <= table.Count(); ++n) {
    Parameter& p = table[n];
    if (p.listLetter != s.listLetter || p.listDigit != s.listDigit || p.codeNumber != s.codeNumber)
      continue;
    if (value < p.minimum || value > p.maximum) {
      Confirm(MessageKind::Error, texts.GetText("IDS_12") + code + texts.GetText("IDS_13"));
      continue;
    }
    p.value = value;
    applied = true;
  }
  if (!applied) Confirm(MessageKind::Error, texts.GetText("IDS_12") + code + texts.GetText("IDS_15"));
}

bool ProjectLoader::LoadProjectFile(const std::string& path, ParameterTable& table, int mode) {
  slots_.fill({});
  abort_ = false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return ShowIOError(errno ? errno : ENOENT, messages_, HolderTexts()) && false;
  std::ostringstream buffer;
  buffer << file.rdbuf();
  if (file.bad()) return ShowIOError(errno ? errno : EIO, messages_, HolderTexts()) && false;
  return LoadProjectText(buffer.str(), table, mode);
}

bool ProjectLoader::LoadProjectText(const std::string& bytes, ParameterTable& table, int mode) {
  slots_.fill({});
  abort_ = false;
  ProjectReaderState state;
  bool applicationSeen = false, powerSeen = false, currencySeen = false;
  ProgramSettings& settings = ws_.settings;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < bytes.size()) {
    if (abort_) return false;
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    std::string raw = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    ++lineNumber;
    const std::string line = Cp1252ToUtf8(raw);

    switch (ClassifyProjectLine(line, state)) {
      case LineClass::ParameterValue:
        if (mode == 1) ApplyParameter(state, table);
        break;
      case LineClass::Information:
        slots_[state.informationLines - 1] = state.remembered;
        break;
      case LineClass::Malformed:
      case LineClass::ZeroParameterNumber:
        platform_.Beep();
        Confirm(MessageKind::Confirmation,
                HolderTexts().GetText("IDS_21") + std::to_string(lineNumber) + " !");
        break;
      case LineClass::ApplicationFan:
      case LineClass::ApplicationPump:
      case LineClass::ApplicationCoolingTower: {
        applicationSeen = true;
        const LineClass c = ClassifyProjectLine(line, state);  // pure for these sections
        application_ = c == LineClass::ApplicationFan    ? ApplicationType::Fan
                       : c == LineClass::ApplicationPump ? ApplicationType::Pump
                                                         : ApplicationType::CoolingTower;
        break;
      }
      case LineClass::PowerKw:
      case LineClass::PowerHp:
        powerSeen = true;
        settings.powerUnitIsKw = TrimSpacesUpper(line) == "KW";
        break;
      case LineClass::Currency0:
      case LineClass::Currency1:
      case LineClass::Currency2:
      case LineClass::Currency3:
        currencySeen = true;
        settings.currencySelection = TrimSpacesUpper(line)[0] - '0';
        break;
      case LineClass::CustomCurrency:
        settings.customCurrency =
            CutCharacters(state.remembered, ProgramSettings::kCustomCurrencyLength);
        break;
      default:
        break;
    }
  }
  if (abort_) return false;

  if (!(applicationSeen && powerSeen && currencySeen)) {
    const TextTable& texts = HolderTexts();
    const std::pair<bool, const char*> missing[] = {
        {applicationSeen, "IDS_25"}, {powerSeen, "IDS_26"}, {currencySeen, "IDS_27"}};
    for (const auto& [seen, key] : missing)
      if (!seen)
        messages_.Show(texts, MessageKind::Error, texts.GetText(key), MessageButtons::Ok);
    return false;
  }
  if (mode == 1) Apply();
  return true;
}

void ProjectLoader::Apply() {
  for (int i = 0; i < 10; ++i) ws_.customer[i] = slots_[i];
  ProgramSettings& s = ws_.settings;
  s.SetCustomTitle(1, slots_[10]);
  s.SetCustomTitle(2, slots_[11]);

  ConfigFields& f = ws_.configFields;
  s.DeriveCurrency(HolderTexts(), ProgramSettings::kHolderCurrencyKeys);
  if (s.currencySelection == 3) f.currCustom = s.customCurrency;
  s.currencySymbol = CutCharacters(s.currencySymbol, 10);
  s.subUnitLabel = CutCharacters(s.subUnitLabel, 10);
  f.currencyButton = s.currencySelection;
  f.kw = s.powerUnitIsKw;

  store_.Open();
  store_.WriteFlag("PROGRAM", "PS", s.powerUnitIsKw);
  store_.WriteInteger("PROGRAM", "CS", s.currencySelection);
  store_.WriteText("PROGRAM", "CC", s.customCurrency);
  store_.Close();
}

}  // namespace wattora
