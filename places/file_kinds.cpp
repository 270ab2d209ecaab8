// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/file_kinds.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>

namespace sdro {
namespace {

constexpr std::string_view kLocationLine = ":ORTDATEI KYREL";

const std::array<tfile_kind, 6> kKinds{{
    {"ortebin", kLocationLine,
     {"Binärdatei mit geographischen Koordinaten", "Binary File with geogr. Coordinates"}, 9500, "kor",
     {"Ortdateien|*.kor", "Locations|*.kor"},
     {"Datei mit geogr. Positionen öffnen", "Open File with geogr. Coordinates"}},
    {"planetoiden", ":BAHNELEMENTE PLANETOIDEN KYREL",
     {"Datei mit Bahnelementen für Planetoiden", "File with orbital Elements for Asteroids"}, 9502, "csv",
     {"Bahnelemente Planetoiden|*.csv;*.kpl;*.dat;*.txt;*.sky",
      "Orbital Elements Asteroids|*.csv;*.kpl;*.dat;*.txt;*.sky"},
     {"Datei mit Bahnelementen für Planetoiden öffnen", "Open File with orbital Elements for Asteroids"}},
    {"kometen", ":BAHNELEMENTE KOMETEN KYREL EXT",
     {"Datei mit Bahnelementen für Kometen", "File with orbital Elements for Comets"}, 9504, "csv",
     {"Bahnelemente Kometen|*.csv;*.kko;*.dat;*.txt;*.sky",
      "Orbital Elements Comets|*.csv;*.kko;*.dat;*.txt;*.sky"},
     {"Datei mit Bahnelementen für Kometen öffnen", "Open File with orbital Elements for Comets"}},
    {"variable", ":ELEMENTE VARIABLE KYREL",
     {"Datei mit Veränderlichen Sternen", "File with Variable Stars"}, 9504, "csv",
     {"Variable (*.csv)|*.csv", "Variable Stars (*.csv)|*.csv"},
     {"Datei mit Veränderlichen Sternen öffnen", "Open File with Variable Stars"}},
    {"konfig", ":KYR5KONFIGURATIONSDATEI", {"Konfigurationsdatei", "Configuration File"}, 9508, "cnf",
     {"Konfigurationsdateien|*.kcf", "Konfigurationsdateien|*.kcf"},
     {"Konfigurationsdatei öffnen", "Open Configuration File"}},
    {"orte", kLocationLine,
     {"Datei mit geographischen Koordinaten", "File with geographic Coordinates"}, 9500, "csv",
     {"Geogr. Koordinaten|*.csv", "Geogr. Coordinates|*.csv"},
     {"Datei mit geogr. Positionen öffnen", "Open File with geographic Coordinates"}},
}};

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

/// The extensions that pass without a look into the file, exactly as written.
bool passes_by_extension(std::string_view kind, const std::string& extension) {
  static constexpr std::array<std::string_view, 10> kPassing{
      ".kpl", ".KPL", ".kko", ".KKO", ".sky", ".SKY", ".dat", ".DAT", ".txt", ".TXT"};
  if (std::find(kPassing.begin(), kPassing.end(), extension) != kPassing.end()) return true;
  return (kind == "planetoiden" || kind == "kometen") && lower(extension) == ".csv";
}

/// The first line of the file up to its first "!"; nothing without a "!".
bool first_line_is(const std::filesystem::path& file, std::string_view kind_line) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string line;
  // A kind line is short; a foreign file's "line" is not read beyond this.
  constexpr std::size_t kMaxLine = 4096;
  char c = 0;
  while (line.size() < kMaxLine && in.get(c) && c != '\n' && c != '\r') line += c;
  const std::size_t bang = line.find('!');
  return bang != std::string::npos && std::string_view(line).substr(0, bang) == kind_line;
}

}  // namespace

const tfile_kind& file_kind(std::string_view kind) {
  const std::string k = lower(kind);
  for (const tfile_kind& row : kKinds) {
    if (row.kind == k) return row;
  }
  return kKinds.back();
}

tfile_kind_check check_file_kind(std::string_view kind, const std::filesystem::path& file,
                                 tlanguage language) {
  const std::string k = lower(kind);
  if (k == "nil" || k == "konfig") return {true, {}, {}};
  const tfile_kind& row = file_kind(k);
  std::error_code ec;
  bool ok = false;
  if (k == "ortebin") {
    ok = std::filesystem::is_regular_file(file, ec);
  } else {
    ok = passes_by_extension(k, file.extension().string()) || first_line_is(file, row.kind_line);
  }
  if (ok) return {true, {}, {}};
  const bool en = language == english;
  return {false,
          std::string(en ? "This is no " : "Dies ist keine ") +
              std::string(en ? row.description.en : row.description.de) +
              std::string(en ? ". Please retry with another filename."
                             : ". Bitte noch einmal mit anderem Dateinamen versuchen."),
          std::string(en ? "Error while opening File" : "Fehler beim Dateiöffnen")};
}

tlanguage language_from_text(std::string_view strlanguage) {
  std::string up(strlanguage);
  std::transform(up.begin(), up.end(), up.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return up == "ENGLISH" ? english : german;
}

}  // namespace sdro
