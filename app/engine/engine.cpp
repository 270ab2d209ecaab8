// The engine's state, configuration capture and apply, and the cycle.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/engine.h"

#include <algorithm>
#include <exception>

#include "app/engine/empty_chart.h"
#include "app/engine/instant.h"
#include "astro/chart_kind.h"
#include "astro/language.h"
#include "chart/surface/raster_surface.h"

namespace sdro {

tengine::tengine(tmessage_service& messages, std::unique_ptr<tclock> clock)
    : messages_(messages), clock_(std::move(clock)) {}

tengine::~tengine() = default;

// --- components ------------------------------------------------------------------

void tengine::add_component(std::unique_ptr<tcomponent> c) { components_.push_back(std::move(c)); }

tcomponent* tengine::component(std::string_view name) const {
  for (const auto& c : components_) {
    if (c->name() == name) return c.get();
  }
  return nullptr;
}

void tengine::for_each_component(const std::function<void(tcomponent&)>& f) {
  for (auto& c : components_) f(*c);
}

// --- view state --------------------------------------------------------------------

void tengine::set_chart_diameter(int requested) {
  konfig_.kartengroesse = std::clamp(requested, 1, max_chart_size_);
  flags_.bildneu = true;
}

void tengine::set_nachtabdunkelung(bool on, const tfarbtabelle& night) {
  if (on == nacht_) return;
  if (on) {
    farben_tag_ = konfig_.farben;
    konfig_.farben = night;
    for (int i = 0; i < kSchriftenCount; ++i) schriftfarben_tag_[i] = konfig_.schriften[i].farbe;
  } else {
    konfig_.farben = farben_tag_;
    for (int i = 0; i < kSchriftenCount; ++i) konfig_.schriften[i].farbe = schriftfarben_tag_[i];
  }
  nacht_ = on;
  flags_.bildneu = true;
}

void tengine::set_bahndatei_offen(bool open) {
  if (open == flags_.bahndateioffen) return;
  if (open) {
    anzeige_bahndatei_ = {konfig_.planeten, konfig_.planetoiden, konfig_.kometen};
    konfig_.planeten = konfig_.planetoiden = konfig_.kometen = false;
  } else {
    konfig_.planeten = anzeige_bahndatei_[0];
    konfig_.planetoiden = anzeige_bahndatei_[1];
    konfig_.kometen = anzeige_bahndatei_[2];
  }
  flags_.bahndateioffen = open;
  flags_.bildneu = true;
}

void tengine::set_language(tlanguage language) {
  settings_.language = language;
  set_current_language(language);
  if (!flags_.startphase && on_status) on_status();
}

void tengine::set_from_clock() { set_civil(konfig_.zeitort, clock_->now()); }

void tengine::complete_instant() { complete_from_civil(konfig_.zeitort); }

tstatuszeile tengine::statuszeile() const { return sdro::statuszeile(*this); }

// --- capture and apply ---------------------------------------------------------------

tkonfiguration tengine::captured() const {
  tkonfiguration k = konfig_;
  if (flags_.bahndateioffen) {  // the user's choice, not the flags cleared for the track file
    k.planeten = anzeige_bahndatei_[0];
    k.planetoiden = anzeige_bahndatei_[1];
    k.kometen = anzeige_bahndatei_[2];
  }
  if (nacht_) {  // night dimming never reaches a configuration
    k.farben = farben_tag_;
    for (int i = 0; i < kSchriftenCount; ++i) k.schriften[i].farbe = schriftfarben_tag_[i];
  }
  k.useaberrat = false;
  for (const auto& c : components_) c->capture(*this, k);
  return k;
}

// Takes the members of step 6 of an apply; setters with side effects that
// belong to other subsystems follow through the components.
void tengine::take_members(const tkonfiguration& k) {
  const tzeitort zeitort = konfig_.zeitort;
  const auto schriften = konfig_.schriften;
  const auto farben = konfig_.farben;
  konfig_ = k;
  konfig_.zeitort = zeitort;
  konfig_.schriften = schriften;  // fonts follow in their own step
  if (nacht_) {
    farben_tag_ = k.farben;
    konfig_.farben = farben;
  }
  if (flags_.bahndateioffen) {  // the record's choice waits while the track file is shown
    anzeige_bahndatei_ = {k.planeten, k.planetoiden, k.kometen};
    konfig_.planeten = konfig_.planetoiden = konfig_.kometen = false;
  }
  konfig_.useaberrat = false;
  if (konfig_.nmeteor > meteor_count_) konfig_.nmeteor = 0;
  if (konfig_.spiegelung != -1) konfig_.spiegelung = 1;
  konfig_.drehwinkel = ((konfig_.drehwinkel % 360) + 360) % 360;
  if (!datenbestand_.ppm) konfig_.ppm = false;
  if (datenbestand_.ppm && !datenbestand_.sao) konfig_.ppm = true;
  konfig_.theorie = accepted_theory(k.theorie, usability_);
}

void tengine::apply(const tkonfiguration& k) {
  konfig_.zeitort = k.zeitort;
  complete_instant();
  const auto step = [this](tapply_step s) { for_each_component([&](tcomponent& c) { c.apply(*this, s); }); };
  konfig_.ort_dateiname = k.ort_dateiname;
  step(tapply_step::ort_datenbank);
  konfig_.planetoid = k.planetoid;
  konfig_.pldateiname = k.pldateiname;
  konfig_.plmodus = k.plmodus;
  konfig_.plkonfiguration = k.plkonfiguration;
  step(tapply_step::planetoiden);
  konfig_.komet = k.komet;
  konfig_.kokonfiguration = k.kokonfiguration;
  konfig_.komodus = k.komodus;
  konfig_.kodateiname = k.kodateiname;
  step(tapply_step::kometen);
  konfig_.tledateiname = k.tledateiname;
  step(tapply_step::tle_datei);
  take_members(k);
  step(tapply_step::einstellungen);
  step(tapply_step::aktive_kleinkoerper);
  for (int i = 0; i < kSchriftenCount; ++i) {
    const tfarbwert farbe = konfig_.schriften[i].farbe;
    konfig_.schriften[i] = k.schriften[i];
    if (nacht_) {
      schriftfarben_tag_[i] = k.schriften[i].farbe;
      konfig_.schriften[i].farbe = farbe;
    }
  }
  step(tapply_step::schriften);
  step(tapply_step::bahndatei);
  step(tapply_step::zeichenwerkzeuge);
  step(tapply_step::satelliten);
  if (label_store_ && !konfig_.labeldateiname.empty()) {
    open_label_database(*label_store_, konfig_.labeldateiname, tlabel_context::apply, messages_);
  }
  step(tapply_step::labels);
  set_chart_diameter(konfig_.kartengroesse);
  step(tapply_step::kartengroesse);
  flags_.bildneu = true;
}

bool tengine::read_start_configuration(const std::filesystem::path& path) {
  const tconfig_load r = read_config_file(path, konfig_, messages_);
  if (r.status != tconfig_read::ok) return false;
  apply(r.konfiguration);
  konfiguration_.set_dateiname(path.string());
  return true;
}

bool tengine::load_configuration(const std::filesystem::path& path) {
  const tzeitpunkt before{konfig_.zeitort.year, konfig_.zeitort.mjd};
  if (!read_start_configuration(path)) return false;
  vorheriger_zeitpunkt_ = before;
  rueckkehr_ = false;
  flags_.positionenneu = true;
  flags_.bildneu = true;
  zyklus();
  return true;
}

bool tengine::save_configuration(const std::filesystem::path& path) {
  if (!write_config_file(path, capture(), messages_)) {
    konfiguration_.set_dateiname("");
    return false;
  }
  konfiguration_.set_dateiname(path.string());
  return true;
}

void tengine::add_undo_snapshot() {
  auto c = std::make_unique<tconfig>();
  c->set_record(captured());
  undo_.add_keeping(std::move(c), 2);
}

void tengine::add_history_entry() {
  auto c = std::make_unique<tconfig>();
  c->set_record(captured());
  history_.add(std::move(c));
}

// --- the cycle -------------------------------------------------------------------------

void tengine::aktualisieren() {
  if (flags_.berechnungein) {
    busy(true);
    if (sternauswahl_.aus_zoomkarte && konfig_.kartenart != ka_zoom) flags_.positionenneu = true;
    if (flags_.positionenneu) {
      complete_instant();
      update_derived(konfig_.zeitort, konfig_.uselast);
      for_each_component([this](tcomponent& c) { c.prepare(*this); });
      sternauswahl_.letzte_grenze_sterne = -400;
      sternauswahl_.letzte_grenze_nebel = -400;
    }
  } else {
    // Suspended: nothing is recomputed for the chart, but the status line
    // still follows the date (its Julian date and sidereal time).
    complete_instant();
    update_derived(konfig_.zeitort, konfig_.uselast);
  }
  if (on_menus) on_menus();
  if (!flags_.startphase && on_status) on_status();
}

void tengine::draw_chart() {
  RasterSurface surface(bitmap_);
  clear_chart(surface);
  bool drawn = false;
  for (auto& c : components_) {
    if (!c->draws(konfig_.kartenart, konfig_.kartenunterart)) continue;
    drawn = true;
    try {
      c->draw(*this, surface);
    } catch (const std::exception&) {
      report_drawing_error();  // the chart drawn so far stays
    }
  }
  if (!drawn) draw_empty_chart(surface, konfig_, konfig_.kartengroesse);
}

void tengine::report_drawing_error() {
  if (!settings_.show_fatal_grafic_errors) return;
  settings_.show_fatal_grafic_errors = messages_.ask_yes_no(
      tr("Grafikfehler bei Darstellung des lokalen Horizonts. Sie sollten die Darstellung des "
         "lokalen Horizontverlaufes abschalten. Soll Sidaro 3.0 diese oder ähnliche "
         "Fehlermeldungen weiterhin anzeigen?",
         "Error while painting horizon-line. You should disable the local-horizon option. Shall "
         "Sidaro 3.0 show this or similar messages again?"),
      kProgramCaption, tmessage_icon::question);
}

void tengine::karteZeichnen() {
  if (!flags_.initialisiert || bitmap_.isNull()) return;
  busy(true);
  const bool horizon = konfig_.kartenart == ka_horizont && konfig_.kartenunterart == 0;
  sternauswahl_.darf_neu_aufbauen = !flags_.animationlaeuft || flags_.sternemehr ||
                                    sternauswahl_.aus_zoomkarte || horizon;
  if (flags_.berechnungein && (flags_.positionenneu || flags_.bildneu || flags_.sternemehr)) {
    if (flags_.positionenneu || flags_.sternemehr) {
      for_each_component([this](tcomponent& c) { c.compute_positions(*this); });
      sternauswahl_.letzte_grenze_sterne = konfig_.grenzgroessesterne;
      sternauswahl_.letzte_grenze_nebel = konfig_.grenzgroessenebel;
    }
    draw_chart();
  }
  flags_.positionenneu = flags_.bildneu = flags_.sternemehr = false;
  if (on_bitmap) on_bitmap();
  if (!flags_.startphase) {
    if (settings_.auto_history && !rueckkehr_) add_history_entry();
    add_undo_snapshot();
  }
  rueckkehr_ = false;
  if (on_status && !flags_.startphase) on_status();
  busy(false);
}

void tengine::zyklus() {
  aktualisieren();
  karteZeichnen();
}

void tengine::toggle_berechnung() {
  flags_.berechnungein = !flags_.berechnungein;
  if (flags_.berechnungein) {
    flags_.positionenneu = true;
    zyklus();
  } else if (on_menus) {
    on_menus();
  }
}

}  // namespace sdro
