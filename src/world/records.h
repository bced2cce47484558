#pragma once

#include <cstdint>
#include <string>

#include "world/one_based.h"
#include "world/short_text.h"

namespace qv {

constexpr int kServerCount = 30;
constexpr int kServerFileSlots = 100;
constexpr int kUserSlots = 15;
constexpr int kUserFileSlots = 20;
constexpr int kHarddriveSlots = 20;
constexpr int kChatSlots = 30;

// currentserver values besides a server index 1..30.
constexpr std::int32_t kNotConnected = -1;
constexpr std::int32_t kInChatroom = 100;

using ServerName = ShortText<30>;
using Address = ShortText<15>;

// One file, on a server, with a user or on the player's hard drive.
struct Afile {
  std::string filetype;
  std::string name;
  std::string info;  // never given a value; travels with the record
};

// One user slot of a server; free when nickname is empty.
struct user {
  std::string role;
  Address ip;
  OneBased<Afile, kUserFileSlots> files;
  std::int32_t jumptime = 0;
  std::int32_t uploadtime = 0;
  std::int32_t downloadtime = 0;
  std::int32_t deletetime = 0;
  std::string nickname;
  std::int32_t filecount = 0;
};

struct server {
  OneBased<Afile, kServerFileSlots> files;
  ServerName name;
  OneBased<user, kUserSlots> users;
  Address ip;
  std::int32_t phone = 0;
  std::string status;
  std::string servertype;
  std::int32_t suspicion = 0;
  std::int32_t filecount = 0;
};

struct Tplayer {
  std::int32_t money = 0;
  OneBased<Afile, kHarddriveSlots> harddrive;
  std::int32_t configstable = 0;
  std::int32_t commandsstable = 0;
  std::int32_t currentserver = 0;
  std::int32_t filecount = 0;
};

struct chatuser {
  std::string role;
  std::string ip;
  std::string nickname;  // empty: the slot was never filled
  std::int32_t talktime = 0;
};

struct TChatroom {
  OneBased<chatuser, kChatSlots> users;
  std::int32_t usercount = 0;
};

struct TMission {
  std::string name;
  std::string missiontype;
  std::string targetserver;
  std::string goalstatus;
  std::string filename;
  std::int32_t money = 0;
  std::string description;
  std::int32_t time = 0;
  std::int32_t difficulty = 0;
  std::int32_t targetindex = 0;
  // A server-status mission's win is announced once, when its goal is first
  // reached; the status may leave the goal and come back.
  bool statusGoalReached = false;
};

// The four global instances, zeroed at program start and never freed.
struct World {
  OneBased<server, kServerCount> servers;
  Tplayer player;
  TChatroom chatroom;
  TMission mission;
};

}  // namespace qv
