#pragma once

#include <string>
#include <vector>

namespace qv {

// The game's vocabulary, one row a line. A row is drawn as row Random(n) + 1.
struct NameTables {
  std::vector<std::string> useridlist;      // 7 roles
  std::vector<std::string> extentionslist;  // 46 extensions
  std::vector<std::string> servernamelist;  // 54 server names
  std::vector<std::string> NameList;        // 200 nicknames
  std::vector<std::string> wordlist;        // 313 words at start; addresses appended

  // The tables as the program starts.
  static NameTables initial();
};

}  // namespace qv
