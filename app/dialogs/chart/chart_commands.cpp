// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/chart/chart_commands.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include <memory>

#include "app/chart_view.h"
#include "app/dialogs/chart/chart_dialogs.h"
#include "app/main_window.h"
#include "astro/chart_kind.h"
#include "chart/component/render_options.h"
#include "chart/component/sky_chart_component.h"
#include "chart/surface/rnd.h"
#include "chart/view_commands.h"
#include "chart/viewport.h"

namespace sdro {
namespace {

constexpr tbitext kZoomSubmenu{"&Vergrößerung", "&Zoom"};
constexpr tbitext kOverviewSubmenu{"Zentr&um der Übersichtskarte", "Move Equatorial View"};
constexpr tbitext kSectionSubmenu{"Ka&rtenausschnitt", "Goto"};
constexpr tbitext kRotateSubmenu{"&Drehen/Spiegeln", "Inversion/&Rotation"};
constexpr tbitext kConstellationSubmenu{"&Sternbilder", "Constellations"};
constexpr tbitext kStarSubmenu{"&Darstellung der Sterne", "Display of the Stars"};
constexpr tbitext kZoomToSubmenu{"Zoomen auf", "&Zoom to"};

QRect screen_geometry() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry() : QRect(0, 0, 1280, 1024);
}

/// The state of one window that the commands share.
class tchart_commands {
 public:
  explicit tchart_commands(TKyr5Main& w) : w_(w), e_(w.engine()) {}

  tengine& e() { return e_; }
  tkonfiguration& k() { return e_.konfig(); }
  TKyr5Main& w() { return w_; }
  int M() const { return e_.max_chart_size(); }
  int d() const { return e_.konfig().kartengroesse; }
  bool zoom_chart() const { return e_.konfig().kartenart == ka_zoom; }
  bool overview() const { return e_.konfig().kartenart == ka_horizont && e_.konfig().kartenunterart == 1; }
  bool is_chart(int kind, int sub) const {
    return e_.konfig().kartenart == kind && (kind != ka_horizont || e_.konfig().kartenunterart == sub);
  }
  bool zone_stars_in_use() const {
    const tsky_chart_component* c = sky_chart(e_);
    return zoom_chart() && c && c->zone_catalogue_in_use();
  }

  /// Runs the cycle for what a command changed.
  void run(const tview_change& c) {
    e_.flags().positionenneu = e_.flags().positionenneu || c.positionenneu;
    e_.flags().bildneu = e_.flags().bildneu || c.bildneu;
    e_.flags().sternemehr = e_.flags().sternemehr || c.sternemehr;
    w_.run_cycle();
  }
  void redraw() { run({false, true, false}); }

  void set_diameter(int value) {
    e_.set_chart_diameter(usable_chart_diameter(value, M()));
    redraw();
  }
  void fit(int target) {
    if (const auto v = fitted_diameter(d(), target, M())) set_diameter(*v);
  }

  void scroll_to(int x, int y) {
    w_.chart_scroll().horizontalScrollBar()->setValue(x);
    w_.chart_scroll().verticalScrollBar()->setValue(y);
  }
  void section(int key) {
    const tsection_fraction f = map_section(key, overview());
    QScrollBar* h = w_.chart_scroll().horizontalScrollBar();
    QScrollBar* v = w_.chart_scroll().verticalScrollBar();
    scroll_to(rnd(f.horizontal * h->maximum()), rnd(f.vertical * v->maximum()));
  }

  void select_chart(int kind, int sub) {
    const int before = k().kartenart;
    k().kartenart = kind;
    k().kartenunterart = sub;
    if (sub == 1) scroll_to(0, 0);
    run({before == ka_jupitermonde || before == ka_saturnmonde, true, false});
  }
  void enter_zoom(const tview_change& c) {
    scroll_to(0, 0);
    run(c);
  }

