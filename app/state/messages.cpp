// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/messages.h"

namespace sdro {
namespace {

std::string_view icon_word(tmessage_icon icon) {
  switch (icon) {
    case tmessage_icon::information: return "information";
    case tmessage_icon::warning: return "warning";
    case tmessage_icon::error: return "error";
    case tmessage_icon::question: return "question";
    case tmessage_icon::none: break;
  }
  return "message";
}

}  // namespace

void tscripted_messages::show(std::string_view text, std::string_view caption, tmessage_icon icon) {
  records_.push_back({std::string(text), std::string(caption), icon, false, false});
  if (echo_) *echo_ << "sdro: " << icon_word(icon) << " [" << caption << "]: " << text << '\n';
}

bool tscripted_messages::ask_yes_no(std::string_view text, std::string_view caption,
                                    tmessage_icon icon) {
  bool answer = default_answer_;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  records_.push_back({std::string(text), std::string(caption), icon, true, answer});
  if (echo_) {
    *echo_ << "sdro: question [" << caption << "]: " << text << " -> " << (answer ? "yes" : "no")
           << '\n';
  }
  return answer;
}

void tscripted_messages::beep(tbeep) { ++beeps_; }

bool tscripted_messages::contains(std::string_view part) const {
  for (const auto& r : records_) {
    if (r.text.find(part) != std::string::npos) return true;
  }
  return false;
}

}  // namespace sdro
