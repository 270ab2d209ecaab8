// The entries of the two settings dialogs, checked and taken without
// widgets: the animation settings (TTimerform) and the label options of
// orbit-track files (TObjekteBahndatei).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/state/animation_settings.h"

namespace sdro {

/// The text fields of the animation settings.
enum class tanimation_entry { zeit, tage, sterntage, schritte };
struct tanimation_entries {
  std::string zeit;       ///< "Z&eit:" h:mm:ss, empty for 0
  std::string tage;       ///< "&Tage:"
  std::string sterntage;  ///< "Anzahl der Sterntage (23h56m):"
  std::string schritte;   ///< "Automatisch beenden nach" … "Schritten"
  std::string& operator[](tanimation_entry e);
};

/// The fields showing the settings.
tanimation_entries animation_entries(const tanimation& a);
/// The message for a field that is refused, or nothing when it is valid.
std::optional<std::string> animation_entry_error(tanimation_entry which, std::string_view text);
/// Takes every field into the settings when all are valid; otherwise names
/// the first refused field and changes nothing. Days and time both 0 give
/// a time of 0:00:01.
std::optional<tanimation_entry> take_animation_entries(const tanimation_entries& e, tanimation& a);
/// The slider's label: the interval in seconds with two decimals ("0,10 s").
std::string interval_label(int units);

/// The label choices of the orbit-track dialog and the flags they stand for.
/// Name: 0 "Bei jedem Bahnpunkt", 1 "Nur einmal", 2 "Nie".
int name_choice(const tbahndatei& b);
void set_name_choice(tbahndatei& b, int choice);
/// Date: 0 "Nicht ausgeben", 1 "tt.mm", 2 "tt.mm.jj (für jj>0)", 3 "tt.mm.jjjj".
int date_choice(const tbahndatei& b);
void set_date_choice(tbahndatei& b, int choice);

}  // namespace sdro