  /// The window colour behind the chart and the scroll steps follow each drawing.
  void after_drawing() {
    const tsky_chart_component* c = sky_chart(e_);
    QScrollArea& area = w_.chart_scroll();
    const bool black = c && c->background().window_black && sky_chart_of(k().kartenart, k().kartenunterart);
    area.setBackgroundRole(black ? QPalette::Shadow : QPalette::Dark);
    const tscroll_range h = scroll_range(d(), area.viewport()->width());
    const tscroll_range v = scroll_range(d(), area.viewport()->height());
    area.horizontalScrollBar()->setSingleStep(h.small_step);
    area.horizontalScrollBar()->setPageStep(h.large_step);
    area.verticalScrollBar()->setSingleStep(v.small_step);
    area.verticalScrollBar()->setPageStep(v.large_step);
  }

  void mouse_at(int x, int y) {
    tsky_chart_component* c = sky_chart(e_);
    if (!c) return;
    const auto p = c->projection(e_);
    if (p) w_.show_coordinates(mouse_coordinates_text(*p, x, y, e_.settings().azimut));
  }

  void night_dimming(bool on) {
    set_night_dimming(e_, on);
    e_.settings().dark_sky = on;
    apply_night_palette();
    run({true, true, false});
  }
  /// The red-on-black scheme of the windows while night dimming is on.
  void apply_night_palette() {
    if (e_.nachtabdunkelung()) {
      if (!day_palette_) day_palette_ = std::make_unique<QPalette>(QApplication::palette());
      QPalette p;
      const QColor black(0, 0, 0), dark_red(128, 0, 0), red(255, 0, 0);
      for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                              QPalette::ToolTipBase, QPalette::Shadow, QPalette::Dark, QPalette::Mid}) {
        p.setColor(role, black);
      }
      for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                              QPalette::BrightText, QPalette::HighlightedText}) {
        p.setColor(role, red);
      }
      p.setColor(QPalette::Highlight, dark_red);
      p.setColor(QPalette::Light, dark_red);
      p.setColor(QPalette::Midlight, dark_red);
      QApplication::setPalette(p);
    } else if (day_palette_) {
      QApplication::setPalette(*day_palette_);
      day_palette_.reset();
    }
  }

 private:
  TKyr5Main& w_;
  tengine& e_;
  std::unique_ptr<QPalette> day_palette_;
};

using tshared = std::shared_ptr<tchart_commands>;

void add_chart_kind_commands(tcommand_table& t, const tshared& c) {
  const auto kind = [&t, c](tbitext caption, QKeySequence key, int chart, int sub, bool separator = false) {
    t.add(tmenu::karte, {caption, key, [c, chart, sub] { c->select_chart(chart, sub); },
                         [c, chart, sub] { return !c->is_chart(chart, sub); },
                         [c, chart, sub] { return c->is_chart(chart, sub); }, separator});
  };
  kind({"Sichtbarer &Himmel", "Sky"}, QKeySequence(Qt::CTRL | Qt::Key_H), ka_horizont, 0);
  t.add(tmenu::karte, {{"S&ternkarte", "Sky Map"}, QKeySequence(Qt::CTRL | Qt::Key_K),
                       [c] { c->enter_zoom(enter_zoom_chart(c->k(), screen_geometry().width(), c->M())); },
                       [c] { return !c->zoom_chart(); }, [c] { return c->zoom_chart(); }});
  t.add(tmenu::karte, {{"&Kartenbereich festlegen...", "&Center Sky Map to..."}, QKeySequence(Qt::SHIFT | Qt::Key_Z),
                       [c] {
                         const auto& z = c->k().zoomkarte;
                         TRektEingForm dialog(c->e().messages(), z[0], z[1], z[2], &c->w());
                         if (dialog.exec() != QDialog::Accepted) return;
                         const tzoom_entry& r = dialog.entry();
                         c->enter_zoom(zoom_to(c->k(), r.ra, r.dec, r.radius, screen_geometry().width(), c->M()));
                       }});
  static constexpr Qt::Key kZoomKeys[kZoomMenuCount] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                                                        Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0};
  for (int i = 0; i < kZoomMenuCount; ++i) {
    const std::string_view caption = zoom_menu_caption(i);
    t.add(tmenu::karte, {{caption, caption}, QKeySequence(Qt::SHIFT | kZoomKeys[i]),
                         [c, i] {
                           tkonfiguration& k = c->k();
                           c->enter_zoom(zoom_to(k, k.zoomkarte[0], k.zoomkarte[1], zoom_menu_radius(i),
                                                 screen_geometry().width(), c->M()));
                         },
                         {}, {}, false, kZoomToSubmenu});
  }
  kind({"&Nördlicher Sternhimmel", "&Nothern Sky"}, QKeySequence(Qt::CTRL | Qt::Key_N), ka_nordhimmel, 0);
  kind({"Südlicher Sternhimmel", "Southern Sky"}, QKeySequence(Qt::SHIFT | Qt::Key_N), ka_suedhimmel, 0);
  kind({"&Übersicht", "&Equator Map"}, QKeySequence(Qt::CTRL | Qt::Key_A), ka_horizont, 1);
}

