#pragma once

#include <string>

namespace qv {

class Game;

void listserverfiles(Game& game);
void harddrive(Game& game);
void download(Game& game, const std::string& name);
void uploadfile(Game& game, const std::string& name);
void deleteharddrive(Game& game, const std::string& name);

}  // namespace qv
