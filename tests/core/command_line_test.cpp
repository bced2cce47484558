#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/display_choice.h"

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

// Which platform Qt is given, or the one line said instead of starting it.
TEST(Display, XWaylandByDefaultAndAPlainWordWhenNothingCanBeUsed) {
  const std::vector<std::string> all{"xcb", "wayland", "wayland-egl", "offscreen"};
  const std::vector<std::string> noWayland{"xcb", "offscreen"};
  const struct {
    std::string chosen;
    bool x11, wayland;
    std::vector<std::string> installed;
    std::string platform, refusalHas;
  } cases[] = {
      {"", true, true, all, "xcb", ""},  // a Wayland session with XWayland
      {"", true, false, all, "", ""},
      {"", false, true, all, "", ""},  // no XWayland: Qt picks Wayland
      {"", false, true, noWayland, "", "install the package qt6-wayland"},
      {"", false, false, all, "", "needs a desktop session"},
      {"wayland", true, true, all, "", ""},  // the player's choice stands
      {"wayland", true, true, noWayland, "", "install the package qt6-wayland, or unset"},
      {"wayland-egl", false, false, all, "", "no Wayland display"},
      {"xcb", false, true, all, "", "no X display"},
      {"Wayland;xcb", true, false, noWayland, "", ""},  // the second one can be used
      {"offscreen:size=800x600", false, false, all, "", ""},
      {"vnc", true, false, all, "", "no platform plugin 'vnc' (it has xcb, wayland"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen + (c.x11 ? " x11" : "") + (c.wayland ? " wayland" : ""));
    const DisplayChoice choice = chooseDisplay({c.chosen, false, c.x11, c.wayland, c.installed});
    EXPECT_EQ(choice.platform, c.platform);
    EXPECT_EQ(choice.refusal.empty(), c.refusalHas.empty()) << choice.refusal;
    EXPECT_NE(choice.refusal.find(c.refusalHas), std::string::npos) << choice.refusal;
    EXPECT_EQ(choice.refusal.find('\n'), std::string::npos);
  }
  const DisplaySession onCommandLine{"wayland", true, true, true, noWayland};
  EXPECT_NE(chooseDisplay(onCommandLine).refusal.find("leave out -platform"), std::string::npos);
}

}  // namespace
}  // namespace qv
