#pragma once

#include <QString>
#include <functional>

namespace qv {

// Runs one event handler's work. A GameError (or any other exception) is
// caught here, never crossing Qt's event loop, and shown in a modal error box
// whose text is the message plus a final full stop; the program goes on.
// Returns whether the work ran to its end, with no error.
bool guard(const std::function<void()>& work);

// Shows the error box. Only one box is open at a time: an error raised while
// one is showing goes to stderr instead.
void showErrorBox(const QString& message);

// Tests replace the box with a recorder; pass nullptr to restore it.
void setErrorBoxHook(std::function<void(const QString&)> hook);

}  // namespace qv
