#include "missions/mission_file.h"

#include "world/game_error.h"

namespace qv {

std::string loadMissionBytes(const std::string&) { throw GameError("File not found"); }
void saveMissionBytes(const std::string&, const std::string&) {}
void readMissionInto(TMission&, std::string_view) {}
std::string writeMission(const EditorMission&) { return {}; }
void readMissionIntoEditor(EditorMission&, std::string_view) {}
std::string goalLabelAfterTypeClick(int, const std::string& currentLabel) { return currentLabel; }

}  // namespace qv
