#pragma once

class QWidget;

namespace qv {

// Shows a window that only reports beside the one the player types in,
// leaving the keyboard where the player types. The window system is asked
// not to activate it; where it does all the same (a Wayland compositor gives
// every new window the keyboard, and Qt then asks for that window again), the
// window the player typed in asks for the keyboard back once Qt is done, and
// until it has it back, what the player types goes on to where they typed
// (F6 included, which leads back there). That ends once the player's window
// has the keyboard again, or on a click.
void showAside(QWidget& window);

}  // namespace qv
