#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace qv {
namespace {

using Action = CommandLine::Action;

const std::string kSample = std::string(QV_SOURCE_DIR) + "/src/assets/missions/tin_cup.qmf";

TEST(CommandLine, ActionsMissionAndMessage) {
  const std::string missing = kSample + ".gone";
  const std::string folder = std::string(QV_SOURCE_DIR) + "/src/assets/missions";
  struct Case {
    std::vector<std::string> args;
    Action action;
    std::optional<std::string> mission;
    std::string messageHas;
    std::vector<std::string> qt;
  };
  const Case cases[] = {
      {{}, Action::Play, std::nullopt, "", {}},
      {{"--help"}, Action::PrintHelp, std::nullopt, "", {}},
      {{"-h", "--bogus"}, Action::PrintHelp, std::nullopt, "", {}},
      {{"--version"}, Action::PrintVersion, std::nullopt, "", {}},
      {{kSample}, Action::Play, kSample, "", {}},
      // A missing file or a folder is no error: the dialog opens as usual.
      {{missing}, Action::Play, std::nullopt, "no mission file '" + missing + "'", {}},
      {{folder}, Action::Play, std::nullopt, "no mission file", {}},
      {{"--", kSample}, Action::Play, kSample, "", {}},
      {{"--", "-reverse"}, Action::Play, std::nullopt, "no mission file '-reverse'", {}},
      // Qt's own options go to Qt, with their values.
      {{"-platform", "xcb", kSample, "--reverse", "-style=fusion"},
       Action::Play,
       kSample,
       "",
       {"-platform", "xcb", "--reverse", "-style=fusion"}},
      {{"-platform"}, Action::Refuse, std::nullopt, "option '-platform' needs a value", {}},
      {{"--bogus"}, Action::Refuse, std::nullopt, "quorvexer: unknown option '--bogus'", {}},
      {{"-reverse=1"}, Action::Refuse, std::nullopt, "unknown option '-reverse=1'", {}},
      {{kSample, kSample}, Action::Refuse, std::nullopt, "one mission file at most", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.mission, c.mission);
    if (c.messageHas.empty()) {
      EXPECT_EQ(line.message, "");
    }
    EXPECT_NE(line.message.find(c.messageHas), std::string::npos) << line.message;
    EXPECT_EQ(line.message.find('\n'), std::string::npos);
    EXPECT_EQ(line.qtArguments, c.qt);
  }
}

TEST(CommandLine, RelativeMissionPathBecomesAbsolute) {
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(std::string(QV_SOURCE_DIR) + "/src/assets");
  const CommandLine line = parseCommandLine({"./missions/../missions/tin_cup.qmf"});
  std::filesystem::current_path(before);
  EXPECT_EQ(line.mission, kSample);
}

}  // namespace
}  // namespace qv
