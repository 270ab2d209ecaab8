// The engine: the state of the program and the recompute-redraw cycle. It
// owns what the main window owns in the program's design (the configuration
// members, the instant and place, the off-screen bitmap, the history and undo
// lists, the settings) and runs start-up, `aktualisieren` and `karteZeichnen`.
// It needs QtGui only (for the bitmap), so the main window and the headless
// modes drive the same engine.
//
// Every command follows one pattern: change the state, set `positionenneu`
// (instant, place or theory changed) and/or `bildneu` (view changed), then
// call zyklus() (aktualisieren followed by karteZeichnen).
//
// Subsystems plug in as components (app/engine/component.h).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/engine/clock.h"
#include "app/engine/component.h"
#include "app/engine/status_line.h"
#include "app/state/config_file.h"
#include "app/state/konfiguration.h"
#include "app/state/label_database.h"
#include "app/state/messages.h"
#include "app/state/settings.h"

namespace sdro {

/// Run-time flags that drive the cycle.
struct tlaufzeit {
  bool initialisiert = false;   ///< start-up succeeded; nothing is drawn while false
  bool startphase = true;       ///< until the first paint: no undo snapshots, no status refresh
  bool berechnungein = true;    ///< calculation enabled ("Berechung &aussetzen" clears it)
  bool positionenneu = true;    ///< positions must be recomputed before the next draw
  bool bildneu = true;          ///< the chart must be redrawn
  bool sternemehr = false;      ///< the star selection must grow (a limit was raised)
  bool animationlaeuft = false; ///< an animation runs
  bool bahndateioffen = false;  ///< an orbit-track file is open
};

/// Optional files found in the data directory.
struct tdatenbestand {
  bool mondkarte = false;  ///< "sdk.dat": Moon map available
  bool sao = false;        ///< "0001+0+1.dat": SAO zone files installed
  bool ppm = false;        ///< "0001+0+1.ppm": PPM zone files installed
};

/// What the star selection was last built for (read and written by the catalogue).
struct tsternauswahl {
  int letzte_grenze_sterne = -400;  ///< limits of the last selection, magnitude × 100
  int letzte_grenze_nebel = -400;
  bool aus_zoomkarte = false;       ///< the selection stems from the zoom chart
  bool darf_neu_aufbauen = true;    ///< set by karteZeichnen before the positions step
};

/// An instant as the orbit-track logic remembers it.
struct tzeitpunkt {
  int year = 2000;
  double mjd = 0.0;
};

/// A file of this name in a data folder keeps its catalogue files from being
/// rewritten by the yearly cache refresh (the places of date are computed at
/// every start all the same).
inline constexpr const char* kProtectedDataMarker = ".keep-catalogues";

/// How the program was started.
struct tstart_options {
  std::filesystem::path program;          ///< the program file (settings file beside it)
  std::filesystem::path settings_file;    ///< explicit settings file (empty: the usual place)
  std::filesystem::path data_directory;   ///< explicit data directory (empty: from the settings)
  std::filesystem::path start_directory;  ///< the current directory at start
  std::vector<std::filesystem::path> bundled_data;  ///< further candidates (the shipped data)
  /// Data folders whose catalogue files are never rewritten (the yearly cache
  /// refresh is skipped there, as in a read-only installation): the data of
  /// the source tree, which is under version control.
  std::vector<std::filesystem::path> protected_data;
  int screen_width = 1280;
  bool interactive = true;  ///< asks the first-run question and writes the settings file
};

class tengine {
 public:
  explicit tengine(tmessage_service& messages, std::unique_ptr<tclock> clock = make_system_clock());
  ~tengine();
  tengine(const tengine&) = delete;
  tengine& operator=(const tengine&) = delete;

