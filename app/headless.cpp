// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/headless.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <iostream>

#include "app/animation/track_render.h"
#include "app/dialogs/catalog/stars_component.h"
#include "app/engine/engine.h"
#include "app/start_options.h"
#include "astro/file_io.h"
#include "astro/language.h"
#include "chart/bodies/component/bodies_component.h"
#include "chart/component/render_options.h"
#include "chart/component/sky_chart_component.h"

namespace sdro {
namespace {

bool any_error(const tscripted_messages& messages) {
  return std::any_of(messages.records().begin(), messages.records().end(),
                     [](const tmessage_record& r) { return r.icon == tmessage_icon::error; });
}

int fail(const std::string& text) {
  std::cerr << "sdro: " << text << '\n';
  return 1;
}

bool write_png(const QImage& image, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return false;
  return write_file_atomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

tchart_render_options chart_options(const tcommand_line& cl) {
  return {cl.chart, cl.equatorial, cl.zoom,     cl.view,     cl.mirror, cl.constellations, cl.names,
          cl.boundaries, cl.milky_way, cl.outlines, cl.grids, cl.limit,  cl.night};
}

}  // namespace

int run_render(const tcommand_line& cl) {
  std::string bad = check_command_values(cl);
  if (bad.empty()) bad = check_chart_options(chart_options(cl));
  if (bad.empty()) bad = check_track_options({cl.record, cl.track});
  if (!bad.empty()) {
    std::cerr << "sdro: " << bad << '\n';
    return 2;
  }
  tscripted_messages messages(&std::cerr);
  tengine engine(messages);
  add_stars_component(engine);
  add_sky_chart_component(engine);
  add_bodies_component(engine);
  const tstart_options start = start_options(cl, false);
  if (!engine.initialisieren(start)) return fail(start_up_failed());
  engine.first_show();
  if (!cl.config.empty() && !engine.load_configuration(cl.config)) {
    return fail(configuration_failure(messages, cl.config));
  }
  // A track file that is only shown brings its configuration: the options
  // of the command line come after it. A recording starts at --date.
  const ttrack_render_options tracks{cl.record, cl.track};
  const auto track_failed = [&cl] {
    return fail(std::string(tr("die Bahnspur ist misslungen: ", "the orbit track failed: ")) + cl.track);
  };
  if (cl.record.empty() && !apply_track_options(engine, tracks)) return track_failed();
  apply_chart_options(engine, chart_options(cl), start.screen_width);
  apply_command_values(engine, cl);
  if (!cl.record.empty() && !apply_track_options(engine, tracks)) return track_failed();
  engine.zyklus();
  if (any_error(messages)) {
    return fail(std::string(tr("die Karte wurde nicht fehlerfrei gezeichnet", "the chart was not drawn without errors")));
  }

  const int d = engine.konfig().kartengroesse;
  if (!write_png(engine.bitmap().copy(0, 0, d, d), cl.render)) {
    return fail(std::string(tr("kann nicht schreiben: ", "cannot write ")) + cl.render);
  }
  for (const std::string& text : engine.statuszeile().texts()) std::cout << text << '\n';
  std::cout << cl.render << '\n';
  return 0;
}

}  // namespace sdro
