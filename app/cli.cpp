#include "cli.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <sstream>

#include "core/comparison.h"
#include "core/texttable.h"
#include "core/services.h"
#include "core/workspace.h"
#include "persistence/project_file.h"
#include "persistence/settings_operations.h"

namespace wattora {

namespace {

const TextTable& CliTexts() { return TextTable::ForWindow("WattoraCli"); }
std::string T(const char* key) { return CliTexts().GetText(key); }

struct UsageError {
  std::string message;
};

class StderrSink : public FatalErrorSink {
 public:
  explicit StderrSink(std::ostream& err) : err_(err) {}
  void Fatal(const std::string& message) override { err_ << message << '\n'; }

 private:
  std::ostream& err_;
};

// Load questions go to standard error; every question is answered OK, or Cancel when strict.
class CliMessages : public Messages {
 public:
  CliMessages(std::ostream& err, bool strict) : err_(err), strict_(strict) {}
  void SetFile(const std::string& file) { file_ = file; }
  MessageAnswer Show(const TextTable&, MessageKind, const std::string& text,
                     MessageButtons buttons) override {
    std::string flat = text;
    for (char& c : flat)
      if (c == '\r' || c == '\n') c = ' ';
    err_ << file_ << ": " << flat << '\n';
    if (buttons == MessageButtons::OkCancel) return strict_ ? MessageAnswer::Cancel : MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
      return strict_ ? MessageAnswer::No : MessageAnswer::Yes;
    return MessageAnswer::Ok;
  }

