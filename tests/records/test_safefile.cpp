#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

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
    ExpectRefused(folder / "nowhere/deal.csv", "new");
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
