#pragma once

#include <QIcon>

namespace qv {

// The small pictures beside the main menu's captions, drawn at start-up.
enum class MenuGlyph { NewGame, Commands, MissionEditor, Options, Quit };

QIcon menuGlyph(MenuGlyph glyph);

}  // namespace qv