  // --- state ------------------------------------------------------------------
  tkonfiguration& konfig() { return konfig_; }
  const tkonfiguration& konfig() const { return konfig_; }
  tzeitort& zeitort() { return konfig_.zeitort; }
  const tzeitort& zeitort() const { return konfig_.zeitort; }
  tlaufzeit& flags() { return flags_; }
  const tlaufzeit& flags() const { return flags_; }
  tsettings& settings() { return settings_; }
  const tsettings& settings() const { return settings_; }
  tinifile& ini() { return ini_; }
  const std::filesystem::path& settings_path() const { return settings_path_; }
  /// Which theory libraries identified themselves at start-up (vsopdok,
  /// vsopcok and elpok of the program's design).
  const tlibraryusability& library_usability() const { return usability_; }
  const tdatenbestand& datenbestand() const { return datenbestand_; }
  tsternauswahl& sternauswahl() { return sternauswahl_; }
  const std::filesystem::path& datenverzeichnis() const { return datenverzeichnis_; }
  /// Whether the yearly refresh may rewrite the catalogue files of the data
  /// directory (false for a protected folder; the folder must also be writable).
  bool may_rewrite_catalogues() const { return may_rewrite_catalogues_; }
  /// A file of the data directory.
  std::filesystem::path data_file(std::string_view name) const { return datenverzeichnis_ / name; }
  tmessage_service& messages() { return messages_; }
  const tclock& clock() const { return *clock_; }

  /// The off-screen bitmap: (maximum chart diameter + 22) pixels square.
  QImage& bitmap() { return bitmap_; }
  const QImage& bitmap() const { return bitmap_; }
  /// The maximum chart diameter M ("Grafikgroesse" within its limits).
  int max_chart_size() const { return max_chart_size_; }
  /// The chart diameter d = min(requested, M); marks the chart for redraw.
  void set_chart_diameter(int requested);

  tconfig& konfiguration() { return konfiguration_; }
  const tconfig& konfiguration() const { return konfiguration_; }
  tundo_list& history() { return history_; }
  tundo_list& undo() { return undo_; }

  /// Number of meteor showers loaded (set by the meteor-shower list; bounds `nmeteor`).
  void set_meteor_count(int n) { meteor_count_ = n; }
  /// The user label list (set by the catalogue); without one, labels are skipped.
  void set_label_store(tlabel_store* store) { label_store_ = store; }

  // --- night dimming and orbit-track files keep day values aside ------------------
  bool nachtabdunkelung() const { return nacht_; }
  /// Switches the night colour set on (with its table) or off (day colours back).
  void set_nachtabdunkelung(bool on, const tfarbtabelle& night = {});
  /// Opens or closes the display of an orbit-track file: while open, the
  /// display flags of planets, asteroids and comets are put aside and cleared.
  void set_bahndatei_offen(bool open);

  // --- start-up and end ----------------------------------------------------------
  /// The initialisation of the start (settings, data directory, bitmap, start
  /// configuration, date from the clock, first pass of the cycle). Its result
  /// is `initialisiert`.
  bool initialisieren(const tstart_options& options);
  /// What follows the first show: history entry and the first star selection.
  void first_show();
  /// The first paint ends the start phase.
  void first_paint() { flags_.startphase = false; }
  /// The orderly end: autoexec.kcf when "Use last Configuration", then the settings file.
  void beenden();

  // --- the cycle -------------------------------------------------------------------
  void aktualisieren();
  void karteZeichnen();
  /// aktualisieren, then karteZeichnen.
  void zyklus();
  /// Recovery from a blocked graphic with a new maximum chart diameter.
  void grafikNeuAnlegen(int durchmesser, int fallback);
  /// "Berechung &aussetzen": toggles calculation; switching on recomputes and draws.
  void toggle_berechnung();
  /// Date and time from the computer's clock.
  void set_from_clock();
  /// The civil fields of the instant changed: complete UT, MJD, T and ΔT.
  void complete_instant();
  /// The interface language (settings "Language" and the process-wide flag).
  void set_language(tlanguage language);
  /// A drawing part failed: asks (while "ShowFatalGraficErrors" is set)
  /// whether to report such errors again. The chart drawn so far stays.
  void report_drawing_error();
  /// The status-line texts of the current state.
  tstatuszeile statuszeile() const;

