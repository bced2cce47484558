#include <gtest/gtest.h>

#include <algorithm>

#include "world/name_tables.h"

namespace qv {
namespace {

bool contains(const std::vector<std::string>& rows, const std::string& row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

TEST(WorldTables, RowCountsAtProgramStart) {
  const NameTables t = NameTables::initial();
  EXPECT_EQ(t.useridlist.size(), 7u);
  EXPECT_EQ(t.extentionslist.size(), 46u);
  EXPECT_EQ(t.servernamelist.size(), 54u);
  EXPECT_EQ(t.NameList.size(), 200u);
  EXPECT_EQ(t.wordlist.size(), 313u);
}

TEST(WorldTables, RolesAndExtensionsInOrder) {
  const NameTables t = NameTables::initial();
  EXPECT_EQ(t.useridlist,
            (std::vector<std::string>{"Tech Support", "Tech Support", "Administrator", "Webmaster",
                                      "Anti-hacker", "Anti-hacker", "Hacker"}));
  EXPECT_EQ(t.extentionslist.front(), ".lst");
  EXPECT_EQ(t.extentionslist[7], ".jpg");
  EXPECT_EQ(t.extentionslist[19], ".com");
  EXPECT_EQ(t.extentionslist[39], ".001");
  EXPECT_EQ(t.extentionslist.back(), ".lll");
  for (const auto& ext : t.extentionslist) {
    EXPECT_EQ(ext.size(), 4u) << ext;
    EXPECT_EQ(ext[0], '.') << ext;
  }
}

TEST(WorldTables, ServerNamesFitAndEndWithARepeat) {
  const NameTables t = NameTables::initial();
  for (const auto& name : t.servernamelist) EXPECT_LE(name.size(), 21u) << name;
  EXPECT_EQ(t.servernamelist[53], t.servernamelist[34]);
  // Twelve organisations first, then hosts only.
  for (int i = 0; i < 12; ++i) EXPECT_EQ(t.servernamelist[i].rfind("www.", 0), std::string::npos);
  for (int i = 12; i < 54; ++i) EXPECT_EQ(t.servernamelist[i].rfind("www.", 0), 0u);
}

TEST(WorldTables, QuotedNicknamesAndWords) {
  const NameTables t = NameTables::initial();
  for (const char* nick : {"Reborn", "Razor", "GreyMatter", "Searcher", "Vortex", "Zoinker",
                           "Neophyte12", "Zeon98", ":-)", "8-)"}) {
    EXPECT_TRUE(contains(t.NameList, nick)) << nick;
  }
  EXPECT_EQ(t.NameList.back(), "Poopy");
  const std::vector<std::string> first{"a",        "big",  "homes",  "destruction", "however",
                                       "Download", "Cool", "server", "awesome"};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), t.wordlist.begin()));
  EXPECT_EQ(t.wordlist.back(), "GOD");
  EXPECT_TRUE(contains(t.wordlist, "search for"));
  EXPECT_TRUE(std::any_of(t.wordlist.begin(), t.wordlist.end(),
                          [](const std::string& w) { return !w.empty() && w.back() == ' '; }));
}

}  // namespace
}  // namespace qv
