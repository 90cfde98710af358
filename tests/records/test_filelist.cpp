// The list of record files of a folder: which entries count, and the list as
// the random opening uses it up.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/Filelist1.h"
#include "tests/support/SequenceSource.h"

namespace fs = std::filesystem;

namespace {

class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("filelist-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                          "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Folder);
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }
  void Touch(const std::string& name) { std::ofstream(Folder / name) << "x"; }
  std::vector<std::string> Names(const TFileList& list) const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.Size(); ++i) names.emplace_back(list[i]);
    return names;
  }
  std::vector<std::string> Sorted(std::vector<std::string> names) const {
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path Folder;
};

}  // namespace

TEST_F(FileListTest, LinksCountAsWhatTheyPointToAndNamesKeepTheirBytes) {
  Touch("a.csv");
  Touch("b.Csv");
  Touch("\xff\xfe.csv");  // not UTF-8: opened by exactly these bytes
  Touch("c.csvx");
  Touch(".csv");  // a hidden file with nothing before the extension
  Touch("csv");
  fs::create_directory(Folder / "d.csv");
  fs::create_directory_symlink(Folder / "d.csv", Folder / "link-to-folder.csv");
  fs::create_symlink(Folder / "a.csv", Folder / "link-to-file.csv");
  fs::create_symlink(Folder / "gone", Folder / "broken.csv");
  TFileList list;
  list.Build(Folder.string());
  EXPECT_EQ(Sorted(Names(list)),
            Sorted({"\xff\xfe.csv", ".csv", "a.csv", "b.Csv", "broken.csv", "link-to-file.csv"}));
}

TEST_F(FileListTest, AFolderThatCannotBeReadListsNothing) {
  TFileList list;
  list.Append("left.csv");
  list.Build((Folder / "missing").string());
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Size(), 0u);
}

TEST_F(FileListTest, TakingEveryNameEmptiesTheListAndABuildStartsAfresh) {
  for (const char* name : {"x.csv", "y.csv", "z.csv"}) Touch(name);
  TFileList list;
  list.Build(Folder.string());
  TRuleSource rule([](int step) { return step == 0 ? 2 : 0; });
  {
    TScopedRandomSource guard(rule);
    list.Shuffle();
  }
  EXPECT_EQ(rule.Taken, 2);
  const std::vector<std::string> order = Names(list);
  ASSERT_EQ(order.size(), 3u);
  list.RemoveFirst();
  EXPECT_EQ(Names(list), (std::vector<std::string>{order[1], order[2]}));
  list.RemoveFirst();
  list.RemoveFirst();
  EXPECT_TRUE(list.Empty());
  list.RemoveFirst();  // nothing left to take
  EXPECT_TRUE(list.Empty());
  list.Build(Folder.string());
  EXPECT_EQ(Sorted(Names(list)), (std::vector<std::string>{"x.csv", "y.csv", "z.csv"}));
}

// The generator gives 15-bit values: a step with more than 32,768 entries left
// combines two of them, so that the last of 40,000 files can come first, while
// shorter lists keep one value per step.
TEST(FileListShuffle, LongListsCombineValuesSoAnyFileCanComeFirst) {
  const struct {
    std::size_t size;
    std::vector<int> first;  // the values of the first step
    int taken;
    std::size_t firstEntry;
  } cases[] = {
      {32768, {32767}, 32767, 32767},
      {32769, {1, 0}, 32769, 32768},
      {40000, {1, 7231}, 2 * (40000 - 32768) + 32767, 39999},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    TFileList list;
    for (std::size_t i = 0; i < c.size; ++i) list.Append(std::to_string(i));
    TRuleSource rule([&c](int step) {
      return step < static_cast<int>(c.first.size()) ? c.first[static_cast<std::size_t>(step)] : 0;
    });
    {
      TScopedRandomSource guard(rule);
      list.Shuffle();
    }
    EXPECT_EQ(rule.Taken, c.taken);
    EXPECT_EQ(list[0], std::to_string(c.firstEntry));
    EXPECT_EQ(list.Size(), c.size);
  }
}
