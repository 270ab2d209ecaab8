// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/track_render.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "app/animation/animation_steps.h"
#include "app/animation/animator.h"
#include "app/animation/track_session.h"
#include "app/engine/engine.h"
#include "astro/language.h"
#include "chart/bodies/component/bodies_component.h"

namespace sdro {
namespace {

struct trecording {
  int steps = 0;
  double days = 0.0;
};

std::optional<trecording> recording_of(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  trecording r;
  const char* end = text.data() + text.size();
  const auto a = std::from_chars(text.data(), text.data() + comma, r.steps);
  const auto b = std::from_chars(text.data() + comma + 1, end, r.days);
  if (a.ec != std::errc() || a.ptr != text.data() + comma || b.ec != std::errc() || b.ptr != end) return std::nullopt;
  if (r.steps < 2 || r.steps > 30000 || !(r.days > 0.0) || r.days > 36525.0) return std::nullopt;
  return r;
}

/// The headless run asks for no names: the file given is the only one.
struct tfixed_name : ttrack_dialogs {
  std::optional<std::filesystem::path> name;
  std::optional<std::filesystem::path> open_name() override { return name; }
  std::optional<std::filesystem::path> save_name(const std::string&) override { return name; }
};

}  // namespace

std::string check_track_options(const ttrack_render_options& o) {
  if (!o.record.empty() && !recording_of(o.record)) {
    return std::string(tr("--record nimmt STEPS,DAYS: 2..30000 Schritte von mehr als 0 und höchstens 36525 Tagen",
                          "--record takes STEPS,DAYS: 2..30000 steps of more than 0 and at most 36525 days"));
  }
  return {};
}

bool apply_track_options(tengine& engine, const ttrack_render_options& o) {
  tbodies_component* bodies = bodies_component(engine);
  if (!bodies || (o.record.empty() && o.track.empty())) return true;
  ttrack_session session(engine, bodies->track());
  tfixed_name files;
  if (!o.track.empty()) files.name = o.track;
  const auto r = recording_of(o.record);
  if (!r) return session.open_file(o.track);

  tanimation& a = engine.konfig().animation;
  a.systemzeit = a.sternzeit = a.rueckwaerts = false;
  a.tage = static_cast<std::int32_t>(std::trunc(r->days));
  a.zeitschritt = hours_to_packed((r->days - a.tage) * 24.0);
  a.automatisch_beenden = true;
  a.schritte = r->steps;
  a.zurueck = true;
  session.new_file(files);
  tanimator animator(engine);
  animator.start(false);
  for (int i = 0; i <= r->steps && animator.tick(); ++i) {
  }
  animator.stop();
  return o.track.empty() || session.save_as(files);
}

}  // namespace sdro
