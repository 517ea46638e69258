#pragma once
// The ".KVE" project file: writer, line classifier and the two-pass reader.
#include <array>
#include <string>

#include "core/services.h"
#include "core/workspace.h"

namespace wattora {

class Messages;
class Platform;
class SettingsStore;

inline constexpr const char* kFileMarker = "Vantrel ENERGY FILE";
inline constexpr const char* kProgramVersion = "1.01.03";

// What a project file carries besides the parameters.
struct ProjectFileContent {
  ApplicationType application = ApplicationType::Fan;
  bool powerUnitIsKw = true;
  int currencySelection = 0;
  std::string customCurrency;
  std::array<std::string, 12> info;  // ten customer fields, then the two custom titles
};

ProjectFileContent ContentOf(const Workspace& ws);

// The file as UTF-8 text with CR LF line ends; the writer converts it to Windows-1252.
std::string FormatProjectFile(const ParameterTable& table, const ProjectFileContent& content,
                              const std::string& date);
std::string FormatParameterLine(const Parameter& p, int position);
std::string TodayShortDate();

// Writes a temporary file beside the target, syncs it and renames it over the target, so a
// failed write never destroys the previous file. Returns 0 or the errno of the failure.
int WriteFileAtomically(const std::string& path, const std::string& bytes);

// Saves and reports: the system's error text on failure, "Estimation saved" on success.
bool SaveProjectFile(const Workspace& ws, const std::string& path, Messages& messages,
                     bool confirm = true);

enum class LineClass {
  Header, Ignore, PowerKw, PowerHp, Currency0, Currency1, Currency2, Currency3, CustomCurrency,
  ApplicationFan, ApplicationPump, ApplicationCoolingTower, Information, NotAParameter,
  Malformed, ZeroParameterNumber, ParameterValue
};

enum class ProjectSection { None, FileInfo, Application, Power, CurrencyMode, CustomCurrency,
                            DataEnergySaver, Info };

// Reader state of one load.
struct ProjectReaderState {
  ProjectSection section = ProjectSection::None;
  int informationLines = 0;
  std::string remembered;  // custom currency or information text of the last line
  // Parameter line
  int parameterNumber = 0;
  char listLetter = 'A', listDigit = '1';
  int codeNumber = 0;
  std::string codeText;
  double value = 0;
};

LineClass ClassifyProjectLine(const std::string& line, ProjectReaderState& state);

class ProjectLoader {
 public:
  ProjectLoader(Workspace& ws, SettingsStore& store, Messages& messages, Platform& platform)
      : ws_(ws), store_(store), messages_(messages), platform_(platform) {}

  // Mode 0 checks, mode 1 also applies. Power unit and currency follow the file's lines in
  // both modes; the rest is applied only by a successful mode-1 load.
  bool LoadProjectFile(const std::string& path, ParameterTable& table, int mode);
  // The same on the bytes of a file already read (Windows-1252, any line ends).
  bool LoadProjectText(const std::string& bytes, ParameterTable& table, int mode);

  ApplicationType ApplicationRead() const { return application_; }
  const std::array<std::string, 20>& InformationSlots() const { return slots_; }

 private:
  bool Confirm(MessageKind kind, const std::string& text);
  void ApplyParameter(const ProjectReaderState& line, ParameterTable& table);
  void Apply();

  Workspace& ws_;
  SettingsStore& store_;
  Messages& messages_;
  Platform& platform_;
  ApplicationType application_ = ApplicationType::Fan;
  std::array<std::string, 20> slots_;
  bool abort_ = false;
};

}  // namespace wattora
