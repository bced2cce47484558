#pragma once

#include <QString>
#include <string>

namespace qv {

// World texts are Windows-1252 bytes; Qt widgets hold Unicode. These are the
// only crossings between the two.
QString toQString(const std::string& text);
std::string fromQString(const QString& text);

// One line of a text area, whose blocks are its lines. A lone LF or CR inside
// a world text belongs to its line: LF is drawn as a break inside the line
// (U+2028) and CR as a return mark (U+21B5). Neither character comes from the
// code page, so reading a line back gives the bytes that were written.
QString toLineText(const std::string& line);
std::string fromLineText(const QString& line);

}  // namespace qv
