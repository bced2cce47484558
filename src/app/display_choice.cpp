#include "app/display_choice.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace qv {
namespace {

bool isWayland(std::string_view platform) {
  return platform.starts_with("wayland");  // also wayland-egl and the like
}

bool installed(const DisplaySession& session, std::string_view platform) {
  const auto& list = session.installedPlatforms;
  return std::find(list.begin(), list.end(), platform) != list.end();
}

bool usable(const DisplaySession& session, std::string_view platform) {
  if (!installed(session, platform)) return false;
  if (platform == "xcb") return session.x11;
  if (isWayland(platform)) return session.wayland;
  return true;  // offscreen, vnc ... need no session
}

// The platform names of a choice like "wayland;xcb" or "offscreen:size=800x600".
std::vector<std::string> platformNames(std::string_view chosen) {
  std::vector<std::string> names;
  while (!chosen.empty()) {
    const std::string_view entry = chosen.substr(0, chosen.find(';'));
    chosen.remove_prefix(std::min(chosen.size(), entry.size() + 1));
    std::string name(entry.substr(0, entry.find(':')));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// Why a chosen platform cannot be used, and what to do.
std::string refusalFor(const DisplaySession& session, const std::string& platform) {
  const std::string undo =
      session.chosenOnCommandLine ? "leave out -platform" : "unset QT_QPA_PLATFORM";
  const std::string start = "Quorvexer cannot open its windows: ";
  if (isWayland(platform) && !installed(session, platform)) {
    return start + "Qt's Wayland plugin is missing; install the package qt6-wayland, or " + undo +
           " to run through XWayland.";
  }
  if (!installed(session, platform)) {
    return start + "Qt has no platform plugin '" + platform + "' (it has " +
           joined(session.installedPlatforms) + "); " + undo + ".";
  }
  if (isWayland(platform)) {
    return start +
           "no Wayland display (WAYLAND_DISPLAY is not set); start it in a Wayland "
           "session, or " +
           undo + ".";
  }
  return start + "no X display (DISPLAY is not set); start it in an X11 session or under " +
         "xvfb-run, or " + undo + ".";
}

}  // namespace

DisplayChoice chooseDisplay(const DisplaySession& session) {
  if (session.chosenPlatform.empty()) {
    if (!session.x11 && !session.wayland) {
      return {"",
              "Quorvexer needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set (try it "
              "under X11, Wayland or xvfb-run)."};
    }
    if (session.wayland && session.x11 && installed(session, "xcb")) return {"xcb", ""};
    if (session.wayland && !session.x11 && !installed(session, "wayland")) {
      return {"",
              "Quorvexer cannot open its windows: this Wayland session offers no XWayland "
              "(DISPLAY is not set) and Qt's Wayland plugin is missing; install the package "
              "qt6-wayland."};
    }
    return {};
  }
  const std::vector<std::string> names = platformNames(session.chosenPlatform);
  for (const std::string& name : names) {
    if (usable(session, name)) return {};
  }
  return {"", refusalFor(session, names.empty() ? session.chosenPlatform : names.front())};
}

}  // namespace qv
