// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/label_database.h"

#include <gtest/gtest.h>

#include "astro/language.h"

namespace sdro {
namespace {

struct tfake_store : tlabel_store {
  topen result = topen::ok;
  bool create_ok = true;
  int created = 0;
  topen open(const std::filesystem::path&) override { return result; }
  bool create_empty(const std::filesystem::path&) override {
    ++created;
    return create_ok;
  }
};

TEST(LabelDatabase, MissingIsCreatedUnreadableIsKept) {
  LanguageScope english_texts(english);
  struct tcase {
    tlabel_store::topen result;
    tlabel_context context;
    int created;
    const char* message;
  };
  const tcase cases[] = {
      {tlabel_store::topen::ok, tlabel_context::startup, 0, nullptr},
      {tlabel_store::topen::missing, tlabel_context::startup, 1, "/d/lables.sdl not found. A new file was created."},
      {tlabel_store::topen::missing, tlabel_context::apply, 1, "/d/lables.sdl not found. A new File was created."},
      {tlabel_store::topen::unreadable, tlabel_context::apply, 0, "/d/lables.sdl cannot be read. The file is left unchanged"},
  };
  for (const auto& c : cases) {
    tfake_store store;
    store.result = c.result;
    tscripted_messages messages;
    open_label_database(store, "/d/lables.sdl", c.context, messages);
    EXPECT_EQ(store.created, c.created);
    if (c.message) {
      EXPECT_TRUE(messages.contains(c.message)) << c.message;
    } else {
      EXPECT_TRUE(messages.records().empty());
    }
  }
  tfake_store failing;
  failing.result = tlabel_store::topen::missing;
  failing.create_ok = false;
  tscripted_messages messages;
  open_label_database(failing, "/d/x.sdl", tlabel_context::startup, messages);
  EXPECT_TRUE(messages.records().empty());
}

}  // namespace
}  // namespace sdro