void add_diameter_commands(tcommand_table& t, const tshared& c) {
  const auto not_zoom = [c] { return !c->zoom_chart(); };
  const auto item = [&t, not_zoom](tbitext caption, QKeySequence key, std::function<void()> run,
                                   std::function<bool()> enabled = {}) {
    t.add(tmenu::ansicht, {caption, key, std::move(run),
                           enabled ? enabled : std::function<bool()>(not_zoom), {}, false, kZoomSubmenu});
  };
  item({"&Vergrößerung...", "&Zoom..."}, QKeySequence(Qt::CTRL | Qt::Key_V), [c] {
    TZoomfaktForm dialog(c->d(), c->M(), &c->w());
    if (dialog.exec() == QDialog::Accepted) c->set_diameter(dialog.diameter());
  });
  item({"&Größer", "&Greater"}, QKeySequence(Qt::CTRL | Qt::Key_Plus),
       [c] {
         if (const auto v = larger_diameter(c->d(), c->M())) {
           c->set_diameter(*v);
         } else {
           c->e().messages().beep(tbeep::warning);
         }
       },
       [c] { return !c->zoom_chart() && c->d() < c->M(); });
  item({"&Kleiner", "&Smaller"}, QKeySequence(Qt::CTRL | Qt::Key_Minus), [c] { c->set_diameter(smaller_diameter(c->d())); },
       [c] { return !c->zoom_chart() && c->d() > kZoomOutLimit; });
  item({"&Bildschirmgröße", "Fit to Screen-Width"}, QKeySequence(Qt::CTRL | Qt::Key_Return),
       [c] { c->fit(screen_geometry().width()); });
  item({"Bildschirmh&öhe", "Fit to Screen-Height"}, QKeySequence(Qt::SHIFT | Qt::Key_Return),
       [c] { c->fit(screen_geometry().height()); });
  item({"&Fenstergröße", "Fit to Window-Width"}, QKeySequence(Qt::CTRL | Qt::Key_Backspace),
       [c] { c->fit(c->w().chart_scroll().width()); });
  item({"Fensterhöhe", "Fit to Window-Height"}, QKeySequence(Qt::SHIFT | Qt::Key_Backspace),
       [c] { c->fit(c->w().chart_scroll().height()); });
}

void add_overview_commands(tcommand_table& t, const tshared& c) {
  t.add(tmenu::ansicht, {{"&Festlegen...", "&Enter..."}, QKeySequence(Qt::SHIFT | Qt::Key_K),
                         [c] {
                           TUebersichtForm dialog(c->e().messages(), overview_centre_ra_hours(c->k()), &c->w());
                           if (dialog.exec() == QDialog::Accepted) c->run(centre_overview(c->k(), dialog.ra_hours()));
                         },
                         {}, {}, false, kOverviewSubmenu});
  t.add(tmenu::ansicht, {{"Nach &links", "To left"}, QKeySequence(Qt::CTRL | Qt::Key_L),
                         [c] { c->run(shift_overview(c->k(), 15)); }, {}, {}, false, kOverviewSubmenu});
  t.add(tmenu::ansicht, {{"Nach &rechts", "To right"}, QKeySequence(Qt::CTRL | Qt::Key_R),
                         [c] { c->run(shift_overview(c->k(), -15)); }, {}, {}, false, kOverviewSubmenu});
}

