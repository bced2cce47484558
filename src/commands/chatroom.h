#pragma once

namespace qv {

class Game;

void Chatroom(Game& game);
void ChatTimerTimer(Game& game);  // the chat room's lines, every 1001 ms

}  // namespace qv
