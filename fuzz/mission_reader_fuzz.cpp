// Feeds arbitrary bytes to both mission readers. Whatever they accept must
// survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "missions/mission_file.h"
#include "world/game_error.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

std::string line(const std::string& item) {
  return item + "\r\n";
}

// The bytes a mission record reads back from.
std::string writeRecord(const qv::TMission& m) {
  return line(m.name) + line(m.missiontype) + line(m.targetserver) + line(m.goalstatus) +
         line(m.filename) + line(std::to_string(m.money)) + line(m.description) +
         line(std::to_string(m.time));
}

void gameReaderRoundTrip(std::string_view bytes) {
  qv::TMission first;
  try {
    qv::readMissionInto(first, bytes);
  } catch (const qv::GameError&) {
    return;
  }
  qv::TMission second;
  qv::readMissionInto(second, writeRecord(first));
  check(second.name == first.name && second.missiontype == first.missiontype);
  check(second.targetserver == first.targetserver && second.goalstatus == first.goalstatus);
  check(second.filename == first.filename && second.money == first.money);
  check(second.description == first.description && second.time == first.time);
}

void editorReaderRoundTrip(std::string_view bytes) {
  qv::EditorMission first;
  try {
    qv::readMissionIntoEditor(first, bytes);
  } catch (const qv::GameError&) {
    return;
  }
  qv::EditorMission second;
  second.typeIndex = first.typeIndex;
  qv::readMissionIntoEditor(second, qv::writeMission(first));
  check(second.name == first.name && second.typeIndex == first.typeIndex);
  check(second.server == first.server && second.goal == first.goal);
  check(second.money == first.money && second.description == first.description);
  check(second.time == first.time && second.goalLabel == first.goalLabel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  gameReaderRoundTrip(bytes);
  editorReaderRoundTrip(bytes);
  return 0;
}
