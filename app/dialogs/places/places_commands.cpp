// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/places_commands.h"

#include <memory>

#include "app/dialogs/places/date_place_dialog.h"
#include "app/dialogs/places/instant_dialogs.h"
#include "app/dialogs/places/map_place_dialog.h"
#include "app/dialogs/places/place_dialog.h"
#include "app/dialogs/places/places_session.h"
#include "app/main_window.h"
#include "places/instant_entry.h"

namespace sdro {
namespace {

bool same_instant_and_place(const tzeitort& a, const tzeitort& b) {
  return a.mjd == b.mjd && a.delta_t == b.delta_t && a.automatic_delta_t == b.automatic_delta_t &&
         a.latitude == b.latitude && a.longitude == b.longitude && a.height == b.height && a.zone == b.zone &&
         a.additional_minutes == b.additional_minutes && a.pressure == b.pressure &&
         a.temperature == b.temperature && a.use_refraction == b.use_refraction && a.place_name == b.place_name &&
         a.local_time == b.local_time && a.day == b.day && a.month == b.month && a.year == b.year;
}

/// A place dialog's result: the place, with UT or the clock time kept.
void take_place_result(TKyr5Main& w, const tzeitort& place, bool keep_ut) {
  tengine& e = w.engine();
  e.konfig().weltzeitbeibehalten = keep_ut;
  tzeitort z = e.zeitort();
  take_place(z, place, keep_ut);
  take_instant(w, z);
}

}  // namespace

bool take_instant(TKyr5Main& w, const tzeitort& z) {
  tengine& e = w.engine();
  const tzeitort before = e.zeitort();
  e.zeitort() = z;
  e.complete_instant();
  if (same_instant_and_place(before, e.zeitort())) return false;
  e.flags().positionenneu = true;
  w.run_cycle();
  return true;
}

void confirm_map_place(TKyr5Main& w, const tmap_point& point, const std::string& city) {
  tengine& e = w.engine();
  TOrtwahldialogkarte dialog(e.messages(), e.zeitort(), proposal_for_map_point(e.zeitort(), point, city),
                             e.konfig().weltzeitbeibehalten, &w);
  if (dialog.exec() == QDialog::Accepted) take_place_result(w, dialog.edited(), dialog.keep_ut());
}

void add_places_commands(TKyr5Main& w) {
  tcommand_table& t = w.commands();
  tengine& e = w.engine();
  auto session = std::make_shared<tplaces_session>(e);
  const auto idle = [&e] { return !e.flags().animationlaeuft; };
  const auto idle_not_real_time = [&e] { return !e.flags().animationlaeuft && !e.konfig().echtzeit; };

  t.add(tmenu::zeit_und_ort, {{"&Datum und Ort eingeben...", "&Date and Location..."},
                              QKeySequence(Qt::CTRL | Qt::Key_D),
                              [&w, &e, session] {
                                TDatumortForm dialog(*session, e.zeitort(), e.konfig().weltzeitbeibehalten, &w);
                                if (dialog.exec() != QDialog::Accepted) return;
                                e.konfig().weltzeitbeibehalten = dialog.keep_ut();
                                take_instant(w, dialog.edited());
                              },
                              idle_not_real_time});
  t.add(tmenu::zeit_und_ort, {{"&Julianisches Datum...", "&Julian Date..."},
                              QKeySequence(Qt::SHIFT | Qt::Key_D),
                              [&w, &e, session] {
                                TJDForm dialog(*session, e.zeitort(), &w);
                                if (dialog.exec() == QDialog::Accepted) take_instant(w, dialog.edited());
                              },
                              idle_not_real_time});
  t.add(tmenu::zeit_und_ort, {{"&Tagesbruchteil...", "&Time as Day with fraction..."},
                              {},
                              [&w, &e, session] {
                                TTagbrForm dialog(*session, e.zeitort(), &w);
                                if (dialog.exec() == QDialog::Accepted) take_instant(w, dialog.edited());
                              },
                              idle_not_real_time});
  t.add(tmenu::zeit_und_ort, {{"UT Eingeben...", "UT..."},
                              QKeySequence(Qt::CTRL | Qt::Key_U),
                              [&w, &e, session] {
                                TUTForm dialog(*session, e.zeitort(), &w);
                                if (dialog.exec() == QDialog::Accepted) take_instant(w, dialog.edited());
                              },
                              idle_not_real_time});
  t.add(tmenu::zeit_und_ort, {{"&Ort wählen...", "&Location..."},
                              QKeySequence(Qt::CTRL | Qt::Key_O),
                              [&w, &e, session] {
                                TOrtwahldialog dialog(*session, e.zeitort(), e.konfig().weltzeitbeibehalten, &w);
                                if (dialog.exec() == QDialog::Accepted) {
                                  take_place_result(w, dialog.edited(), dialog.keep_ut());
                                }
                              },
                              idle, {}, true});
  t.add(tmenu::zeit_und_ort, {{"&Zurück zu Heimatort", "Ret&urn Home"},
                              {},
                              [&w, &e, session] {
                                tzeitort z = e.zeitort();
                                session->return_home(z);
                                take_instant(w, z);
                              },
                              idle});
  t.add(tmenu::zeit_und_ort, {{"Aktueller Ort als &Heimatort", "Set Location as &Home"},
                              {},
                              [&e, session] { session->set_home(e.zeitort()); }});
}

}  // namespace sdro
