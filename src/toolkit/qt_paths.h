#pragma once

#include <QString>
#include <optional>
#include <string>

namespace qv {

// The file system's name for a path a file dialog chose. `offered` is a path
// whose exact bytes the caller holds (a mission named on the command line):
// a choice that shows as it does is that very path. A name whose bytes are not
// valid UTF-8 reaches the dialog with replacement characters, which no longer
// name anything: such a part is looked up among its folder's entries by the
// name it shows. Where two entries show the same name, the choice is refused
// with a GameError rather than guessed.
std::string nativePath(const QString& chosen, const std::optional<std::string>& offered = {});

}  // namespace qv
