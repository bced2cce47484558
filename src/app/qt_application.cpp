#include "app/qt_application.h"

#include <QDir>
#include <QJsonArray>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "toolkit/qt_guard.h"
#include "toolkit/qt_text.h"
#include "world/game_error.h"

namespace qv {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The value of a Qt option of the command line ("-platform xcb" or
// "-platform=xcb"; the last one counts), or empty.
std::string qtOption(const std::vector<std::string>& qtArguments, const std::string& option) {
  std::string value;
  for (std::size_t i = 0; i < qtArguments.size(); ++i) {
    std::string_view arg = qtArguments[i];
    if (arg.starts_with("--")) arg.remove_prefix(1);
    if (arg == option && i + 1 < qtArguments.size()) {
      value = qtArguments[++i];
    } else if (arg.starts_with(option + "=")) {
      value = arg.substr(option.size() + 1);
    }
  }
  return value;
}

// The folders Qt looks for platform plugins in, in its own order.
QStringList platformPluginFolders(const std::vector<std::string>& qtArguments) {
  QStringList folders;
  for (const std::string& folder :
       {environment("QT_QPA_PLATFORM_PLUGIN_PATH"), qtOption(qtArguments, "-platformpluginpath")}) {
    if (!folder.empty()) folders << QString::fromStdString(folder);
  }
  const QString pluginPath = QString::fromStdString(environment("QT_PLUGIN_PATH"));
  for (const QString& folder : pluginPath.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    folders << folder + QStringLiteral("/platforms");
  }
  folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
  return folders;
}

// The platform names the plugins in those folders offer, read from the
// plugins' metadata without loading them.
std::vector<std::string> installedPlatforms(const std::vector<std::string>& qtArguments) {
  std::vector<std::string> names;
  for (const QString& folder : platformPluginFolders(qtArguments)) {
    const QDir dir(folder);
    for (const QString& file : dir.entryList(QDir::Files)) {
      const QJsonObject metaData = QPluginLoader(dir.filePath(file)).metaData();
      for (const QJsonValue key : metaData.value(QStringLiteral("MetaData"))
                                      .toObject()
                                      .value(QStringLiteral("Keys"))
                                      .toArray()) {
        names.push_back(key.toString().toLower().toStdString());
      }
    }
  }
  return names;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Quorvexer"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const GameError& e) {
    showErrorBox(toQString(e.what()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorvexer: unexpected error: %s\n", e.what());
  }
  return false;
}

DisplaySession currentDisplaySession(const std::vector<std::string>& qtArguments) {
  DisplaySession session;
  session.chosenPlatform = qtOption(qtArguments, "-platform");
  session.chosenOnCommandLine = !session.chosenPlatform.empty();
  if (session.chosenPlatform.empty()) session.chosenPlatform = environment("QT_QPA_PLATFORM");
  session.x11 = !environment("DISPLAY").empty();
  session.wayland =
      !environment("WAYLAND_DISPLAY").empty() || environment("XDG_SESSION_TYPE") == "wayland";
  session.installedPlatforms = installedPlatforms(qtArguments);
  return session;
}

}  // namespace qv
