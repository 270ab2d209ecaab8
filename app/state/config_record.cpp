// The field table of the configuration record and its three readers: the
// encoder, the checking decoder and the layout listing all walk the same
// description (`describe_record`), so the layout is written down once.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/config_record.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "astro/binary_io.h"
#include "astro/cp1252.h"
#include "astro/text_format.h"

namespace sdro {
namespace {

constexpr std::int32_t kColourMax = 0xFFFFFF;
constexpr std::int32_t kMagMin = -3000, kMagMax = 3000;  // magnitude × 100
constexpr std::int32_t kChartKinds[] = {200, 204, 206, 207, 210, 211, 212,
                                        214, 216, 218, 220, 240, 300};
constexpr std::int32_t kViewpoints[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};

// --- the table --------------------------------------------------------------
//
// A visitor V offers: flag, u8, i8, u16, i32, i32_in, f64, text, short_text,
// raw, zero. Each takes the field's name, its offset relative to `base`, the
// member and (for numbers) the inclusive range.

template <class Z, class V>
void describe_zeitort(Z& z, V& v) {
  v.i32("zeitort.day", 0, z.day, 1, 31);
  v.i32("zeitort.month", 4, z.month, 1, 12);
  v.i32("zeitort.year", 8, z.year, -4712, 9999);
  v.zero("zeitort.weekday", 12, 4);        // derived: recomputed after every apply
  v.f64("zeitort.local_time", 16, z.local_time, -48.0, 48.0);
  v.zero("zeitort.ut", 24, 24);            // ut, mjd, t: derived
  v.f64("zeitort.delta_t", 48, z.delta_t, -1.0e6, 1.0e6);
  v.f64("zeitort.longitude", 56, z.longitude, -180.0, 180.0);
  v.f64("zeitort.latitude", 64, z.latitude, -90.0, 90.0);
  v.zero("zeitort.sidereal_time", 72, 8);  // derived
  v.i32("zeitort.daylight_saving", 80, z.daylight_saving, 0, 1);
  v.short_text("zeitort.place_name", 84, kPlaceNameMaxLength, z.place_name);
  v.flag("zeitort.automatic_delta_t", 340, z.automatic_delta_t);
  v.flag("zeitort.use_refraction", 341, z.use_refraction);
  v.i32("zeitort.zone", 344, z.zone, -12, 12);
  v.i32("zeitort.additional_minutes", 348, z.additional_minutes, -60, 60);
  v.i32("zeitort.height", 352, z.height, -1000, 10000);
  v.f64("zeitort.pressure", 360, z.pressure, 0.0, 2000.0);
  v.f64("zeitort.temperature", 368, z.temperature, -100.0, 100.0);
}

template <class F, class V>
void describe_font(F& f, V& v) {
  v.i32("groesse", 0, f.groesse, 1, 500);
  v.i32("hoehe", 4, f.hoehe, -1000, 1000);
  v.text("name", 8, 256, f.name);
  v.i32("farbe", 264, f.farbe, 0, kColourMax);
  v.u8("stil", 268, f.stil, 0, 15);
}

template <class A, class V>
void describe_animation(A& a, V& v) {
  v.f64("zeitschritt", 0, a.zeitschritt, 0.0, 23.5959);
  v.i32("tage", 8, a.tage, 0, 36525);
  v.i32("sterntage", 12, a.sterntage, 1, 36525);
  v.i32("schritte", 16, a.schritte, 2, 30000);
  v.flag("systemzeit", 20, a.systemzeit);
  v.flag("sternzeit", 21, a.sternzeit);
  v.flag("rueckwaerts", 22, a.rueckwaerts);
  v.flag("automatisch_beenden", 23, a.automatisch_beenden);
  v.sub(24, 760, [&] { describe_zeitort(a.startzeit, v); });
  v.i32("intervall", 784, a.intervall, 0, 300);  // 0 counts as 40
  v.flag("zurueck", 788, a.zurueck);
  v.zero("reserved", 789, 3);
}

template <class B, class V>
void describe_bahndatei(B& b, V& v) {
  for (std::size_t i = 0; i < b.objekte.size(); ++i) v.flag(v.indexed("objekte", i), i, b.objekte[i]);
  v.flag("name_immer", 12, b.name_immer);
  v.flag("name_einmal", 13, b.name_einmal);
  v.flag("datum", 14, b.datum);
  v.flag("jahr", 15, b.jahr);
  v.flag("jahr_vierstellig", 16, b.jahr_vierstellig);
  v.flag("uhrzeit", 17, b.uhrzeit);
  v.zero("reserved", 18, 2);
  v.i32("intervall", 20, b.intervall, 1, 100);
}

template <class K, class V>
void describe_record(K& k, V& v) {
  v.sub(0, 760, [&] { describe_zeitort(k.zeitort, v); });
  v.raw("planetoid", 760, k.planetoid);
  v.raw("komet", 896, k.komet);
  v.text("ort_dateiname", 1024, 256, k.ort_dateiname);
  v.text("pldateiname", 1280, 256, k.pldateiname);
  v.text("plkonfiguration", 1536, 256, k.plkonfiguration);
  v.text("kodateiname", 1792, 256, k.kodateiname);
  v.text("kokonfiguration", 2048, 256, k.kokonfiguration);
  v.text("tledateiname", 2304, 256, k.tledateiname);
  v.text("labeldateiname", 2560, 256, k.labeldateiname);
  for (std::size_t i = 0; i < k.farben.size(); ++i) {
    v.i32(v.indexed("farben", i), 2816 + 4 * i, k.farben[i], 0, kColourMax);
  }
  v.i32("kartengroesse", 2972, k.kartengroesse, 100, 10000);
  v.i32("polkartengrenze", 2976, k.polkartengrenze, -40, 40);
  v.i32("uebersichtzentrum", 2980, k.uebersichtzentrum, -360, 360);
  v.i32("grenzgroessesterne", 2984, k.grenzgroessesterne, kMagMin, kMagMax);
  v.i32("beschriftungsterne", 2988, k.beschriftungsterne, kMagMin, kMagMax);
  v.i32("beschriftungnebel", 2992, k.beschriftungnebel, 0, 1600);
  v.i32("grenzgroessenebel", 2996, k.grenzgroessenebel, kMagMin, kMagMax);
  v.u8("finsternisauswahl", 3000, k.finsternisauswahl, 0, 3);
  v.flag("beschriftungkarten", 3001, k.beschriftungkarten);
  v.flag("sternbilder", 3002, k.sternbilder);
  v.flag("sternbildgrenzen", 3003, k.sternbildgrenzen);
  v.flag("allesternbilder", 3004, k.allesternbilder);
  v.flag("tierkreishervorheben", 3005, k.tierkreishervorheben);
  v.flag("gradnetzekliptik", 3006, k.gradnetzekliptik);
  v.flag("gradnetzaequator", 3007, k.gradnetzaequator);
  v.flag("gradnetzhorizont", 3008, k.gradnetzhorizont);
  v.flag("gradnetzplaneten", 3009, k.gradnetzplaneten);
  v.flag("orientierungslinien", 3010, k.orientierungslinien);
  v.flag("beschriftungobjekte", 3011, k.beschriftungobjekte);
  v.flag("beschriftungsternbilder", 3012, k.beschriftungsternbilder);
  v.flag("beschriftungsonnensystem", 3013, k.beschriftungsonnensystem);
  v.flag("beschriftungbenutzer", 3014, k.beschriftungbenutzer);
  v.u8("erdkartengradnetz", 3015, k.erdkartengradnetz, 0, 2);
  v.u8("tagnacht", 3016, k.tagnacht, nicht, line);
  v.i32("erdkartenaufloesung", 3020, k.erdkartenaufloesung, 1, 4);
  v.f64("zoomkarte[0]", 3024, k.zoomkarte[0], 0.0, 360.0);
  v.f64("zoomkarte[1]", 3032, k.zoomkarte[1], -90.0, 90.0);
  v.f64("zoomkarte[2]", 3040, k.zoomkarte[2], 0.5, 60.0);
  v.flag("gruppeunsicher", 3048, k.gruppeunsicher);
  v.flag("gruppenebel", 3049, k.gruppenebel);
  v.flag("gruppehaufen", 3050, k.gruppehaufen);
  v.flag("gruppegalaxien", 3051, k.gruppegalaxien);
  v.flag("planeten", 3052, k.planeten);
  v.flag("planetoiden", 3053, k.planetoiden);
  v.flag("kometen", 3054, k.kometen);
  v.flag("satellitenein", 3055, k.satellitenein);
  v.i32("sterngroessevariation", 3056, k.sterngroessevariation, -4, -1);
  v.i32("nebelgroessevariation", 3060, k.nebelgroessevariation, -4, -1);
  v.sub(3064, 792, [&] {
    v.prefix("animation");
    describe_animation(k.animation, v);
    v.prefix("");
  });
  v.sub(3856, 24, [&] {
    v.prefix("bahndatei");
    describe_bahndatei(k.bahndatei, v);
    v.prefix("");
  });
  v.flag("weltzeitbeibehalten", 3880, k.weltzeitbeibehalten);
  v.u8("dichteHorizont", 3881, k.dichteHorizont, g10, g20);
  v.u8("theorie.planet_theory", 3882, k.theorie.planet_theory, theorie_eigen, theorie_vsop87c);
  v.u8("theorie.lunar_library", 3883, k.theorie.lunar_library, 0, 255);
  v.u8("theorie.reserved", 3884, k.theorie.reserved, 0, 255);
  for (std::size_t i = 0; i < k.theorie.perturbers.size(); ++i) {
    v.u8(v.indexed("theorie.perturbers", i), 3885 + i, k.theorie.perturbers[i], 0, 1);
  }
  v.u16("aktualisierungsintervall", 3894, k.aktualisierungsintervall, 1, 240);
  v.flag("echtzeit", 3896, k.echtzeit);
  for (std::size_t i = 0; i < k.satellitenauswahl.size(); ++i) {
    v.u8(v.indexed("satellitenauswahl", i), 3897 + i, k.satellitenauswahl[i], 0, 1);
  }
  v.i32("satellitentage", 5200, k.satellitentage, 5, 3652);
  v.u8("satellitensonnenhoehe", 5204, k.satellitensonnenhoehe, 0, 3);
  v.i32("jupitergrf", 5208, k.jupitergrf, 0, 359);
  v.i32("gradnetzkoerper", 5212, k.gradnetzkoerper, 0, 8);
  v.flag("uselast", 5216, k.uselast);
  v.flag("useaberrat", 5217, k.useaberrat);
  v.raw("konjunktionssuche", 5224, k.konjunktionssuche);
  v.raw("ereignissuche", 5248, k.ereignissuche);
  v.u8("plmodus", 5264, k.plmodus, 0, 255);
  v.u8("komodus", 5265, k.komodus, 0, 255);
  v.i32("druckgroessen[0]", 5268, k.druckgroessen[0], 3, 50);
  v.i32("druckgroessen[1]", 5272, k.druckgroessen[1], 51, 500);
  v.i32("druckgroessen[2]", 5276, k.druckgroessen[2], 3, 50);
  v.i32("druckgroessen[3]", 5280, k.druckgroessen[3], 51, 500);
  for (std::size_t i = 0; i < 3; ++i) {
    v.flag(v.indexed("telrad_ein", i), 5288 + i, k.telrad_ein[i]);
    v.f64(v.indexed("telrad", i), 5296 + 8 * i, k.telrad[i], 0.0, 180.0);
  }
  v.u8("gradnetzRA", 5320, k.gradnetzRA, gradnetz_weit, gradnetz_eng);
  v.u8("gradnetzdk", 5321, k.gradnetzdk, gradnetz_weit, gradnetz_eng);
  v.flag("checkTracker", 5322, k.checkTracker);
  v.flag("checkTelrad", 5323, k.checkTelrad);
  v.flag("einplanetoid", 5324, k.einplanetoid);
  v.flag("einkomet", 5325, k.einkomet);
  v.i32("nmeteor", 5328, k.nmeteor, 0, 100000);
  v.i32("krater[0]", 5332, k.krater[0], 0, 100);
  v.i32("krater[1]", 5336, k.krater[1], 0, 100);
  v.i32("krater[2]", 5340, k.krater[2], 0, 200);
  v.i32("krater[3]", 5344, k.krater[3], 0, 200);
  v.u8("satbahnintervall", 5348, k.satbahnintervall, 1, 90);
  v.i32("satindex", 5352, k.satindex, 0, static_cast<std::int32_t>(kSatellitenauswahlCount) - 1);
  v.i32("satbahnpunkte", 5356, k.satbahnpunkte, 10, 3000);
  v.i32("satzeitschritt", 5360, k.satzeitschritt, 1, 600);
  for (std::size_t i = 0; i < k.milchstrassebreite.size(); ++i) {
    v.u8(v.indexed("milchstrassebreite", i), 5364 + i, k.milchstrassebreite[i], 0, 50);
  }
  v.flag("nebelumrisse", 5368, k.nebelumrisse);
  v.u8("milchstrasse", 5369, k.milchstrasse, 0, 4);
  v.i32("praezession", 5372, k.praezession, 0, 4);
  v.i32("drehwinkel", 5376, k.drehwinkel, -360, 360);
  v.i32("konjunktionsmodus", 5380, k.konjunktionsmodus, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max());
  v.i8("mondlichthoehe", 5384, k.mondlichthoehe, -8, 90);
  v.u8("mondlichtprozent", 5385, k.mondlichtprozent, 0, 100);
  v.flag("mondlicht", 5386, k.mondlicht);
  v.i32_in("kartenart", 5388, k.kartenart, kChartKinds);
  v.flag("schnellrechnen", 5392, k.schnellrechnen);
  v.flag("gegenpunkt", 5393, k.gegenpunkt);
  v.flag("orte", 5394, k.orte);
  v.flag("extinktion", 5395, k.extinktion);
  v.flag("sonnenhoehegrenze", 5396, k.sonnenhoehegrenze);
  v.f64("grenzgroesseauge", 5400, k.grenzgroesseauge, -5.0, 30.0);
  v.f64("teleskopzusatz", 5408, k.teleskopzusatz, -10.0, 30.0);
  v.flag("lateinisch", 5424, k.lateinisch);
  v.flag("mondphasenfuellen", 5425, k.mondphasenfuellen);
  v.flag("planetenscheiben", 5426, k.planetenscheiben);
  v.flag("mondparallaxe", 5427, k.mondparallaxe);
  v.flag("ppm", 5428, k.ppm);
  // Any mirror factor is accepted here; apply turns all but −1 into +1.
  v.i32("spiegelung", 5432, k.spiegelung, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max());
  v.i32("grenzgroessesao", 5436, k.grenzgroessesao, kMagMin, kMagMax);
  v.i32("beschriftungsao", 5440, k.beschriftungsao, 0, 135);
  v.i32("grenzgroessekleinkoerper", 5444, k.grenzgroessekleinkoerper, kMagMin, kMagMax);
  v.f64("aequinoktium", 5464, k.aequinoktium, -60.0, 80.0);
  v.flag("satbahnradec", 5488, k.satbahnradec);
  v.flag("sternbitmaps", 5489, k.sternbitmaps);
  v.flag("groesseautomatisch", 5490, k.groesseautomatisch);
  for (std::size_t i = 0; i < 3; ++i) {  // arcminutes
    v.f64(v.indexed("referenzhoehen", i), 5496 + 8 * i, k.referenzhoehen[i], -600.0, 600.0);
  }
  for (std::size_t i = 3; i < 6; ++i) {  // degrees
    v.f64(v.indexed("referenzhoehen", i), 5496 + 8 * i, k.referenzhoehen[i], -90.0, 90.0);
  }
  for (std::size_t i = 0; i < k.horizontprofil.size(); ++i) {
    v.f64(v.indexed("horizontprofil", i), 5544 + 8 * i, k.horizontprofil[i], -90.0, 90.0);
  }
  v.flag("lokalerhorizont", 8432, k.lokalerhorizont);
  v.f64("horizontanhebung", 8440, k.horizontanhebung, 0.0, 88.0);
  v.i32("kartenunterart", 8448, k.kartenunterart, 0, 1);
  v.i32_in("ansichtvon", 8452, k.ansichtvon, kViewpoints);
  v.u8("integrationsgenauigkeit", 8456, k.integrationsgenauigkeit, 0, 2);
  v.u8("saobeschriftungsart", 8457, k.saobeschriftungsart, 0, 2);
  v.i32("planetengitter", 8460, k.planetengitter, 5, 60);
  v.flag("mare", 8464, k.mare);
  v.u8("satellitenbeschriftung", 8465, k.satellitenbeschriftung, 0, 5);
  for (std::size_t i = 0; i < k.schriften.size(); ++i) {
    v.sub(8468 + 272 * i, 272, [&] {
      v.prefix(v.indexed("schriften", i));
      describe_font(k.schriften[i], v);
      v.prefix("");
    });
  }
  v.zero("reserved", 10916, 4);
}

// --- shared visitor parts -----------------------------------------------------

class tvisitor_base {
 public:
  std::string indexed(std::string_view name, std::size_t i) const {
    return std::string(name) + "[" + std::to_string(i) + "]";
  }
  void prefix(std::string p) { prefix_ = std::move(p); }
  template <class F>
  void sub(std::size_t offset, std::size_t /*size*/, F&& body) {
    const std::size_t saved = base_;
    base_ += offset;
    body();
    base_ = saved;
  }

