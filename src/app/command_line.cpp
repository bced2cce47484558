#include "app/command_line.h"

#include <algorithm>
#include <filesystem>
#include <span>
#include <string_view>
#include <system_error>

#ifndef QV_VERSION
#error "QV_VERSION is set by the build"
#endif

namespace qv {
namespace {

// The options Qt reads itself, as documented for every Qt program; Qt takes
// them with one dash or two. The first list takes a value, as the next
// argument or after '='.
constexpr std::string_view kQtOptionsWithValue[] = {"-platform",
                                                    "-platformpluginpath",
                                                    "-platformtheme",
                                                    "-plugin",
                                                    "-qwindowgeometry",
                                                    "-qwindowicon",
                                                    "-qwindowtitle",
                                                    "-session",
                                                    "-display",
                                                    "-geometry",
                                                    "-name",
                                                    "-title",
                                                    "-visual",
                                                    "-style",
                                                    "-stylesheet"};
constexpr std::string_view kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

bool listed(std::string_view option, std::span<const std::string_view> list) {
  return std::find(list.begin(), list.end(), option) != list.end();
}

CommandLine refuse(const std::string& why) {
  return {CommandLine::Action::Refuse,
          std::nullopt,
          "quorvexer: " + why + " (try 'quorvexer --help')",
          {}};
}

// Takes a Qt option at args[i] (and its value), advancing i past what it
// used. False when args[i] is none of Qt's options.
bool takeQtOption(const std::vector<std::string>& args, std::size_t& i, CommandLine& line) {
  const std::string& arg = args[i];
  // "--platform" reads as "-platform"; "-style=fusion" carries its value.
  std::string_view name = std::string_view(arg).substr(arg.starts_with("--") ? 1 : 0);
  const std::size_t equals = name.find('=');
  const bool inlineValue = equals != std::string_view::npos;
  name = name.substr(0, equals);
  if (!inlineValue && listed(name, kQtFlags)) {
    line.qtArguments.push_back(arg);
    return true;
  }
  if (!listed(name, kQtOptionsWithValue)) return false;
  line.qtArguments.push_back(arg);
  if (inlineValue) return true;
  if (i + 1 == args.size()) {
    line = refuse("option '" + arg + "' needs a value");
    return true;
  }
  line.qtArguments.push_back(args[++i]);
  return true;
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
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (option && arg == "--") {
      optionsEnded = true;
    } else if (option && (arg == "--help" || arg == "-h")) {
      return {CommandLine::Action::PrintHelp, std::nullopt, "", {}};
    } else if (option && arg == "--version") {
      return {CommandLine::Action::PrintVersion, std::nullopt, "", {}};
    } else if (option && takeQtOption(args, i, line)) {
      if (line.action == CommandLine::Action::Refuse) return line;
    } else if (option) {
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
         "Qt's standard options (-platform NAME, -style NAME, -reverse ...) are passed to Qt.\n"
         "\n"
         "The game needs a desktop session (X11 or Wayland). See quorvexer(6).\n";
}

std::string versionText() {
  return "quorvexer " QV_VERSION "\n";
}

}  // namespace qv
