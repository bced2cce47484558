#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "fakes.h"

namespace qv::test {

// A hand-built world for the command tests: 30 servers with distinct names,
// addresses and phone numbers, no users, no files, the player nowhere with
// an empty drive. Tests then set the fields they care about.
inline void buildPlainWorld(TestGame& t) {
  for (int i = 1; i <= kServerCount; ++i) {
    server& s = t.srv(i);
    s.name = "Server" + std::to_string(i);
    s.ip = "10.0.0." + std::to_string(i);
    s.phone = 1000000000 + i;
    s.suspicion = 1;
    s.status = "stable";
  }
  t.world().player.currentserver = kNotConnected;
}

inline std::int32_t phoneOf(int i) {
  return 1000000000 + i;
}

inline Afile fileNamed(const std::string& name, const std::string& type = "text") {
  return Afile{type, name, ""};
}

inline void addToDrive(TestGame& t, const Afile& file) {
  Tplayer& p = t.world().player;
  p.harddrive[++p.filecount] = file;
}

inline void addToServer(TestGame& t, int i, const Afile& file) {
  server& s = t.srv(i);
  s.files[++s.filecount] = file;
}

inline void seatUser(TestGame& t, int i, int slot, const std::string& nickname,
                     const std::string& ip, const std::string& role) {
  user& u = t.srv(i).users[slot];
  u.nickname = nickname;
  u.ip = ip;
  u.role = role;
}

// Console lines written since a mark taken with console.content.size().
inline std::vector<std::string> linesSince(const TestGame& t, std::size_t mark) {
  return {t.console.content.begin() + static_cast<std::ptrdiff_t>(mark), t.console.content.end()};
}

using Lines = std::vector<std::string>;

}  // namespace qv::test
