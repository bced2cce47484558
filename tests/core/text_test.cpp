#include <gtest/gtest.h>

#include "world/convert.h"
#include "world/cp1252.h"
#include "world/game_error.h"
#include "world/records.h"
#include "world/saturate.h"

namespace qv {
namespace {

TEST(Cp1252, CasingCoversAccentedLetters) {
  EXPECT_EQ(cp1252::upperCase("mission \xE9t\xE9 \x9A\x9C\x9E\xFF"), "MISSION \xC9T\xC9 \x8A\x8C\x8E\x9F");
  EXPECT_EQ(cp1252::lowerCase("//DIAL \xC0\xD6\xDE"), "//dial \xE0\xF6\xFE");
  // Multiplication and division signs and letters without a partner stay.
  EXPECT_EQ(cp1252::upperCase("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
  EXPECT_EQ(cp1252::lowerCase("\xD7"), "\xD7");
  EXPECT_TRUE(cp1252::equalsIgnoreCase("Cool.TXT", "cool.txt"));
  EXPECT_FALSE(cp1252::equalsIgnoreCase("cool.txt ", "cool.txt"));
}

TEST(Cp1252, UnicodeRoundTrip) {
  EXPECT_EQ(cp1252::toUnicode(0x80), U'\u20AC');
  EXPECT_EQ(cp1252::toUnicode(0xE9), U'\u00E9');
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(static_cast<unsigned char>(cp1252::fromUnicode(cp1252::toUnicode(byte))), byte);
  }
  EXPECT_EQ(cp1252::fromUnicode(U'\u4E2D'), '?');
}

TEST(StrToInt, AcceptsWhatTheConversionAccepts) {
  EXPECT_EQ(StrToInt("1222771844"), 1222771844);
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("+2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x10"), 16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RejectsWithTheExactMessage) {
  for (const char* bad : {"", "2147483648", "12ab", "15 ", " ", "-", "$", "0x", "$100000000"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const GameError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
    }
  }
}

TEST(ShortText, CutsOnAssignment) {
  server s;
  s.name = std::string(40, 'x');
  s.ip = "255.255.255.255.1";
  EXPECT_EQ(s.name.size(), 30u);
  EXPECT_EQ(s.ip.str(), "255.255.255.255");
}

TEST(Saturate, StopsAtTheBounds) {
  std::int32_t money = 2147483000;
  addTo(money, 999);
  EXPECT_EQ(money, INT32_MAX);
  std::int32_t low = INT32_MIN + 3;
  addTo(low, -5);
  EXPECT_EQ(low, INT32_MIN);
}

}  // namespace
}  // namespace qv
