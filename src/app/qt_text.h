#pragma once

#include <QString>
#include <string>

namespace qv {

// World texts are Windows-1252 bytes; Qt widgets hold Unicode. These are the
// only crossings between the two.
QString toQString(const std::string& text);
std::string fromQString(const QString& text);

}  // namespace qv
