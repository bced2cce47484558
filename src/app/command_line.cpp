#include "app/command_line.h"

#include <filesystem>
#include <system_error>

#ifndef QV_VERSION
#error "QV_VERSION is set by the build"
#endif

namespace qv {
namespace {

CommandLine refuse(const std::string& why) {
  return {CommandLine::Action::Refuse, std::nullopt,
          "quorvexer: " + why + " (try 'quorvexer --help')"};
}

// A file manager hands over absolute paths; a typed relative one is made
// absolute now, while the working folder is still the one it was typed in.
void offer(CommandLine& line, const std::string& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    line.message = "quorvexer: no mission file '" + file + "'; the mission dialog opens as usual";
    return;
  }
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  line.mission = (error ? std::filesystem::path(file) : absolute).lexically_normal().string();
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::optional<std::string> file;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      return {CommandLine::Action::PrintHelp, std::nullopt, ""};
    } else if (!optionsEnded && arg == "--version") {
      return {CommandLine::Action::PrintVersion, std::nullopt, ""};
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return refuse("unknown option '" + arg + "'");
    } else if (file) {
      return refuse("one mission file at most");
    } else {
      file = arg;
    }
  }
  if (file) offer(line, *file);
  return line;
}

std::string helpText() {
  return "Usage: quorvexer [MISSION.qmf]\n"
         "A single-player game that simulates computer hacking.\n"
         "\n"
         "  MISSION.qmf    offer this mission file in the first game's mission dialog\n"
         "  -h, --help     print this help and exit\n"
         "      --version  print the version and exit\n"
         "\n"
         "The game needs a desktop session (X11 or Wayland). See quorvexer(6).\n";
}

std::string versionText() {
  return "quorvexer " QV_VERSION "\n";
}

}  // namespace qv
