// Start-up, the graphic recovery and the orderly end of the engine.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/engine.h"

#include <algorithm>
#include <system_error>

#include "astro/chart_kind.h"
#include "astro/language.h"
#include "ephem/theory_libraries.h"

namespace sdro {
namespace {

constexpr std::string_view kStarCatalogue = "Sterne.dat";
constexpr int kBitmapMargin = 22;

bool has_star_catalogue(const std::filesystem::path& dir) {
  std::error_code ec;
  return !dir.empty() && std::filesystem::is_regular_file(dir / kStarCatalogue, ec);
}

bool file_present(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::exists(p, ec);
}

}  // namespace

bool tengine::find_data_directory(const tstart_options& options) {
  std::vector<std::filesystem::path> candidates;
  if (!options.data_directory.empty()) {
    candidates.push_back(options.data_directory);  // given explicitly: the only choice
  } else {
    if (!settings_.path.empty()) candidates.push_back(settings_.path);
    candidates.push_back(options.start_directory);
    candidates.insert(candidates.end(), options.bundled_data.begin(), options.bundled_data.end());
    if (options.program.has_parent_path()) candidates.push_back(options.program.parent_path());
  }
  for (const auto& dir : candidates) {
    if (has_star_catalogue(dir)) {
      std::error_code ec;
      const auto absolute = std::filesystem::absolute(dir, ec);
      datenverzeichnis_ = (ec ? dir : absolute).lexically_normal();
      // A folder marked with kProtectedDataMarker (the shipped data carry
      // it) or named as protected keeps its catalogue files as they are.
      may_rewrite_catalogues_ = !std::filesystem::exists(datenverzeichnis_ / kProtectedDataMarker, ec);
      for (const auto& p : options.protected_data) {
        if (std::filesystem::equivalent(datenverzeichnis_, p, ec)) may_rewrite_catalogues_ = false;
      }
      return true;
    }
  }
  return false;
}

void tengine::set_default_file_names() {
  datenbestand_.mondkarte = file_present(data_file("sdk.dat"));
  datenbestand_.sao = file_present(data_file("0001+0+1.dat"));
  datenbestand_.ppm = file_present(data_file("0001+0+1.ppm"));
  konfig_.ort_dateiname = data_file("Orte.csv").string();
  konfig_.plkonfiguration = data_file("planetoiden.sdp").string();
  konfig_.kokonfiguration = data_file("kometen.sdk").string();
  konfig_.tledateiname = data_file("Satelite.tle").string();
  konfig_.labeldateiname = data_file("lables.sdl").string();
}

bool tengine::create_bitmap(int max_size) {
  QImage image(max_size + kBitmapMargin, max_size + kBitmapMargin, QImage::Format_RGB32);
  if (image.isNull()) return false;
  image.fill(Qt::black);
  bitmap_ = std::move(image);
  max_chart_size_ = max_size;
  return true;
}

bool tengine::initialisieren(const tstart_options& options) {
  interactive_ = options.interactive;
  screen_width_ = options.screen_width;
  flags_ = tlaufzeit{};

  // Defaults of every configuration member; the theory libraries identify
  // themselves once, and the start-up theory follows from them.
  konfig_ = default_konfiguration();
  usability_ = identify_theory_libraries();
  konfig_.theorie = startup_theory(usability_);

  // The settings file and the first-run question.
  settings_path_ = options.settings_file.empty() ? settings_file_path(options.program)
                                                 : options.settings_file;
  ini_ = tinifile::load(settings_path_);
  settings_ = read_settings(ini_, konfig_.zeitort);
  if (settings_.first_run && interactive_) {
    const bool deutsch = messages_.ask_yes_no(
        "Do you want to switch to the german version?\n\rMöchten Sie auf die deutsche "
        "Sprachversion umschalten?",
        kProgramCaption, tmessage_icon::question);
    settings_.language = deutsch ? german : english;
    settings_.first_run = false;
    write_language(ini_, settings_);
    ini_.save(settings_path_);
  }
  set_current_language(settings_.language);

  // The data directory.
  if (!find_data_directory(options)) {
    messages_.show(tr("Die Installation von Sidaro 3.0 scheint beschädigt zu sein.Installieren Sie "
                      "Sidaro 3.0 neu. Weitere Informationen enthält die Datei liesmich.txt.",
                      "The Installation of Sidaro 3.0 seems to be corrupt.Please reinstall Sidaro "
                      "3.0. For further Informations see readme.txt."),
                   kProgramCaption, tmessage_icon::error);
    ini_.erase_section("Daten");
    if (interactive_) ini_.save(settings_path_);
    settings_.dark_sky = false;
    return false;
  }
  settings_.path = datenverzeichnis_.string();
  set_default_file_names();
  if (label_store_) {
    open_label_database(*label_store_, konfig_.labeldateiname, tlabel_context::startup, messages_);
  }

  // The off-screen bitmap.
  const int wanted = sdro::max_chart_size(settings_.grafikgroesse, screen_width_);
  if (!create_bitmap(wanted) && !create_bitmap(std::clamp(screen_width_ + 150, 800, 2750))) {
    messages_.show(tr("Fehler bei der Initialisierung", "Error during Initialization"),
                   kProgramCaption, tmessage_icon::error);
    return false;
  }
  konfig_.kartenart = ka_horizont;
  konfig_.kartengroesse = std::min(screen_width_ - 30, max_chart_size_);

  // The place, the subsystems, the date and the start configuration.
  konfig_.zeitort = default_konfiguration().zeitort;
  for_each_component([this](tcomponent& c) { c.initialise(*this); });
  for (const auto& c : components_) {
    if (c->failed()) return false;
  }
  set_from_clock();
  const char* start_file = settings_.use_last_configuration ? "autoexec.kcf" : "sdro.kcf";
  read_start_configuration(data_file(start_file));
  if (!settings_.always_sky_at_startup &&
      (konfig_.kartenart == ka_sonnenfinsternis || konfig_.kartenart == ka_erdkarte)) {
    konfig_.kartenart = ka_horizont;
  }
  if (konfig_.ort_dateiname.empty()) konfig_.ort_dateiname = data_file("Orte.csv").string();
  if (!settings_.use_last_configuration) set_from_clock();
  if (settings_.always_sky_at_startup) {
    konfig_.kartenart = ka_horizont;
    konfig_.kartenunterart = 0;
  }

  // The first pass of the cycle.
  flags_.initialisiert = true;
  flags_.positionenneu = flags_.bildneu = true;
  zyklus();
  return true;
}

void tengine::first_show() {
  add_history_entry();
  // The first draw must build the star selection: the last selected limit is
  // put just below the current one (the limit itself stays as configured, so
  // no file ever sees a changed value).
  sternauswahl_.letzte_grenze_sterne = konfig_.grenzgroessesterne - 1;
  flags_.sternemehr = true;
}

void tengine::grafikNeuAnlegen(int durchmesser, int fallback) {
  const int previous = max_chart_size_;
  if (konfig_.grenzgroessesterne > settings_.level * 10) konfig_.grenzgroessesterne = settings_.level * 10;
  if (!create_bitmap(sdro::max_chart_size(durchmesser, screen_width_))) {
    create_bitmap(fallback > 0 ? fallback : previous);
    messages_.show(tr("Für die gegenwärtigen Fartiefe ist der Maximalwert für Kartendurchmesser ist "
                      "zu groß gewählt. Der alte Wert wird wiederhergestellt. Reduzieren Sie ggf. "
                      "die Farbtiefe auf Ihrem System.",
                      "Maximal Diameter of Maps too large. The old value will be restored."),
                   kProgramCaption, tmessage_icon::error);
  }
  settings_.grafikgroesse = max_chart_size_;
  set_chart_diameter(konfig_.kartengroesse);
  flags_.positionenneu = true;
  aktualisieren();
  for_each_component([this](tcomponent& c) { c.recreate(*this); });
  karteZeichnen();
}

void tengine::beenden() {
  if (!flags_.initialisiert || !interactive_) return;
  if (settings_.use_last_configuration) {
    tkonfiguration k = captured();
    if (k.kartenart == ka_jupitermonde) k.kartenart = ka_horizont;
    write_config_file(data_file("autoexec.kcf"), encode_record(k), messages_);
  }
  write_settings(ini_, settings_);
  if (!ini_.save(settings_path_)) {
    messages_.show(settings_path_.string() +
                       std::string(tr(" kann nicht geschrieben werden.", " cannot be written.")),
                   kProgramCaption, tmessage_icon::warning);
  }
}

}  // namespace sdro
