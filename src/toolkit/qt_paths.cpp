#include "toolkit/qt_paths.h"

#include <dirent.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "toolkit/qt_text.h"
#include "world/game_error.h"

namespace qv {
namespace {

QString shownPath(const std::string& path) {
  return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absoluteFilePath();
}

// The one entry of `folder` shown as `shown`, or the plain encoding of
// `shown` when none is (a new file to be saved, or a missing one to be
// reported).
std::string entryShownAs(const std::string& folder, const QString& shown) {
  const std::string plain = QFile::encodeName(shown).toStdString();
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return plain;
  std::string found;
  int matches = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (QFile::decodeName(entry->d_name) != shown) continue;
    found = entry->d_name;
    ++matches;
  }
  ::closedir(dir);
  if (matches > 1) {
    throw GameError("More than one file is shown as '" + fromQString(shown) +
                    "'; rename them apart to choose one.");
  }
  return matches == 1 ? found : plain;
}

}  // namespace

std::string nativePath(const QString& chosen, const std::optional<std::string>& offered) {
  if (offered && shownPath(*offered) == QFileInfo(chosen).absoluteFilePath()) return *offered;
  if (!chosen.contains(QChar::ReplacementCharacter)) return QFile::encodeName(chosen).toStdString();
  const bool absolute = chosen.startsWith(QLatin1Char('/'));
  std::string resolved = absolute ? "/" : "";
  for (const QString& part : chosen.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    const std::string name = part.contains(QChar::ReplacementCharacter)
                                 ? entryShownAs(resolved, part)
                                 : QFile::encodeName(part).toStdString();
    if (!resolved.empty() && resolved.back() != '/') resolved += '/';
    resolved += name;
  }
  return resolved;
}

}  // namespace qv