 protected:
  std::string full_name(std::string_view name) const {
    return prefix_.empty() ? std::string(name) : prefix_ + "." + std::string(name);
  }
  std::size_t base_ = 0;
  std::string prefix_;
};

// --- encoder ------------------------------------------------------------------

class tencoder : public tvisitor_base {
 public:
  std::string record = std::string(kRecordSize, '\0');

  void flag(std::string_view, std::size_t off, bool b) { put<std::uint8_t>(off, b ? 1 : 0); }
  template <class T>
  void u8(std::string_view, std::size_t off, T v, int, int) { put(off, static_cast<std::uint8_t>(v)); }
  void i8(std::string_view, std::size_t off, std::int8_t v, int, int) { put(off, v); }
  void u16(std::string_view, std::size_t off, std::uint16_t v, int, int) { put(off, v); }
  void i32(std::string_view, std::size_t off, std::int32_t v, std::int32_t, std::int32_t) { put(off, v); }
  template <std::size_t N>
  void i32_in(std::string_view, std::size_t off, std::int32_t v, const std::int32_t (&)[N]) { put(off, v); }
  void f64(std::string_view, std::size_t off, double v, double, double) {
    put(off, std::bit_cast<std::uint64_t>(v));
  }
  void text(std::string_view, std::size_t off, std::size_t field, const std::string& utf8) {
    tbytewriter w;
    w.fixed_string(utf8_to_cp1252(utf8), field);
    place(off, w.data());
  }
  void short_text(std::string_view, std::size_t off, std::size_t capacity, const std::string& utf8) {
    tbytewriter w;
    w.short_string(utf8_to_cp1252(utf8), capacity);
    place(off, w.data());
  }
  template <std::size_t N>
  void raw(std::string_view, std::size_t off, const traw_block<N>& b) {
    place(off, std::string_view(reinterpret_cast<const char*>(b.data()), N));
  }
  void zero(std::string_view, std::size_t, std::size_t) {}

