#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qv {

// What the program was asked to do on its command line. Parsed before any
// window system is touched, so --help and --version work on a bare console.
struct CommandLine {
  enum class Action { Play, PrintHelp, PrintVersion, Refuse };
  Action action = Action::Play;
  // An existing mission file, as an absolute path, to offer in the first
  // game's mission dialog. Empty when none was named or the named one is
  // not a regular file: the dialog then opens at its usual folder.
  std::optional<std::string> mission;
  // For Refuse: the one-line error. For Play: a note on a named mission
  // file that could not be offered. Empty otherwise.
  std::string message;
  // Qt's own options (-platform NAME, -style NAME, -reverse ...), in the
  // order given, each with its value: handed to Qt and to nothing else.
  std::vector<std::string> qtArguments;
};

// args are the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// Exit codes: 0 after help or version, 2 for a command line refused.
inline constexpr int kExitUsage = 2;

std::string helpText();
std::string versionText();

}  // namespace qv
