#pragma once

#include <QIcon>

namespace qv {

// The small pictures on the mission editor's two buttons, drawn in code.
QIcon saveMissionGlyph();  // a floppy disk
QIcon loadMissionGlyph();  // an open folder

}  // namespace qv
