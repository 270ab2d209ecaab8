// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/language.h"

#include <atomic>

namespace sdro {
namespace {
std::atomic<int> g_language{german};
}

tlanguage current_language() { return static_cast<tlanguage>(g_language.load(std::memory_order_relaxed)); }

void set_current_language(tlanguage language) {
  g_language.store(language == english ? english : german, std::memory_order_relaxed);
}

}  // namespace sdro
