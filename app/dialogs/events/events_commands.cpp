// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/events/events_commands.h"

#include <memory>

#include "app/dialogs/events/daily_overview_window.h"
#include "app/dialogs/events/time_place_dialog.h"
#include "app/dialogs/places/places_commands.h"
#include "app/engine/component.h"
#include "app/main_window.h"
#include "events/time_place_info.h"

namespace sdro {
namespace {

/// Refills the overview after every recompute of the positions while it is shown.
class toverview_component : public tcomponent {
 public:
  explicit toverview_component(TTagesuebers& window) : window_(window) {}
  std::string_view name() const override { return "daily overview"; }
  void compute_positions(tengine&) override {
    if (window_.isVisible()) window_.refill();
  }

 private:
  TTagesuebers& window_;
};

}  // namespace

tinfo_settings info_settings(const tengine& e) {
  const tkonfiguration& k = e.konfig();
  tinfo_settings s;
  s.apparent_sidereal_time = k.uselast;
  s.star_limit = k.grenzgroessesterne;
  s.deep_sky_limit = k.grenzgroessenebel;
  s.small_body_limit = k.grenzgroessekleinkoerper;
  s.zone_catalogue = e.datenbestand().sao || e.datenbestand().ppm;
  s.zone_catalogue_limit = k.grenzgroessesao;
  return s;
}

void show_time_place_info(TKyr5Main& w, bool compact) {
  tengine& e = w.engine();
  const tkonfiguration& k = e.konfig();
  const ttime_place_info info = time_place_info(e.zeitort(), k.theorie, k.referenzhoehen, info_settings(e));
  TInfozeitortdlg dialog(info, compact ? TInfozeitortdlg::tmode::compact : TInfozeitortdlg::tmode::full, &w);
  if (dialog.exec() != QDialog::Accepted || !dialog.chosen_hours()) return;
  tzeitort z = e.zeitort();
  set_clock_to_event(z, *dialog.chosen_hours());
  take_instant(w, z);
}

void add_events_commands(TKyr5Main& w) {
  tcommand_table& t = w.commands();
  tengine& e = w.engine();
  // The overview lives as long as the window and is only hidden and shown.
  auto* overview = new TTagesuebers(e, &w);
  e.add_component(std::make_unique<toverview_component>(*overview));
  const auto not_real_time = [&e] { return !e.konfig().echtzeit; };

  t.add(tmenu::info, {{"&Zeit und Ort", "Time and Location"},
                      QKeySequence(Qt::ALT | Qt::Key_F3),
                      [&w] { show_time_place_info(w, false); }});
  t.add(tmenu::info, {{"Tagesübersicht Planeten", "Planets Today"},
                      QKeySequence(Qt::Key_F3),
                      [overview] {
                        if (overview->isVisible()) {
                          overview->hide();
                        } else {
                          overview->refill();
                          overview->show();
                        }
                      },
                      {},
                      [overview] { return overview->isVisible(); }});
  t.add(tmenu::zeit_und_ort, {{"A&uf Ereignis setzen...", "&Set Time on Event..."},
                              {},
                              [&w] { show_time_place_info(w, true); },
                              not_real_time});
}

}  // namespace sdro
