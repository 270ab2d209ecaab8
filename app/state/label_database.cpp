// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/label_database.h"

#include <string>

#include "astro/language.h"

namespace sdro {

void open_label_database(tlabel_store& store, const std::filesystem::path& path,
                         tlabel_context context, tmessage_service& messages) {
  const std::string name = path.string();
  switch (store.open(path)) {
    case tlabel_store::topen::ok:
      return;
    case tlabel_store::topen::missing: {
      if (!store.create_empty(path)) return;
      const std::string text =
          name + std::string(tr(" wurde nicht gefunden. Die Datei wurde neu angelegt.",
                                context == tlabel_context::startup
                                    ? " not found. A new file was created."
                                    : " not found. A new File was created."));
      messages.show(text, tr("Neue Datenbank erstellt", "New Database created"),
                    tmessage_icon::information);
      return;
    }
    case tlabel_store::topen::unreadable: {
      const std::string text =
          name + std::string(tr(" kann nicht gelesen werden. Die Datei bleibt unverändert; es "
                                "werden keine benutzerdefinierten Beschriftungen angezeigt.",
                                " cannot be read. The file is left unchanged; no user defined "
                                "labels are shown."));
      messages.show(text, kProgramCaption, tmessage_icon::warning);
      return;
    }
  }
}

}  // namespace sdro
