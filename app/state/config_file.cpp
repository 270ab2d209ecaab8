// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/config_file.h"

#include <system_error>

#include "astro/file_io.h"
#include "astro/language.h"

namespace sdro {
namespace {

// A configuration file is small; anything much larger is not one.
constexpr std::size_t kReadLimit = 1 << 20;

void report_foreign(tmessage_service& messages) {
  messages.show(tr("Dies ist keine Konfigurationsdatei für die Version Release 000105 von "
                   "Sidaro 3.0! Speichern Sie Ihre Konfiguration mit Konfiguration|Datei "
                   "speichern neu.",
                   "This is no Configuration File for the Version Release 000105 of Sidaro "
                   "3.0! Create a new configuration-file with Configuration|Save File."),
                kProgramCaption, tmessage_icon::error);
}

void report_damaged(const std::filesystem::path& path, const trecord_check& check,
                    tmessage_service& messages) {
  const std::string name = path.string();
  std::string text(tr("Die Konfigurationsdatei ", "The configuration file "));
  text += name;
  text += tr(" ist beschädigt: Der Wert ", " is damaged: the value ");
  text += check.value;
  text += tr(" von „", " of \"");
  text += check.field;
  text += tr("“ liegt außerhalb des gültigen Bereichs. Die Konfiguration wurde nicht geladen.",
             "\" is out of range. The configuration was not loaded.");
  messages.show(text, kProgramCaption, tmessage_icon::error);
}

}  // namespace

std::string window_caption(std::string_view dateiname) {
  std::string caption(kProgramCaption);
  if (!dateiname.empty()) {
    caption += " [";
    caption += dateiname;
    caption += "]";
  }
  return caption;
}

bool config_header_matches(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return false;
  const auto length = static_cast<std::uint8_t>(bytes[0]);
  return length == kConfigIdentification.size() &&
         bytes.substr(1, length) == kConfigIdentification;
}

std::string config_file_bytes(const std::string& record) {
  std::string bytes(kHeaderSize, '\0');
  bytes[0] = static_cast<char>(kConfigIdentification.size());
  bytes.replace(1, kConfigIdentification.size(), kConfigIdentification);
  bytes += record;
  return bytes;
}

tconfig_load read_config_file(const std::filesystem::path& path, const tkonfiguration& current,
                              tmessage_service& messages) {
  tconfig_load result;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return result;  // missing: no message
  const auto bytes = read_whole_file(path, kReadLimit);
  if (!bytes || bytes->size() < kConfigFileSize || !config_header_matches(*bytes)) {
    report_foreign(messages);
    result.status = tconfig_read::foreign;
    return result;
  }
  result.konfiguration = current;
  const trecord_check check = decode_record(
      std::string_view(*bytes).substr(kHeaderSize, kRecordSize), result.konfiguration);
  if (!check.ok()) {
    report_damaged(path, check, messages);
    result.status = tconfig_read::damaged;
    return result;
  }
  result.status = tconfig_read::ok;
  return result;
}

bool write_config_file(const std::filesystem::path& path, const std::string& record,
                       tmessage_service& messages) {
  if (record.size() == kRecordSize && !path.empty() &&
      write_file_atomically(path, config_file_bytes(record))) {
    return true;
  }
  std::string text = path.string();
  text += tr(" ist kein gültiger Dateiname", " is no valid Filename");
  messages.show(text, kProgramCaption, tmessage_icon::error);
  return false;
}

void tundo_list::add_keeping(std::unique_ptr<tconfig> c, std::size_t keep) {
  entries_.push_back(std::move(c));
  while (entries_.size() > keep && !entries_.empty()) entries_.erase(entries_.begin());
}

void tundo_list::remove(std::size_t i) {
  if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace sdro
