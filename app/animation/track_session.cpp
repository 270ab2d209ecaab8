// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animation/track_session.h"

#include "app/animation/track_file.h"
#include "app/engine/engine.h"
#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

/// Track files are read whole; nothing this large is one.
constexpr std::size_t kTrackReadLimit = std::size_t(512) << 20;

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

/// A text of the current language to build messages with.
std::string text_of(std::string_view de, std::string_view en) { return std::string(tr(de, en)); }

std::string damage_text(const std::string& name, const tsor_contents& c) {
  std::string text = text_of("Die Bahndatei ", "The orbit file ") + quoted(name) + text_of(" ist beschädigt: ", " is damaged: ");
  if (c.status == tsor_status::damaged_record) {
    text += text_of("Der Wert von „", "the value of \"") + c.field +
            text_of("“ liegt außerhalb des gültigen Bereichs.", "\" is out of range.");
  } else {
    text += text_of("Bahnpunkt ", "orbit point ") + c.field + text_of(" ist ungültig.", " is invalid.");
  }
  return text + text_of(" Die Datei wurde nicht geöffnet.", " The file was not opened.");
}

}  // namespace

std::string ttrack_session::untitled() { return text_of("unbenannt", "untitled"); }

bool ttrack_session::open() const { return engine_.flags().bahndateioffen; }

std::optional<std::string> ttrack_session::caption() const {
  if (!open()) return std::nullopt;
  return std::string(kProgramCaption) + " [" + name_ + "]";
}

void ttrack_session::redraw(bool positions) {
  engine_.flags().bildneu = true;
  if (positions) engine_.flags().positionenneu = true;
  engine_.zyklus();
}

void ttrack_session::become_open() {
  engine_.set_bahndatei_offen(true);
  changed();
}

bool ttrack_session::may_drop_points(bool program_end) {
  if (!open() || saved_) return true;
  const std::string name = name_ == "*.orb" ? untitled() : name_;
  std::string text = text_of("Die Datei ", "The File ") + quoted(name) + text_of(" wurde verändert. ", " was changed. ");
  text += program_end ? text_of("Sidaro 3.0 wirklich beenden, ohne die Datei noch zu sichern?",
                           "Do you really want to close Sidaro 3.0 without saving?")
                      : text_of("Datei wirklich schließen, ohne zu sichern?",
                           "Do you really want to close the file without saving?");
  return engine_.messages().ask_yes_no(text, text_of("Datei nicht gesichtert", "File not saved"), tmessage_icon::question);
}

void ttrack_session::new_file(ttrack_dialogs& dialogs) {
  if (!may_drop_points(false)) {  // "No": the points are saved instead
    save(dialogs);
    return;
  }
  track_.clear();
  name_ = untitled();
  saved_ = true;
  on_disk_ = false;
  become_open();
  redraw(false);
}

bool ttrack_session::open_file(const std::filesystem::path& path) {
  tmessage_service& m = engine_.messages();
  const std::string name = path.string();
  const ttrack_format format = track_format_of(name);
  if (format == ttrack_format::none) {
    m.show(text_of("Bahndateien benötigen die Erweiterung *.sor oder *.orb.", "*.sor or *.orb recommended."),
           text_of("Ungültige Dateierweiterung", "Invalid File Extension"), tmessage_icon::warning);
    return false;
  }
  const std::string caption = text_of("Fehler beim Dateiöffnen", "Error while opening File");
  const auto bytes = read_whole_file(path, kTrackReadLimit);
  if (format == ttrack_format::text) {
    if (!bytes) {
      m.show(text_of("Die Datei ", "Cannot read the File ") + (current_language() == german ? quoted(name) : name) +
                 text_of(" kann nicht gelesen werden.", "."),
             caption, tmessage_icon::error);
      return false;
    }
    tbahnliste read;
    if (!read_orb(*bytes, read)) {
      m.show(text_of("Die Datei ist keine gültige Bahndatei oder sie ist leer.", "Invalid File-Format or empty File"),
             caption, tmessage_icon::error);
      return false;
    }
    track_ = std::move(read);
  } else {
    tsor_contents c = read_sor(bytes ? std::string_view(*bytes) : std::string_view{}, engine_.konfig());
    if (c.status == tsor_status::foreign) {
      m.show(text_of("Dies ist keine Konfigurationsdatei für die Release 000105 von Sidaro 3.0!",
                "This is no Configurationfile for the Version Release 000105 of Sidaro 3.0!"),
             kProgramCaption, tmessage_icon::error);
      return false;
    }
    if (c.status != tsor_status::ok) {
      m.show(damage_text(name, c), caption, tmessage_icon::error);
      return false;
    }
    engine_.apply(c.konfiguration);
    track_ = std::move(c.track);
  }
  name_ = name;
  saved_ = true;
  on_disk_ = format == ttrack_format::binary;
  if (on_file_used) on_file_used(name);
  become_open();
  redraw(true);
  return true;
}

