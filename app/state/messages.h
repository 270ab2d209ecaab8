// The message service: message boxes, Yes/No questions and beeps.
//
// Code that reports to the user (file readers, the start-up, the cycle) talks
// to this interface only. The main window installs the Qt implementation
// (message boxes); tests and headless runs use tscripted_messages, which
// records every message, answers questions from a script and never blocks.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sdro {

/// Icon of a message box.
enum class tmessage_icon { none, information, warning, error, question };

/// Kind of beep.
enum class tbeep { information, warning, error };

/// Caption of most message boxes.
inline constexpr std::string_view kProgramCaption = "Sidaro 3.0";

class tmessage_service {
 public:
  virtual ~tmessage_service() = default;
  /// A message box with one OK button. Texts are UTF-8, built in the current language.
  virtual void show(std::string_view text, std::string_view caption, tmessage_icon icon) = 0;
  /// A Yes/No question; true for Yes.
  virtual bool ask_yes_no(std::string_view text, std::string_view caption, tmessage_icon icon) = 0;
  /// A question with OK and Cancel; true for OK. Services without such a box
  /// ask Yes/No (scripted answers serve both).
  virtual bool ask_ok_cancel(std::string_view text, std::string_view caption, tmessage_icon icon) {
    return ask_yes_no(text, caption, icon);
  }
  virtual void beep(tbeep kind) = 0;
};

/// One recorded message or question.
struct tmessage_record {
  std::string text;
  std::string caption;
  tmessage_icon icon = tmessage_icon::none;
  bool question = false;
  bool answer = false;  // the answer given to a question
};

/// Records messages, answers questions from a script (then with a default
/// answer), counts beeps; optionally echoes every message to a stream.
class tscripted_messages : public tmessage_service {
 public:
  explicit tscripted_messages(std::ostream* echo = nullptr, bool default_answer = false)
      : echo_(echo), default_answer_(default_answer) {}

  void show(std::string_view text, std::string_view caption, tmessage_icon icon) override;
  bool ask_yes_no(std::string_view text, std::string_view caption, tmessage_icon icon) override;
  void beep(tbeep kind) override;

  /// Queues the answers of the next questions, in order.
  void script_answers(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

  const std::vector<tmessage_record>& records() const { return records_; }
  int beeps() const { return beeps_; }
  /// True when some recorded text contains `part`.
  bool contains(std::string_view part) const;
  void clear() { records_.clear(); beeps_ = 0; }

 private:
  std::ostream* echo_;
  bool default_answer_;
  std::deque<bool> answers_;
  std::vector<tmessage_record> records_;
  int beeps_ = 0;
};

}  // namespace sdro
