// The interface language and the program-wide text mechanism.
//
// Every user-visible text exists in German and English. A text is written as a
// pair at the place that builds it, and the pair is resolved against the
// process-wide language at the moment the text is built:
//
//     message(tr("Datei nicht gefunden", "File not found"));
//
// Switching the language never changes a text that was already built; texts
// follow at their next build (dialogs on show, chart labels on the next draw).
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sdro {

/// Interface language; the numeric values are stored in settings files.
enum tlanguage : int { german = 0, english = 1 };

/// The current language of the whole process (German until set).
tlanguage current_language();
/// Sets the process-wide language; every reader sees it at its next text build.
void set_current_language(tlanguage language);

/// A text in both languages. Both views must outlive the pair (string literals).
struct tbitext {
  std::string_view de;
  std::string_view en;
  /// The text in the current language.
  std::string_view text() const { return current_language() == english ? en : de; }
  std::string str() const { return std::string(text()); }
};

/// The German or English text by the current language.
inline std::string_view tr(std::string_view de, std::string_view en) {
  return current_language() == english ? en : de;
}

/// Restores the previous language when it goes out of scope (for tests and
/// for code that must build a text in a fixed language, such as file content).
class LanguageScope {
 public:
  explicit LanguageScope(tlanguage language) : saved_(current_language()) {
    set_current_language(language);
  }
  ~LanguageScope() { set_current_language(saved_); }
  LanguageScope(const LanguageScope&) = delete;
  LanguageScope& operator=(const LanguageScope&) = delete;

 private:
  tlanguage saved_;
};

}  // namespace sdro
