#pragma once

class QWidget;

namespace qv {

// Tells a screen reader, if one is running, that `widget` has the keyboard;
// in a list, the entry that is current. A list taking the focus tells only
// of itself, and a reader then says nothing of where in it the player is.
void tellFocus(QWidget* widget);

// Tells a screen reader again that the window with the keyboard is active,
// then where in it the keyboard is. With a window manager, a window's
// activation can reach the reader after the focus of the control in it (the
// reader then takes the window as its place and says nothing of the
// control), or be lost in a burst of events; a reader that heard both
// already says nothing more.
void retellActiveWindow();

}  // namespace qv
