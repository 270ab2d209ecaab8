// The open orbit-track file: its name, whether its points are saved and
// whether it exists on disk, and the seven commands of the menu "&Datei"
// that create, open, save, save under a name, close and configure it, with
// the question about unsaved points when a file is replaced, closed or the
// program ends. The points themselves live in the bodies' track list, which
// the charts draw while the file is open.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "chart/bodies/orbit_track.h"

namespace sdro {

class tengine;

/// The file dialogs of the commands (the window shows them; tests script them).
class ttrack_dialogs {
 public:
  virtual ~ttrack_dialogs() = default;
  /// "Bahndatei öffnen": a file to open, nothing when cancelled.
  virtual std::optional<std::filesystem::path> open_name() = 0;
  /// The save dialog with a proposed name; nothing when cancelled.
  virtual std::optional<std::filesystem::path> save_name(const std::string& proposal) = 0;
};

class ttrack_session {
 public:
  ttrack_session(tengine& engine, tbahnliste& track) : engine_(engine), track_(track) { name_ = untitled(); }

  bool open() const;
  const std::string& name() const { return name_; }
  bool saved() const { return saved_; }
  bool on_disk() const { return on_disk_; }
  /// Recording starts: the file gets points that are not saved yet.
  void mark_unsaved() { saved_ = false; }

  /// "Datei &neu...".
  void new_file(ttrack_dialogs& dialogs);
  /// "Datei &öffnen..." for a chosen file (also from the recently-used list).
  bool open_file(const std::filesystem::path& path);
  void open_command(ttrack_dialogs& dialogs);
  /// "Datei &speichern".
  bool save(ttrack_dialogs& dialogs);
  /// "Datei speichern &unter...".
  bool save_as(ttrack_dialogs& dialogs);
  /// "Datei s&chließen".
  void close(ttrack_dialogs& dialogs);
  /// The end of the program: true when it may end (the points are saved,
  /// or the user lets them go).
  bool may_end_program(ttrack_dialogs& dialogs);

  /// The window caption while a file is open ("Sidaro 3.0 [name]"), else
  /// nothing.
  std::optional<std::string> caption() const;

  /// A file was opened or saved (for the recently-used files).
  std::function<void(const std::string&)> on_file_used;
  /// The caption and the menus must follow.
  std::function<void()> on_changed;

 private:
  static std::string untitled();
  bool write(const std::filesystem::path& path);
  /// The question about unsaved points; true when they may be dropped.
  bool may_drop_points(bool program_end);
  void become_open();
  void redraw(bool positions);
  void changed() const {
    if (on_changed) on_changed();
  }

  tengine& engine_;
  tbahnliste& track_;
  std::string name_;
  bool saved_ = true;
  bool on_disk_ = false;
};

}  // namespace sdro
