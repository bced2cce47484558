#pragma once

#include <QString>
#include <string>

namespace qv {

// The file system's name for a path a file dialog chose. A name whose bytes
// are not valid UTF-8 reaches the dialog with replacement characters, which no
// longer name anything: such a part is looked up among its folder's entries
// by the name it shows, so the file in it still opens.
std::string nativePath(const QString& chosen);

}  // namespace qv
