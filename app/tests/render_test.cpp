// The headless mode run as a program, as a user would run it.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/state/config_file.h"
#include "app/state/tests/test_folder.h"
#include "astro/file_io.h"

namespace sdro {
namespace {

struct trun {
  int code = -1;
  std::string out, err;
};

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = sdro::testing::fresh_folder();
    data = dir / "data";
    std::filesystem::create_directories(data);
    // The shipped catalogue files: the program does not start without them.
    const std::filesystem::path shipped = std::filesystem::path(SDRO_SOURCE_DIR) / "data";
    std::filesystem::copy_file(shipped / "sterne.dat", data / "Sterne.dat");
    std::filesystem::copy_file(shipped / "linien.dat", data / "linien.dat");
    std::filesystem::copy_file(shipped / "nebel_ext.dat", data / "nebel_ext.dat");
    ini = dir / "settings" / "sdro32.ini";
  }
  trun run(const std::string& args) const {
    const std::string cmd = "cd '" + dir.string() + "' && QT_QPA_PLATFORM=offscreen '" SDRO_PROGRAM "' " +
                            args + " >'" + (dir / "out.txt").string() + "' 2>'" + (dir / "err.txt").string() + "'";
    trun r;
    const int status = std::system(cmd.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = read_whole_file(dir / "out.txt").value_or("");
    r.err = read_whole_file(dir / "err.txt").value_or("");
    return r;
  }
  std::string common() const { return "--datadir '" + data.string() + "' --ini '" + ini.string() + "'"; }

  std::filesystem::path dir, data, ini;
};

TEST_F(RenderTest, WritesAPngOfTheChartSizeAndPrintsTheStatus) {
  const auto png = dir / "chart.png";
  const trun r = run("--render '" + png.string() + "' --size 300 --date 2024-03-15T20:00Z --place 51.5,-0.1,20 " +
                     common());
  ASSERT_EQ(r.code, 0) << r.err;
  const QImage image(QString::fromStdString(png.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 300);
  EXPECT_EQ(image.height(), 300);
  EXPECT_NE(r.out.find("20:00:00"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("51.500° N, 0.100° W"), std::string::npos) << r.out;
  EXPECT_TRUE(r.out.find("Newcomb\n") != std::string::npos || r.out.find("VSOP87 D\n") != std::string::npos ||
              r.out.find("VSOP87 C\n") != std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("5.0 mag"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), png.string() + "\n");
  EXPECT_FALSE(std::filesystem::exists(ini)) << "a headless run writes no settings";
}

TEST_F(RenderTest, AppliesAConfigurationFile) {
  tkonfiguration k;
  k.zeitort.place_name = "Wien";
  k.zeitort.longitude = -16.37;
  k.grenzgroessesterne = 620;
  tscripted_messages quiet;
  ASSERT_TRUE(write_config_file(dir / "wien.kcf", encode_record(k), quiet));
  const trun r = run("--render chart.png --config wien.kcf " + common());
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("Wien"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("6.2 mag"), std::string::npos) << r.out;
  EXPECT_TRUE(std::filesystem::exists(dir / "chart.png"));
}

TEST_F(RenderTest, FailuresExitNonZeroWithAMessageAndWriteNothing) {
  std::string damaged = config_file_bytes(encode_record(tkonfiguration()));
  damaged[kHeaderSize + 5388] = 3;  // no such chart kind
  ASSERT_TRUE(write_file_atomically(dir / "damaged.kcf", damaged));
  ASSERT_TRUE(write_file_atomically(dir / "foreign.kcf", "not a configuration"));
  struct tcase {
    std::string args;
    int code;
    const char* message;
  };
  const tcase cases[] = {
      {"--datadir '" + (dir / "none").string() + "' --ini '" + ini.string() + "'", 1, "seems to be corrupt"},
      {common() + " --config damaged.kcf", 1, "\"kartenart\" is out of range"},
      {common() + " --config foreign.kcf", 1, "This is no Configuration File"},
      {common() + " --config missing.kcf", 1, "configuration file not found: missing.kcf"},
      {common() + " --date 2024-02-30T00:00", 2, "--date 2024-02-30T00:00"},
      {common() + " --place 95,0", 2, "--place 95,0"},
      {common() + " --size 20", 2, "--size 20"},
      {common() + " --frobnicate", 2, "unknown option --frobnicate"},
  };
  for (const auto& c : cases) {
    const trun r = run("--render chart.png " + c.args);
    EXPECT_EQ(r.code, c.code) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "chart.png")) << c.args;
  }
}

TEST_F(RenderTest, MessagesFollowTheLanguageOfTheSettingsFile) {
  std::filesystem::create_directories(ini.parent_path());
  const std::string ini_option = " --ini '" + ini.string() + "'";
  const std::string place = " --place 51.32,9.50";
  struct tcase {
    std::string args;
    const char* german;
    const char* english;
  };
  const tcase cases[] = {
      // The settings file named after the bad option still decides.
      {"--render chart.png --frobnicate" + ini_option, "sdro: unbekannte Option --frobnicate\nAufruf: sdro",
       "sdro: unknown option --frobnicate\nusage: sdro"},
      {"--render chart.png --date 2024-02-30T00:00" + ini_option, "--date 2024-02-30T00:00: erwartet YYYY-MM-DDTHH:MM",
       "--date 2024-02-30T00:00: expected YYYY-MM-DDTHH:MM"},
      {"--ephemeris Mars --from 2024-13-01 --to 2024-12-02" + ini_option, "--from 2024-13-01: erwartet YYYY-MM-DD",
       "--from 2024-13-01: expected YYYY-MM-DD"},
      {"--riseset sun --from 2024-02-30 --to 2024-03-01" + place + ini_option,
       "--from 2024-02-30: erwartet ein Datum YYYY-MM-DD, das es gibt", "--from 2024-02-30: expected a date YYYY-MM-DD that exists"},
      {"--render chart.png --limit 12" + ini_option, "--limit 12: erwartet eine Größe", "--limit 12: expected a magnitude"},
  };
  for (const int language : {0, 1}) {
    ASSERT_TRUE(write_file_atomically(ini, "[Settings]\nFirstRun=0\nLanguage=" + std::to_string(language) + "\n"));
    for (const tcase& c : cases) {
      const trun r = run(c.args + " --datadir '" + data.string() + "'");
      EXPECT_EQ(r.code, 2) << c.args << "\n" << r.err;
      EXPECT_EQ(r.out, "") << c.args;
      const char* wanted = language == 0 ? c.german : c.english;
      const char* other = language == 0 ? c.english : c.german;
      EXPECT_NE(r.err.find(wanted), std::string::npos) << language << " " << c.args << "\n" << r.err;
      EXPECT_EQ(r.err.find(other), std::string::npos) << language << " " << c.args << "\n" << r.err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "chart.png"));
}

}  // namespace
}  // namespace sdro