void add_section_commands(tcommand_table& t, const tshared& c) {
  static constexpr struct {
    tbitext caption;
    int key;
  } kSections[] = {
      {{"&oben", "&Top"}, 8},          {{"o&ben rechts", "top right"}, 9},  {{"&rechts", "&right"}, 6},
      {{"u&nten rechts", "bottom right"}, 3}, {{"&unten", "&bottom"}, 2},     {{"unten l&inks", "bottom left"}, 1},
      {{"&links", "&left"}, 4},        {{"oben lin&ks", "top left"}, 7},    {{"&Mitte", "&Center"}, 5},
  };
  for (const auto& s : kSections) {
    const int key = s.key;
    const auto digit = static_cast<Qt::Key>(Qt::Key_0 + key);
    QAction* a = t.add(tmenu::ansicht, {s.caption, QKeySequence(digit), [c, key] { c->section(key); },
                                        {}, {}, false, kSectionSubmenu});
    a->setShortcuts({QKeySequence(digit), QKeySequence(Qt::KeypadModifier | digit)});
  }
}

void add_rotation_commands(tcommand_table& t, const tshared& c) {
  const auto add = [&t](tcommand command) {
    command.submenu = kRotateSubmenu;
    t.add(tmenu::ansicht, std::move(command));
  };
  add({{"&Karte drehen...", "&Rotate..."}, QKeySequence(Qt::Key_F5), [c] {
         TDrehwinkelForm dialog(c->k().drehwinkel, &c->w());
         if (dialog.exec() == QDialog::Accepted) c->run(set_rotation(c->k(), dialog.degrees()));
       }});
  add({{"Nach &links drehen", "Turn &left"}, QKeySequence(Qt::CTRL | Qt::Key_F5),
       [c] { c->run(turn_chart(c->k(), c->e().settings().turn_maps)); }});
  add({{"Nach &rechts drehen", "Turn &right"}, QKeySequence(Qt::SHIFT | Qt::Key_F5),
       [c] { c->run(turn_chart(c->k(), -c->e().settings().turn_maps)); }});
  static constexpr struct {
    tbitext caption;
    int degrees;
    Qt::Key key;
  } kDirections[] = {{{"&Nord", "&North"}, blick_nord, Qt::Key_8},
                     {{"&Ost", "&East"}, blick_ost, Qt::Key_4},
                     {{"&Süd", "&South"}, blick_sued, Qt::Key_2},
                     {{"&West", "&West"}, blick_west, Qt::Key_6}};
  for (const auto& dir : kDirections) {
    const int v = dir.degrees;
    tcommand command{dir.caption, QKeySequence(Qt::CTRL | dir.key), [c, v] { c->run(set_view_direction(c->k(), v)); },
                     {}, [c, v] { return c->k().drehwinkel == v; }, v == blick_nord};
    command.submenu = kRotateSubmenu;
    QAction* a = t.add(tmenu::ansicht, std::move(command));
    a->setShortcuts(QList<QKeySequence>{QKeySequence(Qt::CTRL | dir.key),
                                        QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | dir.key)});
  }
  add({{"S&eitenverkehrt", "&Mirror E/W"}, {}, [c] { c->run(toggle_mirror(c->k())); }, {},
       [c] { return c->k().spiegelung == -1; }, true});
}