 private:
  template <class T>
  void put(std::size_t off, T v) {
    static_assert(std::is_integral_v<T>);
    using U = std::make_unsigned_t<T>;
    auto u = static_cast<U>(v);
    std::string bytes(sizeof(T), '\0');
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bytes[i] = static_cast<char>(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    place(off, bytes);
  }
  void place(std::size_t off, std::string_view bytes) {
    record.replace(base_ + off, bytes.size(), bytes);
  }
};

// --- checking decoder -----------------------------------------------------------

class tdecoder : public tvisitor_base {
 public:
  explicit tdecoder(std::string_view record) : reader_(record) {}
  trecord_check check;

  void flag(std::string_view name, std::size_t off, bool& b) {
    std::uint8_t v = 0;
    if (integer(name, off, v, 0, 1)) b = v != 0;
  }
  template <class T>
  void u8(std::string_view name, std::size_t off, T& target, int lo, int hi) {
    std::uint8_t v = 0;
    if (integer(name, off, v, lo, hi)) target = static_cast<T>(v);
  }
  void i8(std::string_view name, std::size_t off, std::int8_t& target, int lo, int hi) {
    integer(name, off, target, lo, hi);
  }
  void u16(std::string_view name, std::size_t off, std::uint16_t& target, int lo, int hi) {
    integer(name, off, target, lo, hi);
  }
  void i32(std::string_view name, std::size_t off, std::int32_t& target, std::int32_t lo,
           std::int32_t hi) {
    integer(name, off, target, lo, hi);
  }
  template <std::size_t N>
  void i32_in(std::string_view name, std::size_t off, std::int32_t& target,
              const std::int32_t (&allowed)[N]) {
    std::int32_t v = 0;
    if (!integer(name, off, v, std::numeric_limits<std::int32_t>::min(),
                 std::numeric_limits<std::int32_t>::max())) {
      return;
    }
    for (std::int32_t a : allowed) {
      if (a == v) {
        target = v;
        return;
      }
    }
    fail(name, std::to_string(v));
  }
  void f64(std::string_view name, std::size_t off, double& target, double lo, double hi) {
    seek(off);
    const double v = reader_.f64();
    if (!std::isfinite(v) || v < lo || v > hi) {
      fail(name, std::isfinite(v) ? format_fixed_trimmed(6, v) : std::string("NaN/Inf"));
      return;
    }
    target = v;
  }
  void text(std::string_view, std::size_t off, std::size_t field, std::string& target) {
    seek(off);
    std::string raw = reader_.fixed_string(field);
    if (raw.size() >= field) raw.resize(field - 1);  // a buffer without NUL ends one early
    target = cp1252_to_utf8(raw);
  }
  void short_text(std::string_view, std::size_t off, std::size_t capacity, std::string& target) {
    seek(off);
    target = cp1252_to_utf8(reader_.short_string(capacity));
  }
  template <std::size_t N>
  void raw(std::string_view, std::size_t off, traw_block<N>& b) {
    seek(off);
    const std::string_view bytes = reader_.bytes(N);
    if (bytes.size() == N) std::memcpy(b.data(), bytes.data(), N);
  }
  void zero(std::string_view, std::size_t, std::size_t) {}

