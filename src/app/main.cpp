#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/qt_application.h"
#include "app/qt_shell.h"
#include "toolkit/qt_look.h"

int main(int argc, char** argv) {
  // Read before the window system is touched: help and version need none.
  const qv::CommandLine line =
      qv::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case qv::CommandLine::Action::PrintHelp:
      std::fputs(qv::helpText().c_str(), stdout);
      return 0;
    case qv::CommandLine::Action::PrintVersion:
      std::fputs(qv::versionText().c_str(), stdout);
      return 0;
    case qv::CommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.message.c_str());
      return qv::kExitUsage;
    case qv::CommandLine::Action::Play:
      break;
  }
  // Without a window system Qt aborts; say plainly what is missing instead.
  const qv::DisplayChoice display = qv::chooseDisplay(qv::currentDisplaySession(line.qtArguments));
  if (!display.refusal.empty()) {
    std::fprintf(stderr, "%s\n", display.refusal.c_str());
    return 2;
  }
  if (!display.platform.empty()) setenv("QT_QPA_PLATFORM", display.platform.c_str(), 1);
  if (!line.message.empty()) std::fprintf(stderr, "%s\n", line.message.c_str());
  // Qt gets its own options and nothing else, so a mission file named like
  // one of them after "--" stays a file.
  std::vector<std::string> qtArguments{argv[0]};
  qtArguments.insert(qtArguments.end(), line.qtArguments.begin(), line.qtArguments.end());
  std::vector<char*> qtArgv;
  for (std::string& argument : qtArguments) qtArgv.push_back(argument.data());
  qtArgv.push_back(nullptr);
  int qtArgc = static_cast<int>(qtArguments.size());
  qv::Application app(qtArgc, qtArgv.data());
  qv::reportMissingFaces();
  qv::ShellOptions options;
  options.offeredMission = line.mission;
  qv::Shell shell(std::move(options));
  shell.start();
  return qv::Application::exec();
}
