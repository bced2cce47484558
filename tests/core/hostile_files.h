#pragma once

// Things a player may hand a mission dialog that are no mission file, made
// fresh in a folder on request. Shared by the window tests and the monkey.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace qv::test {

enum class Hostile {
  Directory,
  Fifo,
  CharacterDevice,
  SparseTwoGigabytes,
  ThreeMegabytes,
  DanglingLink,
  LinkLoop,
  DeletedAfterChoice,  // a plain mission; the caller deletes it before the read
  Unreadable,          // readable all the same for root
};

inline constexpr std::array<Hostile, 9> kHostileFiles{
    Hostile::Directory,       Hostile::Fifo,
    Hostile::CharacterDevice, Hostile::SparseTwoGigabytes,
    Hostile::ThreeMegabytes,  Hostile::DanglingLink,
    Hostile::LinkLoop,        Hostile::DeletedAfterChoice,
    Hostile::Unreadable};

// A small valid mission, for files that must read well.
inline const std::string kPlainMission =
    "Plain\r\nserverstatus\r\nTarget\r\ndeleted\r\n\r\n0\r\nA mission.\r\n60\r\n";

// Makes the thing in `folder` (replacing what was there) and returns the path
// to hand over.
inline std::string makeHostile(const std::filesystem::path& folder, Hostile kind) {
  namespace fs = std::filesystem;
  const auto fresh = [&](const char* name) {
    const fs::path path = folder / name;
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
    return path;
  };
  switch (kind) {
    case Hostile::Directory: {
      const fs::path path = fresh("folder.qmf");
      fs::create_directory(path);
      return path.string();
    }
    case Hostile::Fifo: {
      const fs::path path = fresh("pipe.qmf");
      ::mkfifo(path.c_str(), 0600);
      return path.string();
    }
    case Hostile::CharacterDevice: {
      // Through a link, so that the name ends in .qmf as the dialogs expect.
      const fs::path path = fresh("device.qmf");
      fs::create_symlink("/dev/zero", path);
      return path.string();
    }
    case Hostile::SparseTwoGigabytes: {
      const fs::path path = fresh("sparse.qmf");
      std::ofstream(path).put('x');
      fs::resize_file(path, std::uintmax_t{2} << 30);
      return path.string();
    }
    case Hostile::ThreeMegabytes: {
      const fs::path path = fresh("big.qmf");
      std::ofstream(path, std::ios::binary) << std::string(3 << 20, 'x');
      return path.string();
    }
    case Hostile::DanglingLink: {
      const fs::path path = fresh("dangling.qmf");
      fs::create_symlink(folder / "nowhere.qmf", path);
      return path.string();
    }
    case Hostile::LinkLoop: {
      const fs::path path = fresh("loop.qmf");
      const fs::path other = fresh("loop2.qmf");
      fs::create_symlink(other, path);
      fs::create_symlink(path, other);
      return path.string();
    }
    case Hostile::DeletedAfterChoice: {
      const fs::path path = fresh("vanishing.qmf");
      std::ofstream(path, std::ios::binary) << kPlainMission;
      return path.string();
    }
    case Hostile::Unreadable: {
      const fs::path path = fresh("locked.qmf");
      std::ofstream(path, std::ios::binary) << kPlainMission;
      fs::permissions(path, fs::perms::none);
      return path.string();
    }
  }
  return {};
}

}  // namespace qv::test
