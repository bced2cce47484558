// Writes the fuzzers' dictionary: every word of the interpreter's command
// table, the compiler's keyword table and the mission types, then the hand-
// kept values. The words come from the tables themselves, so a new command is
// in the dictionary with the next build.
//
//   write_dictionary values.dict commands.dict

#include <cstdio>
#include <fstream>
#include <iostream>
#include <ostream>
#include <string>
#include <string_view>

#include "commands/compiler_words.h"
#include "missions/mission_file.h"
#include "terminal/command_words.h"

namespace {

// A dictionary entry: the bytes in double quotes, with quotes, backslashes
// and control bytes as \xNN.
void printEntry(std::ostream& out, std::string_view word) {
  std::string quoted = "\"";
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  out << quoted << "\"\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: write_dictionary VALUES.dict OUT.dict\n";
    return 2;
  }
  std::ifstream values(argv[1], std::ios::binary);
  std::ofstream out(argv[2], std::ios::binary);
  if (!values || !out) {
    std::cerr << "write_dictionary: cannot read " << argv[1] << " or write " << argv[2] << "\n";
    return 1;
  }
  for (const std::string_view word : qv::interpreterLiterals()) printEntry(out, word);
  for (const std::string_view word : qv::compilerKeywords()) printEntry(out, word);
  for (const char* type : qv::kMissionTypeKeywords) printEntry(out, type);
  out << values.rdbuf();
  return out.good() ? 0 : 1;
}
