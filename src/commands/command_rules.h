#pragma once

#include <cstdint>

// The player's commands' rules: what each costs in suspicion, the draws and
// the pauses. The tests read them from here rather than restating them.
namespace qv::commands {

// Connection: dialling a server makes it warier.
constexpr std::int32_t kConnectSuspicion = 10;
// Leaving a server that is already wary makes it warier; leaving one that
// hardly noticed the player calms it further.
constexpr std::int32_t kWaryAbove = 50;
constexpr std::int32_t kWaryRaise = 15;
constexpr std::int32_t kCalmBelow = 15;
constexpr std::int32_t kCalmDrop = 5;

// Reconnaissance: each user listed or looked up raises the server's suspicion.
constexpr std::int32_t kWhoIsSuspicion = 1;     // per //whois on a server
constexpr std::int32_t kIdentifySuspicion = 5;  // per user found by //idip
constexpr std::int32_t kWhoSuspicion = 8;       // per user found by //who
// An address nobody has still gets a ten-digit answer, one above the 32-bit
// range, so dialling it fails: top - Random(spread).
constexpr std::int64_t kMadeUpPhoneTop = 9999999999LL;
constexpr std::int32_t kMadeUpPhoneSpread = 410065407;

// Files: an upload waits this long between its two lines.
constexpr int kUploadPauseMs = 1000;

// The chat room.
constexpr std::int32_t kCrowdDraw = 29;      // 0 .. 28 occupants
constexpr std::int32_t kFirstTalkDraw = 20;  // 0 .. 19 ticks before the first line
constexpr std::int32_t kWordsDraw = 30;      // 0 .. 29 words a line
constexpr std::int32_t kTalkPauseMax = 25;   // next line after 25 - Random(20) ticks
constexpr std::int32_t kTalkPauseDraw = 20;

// Program creation: a program of a size takes
// Random(spread) + per difficulty x difficulty + per size x size digit ticks.
constexpr std::int32_t kDeleterSize = 5;
constexpr std::int32_t kThiefSize = 12;
constexpr std::int32_t kTicksPerDifficulty = 50;
constexpr std::int32_t kTicksPerSize = 30;
constexpr std::int32_t kTickSpread = 80;

// The bank's answers, in the order the log-on waits for them.
constexpr int kBankContactMs = 400;
constexpr int kBankPinMs = 800;
constexpr int kBankCodeMs = 400;
constexpr int kBankProcessingMs = 1500;
constexpr int kBankLogOffMs = 500;

}  // namespace qv::commands
