#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "records/Safefile1.h"
#include "tests/records/RecordFiles.h"

namespace {

const std::string OldRecord = "the record the player saved before\r\n";

// Expects the save to fail with the player's message, naming the file.
void ExpectRefused(const std::string& path, const std::string& bytes) {
  try {
    WriteFileAtomically(path, bytes);
    ADD_FAILURE() << "no exception for " << path;
  } catch (const TFileError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + path + " を作成できません");
    EXPECT_TRUE(e.Reason) << "the system's cause is kept";
  }
}

// Holds files written by this process to a few bytes; the kernel refuses even
// root a write beyond it, so a save can be made to fail half-way.
class TFileSizeLimit {
public:
  explicit TFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &Saved);
    rlimit limit = Saved;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    OldHandler = std::signal(SIGXFSZ, SIG_IGN);  // an error, not the end of the process
  }
  ~TFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &Saved);
    std::signal(SIGXFSZ, OldHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
  rlimit Saved{};
  void (*OldHandler)(int) = nullptr;
};

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Runs check with the rights of an ordinary user: root may write anything, so
// there it runs in a child process that gave root up. check answers what went
// wrong, or nothing.
std::string AsOrdinaryUser(const std::function<std::string()>& check) {
  if (::geteuid() != 0) return check();
  int out[2];
  if (::pipe(out) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    std::string failure = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? check() : "cannot leave root";
    if (failure.empty()) failure = "ok";
    if (::write(out[1], failure.data(), failure.size()) < 0) ::_exit(2);
    ::_exit(0);
  }
  ::close(out[1]);
  std::string answer;
  char buffer[256];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) answer.append(buffer, static_cast<std::size_t>(n));
  ::close(out[0]);
  ::waitpid(child, nullptr, 0);
  return answer == "ok" ? "" : answer.empty() ? "the check died" : answer;
}

// A folder the ordinary user of AsOrdinaryUser may make things in.
std::filesystem::path OpenFolder(const TTempFolder& folder) {
  ::chmod(folder.Path.c_str(), 0777);
  return folder.Path;
}

}  // namespace

TEST(SafeFile, WritesNewAndReplacesOldLeavingNothingElse) {
  TTempFolder folder;
  const std::string path = folder / "deal.csv";
  WriteFileAtomically(path, "first");
  EXPECT_EQ(ReadBytes(path), "first");
  WriteFileAtomically(path, std::string("a\0b", 3));
  EXPECT_EQ(ReadBytes(path), std::string("a\0b", 3));
  WriteFileAtomically(path, "");
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"deal.csv"});
}

TEST(SafeFile, NameRelativeToTheWorkingFolder) {
  TTempFolder folder;
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path);
  WriteFileAtomically("plain.csv", "x");
  std::filesystem::current_path(before);
  EXPECT_EQ(ReadBytes(folder / "plain.csv"), "x");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"plain.csv"});
}

TEST(SafeFile, PermissionsFollowTheUmaskOrTheReplacedFile) {
  TTempFolder folder;
  const mode_t mask = ::umask(022);
  const std::string fresh = folder / "fresh.csv";
  WriteFileAtomically(fresh, "x");
  EXPECT_EQ(ModeOf(fresh), 0644u);

  const std::string kept = folder / "kept.csv";
  WriteFileAtomically(kept, "x");
  ::chmod(kept.c_str(), 0600);
  WriteFileAtomically(kept, "y");
  EXPECT_EQ(ModeOf(kept), 0600u);
  ::umask(mask);
}

TEST(SafeFile, LongestFileNameCanBeSaved) {
  TTempFolder folder;
  const std::string path = folder / (std::string(251, 'r') + ".csv");  // 255 bytes, the limit of a name
  WriteFileAtomically(path, "x");
  EXPECT_EQ(ReadBytes(path), "x");
}

// Failures that stop root as well, each with a record already beside the target.
TEST(SafeFile, FailureLeavesTheOldRecordAndNoTemporaryFile) {
  TTempFolder folder;
  const std::string record = folder / "record.csv";
  WriteBytes(record, OldRecord);
  std::filesystem::create_directory(folder.Path / "folder.csv");
  const std::set<std::string> names{"folder.csv", "record.csv"};

  {
    SCOPED_TRACE("the target is a folder");
    ExpectRefused(folder / "folder.csv", "new");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path / "folder.csv"));
  }
  {
    SCOPED_TRACE("the path runs through a file");
    ExpectRefused(record + "/deal.csv", "new");
  }
  {
    SCOPED_TRACE("a missing folder");
    try {
      WriteFileAtomically(folder / "nowhere/deal.csv", "new");
      ADD_FAILURE() << "no exception";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.Reason, std::errc::no_such_file_or_directory);
    }
  }
  {
    SCOPED_TRACE("the disk refuses the rest of the bytes half-way");
    const std::string bytes(4096, 'n');
    TFileSizeLimit limit(100);
    ExpectRefused(record, bytes);
  }
  EXPECT_EQ(ReadBytes(record), OldRecord);
  EXPECT_EQ(folder.Names(), names);
}

TEST(SafeFile, FolderOfKeepsTheLastSlash) {
  EXPECT_EQ(FolderOf("/x.csv"), "/");
  EXPECT_EQ(FolderOf("/a/b/x.csv"), "/a/b/");
  EXPECT_EQ(FolderOf("x.csv"), ".");
}

// A plain write would refuse a read-only file; so does the save, leaving it as it was.
TEST(SafeFile, AReadOnlyFileIsRefusedAndUntouched) {
  TTempFolder folder;
  const std::string record = (OpenFolder(folder) / "kept.csv").string();
  EXPECT_EQ(AsOrdinaryUser([&]() -> std::string {
              WriteBytes(record, OldRecord);
              ::chmod(record.c_str(), 0444);
              try {
                WriteFileAtomically(record, "new");
                return "the read-only file was replaced";
              } catch (const TFileError& e) {
                if (std::string(e.what()) != "ファイル " + record + " を作成できません") return e.what();
              }
              if (ReadBytes(record) != OldRecord) return "the file changed";
              if (ModeOf(record) != 0444) return "the mode changed";
              return {};
            }),
            "");
  EXPECT_EQ(folder.Names(), std::set<std::string>{"kept.csv"});
}

// No temporary file can stand in a folder the user may not write; a file there
// that the user may write is rewritten in place.
TEST(SafeFile, AWritableFileInALockedFolderIsRewrittenInPlace) {
  TTempFolder folder;
  const std::filesystem::path locked = OpenFolder(folder) / "locked";
  const std::string record = (locked / "deal.csv").string();
  EXPECT_EQ(AsOrdinaryUser([&]() -> std::string {
              std::filesystem::create_directory(locked);
              WriteBytes(record, OldRecord);
              ::chmod(locked.c_str(), 0555);
              try {
                WriteFileAtomically(record, "new record");
              } catch (const TFileError& e) {
                return e.what();
              }
              if (ReadBytes(record) != "new record") return "not written";
              try {
                WriteFileAtomically((locked / "other.csv").string(), "x");
                return "a new file was made in the locked folder";
              } catch (const TFileError&) {
              }
              return {};
            }),
            "");
}
