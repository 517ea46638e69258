#include "cli.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "core/numbers.h"

namespace wattora {
namespace {

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8() + "/cfg"); }
  void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

  int Run(std::vector<std::string> args) {
    out.str({});
    err.str({});
    return RunCli(args, out, err, Separators::Dot());
  }
  std::string Path(const std::string& name) const {
    return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  QTemporaryDir dir;
  std::ostringstream out, err;
};

TEST_F(CliTest, NewThenEstimateGivesTheWindowNumbers) {
  ASSERT_EQ(Run({"new", "pump", "-o", Path("p.KVE"), "--set", "A1-08=10", "--power", "kW",
                 "--currency", "3", "--custom-currency", "CHF", "--info", "1=Hélène",
                 "--info", "11=Régulation"}),
            0)
      << err.str();
  EXPECT_NE(Read("p.KVE").find("P008=A1-08=10.0;"), std::string::npos);
  EXPECT_NE(Read("p.KVE").find("H\xE9l\xE8ne\r\n"), std::string::npos);

  ASSERT_EQ(Run({"estimate", "--json", Path("p.KVE")}), 0) << err.str();
  const std::string json = out.str();
  for (const char* piece : {"\"application\": \"pump\"", "\"powerUnit\": \"kW\"",
                            "\"symbol\": \"CHF\"", "\"subUnit\": \"CHF/100\"",
                            "\"A108\": \"10.0\"", "\"annualHours\": 8760",
                            "\"totalFlowHours\": 8760", "\"ThrottlingValve\": {",
                            "\"annualTotal\": 30483.048", "\"amount\": \"CHF 30,483\"",
                            "\"info\": [\"Hélène\"", "\"Régulation\""})
    EXPECT_NE(json.find(piece), std::string::npos) << piece;
  EXPECT_EQ(json.find("OutletDamper"), std::string::npos);

  // The incentive enters the payback: 12 000 / (savings + 150 × 10).
  ASSERT_EQ(Run({"estimate", "--csv", Path("p.KVE")}), 0);
  const std::string csv = out.str();
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1);
  EXPECT_NE(csv.find(",pump,138315.7894736842,30483.048"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",0.10975"), std::string::npos) << csv;

  // The settings store is read, never written.
  EXPECT_FALSE(QDir(dir.path() + "/cfg").exists());
}

TEST_F(CliTest, NewFanEstimatesTheWorkedExample) {
  ASSERT_EQ(Run({"new", "fan", "-o", Path("fan.KVE")}), 0);
  ASSERT_EQ(Run({"estimate", "--json", Path("fan.KVE")}), 0) << err.str();
  const std::string json = out.str();
  for (const char* piece :
       {"\"annualHours\": 8760", "788.4, 1489.2, 2102.4, 1489.2, 1138.8, 963.6, 525.6, 0]",
        "\"noControlAnnualCost\": 138315.78947368", "\"power\": [150, 109.35", "\"hourlyCost\": [16.28, 11.87, 8.33, 5.58, 3.52, 2.03, 1.04, 0.44, 0.13, 0.02]",
        "\"annualTotal\": 30483.048", "\"annualTotal\": 75313.224",
        "\"value\": \"0.111 Années\"", "\"value\": \"0.268 Années\"",
        "\"amount\": \"€ 138,316\"", "\"amount\": \"€ 107,833\""})
    EXPECT_NE(json.find(piece), std::string::npos) << piece;
  // The file carries the curves with the parameters' 3 decimals (0.7683 is written 0.768), so
  // the damper costs a little less than with the exact default curve (100 644.516).
  EXPECT_NE(json.find("\"annualTotal\": 100574.436"), std::string::npos);
  const size_t drive = json.find("\"costRows\": [{\"method\": \"Drive\"");
  const size_t vane = json.find("\"method\": \"InletVane\"", drive);
  const size_t damper = json.find("\"method\": \"OutletDamper\"", drive);
  EXPECT_NE(drive, std::string::npos);
  EXPECT_LT(vane, damper);
}

TEST_F(CliTest, FilesThatCannotBeEstimated) {
  Write("tower.KVE", "[APPLICATION]\r\nCOOLING TOWER\r\n[POWER]\r\nKW\r\n[CURRENCY MODE]\r\n0\r\n");
  ASSERT_EQ(Run({"new", "fan", "-o", Path("f.KVE"), "--set", "A1-10=0"}), 0);
  ASSERT_EQ(Run({"estimate", "--json", Path("tower.KVE"), Path("missing.KVE"), Path("f.KVE")}), 1);
  const std::string json = out.str();
  EXPECT_NE(json.find("\"ok\": false, \"error\": \"aucune estimation n'existe pour une tour"),
            std::string::npos);
  EXPECT_NE(json.find("missing.KVE\", \"ok\": false"), std::string::npos);
  EXPECT_NE(json.find("La somme des pourcentages du cycle d'utilisation doit être égale à 100 % "
                      "La somme des pourcentages saisis actuellement est égale à : 99%"),
            std::string::npos)
      << json;
  EXPECT_NE(err.str().find("missing.KVE: "), std::string::npos);
}

TEST_F(CliTest, StrictAnswersCancel) {
  ASSERT_EQ(Run({"new", "fan", "-o", Path("f.KVE")}), 0);
  std::string text = Read("f.KVE");
  text.replace(text.find("P002=A1-02=7;"), 13, "P002=A1-02=7e;");
  Write("bad.KVE", text);
  EXPECT_EQ(Run({"estimate", Path("bad.KVE")}), 0);
  EXPECT_NE(err.str().find("bad.KVE: Erreur à la ligne :25 !"), std::string::npos) << err.str();
  EXPECT_NE(out.str().find("Variateur à vitesse variable  € 30,483"), std::string::npos) << out.str();
  EXPECT_EQ(Run({"estimate", "--strict", Path("bad.KVE")}), 1);
}

TEST_F(CliTest, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"new", "fan", "-o", Path("x.KVE"), "--set", "A1-01=25"}, "A1-01 est hors de sa plage 1 - 24"},
      {{"new", "fan", "-o", Path("x.KVE"), "--set", "A1-73=1"}, "code de paramètre inconnu : A1-73"},
      {{"new", "fan", "-o", Path("x.KVE"), "--set", "A1-05=abc"}, "valeur non numérique : abc"},
      {{"new", "fan", "-o", Path("x.KVE"), "--power", "W"}, "kW ou HP"},
      {{"new", "fan", "-o", Path("x.KVE"), "--currency", "4"}, "0, 1, 2 ou 3"},
      {{"new", "fan", "-o", Path("x.KVE"), "--info", "13=x"}, "entre 1 et 12 : 13=x"},
      {{"new", "tower", "-o", Path("x.KVE")}, "fan ou pump"},
      {{"new", "fan"}, "-o FICHIER.KVE"},
      {{"new", "fan", "-o"}, "valeur manquante après -o"},
      {{"estimate"}, "aucun fichier"},
      {{"estimate", "--xml", "a.KVE"}, "option inconnue : --xml"},
      {{"frobnicate"}, "commande inconnue : frobnicate"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), 2) << c.message;
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("x.KVE"))));
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(out.str(), "wattora-cli 1.01.03\n");
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_NE(out.str().find("wattora-cli estimate"), std::string::npos);
}

TEST_F(CliTest, WriteFailureExitsOne) {
  EXPECT_EQ(Run({"new", "fan", "-o", Path("no/such/folder/x.KVE")}), 1);
  EXPECT_NE(err.str().find("No such file"), std::string::npos);
}

}  // namespace
}  // namespace wattora
