#pragma once

#include <string>
#include <string_view>

namespace qv::cp1252 {

// World texts are single bytes in the Windows-1252 code page. Casing follows
// that code page, accented letters included (é <-> É, š <-> Š, ÿ <-> Ÿ);
// letters without a partner in the code page (ß, µ) stay as they are.
char toUpper(char c);
char toLower(char c);
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

// Names typed by the player are compared with stored names without regard to
// letter case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The Unicode code point of one byte; bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char32_t toUnicode(unsigned char byte);

// The byte for a code point, or '?' when the code page has no such character.
char fromUnicode(char32_t codePoint);

}  // namespace qv::cp1252