void add_display_commands(tcommand_table& t, const tshared& c) {
  t.add(tmenu::ansicht, {{"&Grenzgrößen...", "&Magnitude Limit..."}, QKeySequence(Qt::CTRL | Qt::Key_G),
                         [c] {
                           tkonfiguration& k = c->k();
                           const tgrenzgroessen before{k.grenzgroessesterne, k.grenzgroessenebel, k.grenzgroessesao,
                                                       k.grenzgroessekleinkoerper};
                           TGrenzgrForm dialog(before, c->e().settings().level, &c->w());
                           if (dialog.exec() != QDialog::Accepted) return;
                           const tgrenzgroessen l = dialog.limits();
                           k.grenzgroessesterne = std::min(l.sterne, c->e().settings().level * 10);
                           k.grenzgroessenebel = l.nebel;
                           k.grenzgroessesao = l.sao;
                           k.grenzgroessekleinkoerper = l.kleinkoerper;
                           const bool more = k.grenzgroessesterne > c->e().sternauswahl().letzte_grenze_sterne ||
                                             k.grenzgroessenebel > c->e().sternauswahl().letzte_grenze_nebel;
                           // The zone stars of a zoom chart are read again for a new limit.
                           c->run({l.sao != before.sao && c->zoom_chart(), true, more});
                         },
                         {}, {}, true});
  t.add(tmenu::ansicht, {{"&Mehr Sterne", "&More Stars"}, QKeySequence(Qt::CTRL | Qt::Key_M),
                         [c] {
                           if (const auto r = more_stars(c->k(), c->e().settings().level,
                                                         c->e().sternauswahl().letzte_grenze_sterne)) {
                             c->run(*r);
                           }
                         },
                         [c] { return !c->zone_stars_in_use() && c->k().grenzgroessesterne < c->e().settings().level * 10; }});
  t.add(tmenu::ansicht, {{"&Weniger Sterne", "&Less Stars"}, QKeySequence(Qt::CTRL | Qt::Key_W),
                         [c] {
                           if (const auto r = fewer_stars(c->k())) c->run(*r);
                         },
                         [c] { return !c->zone_stars_in_use() && c->k().grenzgroessesterne > 0; }});
  t.add(tmenu::ansicht, {{"Nach S&onnenhöhe", "By Sun-Altitude"}, {},
                         [c] {
                           c->k().sonnenhoehegrenze = !c->k().sonnenhoehegrenze;
                           c->redraw();
                         },
                         {}, [c] { return c->k().sonnenhoehegrenze; }});
  const auto toggle = [&t, c](tbitext caption, QKeySequence key, bool tkonfiguration::*member, tbitext submenu) {
    t.add(tmenu::ansicht, {caption, key,
                           [c, member] {
                             c->k().*member = !(c->k().*member);
                             c->redraw();
                           },
                           {}, [c, member] { return c->k().*member; }, false, submenu});
  };
  toggle({"&Darstellen", "&Constellations"}, QKeySequence(Qt::CTRL | Qt::Key_B), &tkonfiguration::sternbilder,
         kConstellationSubmenu);
  toggle({"&Beschriften", "Constellation &Names"}, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
         &tkonfiguration::beschriftungsternbilder, kConstellationSubmenu);
  toggle({"&Sternbildgrenzen", "Constellation &Boundaries"}, QKeySequence(Qt::SHIFT | Qt::Key_B),
         &tkonfiguration::sternbildgrenzen, kConstellationSubmenu);
  const auto day_only = [c] { return !c->e().nachtabdunkelung(); };
  t.add(tmenu::ansicht, {{"Bitmaps", "Bitmaps"}, QKeySequence(Qt::SHIFT | Qt::Key_F10),
                         [c] {
                           c->k().sternbitmaps = true;
                           c->redraw();
                         },
                         day_only, [c] { return c->k().sternbitmaps && !c->e().nachtabdunkelung(); }, false, kStarSubmenu});
  t.add(tmenu::ansicht, {{"Kreise", "Circles"}, QKeySequence(Qt::CTRL | Qt::Key_F10),
                         [c] {
                           c->k().sternbitmaps = false;
                           c->redraw();
                         },
                         {}, [c] { return !c->k().sternbitmaps || c->e().nachtabdunkelung(); }, false, kStarSubmenu});
  toggle({"Größe automatisch", "Size automatically"}, QKeySequence(Qt::Key_F10), &tkonfiguration::groesseautomatisch,
         kStarSubmenu);
  t.add(tmenu::ansicht, {{"Markierung/&Telrad® aus", "Markings/&Telrad® off"}, QKeySequence(Qt::Key_Delete),
                         [c] {
                           if (tsky_chart_component* s = sky_chart(c->e())) {
                             s->marker().reset();
                             s->written_labels().clear();
                           }
                           c->redraw();
                         },
                         {}, {}, true});
  t.add(tmenu::ansicht, {{"Nachtabdunkelun&g", "Red/Black-Mode"}, QKeySequence(Qt::SHIFT | Qt::Key_F2),
                         [c] { c->night_dimming(!c->e().nachtabdunkelung()); }, {},
                         [c] { return c->e().nachtabdunkelung(); }});
}

