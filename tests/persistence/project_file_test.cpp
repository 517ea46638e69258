#include "persistence/project_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <csignal>
#include <fstream>
#include <sstream>

#include "core/cp1252.h"
#include "persistence/settings_store.h"
#include "support/fakes.h"
#include "temp_config.h"

namespace wattora {
namespace {

using testing::FakeMessages;
using testing::FakePlatform;
using testing::TempFolder;
using testing::TestWorkspace;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ProjectFileFormat, DefaultParameterLinesByteForByte) {
  TestWorkspace t;
  const ParameterTable& p = t.ws.parameters;
  EXPECT_EQ(FormatParameterLine(p[1], 1), "P001=A1-01=24;" + std::string(19, ' '));
  EXPECT_EQ(FormatParameterLine(p[20], 20), "P020=A1-20=0.970;" + std::string(16, ' '));
  EXPECT_EQ(FormatParameterLine(p[9], 9), "P009=A1-09=12000;" + std::string(16, ' '));
  EXPECT_EQ(FormatParameterLine(p[5], 5), "P005=A1-05=150.0;" + std::string(16, ' '));

  const std::string text = FormatProjectFile(p, ContentOf(t.ws), "11/12/2026");
  EXPECT_TRUE(text.starts_with(
      "[FILE INFO]\r\n\r\nFILE TYPE  : Vantrel ENERGY FILE 1.01.03\r\nDATE       : 11/12/2026\r\n"
      "\r\n[APPLICATION]\r\n\r\nFAN\r\n\r\n[POWER]\r\n\r\nKW\r\n\r\n[CURRENCY MODE]\r\n\r\n0\r\n"
      "\r\n[CUSTOM CURRENCY]\r\n\r\n\r\n\r\n[DATA ENERGY SAVER]\r\n\r\nP001=A1-01=24;"));
  // Twelve empty information lines end the file.
  EXPECT_TRUE(text.ends_with("\r\n[INFO]\r\n"
                             "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
  EXPECT_NE(text.find("P072=A1-72=0;"), std::string::npos);
}

class ProjectLoadTest : public ::testing::Test {
 protected:
  ProjectLoadTest() : store(tmp.Path("SETUP.ini")), loader(t.ws, store, messages, platform) {}

  bool Load(const std::string& content, int mode = 1) {
    const std::string path = tmp.Path("p.KVE");
    WriteBytes(path, content);
    return loader.LoadProjectFile(path, t.ws.parameters, mode);
  }
  static std::string Header(const std::string& app = "FAN", const std::string& power = "KW",
                            const std::string& currency = "0") {
    return "[APPLICATION]\r\n" + app + "\r\n[POWER]\r\n" + power + "\r\n[CURRENCY MODE]\r\n" +
           currency + "\r\n[DATA ENERGY SAVER]\r\n";
  }

  TempFolder tmp;
  TestWorkspace t;
  SettingsStore store;
  FakeMessages messages;
  FakePlatform platform;
  ProjectLoader loader;
};

TEST_F(ProjectLoadTest, SavedFileLoadsBackTheSame) {
  Workspace& ws = t.ws;
  ws.project.application = ApplicationType::Pump;
  ws.settings.powerUnitIsKw = false;
  ws.settings.currencySelection = 3;
  ws.settings.customCurrency = "CHF";
  ws.customer = {"Hélène Lefèvre", "Directrice", "Société Générale d'Énergie", "12 rue de l'Été",
                 "75001 Paris", "France", "01 23 45 67 89", "", "helene@example.fr", "Projet Œ"};
  ws.configFields.customTitle1 = "Régulation A";
  ws.configFields.customTitle2 = "  Régulation B  ";
  ws.parameters.SetValue(5, 75.25f);   // written with 1 decimal
  ws.parameters.SetValue(22, 0.5126f); // written with 3 decimals
  ws.parameters.SetValue(4, 12.345f);
  const std::string path = tmp.Path("projet.KVE");
  ASSERT_TRUE(SaveProjectFile(ws, path, messages));
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Estimation enregistrée !"});

  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find("H\xE9l\xE8ne Lef\xE8vre\r\n"), std::string::npos);  // Windows-1252
  EXPECT_NE(bytes.find("Projet \x8C\r\n"), std::string::npos);
  EXPECT_TRUE(bytes.ends_with("  R\xE9gulation B  \r\n"));

  TestWorkspace fresh;
  SettingsStore store2(tmp.Path("SETUP2.ini"));
  ProjectLoader reader(fresh.ws, store2, messages, platform);
  messages.shown.clear();
  ASSERT_TRUE(reader.LoadProjectFile(path, fresh.ws.parameters, 1));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(reader.ApplicationRead(), ApplicationType::Pump);
  EXPECT_FALSE(fresh.ws.settings.powerUnitIsKw);
  EXPECT_EQ(fresh.ws.settings.currencySelection, 3);
  EXPECT_EQ(fresh.ws.settings.currencySymbol, "CHF");
  EXPECT_EQ(fresh.ws.settings.subUnitLabel, "CHF/100");
  EXPECT_EQ(fresh.ws.customer, ws.customer);
  EXPECT_EQ(fresh.ws.settings.custom2Title, "  Régulation B  ");
  EXPECT_FLOAT_EQ(fresh.ws.parameters.Value(5), 75.3f);
  EXPECT_FLOAT_EQ(fresh.ws.parameters.Value(22), 0.513f);
  EXPECT_FLOAT_EQ(fresh.ws.parameters.Value(4), 12.35f);
  // Every other parameter comes back rounded to its decimals (0.5725 is written 0.572).
  for (int n = 1; n <= 72; ++n) {
    const Parameter& p = ws.parameters[n];
    const float rounded = std::stof(FormatFixed(p.value, p.Decimals(), Separators{".", ""}));
    EXPECT_EQ(fresh.ws.parameters.Value(n), rounded) << n;
  }
  EXPECT_FLOAT_EQ(fresh.ws.parameters.Value(23), 0.572f);
  EXPECT_EQ(store2.ReadText("PROGRAM", "PS", ""), "0");
  EXPECT_EQ(store2.ReadText("PROGRAM", "CS", ""), "3");
  EXPECT_EQ(store2.ReadText("PROGRAM", "CC", ""), "CHF");
  EXPECT_EQ(fresh.ws.configFields.currencyButton, 3);
  EXPECT_FALSE(fresh.ws.configFields.kw);
}

TEST_F(ProjectLoadTest, MissingSectionsInTheirOrder) {
  EXPECT_FALSE(Load("[APPLICATION]\r\nFAN\r\n[POWER]\r\nKW\r\n"));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{
                                  "Informations sur la devise manquantes ! Impossible de charger "
                                  "ce fichier."});
  messages.shown.clear();
  EXPECT_FALSE(Load("just text\r\n[INFO]\r\nx\r\n"));
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_NE(messages.shown[0].text.find("l'application"), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("mode d'alimentation"), std::string::npos);
  EXPECT_NE(messages.shown[2].text.find("devise"), std::string::npos);
  EXPECT_EQ(messages.shown[2].kind, MessageKind::Error);
}

TEST_F(ProjectLoadTest, LetterCaseBlanksAndTheCoolingTower) {
  EXPECT_TRUE(Load("  [power]  \r\n kw \r\n[Application]\r\ncooling tower\r\n"
                   "[currency mode]\r\n 2\r\n"));
  EXPECT_EQ(loader.ApplicationRead(), ApplicationType::CoolingTower);
  EXPECT_TRUE(t.ws.settings.powerUnitIsKw);
  EXPECT_EQ(t.ws.settings.currencySymbol, "£");
  EXPECT_TRUE(messages.shown.empty());
}

TEST(ClassifyProjectLine, ParameterLines) {
  struct Case {
    const char* line;
    LineClass expected;
    int number;
    double value;
  } cases[] = {
      {"P001=A1-01=24;", LineClass::ParameterValue, 1, 24},
      {"P001:A1-01=12;", LineClass::ParameterValue, 1, 12},
      {"P001,A1-01=12;", LineClass::ParameterValue, 1, 12},
      {"  p020=a1-20=0.970;    ", LineClass::ParameterValue, 20, 0.97},
      {"P009=A1-09=1000000;", LineClass::ParameterValue, 9, 1000000},
      {"P009=A1-09=10000000;", LineClass::ParameterValue, 9, 1e7},  // ";" at 20, the last place
      {"P009=A1-09=100000000;", LineClass::Malformed, 0, 0},
      {"P001=A1-01=1e5;", LineClass::Malformed, 0, 0},
      {"P001=A1-01=;", LineClass::Malformed, 0, 0},
      {"P001=A1-01=24", LineClass::Malformed, 0, 0},
      {"P001=A1-01=1-2;", LineClass::Malformed, 0, 0},
      {"P0001=A1-01=2;", LineClass::NotAParameter, 0, 0},
      {"P1000=A1-01=2;", LineClass::NotAParameter, 0, 0},
      {"P01X=A1-01=24;", LineClass::Malformed, 0, 0},
      {"P000=A1-01=24;", LineClass::ZeroParameterNumber, 0, 0},
      {"P001=B1-01=24;", LineClass::NotAParameter, 0, 0},
      {"P001=A1-1=24;", LineClass::NotAParameter, 0, 0},
      {"P001=A1-01", LineClass::NotAParameter, 0, 0},
      {"", LineClass::Ignore, 0, 0},
  };
  for (const Case& c : cases) {
    ProjectReaderState s;
    s.section = ProjectSection::DataEnergySaver;
    EXPECT_EQ(ClassifyProjectLine(c.line, s), c.expected) << c.line;
    if (c.expected == LineClass::ParameterValue) {
      EXPECT_EQ(s.parameterNumber, c.number) << c.line;
      EXPECT_DOUBLE_EQ(s.value, c.value) << c.line;
    }
  }
}

TEST_F(ProjectLoadTest, MalformedLinesAskAndCancelStops) {
  const std::string file = Header() + "P001=A1-01=1e5;\r\nP002=A1-02=5;\r\n";
  EXPECT_TRUE(Load(file));  // OK continues
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Erreur à la ligne :8 !"});
  EXPECT_EQ(t.ws.parameters.Value(2), 5);

  messages.shown.clear();
  t.ws.parameters.SetValue(2, 7);
  messages.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(Load(file));
  EXPECT_EQ(t.ws.parameters.Value(2), 7);  // nothing after the cancelled line

  // Cancel on the very last line still fails the load.
  messages.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(Load(Header() + "P001=A1-01=1e5;"));
}

TEST_F(ProjectLoadTest, ValuesOutsideTheTable) {
  EXPECT_TRUE(Load(Header() + "P073=A1-73=1;\r\nP001=A1-73=1;\r\nP001=A1-01=30;\r\n"));
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"La ligne/le paramètre # est hors limites !",
                                      "Le paramètreA1-73ne correspond pas !",
                                      "Le paramètreA1-01est hors limites !",
                                      "Le paramètreA1-01ne correspond pas !"}));
  EXPECT_EQ(t.ws.parameters.Value(1), 24);
  // The code decides which parameter receives the value, not the line number.
  messages.shown.clear();
  EXPECT_TRUE(Load(Header() + "P003=A1-02=5;\r\nP005=A1-05=0.2;\r\n"));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(t.ws.parameters.Value(2), 5);
  EXPECT_FLOAT_EQ(t.ws.parameters.Value(5), 0.2f);
}

