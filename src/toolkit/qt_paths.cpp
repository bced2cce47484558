#include "toolkit/qt_paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QStringList>

namespace qv {
namespace {

bool exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `folder` shown as `shown`, or the plain encoding of `shown`
// when none is (a new file to be saved, or a missing one to be reported).
std::string entryShownAs(const std::string& folder, const QString& shown) {
  const std::string plain = QFile::encodeName(shown).toStdString();
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return plain;
  std::string found = plain;
  while (const dirent* entry = ::readdir(dir)) {
    if (QFile::decodeName(entry->d_name) == shown) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

}  // namespace

std::string nativePath(const QString& chosen) {
  const std::string plain = QFile::encodeName(chosen).toStdString();
  if (exists(plain) || !chosen.contains(QChar::ReplacementCharacter)) return plain;
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
