// The kinds of data file the typed open dialog `KyrelDateien` offers, and the
// check that a chosen file is of the expected kind by its first line.
//
// Kinds (compared in lower case): "ortebin", "planetoiden", "kometen",
// "variable", "konfig"; every other kind (the place dialog passes "orte")
// means a location file. The kind "nil" skips the check.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "astro/language.h"

namespace sdro {

/// What the open dialog shows and checks for one kind.
struct tfile_kind {
  std::string_view kind;          ///< the kind's name ("orte" for the location row)
  std::string_view kind_line;     ///< first line of such a file, up to its "!"
  tbitext description;            ///< used in the error text
  int help_context = 0;
  std::string_view default_extension;
  tbitext filter;                 ///< "Caption|*.ext" pairs
  tbitext title;                  ///< dialog title
};

/// The row of a kind (any unknown kind gives the location row).
const tfile_kind& file_kind(std::string_view kind);

/// Result of the kind check; on failure the message and caption to show.
struct tfile_kind_check {
  bool ok = false;
  std::string message;
  std::string caption;
};

/// Checks a chosen file: "ortebin" passes when the file exists, "konfig" and
/// "nil" always; the extensions .kpl .kko .sky .dat .txt (as written in lower
/// or upper case) pass for every other kind, and any .csv for "planetoiden"
/// and "kometen"; any other file only when its first line, up to its first
/// "!", is the kind line. Texts in `language`.
tfile_kind_check check_file_kind(std::string_view kind, const std::filesystem::path& file,
                                 tlanguage language);

/// The dialog's `strlanguage`: "ENGLISH" in any case means English, anything else German.
tlanguage language_from_text(std::string_view strlanguage);

}  // namespace sdro
