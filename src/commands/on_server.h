#pragma once

#include "world/records.h"

namespace qv {

// True while the player is connected to one of the 30 servers. The routines
// ask this rather than "neither -1 nor 100" so that any other value (the
// zeroed record before the first game) never indexes a server that does not
// exist.
inline bool onServer(const Tplayer& player) {
  return player.currentserver >= 1 && player.currentserver <= kServerCount;
}

}  // namespace qv
