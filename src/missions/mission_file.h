#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/records.h"

namespace qv {

// A mission file: eight items, each ended by CR LF, single-byte text.
//   Rescue the vault        <- name
//   aquiremoney             <- mission type keyword
//   BANK OF NOWHERE         <- target server name
//                           <- goal status (serverstatus missions only)
//                           <- target file name (downloadfile missions only)
//   5000                    <- money (aquiremoney missions only, else 0)
//   Steal what you can.     <- description (its line breaks are lone LFs)
//   300                     <- mission time in seconds

// Mission files are small; anything larger is refused before it is read.
constexpr std::size_t kMissionFileMaxBytes = 1024 * 1024;

// The mission type keywords, by the editor's radio item index 0, 1, 2.
inline constexpr const char* kMissionTypeKeywords[3] = {"serverstatus", "downloadfile",
                                                        "aquiremoney"};

// Label2's captions for the first two mission types.
inline constexpr const char* kGoalStatusLabel = "Goal status (down, destroyed):";
inline constexpr const char* kFileNameLabel = "Name of file:";

// What the mission editor's controls hold; a default EditorMission is the
// editor as it opens for the first time. The description's line breaks are
// lone LFs, as the file holds them inside its one description item.
struct EditorMission {
  std::string name = "Name of the mission goes here";
  int typeIndex = 0;  // RadioGroup1's selected item
  std::string server = "WWW.NATIONAL-ORBIT-BUREAU.GOV";
  std::string goal = "down";  // Edit2: goal status or file name
  std::int32_t money = 0;
  std::string description =
      "Type the description of the mission here. You can disclose information if you want.";
  std::int32_t time = 0;
  std::string goalLabel = kGoalStatusLabel;  // Label2's caption
};

// Reads a whole mission file. Only a regular file of at most
// kMissionFileMaxBytes is read, opened without blocking. Throws GameError
// ("File not found" for a missing file) and reads nothing on failure.
std::string loadMissionBytes(const std::string& path);

// Writes the bytes to a temporary file beside the target and renames it over
// the target once every byte is written; a failed save leaves an existing
// file as it was. Throws GameError on failure.
void saveMissionBytes(const std::string& path, const std::string& bytes);

// The game reader: fills name .. time in file order. On "Invalid numeric
// input" the items read before the failing one have taken effect.
void readMissionInto(TMission& mission, std::string_view bytes);

// The controls an editor load has set; the others keep what they hold.
struct EditorItemsRead {
  bool name = false;
  bool type = false;  // the selection; the goal label follows every type line read
  bool server = false;
  bool goal = false;
  bool money = false;
  bool description = false;
  bool time = false;
};

// The editor's writer and reader. On "Invalid numeric input" the items read
// before the failing one have taken effect, and itemsRead tells which.
std::string writeMission(const EditorMission& editor);
void readMissionIntoEditor(EditorMission& editor, std::string_view bytes,
                           EditorItemsRead* itemsRead = nullptr);

// Label2's caption after RadioGroup1Click with the given item selected.
std::string goalLabelAfterTypeClick(int typeIndex, const std::string& currentLabel);

}  // namespace qv
