#include "missions/mission_file.h"

#include <algorithm>

#include "missions/mission_items.h"

namespace qv {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kStatusType = 0;
constexpr int kFileType = 1;
constexpr int kMoneyType = 2;

// The radio item of a keyword; -1 for anything else (case matters).
int typeIndexOfKeyword(std::string_view keyword) {
  for (int i = 0; i < 3; ++i) {
    if (keyword == kMissionTypeKeywords[i]) return i;
  }
  return -1;
}

}  // namespace

void readMissionInto(TMission& mission, std::string_view bytes) {
  MissionItemReader items(bytes);
  mission.name = items.readText();
  mission.missiontype = items.readText();
  mission.targetserver = items.readText();
  mission.goalstatus = items.readText();
  mission.filename = items.readText();
  mission.money = items.readInteger();  // on failure money keeps its old value
  mission.description = items.readText();
  mission.time = items.readInteger();
}

std::string writeMission(const EditorMission& editor) {
  // A group without a selection saves as the first type.
  const int type = std::clamp(editor.typeIndex, kStatusType, kMoneyType);
  std::string out;
  // A CR inside an item would end it early and shift every later item, so a
  // line break inside a text (CR LF or a lone CR) is written as a lone LF,
  // which the readers keep inside the item.
  auto item = [&out](std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r') {
        out += text[i];
      } else if (i + 1 == text.size() || text[i + 1] != '\n') {
        out += '\n';
      }
    }
    out += kLineEnd;
  };
  item(editor.name);
  item(kMissionTypeKeywords[type]);
  item(editor.server);
  item(type == kStatusType ? editor.goal : std::string());
  item(type == kFileType ? editor.goal : std::string());
  item(type == kMoneyType ? std::to_string(editor.money) : "0");
  item(editor.description);
  item(std::to_string(editor.time));
  return out;
}

void readMissionIntoEditor(EditorMission& editor, std::string_view bytes,
                           EditorItemsRead* itemsRead) {
  EditorItemsRead notAsked;
  EditorItemsRead& read = itemsRead ? *itemsRead : notAsked;
  MissionItemReader items(bytes);
  editor.name = items.readText();
  read.name = true;
  if (const int type = typeIndexOfKeyword(items.readText()); type >= 0) {
    editor.typeIndex = type;
    read.type = true;
  }
  editor.goalLabel = goalLabelAfterTypeClick(editor.typeIndex, editor.goalLabel);
  editor.server = items.readText();
  read.server = true;
  std::string statusGoal = items.readText();
  std::string fileGoal = items.readText();
  if (editor.typeIndex == kStatusType || editor.typeIndex == kFileType) {
    editor.goal = std::move(editor.typeIndex == kStatusType ? statusGoal : fileGoal);
    read.goal = true;
  }
  const std::int32_t money = items.readInteger();
  if (editor.typeIndex == kMoneyType) {
    editor.money = money;
    read.money = true;
  }
  editor.description = items.readText();
  read.description = true;
  editor.time = items.readInteger();
  read.time = true;
}

std::string goalLabelAfterTypeClick(int typeIndex, const std::string& currentLabel) {
  if (typeIndex == kFileType) return kFileNameLabel;
  if (typeIndex == kStatusType) return kGoalStatusLabel;
  return currentLabel;  // the money type has no goal box caption of its own
}

}  // namespace qv
