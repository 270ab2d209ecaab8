// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/places/kyrel_dateien.h"

#include <QFileDialog>

#include "app/qt_text.h"
#include "app/state/messages.h"
#include "places/file_kinds.h"

namespace sdro {
namespace {

/// "Caption|*.a;*.b|Other|*.c" → "Caption (*.a *.b);;Other (*.c)".
QString qt_filter(std::string_view filter) {
  const QStringList parts = qtext(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << parts[i] + QStringLiteral(" (") + patterns + QStringLiteral(")");
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace

bool KyrelDateien::execute() {
  const tlanguage language = language_from_text(strlanguage);
  const bool en = language == english;
  const tfile_kind& kind = file_kind(Kennung);
  QFileDialog dialog(parent_, title.isEmpty() ? qtext(en ? kind.title.en : kind.title.de) : title, initial,
                     qt_filter(en ? kind.filter.en : kind.filter.de));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(qtext(kind.default_extension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  const QString chosen = dialog.selectedFiles().front();
  const tfile_kind_check check = check_file_kind(Kennung, chosen.toStdString(), language);
  if (!check.ok) {
    messages_.show(check.message, check.caption, tmessage_icon::error);
    return false;
  }
  file_name = chosen;
  return true;
}

}  // namespace sdro