void ttrack_session::open_command(ttrack_dialogs& dialogs) {
  if (!may_drop_points(false)) {
    save(dialogs);
    return;
  }
  if (const auto path = dialogs.open_name()) open_file(*path);
}

bool ttrack_session::write(const std::filesystem::path& path) {
  const std::string name = path.string();
  const bool text = track_format_of(name) == ttrack_format::text;
  const std::string bytes = text ? orb_text(track_) : sor_bytes(engine_.capture(), track_);
  if (!write_file_atomically(path, bytes)) {
    engine_.messages().beep(tbeep::error);
    engine_.messages().show(
        text_of("Die Datei ", "Cannot save the file ") + (current_language() == german ? quoted(name) : name) +
            text_of(" kann nicht gespeichert werden. ", "."),
        text_of("Fehler beim Speichern", "Error while Saving file"), tmessage_icon::error);
    saved_ = false;
    on_disk_ = false;
    return false;
  }
  name_ = name;
  saved_ = true;
  on_disk_ = true;
  changed();
  return true;
}

bool ttrack_session::save(ttrack_dialogs& dialogs) {
  if (!on_disk_) return save_as(dialogs);
  const std::string text = text_of("Bei \"OK\" wird die bestehende Datei ", "If you press the OK-Button the existing File ") +
                           name_ +
                           text_of(" mit eventuell geänderten Werten überschrieben!", " will be overridden with new Data!");
  if (!engine_.messages().ask_ok_cancel(text, text_of("Warnung", "Attention"), tmessage_icon::warning)) return false;
  return write(name_);
}

bool ttrack_session::save_as(ttrack_dialogs& dialogs) {
  tmessage_service& m = engine_.messages();
  if (!open() || track_.empty()) {
    m.show(text_of("Es sind keine Daten für Bahndateien erzeugt worden. Erstellen Sie zunächst Bahnlinien mit "
              "\"Datei/neu\" und \"Zeit und Ort/Berechnung ein\" und speichern Sie dann erneut.",
              "No Data for Orbit Files were created. First let Sidaro 3.0 create Date and then retry"),
           kProgramCaption, tmessage_icon::information);
    return false;
  }
  const std::string proposal = track_format_of(name_) == ttrack_format::none ? name_ + ".sor" : name_;
  const auto path = dialogs.save_name(proposal);
  if (!path) return false;
  if (track_format_of(path->string()) == ttrack_format::none) {
    m.show(text_of("Eine Datendatei für Sidaro 3.0 benötigt die Extension *.sor!",
              "A Sidaro 3.0 File for Sidaro 3.0 needs the Extension *.sor!"),
           text_of("Datei nicht gespeichert", "File not saved"), tmessage_icon::warning);
    saved_ = false;
    on_disk_ = false;
    return false;
  }
  if (!write(*path)) return false;
  if (on_file_used) on_file_used(path->string());
  return true;
}

void ttrack_session::close(ttrack_dialogs& dialogs) {
  if (!open()) return;
  if (!may_drop_points(false) && !save(dialogs)) return;
  engine_.set_bahndatei_offen(false);
  track_.clear();
  name_ = untitled();
  saved_ = true;
  on_disk_ = false;
  changed();
  redraw(true);
}

bool ttrack_session::may_end_program(ttrack_dialogs& dialogs) {
  if (may_drop_points(true)) return true;
  return save(dialogs);
}

}  // namespace sdro
