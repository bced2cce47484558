#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "app/display_choice.h"

namespace qv {

// The application object. Every handler catches its own errors through
// guard(); notify() only catches what slipped past one, as a last resort.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The window systems the session offers and the platform plugins Qt has,
// read before the application object exists. qtArguments are Qt's options
// from the command line (-platform NAME ...).
DisplaySession currentDisplaySession(const std::vector<std::string>& qtArguments);

}  // namespace qv