 private:
  void seek(std::size_t off) { reader_.seek(base_ + off); }
  template <class T>
  bool integer(std::string_view name, std::size_t off, T& target, long long lo, long long hi) {
    seek(off);
    long long v = 0;
    if constexpr (sizeof(T) == 1) {
      v = std::is_signed_v<T> ? reader_.i8() : reader_.u8();
    } else if constexpr (sizeof(T) == 2) {
      v = reader_.u16();
    } else {
      v = reader_.i32();
    }
    if (v < lo || v > hi) {
      fail(name, std::to_string(v));
      return false;
    }
    target = static_cast<T>(v);
    return true;
  }
  void fail(std::string_view name, std::string value) {
    if (!check.ok()) return;  // report the first field only
    check.field = full_name(name);
    check.value = std::move(value);
  }
  tbytereader reader_;
};

// --- layout listing ---------------------------------------------------------------

class tlayout : public tvisitor_base {
 public:
  std::vector<trecord_field> fields;
  template <class T>
  void flag(std::string_view n, std::size_t off, const T&) { add(n, off, 1); }
  template <class T>
  void u8(std::string_view n, std::size_t off, const T&, int, int) { add(n, off, 1); }
  template <class T>
  void i8(std::string_view n, std::size_t off, const T&, int, int) { add(n, off, 1); }
  template <class T>
  void u16(std::string_view n, std::size_t off, const T&, int, int) { add(n, off, 2); }
  template <class T, class L>
  void i32(std::string_view n, std::size_t off, const T&, L, L) { add(n, off, 4); }
  template <class T, std::size_t N>
  void i32_in(std::string_view n, std::size_t off, const T&, const std::int32_t (&)[N]) { add(n, off, 4); }
  template <class T>
  void f64(std::string_view n, std::size_t off, const T&, double, double) { add(n, off, 8); }
  template <class T>
  void text(std::string_view n, std::size_t off, std::size_t field, const T&) { add(n, off, field); }
  template <class T>
  void short_text(std::string_view n, std::size_t off, std::size_t cap, const T&) { add(n, off, cap + 1); }
  template <std::size_t N>
  void raw(std::string_view n, std::size_t off, const traw_block<N>&) { add(n, off, N); }
  void zero(std::string_view n, std::size_t off, std::size_t size) { add(n, off, size); }

 private:
  void add(std::string_view name, std::size_t off, std::size_t size) {
    fields.push_back({full_name(name), base_ + off, size});
  }
};

}  // namespace

std::string encode_record(const tkonfiguration& k) {
  tencoder e;
  describe_record(k, e);
  return std::move(e.record);
}

trecord_check decode_record(std::string_view record, tkonfiguration& into) {
  if (record.size() != kRecordSize) return {"record", std::to_string(record.size())};
  tkonfiguration copy = into;
  tdecoder d(record);
  describe_record(copy, d);
  if (d.check.ok()) into = std::move(copy);
  return d.check;
}

std::vector<trecord_field> record_layout() {
  const tkonfiguration k;
  tlayout l;
  describe_record(k, l);
  return std::move(l.fields);
}

}  // namespace sdro
