#include "records/Safefile1.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FaultText(TFileFault fault, const std::string& path, int line) {
  switch (fault) {
    case TFileFault::Create: return "ファイル " + path + " を作成できません";
    case TFileFault::Open: return "ファイル " + path + " は開けません";
    case TFileFault::Read: return "ファイル " + path + " は読み込めません";
    case TFileFault::MissingLine: break;
  }
  return "リストのインデックスが範囲を超えています (" + std::to_string(line) + ")";
}

[[noreturn]] void FailCreate(const std::string& path, int err) {
  throw TFileError(TFileFault::Create, path, std::error_code(err, std::generic_category()));
}

}  // namespace

TFileError::TFileError(TFileFault fault, const std::string& path, std::error_code reason, int line)
    : std::runtime_error(FaultText(fault, path, line)), Fault(fault), Path(path), Line(line), Reason(reason) {}

namespace {

// The name does not grow with the target's, so a target name near the length
// limit can still be saved.
int OpenTemporary(const std::string& folder, std::string& tempPath) {
  static std::atomic<unsigned> serial{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + (folder.back() == '/' ? "" : "/") + ".tilelab-" + std::to_string(::getpid()) + "-" +
               std::to_string(serial++) + ".tmp";
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file rewritten where it stands, flushed. Used only where no temporary file
// can stand beside it (a folder the user may not write): not atomic, so a crash
// or a full disk half-way leaves the file short.
void WriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) FailCreate(path, errno);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    FailCreate(path, err);
  }
  if (::close(fd) != 0) FailCreate(path, errno);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return path.substr(0, slash + 1);  // keeps the slash: "/" stays the root
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // A file the user may not write is refused, as a plain write would refuse it;
  // the rename below would replace it (and its owner) all the same.
  struct stat old {};
  const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacing && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) FailCreate(path, errno);

  const std::string folder = FolderOf(path);
  std::string tempPath;
  int fd = OpenTemporary(folder, tempPath);
  if (fd < 0) {
    const int err = errno;
    if (replacing && (err == EACCES || err == EPERM)) return WriteInPlace(path, bytes);
    FailCreate(path, err);
  }

  auto abandon = [&](int err) {
    if (fd >= 0) ::close(fd);
    ::unlink(tempPath.c_str());
    FailCreate(path, err);
  };

  // A file replaced by a save keeps the permissions its owner gave it.
  if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) abandon(errno);
  if (!WriteAll(fd, bytes)) abandon(errno);
  if (::fsync(fd) != 0) abandon(errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) abandon(errno);
  if (::rename(tempPath.c_str(), path.c_str()) != 0) abandon(errno);

  // Makes the rename itself survive a power cut. The new file is already in
  // place, so a failure here is no reason to report the save as failed.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}
