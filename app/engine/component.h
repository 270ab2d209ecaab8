// A part of the program that takes part in start-up, configuration apply and
// capture, and the recompute-redraw cycle: the star catalogue, the bodies, the
// element tables, the labels, the chart drawing. Components are added to the
// engine (tengine::add_component) and are always called in the order they
// were added; every hook is optional.
//
// Where each hook is called:
//   initialise          start-up, after the data directory and the default
//                       file names are known and before the start configuration
//                       is loaded (element files, label database, catalogues)
//   apply(step)         configuration apply, at each step where a subsystem
//                       takes over (see tapply_step); the configuration
//                       members are already in the engine when it is called
//   capture             configuration capture: write the blocks the component
//                       owns into the record copy (never into the live state)
//   prepare             aktualisieren with positionenneu: derived state of the
//                       instant (sidereal time, nutation, Sun and Moon …)
//   compute_positions   karteZeichnen when positionenneu or sternemehr (stars,
//                       bodies, satellites)
//   draws/draw          karteZeichnen: every component whose draws() is true
//                       for the chart kind draws on the surface over the
//                       bitmap (cleared with the background first), in order;
//                       when none does, the engine draws the empty chart
//   recreate            graphic lock recovery and changed memory settings
//                       ("Level", "Grafikgroesse"): free and rebuild what
//                       depends on them (the star catalogue with its bodies)
//   status              statuszeile: add or fill status-line panels
//   failed              after initialise: true when the component cannot work
//                       (its message was shown); the start-up then fails
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace sdro {

class Zeichenflaeche;
class tengine;
struct tkonfiguration;
struct tstatuszeile;

/// The steps of a configuration apply at which subsystems take over, in order.
enum class tapply_step {
  ort_datenbank,        ///< location database file handed to the location table
  planetoiden,          ///< asteroid element file, object configuration, single element set
  kometen,              ///< the same for comets
  tle_datei,            ///< satellite element file name taken
  einstellungen,        ///< scalars and colour table taken (setters with side effects)
  aktive_kleinkoerper,  ///< active asteroids and comets rebuilt in the catalogue
  schriften,            ///< fonts taken
  bahndatei,            ///< display flags put aside while an orbit-track file is open
  zeichenwerkzeuge,     ///< pens and brushes rebuilt from the colour table
  satelliten,           ///< satellite element file loaded (built-in set when empty)
  labels,               ///< user label database opened
  kartengroesse,        ///< chart diameter and limiting magnitudes set
};

class tcomponent {
 public:
  virtual ~tcomponent() = default;
  virtual std::string_view name() const = 0;

  virtual void initialise(tengine&) {}
  virtual void apply(tengine&, tapply_step) {}
  virtual void capture(const tengine&, tkonfiguration&) const {}
  virtual void prepare(tengine&) {}
  virtual void compute_positions(tengine&) {}
  virtual bool draws(int /*kartenart*/, int /*kartenunterart*/) const { return false; }
  virtual void draw(tengine&, Zeichenflaeche& /*chart*/) {}
  virtual void recreate(tengine&) {}
  virtual void status(const tengine&, tstatuszeile&) const {}
  virtual bool failed() const { return false; }
};

}  // namespace sdro
