// The orbit-track file commands on a running engine: new, open, save, save
// under a name and close, the question about unsaved points, and files
// that cannot be read or written, which change nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/animation/track_file.h"
#include "app/animation/track_session.h"
#include "astro/file_io.h"
#include "astro/language.h"
#include "chart/bodies/tests/bodies_engine.h"

namespace sdro {
namespace {

namespace fs = std::filesystem;
using testing::BodiesEngine;

struct tdialogs : ttrack_dialogs {
  std::optional<fs::path> open, save;
  int save_asked = 0;
  std::optional<fs::path> open_name() override { return open; }
  std::optional<fs::path> save_name(const std::string&) override {
    ++save_asked;
    return save;
  }
};

class TrackSession : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sky_ = new BodiesEngine(); }
  static void TearDownTestSuite() {
    delete sky_;
    sky_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sky_->ok());
    saved_ = sky_->k();
    sky_->k().kartengroesse = 200;
    sky_->messages().clear();
    folder_ = fs::temp_directory_path() / ("sdro_tracks_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    sky_->engine().set_bahndatei_offen(false);
    sky_->bodies().track().clear();
    sky_->k() = saved_;
    fs::remove_all(folder_);
  }
  tengine& e() { return sky_->engine(); }
  tbahnliste& track() { return sky_->bodies().track(); }
  void add_points() {
    add_track_point(track(), {"Mars", 100.0, 20.0, 2024, 2460325.5});
    add_track_point(track(), {"Venus", 101.0, 21.0, 2024, 2460326.5});
    session_.mark_unsaved();
  }

  static BodiesEngine* sky_;
  LanguageScope german_{german};
  tkonfiguration saved_;
  fs::path folder_;
  tdialogs dialogs_;
  ttrack_session session_{sky_->engine(), sky_->bodies().track()};
};
BodiesEngine* TrackSession::sky_ = nullptr;

TEST_F(TrackSession, NewFilePutsTheBodiesAsideUntilItIsClosed) {
  session_.new_file(dialogs_);
  EXPECT_TRUE(session_.open());
  EXPECT_FALSE(sky_->k().planeten);
  EXPECT_EQ(*session_.caption(), "Sidaro 3.0 [unbenannt]");
  session_.close(dialogs_);
  EXPECT_FALSE(session_.open());
  EXPECT_TRUE(sky_->k().planeten);
  EXPECT_FALSE(session_.caption().has_value());
}

TEST_F(TrackSession, SavedFilesOpenAgainInBothForms) {
  for (const char* name : {"mars.sor", "mars.ORB"}) {
    session_.new_file(dialogs_);
    add_points();
    sky_->k().grenzgroessesterne = 450;
    dialogs_.save = folder_ / name;
    ASSERT_TRUE(session_.save_as(dialogs_)) << name;
    EXPECT_TRUE(session_.saved());
    session_.close(dialogs_);
    EXPECT_TRUE(track().empty());
    sky_->k().grenzgroessesterne = 300;
    ASSERT_TRUE(session_.open_file(folder_ / name)) << name;
    EXPECT_EQ(track().count(), 2u);
    EXPECT_EQ(track().object(1)->name, "Venus");
    EXPECT_EQ(session_.name(), (folder_ / name).string());
    const bool binary = track_format_of(name) == ttrack_format::binary;
    EXPECT_EQ(session_.on_disk(), binary);
    EXPECT_EQ(sky_->k().grenzgroessesterne, binary ? 450 : 300) << "the binary file brings its configuration";
    session_.close(dialogs_);
  }
  EXPECT_TRUE(sky_->messages().records().empty());
}

TEST_F(TrackSession, UnsavedPointsAreAskedAbout) {
  session_.new_file(dialogs_);
  add_points();
  sky_->messages().script_answers({false});  // "No": save instead
  dialogs_.save = std::nullopt;              // … but the save dialog is cancelled
  session_.close(dialogs_);
  EXPECT_TRUE(session_.open());
  EXPECT_EQ(dialogs_.save_asked, 1);
  ASSERT_FALSE(sky_->messages().records().empty());
  EXPECT_EQ(sky_->messages().records()[0].text,
            "Die Datei \"unbenannt\" wurde verändert. Datei wirklich schließen, ohne zu sichern?");
  EXPECT_EQ(sky_->messages().records()[0].caption, "Datei nicht gesichtert");
  sky_->messages().script_answers({true});  // "Yes": close without saving
  session_.close(dialogs_);
  EXPECT_FALSE(session_.open());
}

