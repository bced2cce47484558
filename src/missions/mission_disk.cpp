#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "missions/mission_file.h"
#include "world/game_error.h"

namespace qv {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a late write error
  // of some file systems shows up only here).
  bool closeNow() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string quoted(const std::string& path) {
  return "'" + path + "'";
}

GameError systemError(const std::string& path, const char* what, int error) {
  return GameError(quoted(path) + " " + what + ": " + std::strerror(error));
}

const std::string kSizeLimitText = "1 MiB";

// A FIFO, device or directory is refused before a single byte is read, so a
// reader can neither hang nor stream forever.
void requireSmallRegularFile(const std::string& path, int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw systemError(path, "cannot be read", errno);
  if (!S_ISREG(info.st_mode)) throw GameError(quoted(path) + " is not a regular file");
  if (static_cast<std::uintmax_t>(info.st_size) > kMissionFileMaxBytes) {
    throw GameError(quoted(path) + " is larger than " + kSizeLimitText);
  }
}

std::string readAtMostLimit(const std::string& path, int fd) {
  std::string bytes;
  char chunk[16 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw systemError(path, "cannot be read", errno);
    if (got == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(got));
    // The file may have grown since it was measured.
    if (bytes.size() > kMissionFileMaxBytes) {
      throw GameError(quoted(path) + " is larger than " + kSizeLimitText);
    }
  }
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put == 0) errno = EIO;  // no progress and no reason given
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string resolvedTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A replaced file keeps its permissions; a new one gets the usual 0666 less
// the umask, as if it had been created in place.
mode_t modeForSavedFile(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself has already succeeded
  ::close(fd);
}

}  // namespace

std::string loadMissionBytes(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) {
    if (errno == ENOENT) throw GameError("File not found");
    throw systemError(path, "cannot be opened", errno);
  }
  requireSmallRegularFile(path, file.get());
  return readAtMostLimit(path, file.get());
}

void saveMissionBytes(const std::string& path, const std::string& bytes) {
  const std::string target = resolvedTarget(path);
  // A save replaces a mission file, never a pipe, device or folder that the
  // name or its link points at (as root, a link to /dev/null would otherwise
  // turn the device into a file).
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw GameError(quoted(path) + " is not a regular file");
  }
  std::string temporary = target + ".XXXXXX";
  FileDescriptor file(::mkstemp(temporary.data()));
  if (file.get() < 0) throw systemError(path, "cannot be saved", errno);

  int error = 0;
  if (::fchmod(file.get(), modeForSavedFile(target)) != 0 || !writeAll(file.get(), bytes) ||
      ::fsync(file.get()) != 0) {
    error = errno;
  }
  if (!file.closeNow() && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    throw systemError(path, "cannot be saved", error);
  }
  syncFolder(folderOf(target));
}

}  // namespace qv
