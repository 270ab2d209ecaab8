// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/config_record.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

#include "astro/binary_io.h"

namespace sdro {
namespace {

std::int32_t i32_at(const std::string& r, std::size_t off) {
  tbytereader rd(r);
  rd.seek(off);
  return rd.i32();
}
double f64_at(const std::string& r, std::size_t off) {
  tbytereader rd(r);
  rd.seek(off);
  return rd.f64();
}
void put_i32(std::string& r, std::size_t off, std::int32_t v) {
  for (int i = 0; i < 4; ++i) r[off + i] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
}
void put_f64(std::string& r, std::size_t off, double v) {
  const auto u = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) r[off + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

TEST(ConfigRecord, LayoutFitsTheRecordWithoutOverlaps) {
  const auto fields = record_layout();
  std::vector<int> owner(kRecordSize, -1);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto& f = fields[i];
    ASSERT_LE(f.offset + f.size, kRecordSize) << f.name;
    for (std::size_t b = f.offset; b < f.offset + f.size; ++b) {
      ASSERT_EQ(owner[b], -1) << f.name << " overlaps " << fields[owner[b]].name;
      owner[b] = static_cast<int>(i);
    }
  }
  // Spot checks of positions that other programs' files depend on.
  auto find = [&](std::string_view name) {
    for (const auto& f : fields) if (f.name == name) return f.offset;
    return std::size_t(-1);
  };
  EXPECT_EQ(find("zeitort.place_name"), 84u);
  EXPECT_EQ(find("zeitort.temperature"), 368u);
  EXPECT_EQ(find("satellitenauswahl[1299]"), 5196u);
  EXPECT_EQ(find("schriften[8].stil"), 8468u + 8 * 272 + 268);
  EXPECT_EQ(find("horizontprofil[360]"), 5544u + 360 * 8);
  EXPECT_EQ(find("kartenart"), 5388u);
}

TEST(ConfigRecord, DefaultsAreStoredAtTheirOffsets) {
  const std::string r = encode_record(default_konfiguration());
  ASSERT_EQ(r.size(), kRecordSize);
  EXPECT_EQ(i32_at(r, 0), 1);              // day
  EXPECT_EQ(i32_at(r, 8), 2000);           // year
  EXPECT_DOUBLE_EQ(f64_at(r, 56), -9.301); // longitude, east negative
  EXPECT_DOUBLE_EQ(f64_at(r, 64), 51.191);
  EXPECT_EQ(r[84], 6);
  EXPECT_EQ(r.substr(85, 6), "Kassel");
  EXPECT_EQ(i32_at(r, 344), 1);            // zone
  EXPECT_DOUBLE_EQ(f64_at(r, 360), 1010.0);
  EXPECT_EQ(i32_at(r, 2816), 0x0000FF);    // constellation lines red
  EXPECT_EQ(i32_at(r, 2816 + 4 * 38), 0x000080);  // dark edge (128, 0, 0)
  EXPECT_EQ(i32_at(r, 2984), 500);
  EXPECT_EQ(i32_at(r, 2992), 600);
  EXPECT_EQ(r[3016], fein);
  EXPECT_DOUBLE_EQ(f64_at(r, 3040), 30.0);
  EXPECT_EQ(i32_at(r, 3056), -2);
  EXPECT_EQ(r[3881], g15);
  EXPECT_EQ(r[3882], 0);                   // own series until a library answers
  EXPECT_EQ(r.substr(3885, 9), std::string(9, '\1'));
  EXPECT_EQ(r[3894], 10);
  EXPECT_EQ(r.substr(3897, 1300), std::string(1300, '\1'));
  EXPECT_EQ(i32_at(r, 5200), 1000);
  EXPECT_EQ(i32_at(r, 5208), 49);
  EXPECT_EQ(r[5216], 1);
  EXPECT_EQ(r[5217], 0);
  EXPECT_EQ(i32_at(r, 5272), 200);
  EXPECT_DOUBLE_EQ(f64_at(r, 5312), 4.0);  // third Telrad circle
  EXPECT_EQ(i32_at(r, 5344), 20);
  EXPECT_EQ(r.substr(5364, 4), std::string("\3\2\1\1", 4));
  EXPECT_EQ(i32_at(r, 5388), 200);
  EXPECT_EQ(i32_at(r, 5432), 1);
  EXPECT_EQ(i32_at(r, 5440), 40);
  EXPECT_DOUBLE_EQ(f64_at(r, 5496 + 16), -50.0);
  EXPECT_DOUBLE_EQ(f64_at(r, 5544 + 8 * 180), 1.0);
  EXPECT_EQ(i32_at(r, 8460), 10);
  EXPECT_EQ(r[8465], 3);
  EXPECT_EQ(i32_at(r, 8468 + 4 * 272), 12);      // map labels: Arial 12
  EXPECT_EQ(std::string(r.c_str() + 8468 + 6 * 272 + 8), "Courier New");
  EXPECT_EQ(i32_at(r, 8468 + 6 * 272 + 264), 0x00FFFF);  // yellow
  EXPECT_EQ(std::string(r.c_str() + 8468 + 8 * 272 + 8), "Times New Roman");
  // Reserved ranges and derived fields are zero.
  for (std::size_t off : {12u, 24u, 32u, 40u, 72u, 5218u, 5284u, 5416u, 5448u, 5472u, 10916u}) {
    EXPECT_EQ(r[off], 0) << off;
  }
}

tkonfiguration unusual() {
  tkonfiguration k;
  k.zeitort.place_name = "Zürich Straße";
  k.zeitort.year = -4712;
  k.zeitort.longitude = 179.5;
  k.ort_dateiname = "/daten/Orte ä.csv";
  k.planetoid.fill(0xA5);
  k.animation.zeitschritt = 23.5959;
  k.animation.rueckwaerts = true;
  k.animation.startzeit.year = 1850;
  k.animation.intervall = 0;
  k.bahndatei.objekte[11] = false;
  k.bahndatei.intervall = 100;
  k.ereignissuche[15] = 0xFF;
  k.zoomkarte = {359.5, -89.0, 0.5};
  k.kartenart = 240;
  k.mondlichthoehe = -8;
  k.spiegelung = -1;
  k.konjunktionsmodus = -7;
  k.satellitenauswahl[1299] = 0;
  k.horizontprofil[360] = 12.25;
  k.schriften[3].name = "DejaVu Sans";
  k.schriften[3].stil = 5;
  k.tagnacht = line;
  return k;
}

TEST(ConfigRecord, DecodeThenEncodeReproducesEveryByte) {
  for (const tkonfiguration& k : {default_konfiguration(), unusual()}) {
    const std::string first = encode_record(k);
    tkonfiguration back;
    ASSERT_TRUE(decode_record(first, back).ok());
    EXPECT_EQ(encode_record(back), first);
  }
  tkonfiguration back;
  ASSERT_TRUE(decode_record(encode_record(unusual()), back).ok());
  EXPECT_EQ(back.zeitort.place_name, "Zürich Straße");
  EXPECT_EQ(back.ort_dateiname, "/daten/Orte ä.csv");
  EXPECT_EQ(back.mondlichthoehe, -8);
  EXPECT_EQ(back.animation.startzeit.year, 1850);
  EXPECT_EQ(back.animation.intervall, 0);
  EXPECT_FALSE(back.bahndatei.objekte[11]);
}

TEST(ConfigRecord, AFieldOutOfRangeRejectsTheWholeRecord) {
  struct tcase {
    const char* field;
    void (*damage)(std::string&);
  };
  const tcase cases[] = {
      {"kartenart", [](std::string& r) { put_i32(r, 5388, 201); }},
      {"zoomkarte[2]", [](std::string& r) { put_f64(r, 3040, 75.0); }},
      {"zoomkarte[0]", [](std::string& r) { put_f64(r, 3024, std::nan("")); }},
      {"satindex", [](std::string& r) { put_i32(r, 5352, 1300); }},
      {"aktualisierungsintervall", [](std::string& r) { r[3894] = 0; r[3895] = 0; }},
      {"gradnetzkoerper", [](std::string& r) { put_i32(r, 5212, 9); }},
      {"kartengroesse", [](std::string& r) { put_i32(r, 2972, -5); }},
      {"satellitenauswahl[17]", [](std::string& r) { r[3897 + 17] = 2; }},
      {"sternbilder", [](std::string& r) { r[3002] = 7; }},
      {"zeitort.month", [](std::string& r) { put_i32(r, 4, 13); }},
      {"schriften[2].farbe", [](std::string& r) { put_i32(r, 8468 + 2 * 272 + 264, -1); }},
      {"ansichtvon", [](std::string& r) { put_i32(r, 8452, 3); }},
      {"druckgroessen[1]", [](std::string& r) { put_i32(r, 5272, 50); }},
      {"animation.schritte", [](std::string& r) { put_i32(r, 3064 + 16, 1); }},
      {"animation.zeitort.day", [](std::string& r) { put_i32(r, 3064 + 24, 0); }},
      {"animation.intervall", [](std::string& r) { put_i32(r, 3064 + 784, 301); }},
      {"bahndatei.objekte[3]", [](std::string& r) { r[3856 + 3] = 2; }},
      {"bahndatei.intervall", [](std::string& r) { put_i32(r, 3856 + 20, 0); }},
  };
  for (const auto& c : cases) {
    std::string r = encode_record(unusual());
    c.damage(r);
    tkonfiguration into;
    into.grenzgroessesterne = 777;
    const trecord_check check = decode_record(r, into);
    EXPECT_EQ(check.field, c.field);
    EXPECT_EQ(into.grenzgroessesterne, 777) << c.field << ": nothing may be taken";
    EXPECT_EQ(into.kartenart, 200) << c.field;
  }
}

TEST(ConfigRecord, TextBuffersWithoutTerminatorAreCut) {
  std::string r = encode_record(default_konfiguration());
  r.replace(1024, 256, std::string(256, 'x'));
  r.replace(8468 + 8, 256, std::string(256, 'y'));
  tkonfiguration k;
  ASSERT_TRUE(decode_record(r, k).ok());
  EXPECT_EQ(k.ort_dateiname, std::string(255, 'x'));
  EXPECT_EQ(k.schriften[0].name, std::string(255, 'y'));
  EXPECT_FALSE(decode_record(r.substr(1), k).ok());
}

TEST(ConfigRecord, SatelliteSelectionIsBounded) {
  tkonfiguration k;
  select_satellite(k, 1299, false);
  select_satellite(k, 1300, false);
  select_satellite(k, -1, false);
  EXPECT_FALSE(satellite_selected(k, 1299));
  EXPECT_TRUE(satellite_selected(k, 1298));
  EXPECT_FALSE(satellite_selected(k, 1300));
  EXPECT_FALSE(satellite_selected(k, -1));
}

}  // namespace
}  // namespace sdro