TEST_F(ProjectLoadTest, CheckPassStoresNoValues) {
  EXPECT_TRUE(Load(Header("PUMP", "HP", "1") + "P002=A1-02=5;\r\n[INFO]\r\nClient\r\n", 0));
  EXPECT_EQ(t.ws.parameters.Value(2), 7);
  EXPECT_TRUE(t.ws.customer[0].empty());
  EXPECT_FALSE(t.ws.settings.powerUnitIsKw);  // units follow the lines in both passes
  EXPECT_FALSE(store.Has("PROGRAM", "PS"));
}

TEST_F(ProjectLoadTest, InformationLines) {
  std::string file = Header() + "[INFO]\r\n";
  for (int i = 1; i <= 16; ++i) file += (i == 3 ? std::string(70, 'x') : "line " + std::to_string(i)) + "\r\n";
  file += "[CUSTOM CURRENCY]\r\n  CHF-long  \r\n";
  EXPECT_TRUE(Load(file));
  EXPECT_EQ(loader.InformationSlots()[0], "line 1");
  EXPECT_EQ(loader.InformationSlots()[2], std::string(60, 'x'));
  EXPECT_EQ(loader.InformationSlots()[13], "line 14");
  EXPECT_EQ(loader.InformationSlots()[14], "");  // the 15th line is ignored
  EXPECT_EQ(t.ws.customer[9], "line 10");
  EXPECT_EQ(t.ws.settings.custom1Title, "line 11");
  EXPECT_EQ(t.ws.settings.customCurrency, "  CHF");
}

TEST_F(ProjectLoadTest, MissingFileShowsTheSystemText) {
  EXPECT_FALSE(loader.LoadProjectFile(tmp.Path("nope.KVE"), t.ws.parameters, 1));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].text, SystemErrorText(ENOENT));
}

TEST(SaveProjectFile, FailedWriteKeepsThePreviousFile) {
  TempFolder tmp;
  TestWorkspace t;
  FakeMessages messages;
  const std::string path = tmp.Path("plan.KVE");
  WriteBytes(path, "OLD CONTENT");

  // A file size limit makes the write fail, even for root.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = SaveProjectFile(t.ws, path, messages);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(saved);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, SystemErrorText(EFBIG));
  EXPECT_EQ(ReadBytes(path), "OLD CONTENT");
  EXPECT_EQ(QDir(tmp.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

  // And a write into a missing folder reports the system text too.
  messages.shown.clear();
  EXPECT_FALSE(SaveProjectFile(t.ws, tmp.Path("missing/plan.KVE"), messages));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{SystemErrorText(ENOENT)});
}

}  // namespace
}  // namespace wattora