void add_settings_commands(tcommand_table& t, const tshared& c) {
  t.add(tmenu::einstellungen, {{"&Farben wählen...", "&Colors..."}, QKeySequence(Qt::ALT | Qt::Key_F8),
                               [c] {
                                 tkonfiguration& k = c->k();
                                 TFarbmodForm dialog(c->e().settings().color_mode, k.farben, k.milchstrassebreite, &c->w());
                                 if (dialog.exec() != QDialog::Accepted) return;
                                 const bool changed = dialog.colour_mode() != c->e().settings().color_mode ||
                                                      dialog.farben() != k.farben ||
                                                      dialog.breiten() != k.milchstrassebreite;
                                 if (!changed) return;
                                 c->e().settings().color_mode = dialog.colour_mode();
                                 k.farben = dialog.farben();
                                 k.milchstrassebreite = dialog.breiten();
                                 c->redraw();
                               },
                               [c] { return !c->e().nachtabdunkelung(); }});
  t.add(tmenu::objekte, {{"&Objektgruppen wählen...", "Select Objects..."}, {},
                         [c] {
                           tkonfiguration& k = c->k();
                           TObjektgrForm dialog({k.gruppehaufen, k.gruppenebel, k.gruppegalaxien, k.gruppeunsicher}, &c->w());
                           if (dialog.exec() != QDialog::Accepted) return;
                           const tobjektgruppen g = dialog.groups();
                           k.gruppehaufen = g.haufen;
                           k.gruppenebel = g.nebel;
                           k.gruppegalaxien = g.galaxien;
                           k.gruppeunsicher = g.unsicher;
                           c->redraw();
                         }});
}

/// Keys of the chart area that have no menu item.
void add_chart_keys(TKyr5Main& w, const tshared& c) {
  const auto key = [&w](QKeySequence k, std::function<void()> run) {
    auto* s = new QShortcut(k, &w);
    QObject::connect(s, &QShortcut::activated, &w, std::move(run));
  };
  key(QKeySequence(Qt::Key_Home), [c] { c->scroll_to(0, 0); });
  key(QKeySequence(Qt::Key_End), [c, &w] {
    c->scroll_to(w.chart_scroll().horizontalScrollBar()->maximum(), w.chart_scroll().verticalScrollBar()->maximum());
  });
  key(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus), [c] {
    if (const auto r = more_stars(c->k(), c->e().settings().level, c->e().sternauswahl().letzte_grenze_sterne)) c->run(*r);
  });
  key(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus), [c] {
    if (const auto r = fewer_stars(c->k())) c->run(*r);
  });
}

}  // namespace

void add_chart_commands(TKyr5Main& w) {
  auto c = std::make_shared<tchart_commands>(w);
  tcommand_table& t = w.commands();
  add_chart_kind_commands(t, c);
  add_diameter_commands(t, c);
  add_overview_commands(t, c);
  add_section_commands(t, c);
  add_rotation_commands(t, c);
  add_display_commands(t, c);
  add_settings_commands(t, c);
  add_chart_keys(w, c);
  tengine& e = w.engine();
  e.on_bitmap = [previous = e.on_bitmap, c] {
    if (previous) previous();
    c->after_drawing();
  };
  w.chart_view().on_mouse_move = [c](int x, int y) { c->mouse_at(x, y); };
  // The automatic colour mode follows the display's colour depth.
  if (tsky_chart_component* chart = sky_chart(e)) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) chart->set_colour_depth(screen->depth());
  }
  // Night dimming kept from the last run ("DarkSky") starts with the first cycle.
  QTimer::singleShot(0, &w, [c] {
    if (c->e().flags().initialisiert && c->e().settings().dark_sky && !c->e().nachtabdunkelung()) {
      c->night_dimming(true);
    }
  });
}

}  // namespace sdro