 private:
  std::ostream& err_;
  bool strict_;
  std::string file_;
};

// ---- JSON

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string Number(double v) {
  if (!std::isfinite(v)) return "null";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

template <typename Range, typename F>
std::string Array(const Range& range, F item) {
  std::string out = "[";
  bool first = true;
  for (const auto& v : range) {
    if (!first) out += ", ";
    first = false;
    out += item(v);
  }
  return out + "]";
}

std::string NumberArray(const std::array<double, kFlowPoints>& values, bool available) {
  return Array(values, [&](double v) { return available ? Number(v) : std::string("null"); });
}

// ---- one estimated file

struct FileResult {
  std::string file;
  bool ok = false;
  std::string error;
  ApplicationType application = ApplicationType::Fan;
  std::array<std::string, 12> info;
  EstimateInputs inputs;
  EnergyEstimate estimate;
  EstimateComparison comparison;
  ProgramSettings settings;
};

const char* ApplicationJson(ApplicationType a) {
  switch (a) {
    case ApplicationType::Pump: return "pump";
    case ApplicationType::CoolingTower: return "cooling tower";
    default: return "fan";
  }
}

FileResult EstimateFile(const std::string& file, const Separators& separators,
                        CliMessages& messages, std::ostream& err) {
  FileResult r;
  r.file = file;
  messages.SetFile(file);
  StderrSink sink(err);
  Workspace ws(sink);
  ws.separators = separators;
  ws.parameters.DefineAllParameters();
  SettingsStore store(SettingsStore::DefaultPath(), /*readOnly=*/true);
  SettingsOperations operations(store, ws);
  NullPlatform platform;
  operations.Load_OPT2();

  // As the main window reopens a recent project: one apply pass, then the reload.
  ProjectLoader loader(ws, store, messages, platform);
  if (!loader.LoadProjectFile(file, ws.parameters, 1)) {
    r.error = T("LOAD_FAILED");
    return r;
  }
  operations.Load_OPT();
  r.application = loader.ApplicationRead();
  for (int i = 0; i < 12; ++i) r.info[i] = loader.InformationSlots()[i];
  r.settings = ws.settings;
  if (r.application == ApplicationType::CoolingTower) {
    r.error = T("COOLING_TOWER");
    return r;
  }
  r.inputs = InputsFromParameters(ws.parameters, ws.curves, ws.settings.KwPerPowerUnit(),
                                  separators);
  const TextTable& texts = TextTable::ForWindow("TFANFORM");
  const int total = DutyTotal(r.inputs);
  if (total != 100) {
    r.error = DutyCycleMessage(total, texts);
    for (char& c : r.error)
      if (c == '\r') c = ' ';
    return r;
  }
  ComputeEstimate(r.application, r.inputs, r.estimate);
  r.comparison = CompareEstimate(r.application, r.estimate, ws.settings, texts, separators);
  r.ok = true;
  return r;
}

std::string Json(const FileResult& r) {
  if (!r.ok)
    return "{\"file\": " + Quote(r.file) + ", \"ok\": false, \"error\": " + Quote(r.error) + "}";
  const EnergyEstimate& e = r.estimate;
  std::string o = "{\"file\": " + Quote(r.file) + ", \"ok\": true";
  o += ", \"application\": " + Quote(ApplicationJson(r.application));
  o += ", \"powerUnit\": " + Quote(r.settings.powerUnitIsKw ? "kW" : "HP");
  o += ", \"currency\": {\"selection\": " + std::to_string(r.settings.currencySelection) +
       ", \"symbol\": " + Quote(r.settings.currencySymbol) +
       ", \"subUnit\": " + Quote(r.settings.subUnitLabel) + "}";
  o += ", \"title\": " + Quote(r.comparison.title);
  o += ", \"entries\": {";
  for (int n = 1; n <= 19; ++n) {
    if (n > 1) o += ", ";
    o += Quote("A1" + std::string(n < 10 ? "0" : "") + std::to_string(n)) + ": " +
         Quote(r.inputs.entries[n - 1]);
  }
  o += "}";
  o += ", \"info\": " + Array(r.info, [](const std::string& s) { return Quote(s); });
  o += ", \"annualHours\": " + std::to_string(e.annualHours);
  o += ", \"dutyPercent\": " + Array(e.dutyPercent, [](int v) { return std::to_string(v); });
  o += ", \"flowHours\": " + NumberArray(e.flowHours, true);
  o += ", \"totalFlowHours\": " + Number(e.totalFlowHours);
  o += ", \"noControlAnnualCost\": " +
       (e.noControlAvailable ? Number(e.noControlAnnualCost) : std::string("null"));
  o += ", \"methods\": {";
  int count = 0;
  const auto& methods = ComputedMethods(r.application, &count);
  for (int k = 0; k < count; ++k) {
    const ControlMethod m = methods[k];
    const int mi = Index(m);
    const bool a = e.available[mi];
    if (k > 0) o += ", ";
    o += Quote(MethodKey(m)) + ": {\"power\": " + NumberArray(e.power[mi], a) +
         ", \"hourlyCost\": " + NumberArray(e.hourlyCost[mi], a) +
         ", \"annualCost\": " + NumberArray(e.annualCost[mi], a) +
         ", \"annualTotal\": " + (a ? Number(e.annualTotal[mi]) : std::string("null")) + "}";
  }
  o += "}";
  o += ", \"costRows\": " + Array(r.comparison.costRows, [](const CostRow& row) {
         return "{\"method\": " + Quote(MethodKey(row.method)) + ", \"annualCost\": " +
                (row.available ? Number(row.annualCost) : std::string("null")) +
                ", \"name\": " + Quote(row.name) + ", \"amount\": " + Quote(row.amount) + "}";
       });
  o += ", \"savingsRows\": " + Array(r.comparison.savingsRows, [](const SavingsRow& row) {
         return "{\"method\": " + Quote(MethodKey(row.method)) + ", \"savings\": " +
                (row.available ? Number(row.savings) : std::string("null")) +
                ", \"name\": " + Quote(row.name) + ", \"amount\": " + Quote(row.amount) + "}";
       });
  o += ", \"paybackRows\": " + Array(r.comparison.paybackRows, [](const PaybackRow& row) {
         return "{\"method\": " + Quote(MethodKey(row.method)) + ", \"years\": " +
                (row.paybackYears ? Number(*row.paybackYears) : std::string("null")) +
                ", \"name\": " + Quote(row.name) + ", \"value\": " + Quote(row.value) + "}";
       });
  return o + "}";
}

std::string CsvField(const std::string& s) {
  if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string Csv(const FileResult& r) {
  std::string line = CsvField(r.file);
  if (!r.ok) return line + ",error," + CsvField(r.error);
  line += std::string(",") + ApplicationJson(r.application);
  const EnergyEstimate& e = r.estimate;
  const auto computed = [&](ControlMethod m) {
    return m == ControlMethod::NoSpeedControl ? e.noControlAvailable
                                              : IsComputed(r.application, m) && e.available[Index(m)];
  };
  for (int m = 0; m < kMethodCount; ++m)
    line += "," + (computed(static_cast<ControlMethod>(m)) ? Number(e.AnnualCostOf(static_cast<ControlMethod>(m))) : "");
  const bool drive = e.available[Index(ControlMethod::Drive)];
  const double incentive = e.motorPower * e.incentive;
  std::string paybacks;
  for (int m = 0; m < kMethodCount; ++m) {
    const auto method = static_cast<ControlMethod>(m);
    if (method == ControlMethod::Drive) continue;
    std::string savings, years;
    if (drive && computed(method)) {
      const double s = e.AnnualCostOf(method) - e.annualTotal[Index(ControlMethod::Drive)];
      savings = Number(s);
      if (s + incentive > 0) years = Number(e.driveCost / (s + incentive));
    }
    line += "," + savings;
    paybacks += "," + years;
  }
  return line + paybacks;
}

std::string Summary(const FileResult& r) {
  if (!r.ok) return r.file + ": " + r.error + "\n";
  std::ostringstream s;
  s << r.file << "\n" << r.comparison.title << "\n\n" << T("COSTS") << "\n";
  for (const CostRow& row : r.comparison.costRows) s << "  " << row.name << "  " << row.amount << "\n";
  s << "\n" << T("SAVINGS") << "\n";
  for (const SavingsRow& row : r.comparison.savingsRows)
    s << "  " << row.name << "  " << row.amount << "\n";
  s << "\n" << T("PAYBACK") << "\n";
  for (const PaybackRow& row : r.comparison.paybackRows)
    s << "  " << row.name << "  " << row.value << "\n";
  return s.str();
}

int Estimate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const Separators& separators) {
  enum class Format { Summary, Json, Csv } format = Format::Summary;
  bool strict = false;
  std::vector<std::string> files;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") format = Format::Json;
    else if (a == "--csv") format = Format::Csv;
    else if (a == "--strict") strict = true;
    else if (a.starts_with("--")) throw UsageError{T("UNKNOWN_OPTION") + a};
    else files.push_back(a);
  }
  if (files.empty()) throw UsageError{T("NO_FILES")};
  CliMessages messages(err, strict);
  int code = 0;
  std::vector<std::string> objects;
  for (const std::string& file : files) {
    const FileResult r = EstimateFile(file, separators, messages, err);
    if (!r.ok) code = 1;
    switch (format) {
      case Format::Json: objects.push_back(Json(r)); break;
      case Format::Csv: out << Csv(r) << "\n"; break;
      case Format::Summary: out << Summary(r) << (files.size() > 1 ? "\n" : ""); break;
    }
  }
  if (format == Format::Json) {
    out << "[";
    for (size_t i = 0; i < objects.size(); ++i) out << (i ? ",\n " : "") << objects[i];
    out << "]\n";
  }
  return code;
}

std::string ValueAfter(const std::vector<std::string>& args, size_t& i) {
  if (i + 1 >= args.size()) throw UsageError{T("MISSING_VALUE") + args[i]};
  return args[++i];
}

int New(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const Separators& separators) {
  if (args.size() < 2 || (args[1] != "fan" && args[1] != "pump"))
    throw UsageError{T("BAD_APPLICATION")};
  StderrSink sink(err);
  Workspace ws(sink);
  ws.separators = separators;
  ws.parameters.DefineAllParameters();
  SettingsStore store(SettingsStore::DefaultPath(), /*readOnly=*/true);
  SettingsOperations(store, ws).Load_OPT2();
  ws.project.application = args[1] == "pump" ? ApplicationType::Pump : ApplicationType::Fan;
  ws.project.active = true;

  std::string output;
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o") {
      output = ValueAfter(args, i);
    } else if (a == "--set") {
      const std::string v = ValueAfter(args, i);
      const size_t eq = v.find('=');
      const std::string code = v.substr(0, eq);
      const int n = ws.parameters.FindByCode(code);
      if (n == 0 || eq == std::string::npos) throw UsageError{T("UNKNOWN_CODE") + code};
      ParsedNumber number = ParseLocaleNumber(v.substr(eq + 1), Separators{".", ""});
      if (!number.valid) number = ParseLocaleNumber(v.substr(eq + 1), separators);
      if (!number.valid) throw UsageError{T("BAD_NUMBER") + v.substr(eq + 1)};
      Parameter& p = ws.parameters[n];
      const float value = static_cast<float>(number.value);
      if (!(value >= p.minimum && value <= p.maximum))
        throw UsageError{code + T("OUT_OF_RANGE") + FormatFixed(p.minimum, p.Decimals(), separators) +
                         " - " + FormatFixed(p.maximum, p.Decimals(), separators)};
      p.value = value;
    } else if (a == "--power") {
      const std::string v = ValueAfter(args, i);
      if (v != "kW" && v != "HP" && v != "kw" && v != "hp") throw UsageError{T("BAD_POWER")};
      ws.settings.powerUnitIsKw = v == "kW" || v == "kw";
    } else if (a == "--currency") {
      const std::string v = ValueAfter(args, i);
      if (v.size() != 1 || v[0] < '0' || v[0] > '3') throw UsageError{T("BAD_CURRENCY")};
      ws.settings.currencySelection = v[0] - '0';
    } else if (a == "--custom-currency") {
      ws.settings.customCurrency =
          CutCharacters(ValueAfter(args, i), ProgramSettings::kCustomCurrencyLength);
    } else if (a == "--info") {
      const std::string v = ValueAfter(args, i);
      const size_t eq = v.find('=');
      int line = 0;
      if (eq != std::string::npos) std::from_chars(v.data(), v.data() + eq, line);
      if (eq == std::string::npos || line < 1 || line > 12) throw UsageError{T("BAD_INFO") + v};
      const std::string text = CutCharacters(v.substr(eq + 1), 60);
      if (line <= 10) ws.customer[line - 1] = text;
      else (line == 11 ? ws.configFields.customTitle1 : ws.configFields.customTitle2) = text;
    } else {
      throw UsageError{T("UNKNOWN_OPTION") + a};
    }
  }
  if (output.empty()) throw UsageError{T("NO_OUTPUT")};
  CliMessages messages(err, false);
  messages.SetFile(output);
  if (!SaveProjectFile(ws, output, messages, /*confirm=*/false)) return 1;
  out << T("WRITTEN") << output << "\n";
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const Separators& separators) {
  try {
    if (args.empty()) throw UsageError{T("NO_FILES")};
    if (args[0] == "--version") {
      out << "wattora-cli " << kProgramVersion << "\n";
      return 0;
    }
    if (args[0] == "--help" || args[0] == "-h") {
      out << T("USAGE");
      return 0;
    }
    if (args[0] == "estimate") return Estimate(args, out, err, separators);
    if (args[0] == "new") return New(args, out, err, separators);
    throw UsageError{T("UNKNOWN_COMMAND") + args[0]};
  } catch (const UsageError& e) {
    err << "wattora-cli: " << e.message << "\n";
    return 2;
  }
}

}  // namespace wattora