  // --- configurations ----------------------------------------------------------------
  /// What a capture stores: the live members with the day colours and the
  /// user's display flags. Never changes the live state.
  tkonfiguration captured() const;
  std::string capture() const { return encode_record(captured()); }
  /// Makes a checked configuration the current state (steps in their fixed order).
  void apply(const tkonfiguration& k);
  /// "Datei &öffnen...": read, check, apply, recompute and draw. False when
  /// the file is missing or was rejected (nothing changed then).
  bool load_configuration(const std::filesystem::path& path);
  /// The instant before the last "Datei &öffnen..." (for the orbit tracks).
  const tzeitpunkt& vorheriger_zeitpunkt() const { return vorheriger_zeitpunkt_; }
  /// "Datei &speichern" to a name: capture and write. False on failure (the
  /// configuration then loses its name).
  bool save_configuration(const std::filesystem::path& path);
  /// "Datei &neu": the configuration loses its file name; the state stays.
  void new_configuration() { konfiguration_.set_dateiname(""); }
  /// The main window caption.
  std::string caption() const { return window_caption(konfiguration_.dateiname()); }
  /// An undo snapshot of the current state (the cycle keeps two).
  void add_undo_snapshot();
  /// A history entry of the current state.
  void add_history_entry();

  // --- components ----------------------------------------------------------------------
  void add_component(std::unique_ptr<tcomponent> c);
  tcomponent* component(std::string_view name) const;
  const std::vector<std::unique_ptr<tcomponent>>& components() const { return components_; }

  // --- observers (the window) ------------------------------------------------------------
  std::function<void()> on_menus;   ///< enabled states and check marks must be refreshed
  std::function<void()> on_status;  ///< the status line must be rebuilt
  std::function<void()> on_bitmap;  ///< the bitmap was redrawn
  std::function<void(bool)> on_busy;  ///< busy cursor on/off

 private:
  bool find_data_directory(const tstart_options& options);
  void set_default_file_names();
  bool create_bitmap(int max_size);
  bool read_start_configuration(const std::filesystem::path& path);
  void take_members(const tkonfiguration& k);
  void for_each_component(const std::function<void(tcomponent&)>& f);
  void draw_chart();
  void busy(bool on) { if (on_busy) on_busy(on); }

  tmessage_service& messages_;
  std::unique_ptr<tclock> clock_;
  tkonfiguration konfig_;
  tlaufzeit flags_;
  tsettings settings_;
  tinifile ini_;
  std::filesystem::path settings_path_;
  bool interactive_ = true;
  tlibraryusability usability_;
  tdatenbestand datenbestand_;
  tsternauswahl sternauswahl_;
  std::filesystem::path datenverzeichnis_;
  bool may_rewrite_catalogues_ = true;
  QImage bitmap_;
  int max_chart_size_ = 1200;
  int screen_width_ = 1280;
  tconfig konfiguration_;
  tundo_list history_;
  tundo_list undo_;
  tzeitpunkt vorheriger_zeitpunkt_;
  bool rueckkehr_ = false;  ///< the last action returned to a snapshot
  int meteor_count_ = 0;
  tlabel_store* label_store_ = nullptr;
  bool nacht_ = false;
  tfarbtabelle farben_tag_{};  ///< the day table while night dimming is on
  std::array<tfarbwert, kSchriftenCount> schriftfarben_tag_{};  ///< font day colours while night is on
  std::array<bool, 3> anzeige_bahndatei_{};  ///< planeten, planetoiden, kometen while a track file is open
  std::vector<std::unique_ptr<tcomponent>> components_;
};

}  // namespace sdro
