#pragma once

#include <string>
#include <vector>

namespace qv {

// The two large starting tables, kept in files of their own.
std::vector<std::string> initialWordlist();  // 313 rows
std::vector<std::string> initialNameList();  // 200 rows

}  // namespace qv