TEST_F(TrackSession, TheProgramEndAsksAsWell) {
  session_.new_file(dialogs_);
  add_points();
  sky_->messages().script_answers({false});
  dialogs_.save = folder_ / "end.orb";
  EXPECT_TRUE(session_.may_end_program(dialogs_));  // saved first
  EXPECT_TRUE(fs::exists(folder_ / "end.orb"));
  EXPECT_TRUE(sky_->messages().contains("Sidaro 3.0 wirklich beenden"));
}

TEST_F(TrackSession, DamagedOrForeignFilesChangeNothing) {
  const std::string good = sor_bytes(encode_record(sky_->k()), {});
  std::string bad_point = good + std::string(kSorPointSize, '\0');
  bad_point[kConfigFileSize + 8] = static_cast<char>(200);  // name length beyond 80
  std::string bad_record = good;
  bad_record[kHeaderSize + 2972] = static_cast<char>(0xff);  // kartengroesse −1 …
  bad_record[kHeaderSize + 2973] = static_cast<char>(0xff);
  bad_record[kHeaderSize + 2974] = static_cast<char>(0xff);
  bad_record[kHeaderSize + 2975] = static_cast<char>(0xff);
  const struct {
    const char* name;
    std::string bytes;
    const char* message;
  } files[] = {
      {"point.sor", bad_point, "ist beschädigt"},
      {"record.sor", bad_record, "ist beschädigt"},
      {"foreign.sor", "not a track file", "keine Konfigurationsdatei"},
      {"empty.orb", ": nothing\n", "keine gültige Bahndatei"},
      {"track.txt", "1;2;Mars;2000;2451545", "Erweiterung"},
  };
  sky_->k().kartenart = 204;
  for (const auto& f : files) {
    ASSERT_TRUE(write_file_atomically(folder_ / f.name, f.bytes));
    sky_->messages().clear();
    EXPECT_FALSE(session_.open_file(folder_ / f.name)) << f.name;
    EXPECT_TRUE(sky_->messages().contains(f.message)) << f.name;
    EXPECT_FALSE(session_.open()) << f.name;
    EXPECT_EQ(sky_->k().kartenart, 204) << f.name;
    EXPECT_TRUE(track().empty()) << f.name;
  }
  EXPECT_FALSE(session_.open_file(folder_ / "missing.orb"));
  EXPECT_TRUE(sky_->messages().contains("kann nicht gelesen werden"));
}

TEST_F(TrackSession, AFailedWriteIsReportedAndLeavesTheTargetAlone) {
  fs::create_directories(folder_ / "taken.sor" / "inside");
  fs::create_directories(folder_ / "taken.orb" / "inside");
  for (const fs::path& target : {folder_ / "missing" / "t.sor", folder_ / "missing" / "t.orb", folder_ / "taken.sor",
                                folder_ / "taken.orb"}) {
    session_.new_file(dialogs_);
    add_points();
    dialogs_.save = target;
    sky_->messages().clear();
    EXPECT_FALSE(session_.save_as(dialogs_)) << target;
    EXPECT_FALSE(session_.saved());
    EXPECT_FALSE(session_.on_disk());
    EXPECT_TRUE(sky_->messages().contains("kann nicht gespeichert werden")) << target;
    EXPECT_EQ(sky_->messages().beeps(), 1);
    sky_->messages().script_answers({true});
    session_.close(dialogs_);
  }
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
  EXPECT_TRUE(fs::is_directory(folder_ / "taken.sor" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2) << "no temporary left";
}

TEST_F(TrackSession, SavingNeedsPointsAndAKnownExtension) {
  session_.new_file(dialogs_);
  EXPECT_FALSE(session_.save_as(dialogs_));
  EXPECT_TRUE(sky_->messages().contains("Es sind keine Daten für Bahndateien erzeugt worden."));
  add_points();
  dialogs_.save = folder_ / "track.txt";
  EXPECT_FALSE(session_.save_as(dialogs_));
  EXPECT_TRUE(sky_->messages().contains("Eine Datendatei für Sidaro 3.0 benötigt die Extension *.sor!"));
  EXPECT_FALSE(fs::exists(folder_ / "track.txt"));
}

TEST_F(TrackSession, SaveOverwritesAFileOnDiskOnlyAfterOk) {
  session_.new_file(dialogs_);
  add_points();
  dialogs_.save = folder_ / "disk.sor";
  ASSERT_TRUE(session_.save_as(dialogs_));
  add_points();
  sky_->messages().script_answers({false});  // Cancel
  EXPECT_FALSE(session_.save(dialogs_));
  EXPECT_FALSE(session_.saved());
  sky_->messages().script_answers({true});
  EXPECT_TRUE(session_.save(dialogs_));
  EXPECT_EQ(dialogs_.save_asked, 1);
  EXPECT_EQ(fs::file_size(folder_ / "disk.sor"), kConfigFileSize + 4 * kSorPointSize);
}

}  // namespace
}  // namespace sdro
