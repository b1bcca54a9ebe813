// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "SampleItems.h"
#include "WorkProgress.h"
#include "TempDir.h"

namespace {

using TKind = TLoadResult::TKind;

TCategoryMap translating(const TVectorEngine& aEngine) {
  TCategoryMap map = TCategoryMap::Identity(aEngine);
  for (auto& text : map.NewCats) text += u" (new)";
  return map;
}

TEST(ReadWholeFileTest, RefusesWhatIsNotARegularFile) {
  TTempDir dir;
  ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(dir.File("folder"));
  for (const char* name : {"missing", "fifo", "folder"}) {
    try {
      readWholeFile(dir.File(name));
      ADD_FAILURE() << name << " was read";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), dir.File(name));
      EXPECT_NE(std::string(e.what()).find(dir.File(name)), std::string::npos);
      EXPECT_FALSE(e.Reason().empty());
    }
  }
}

// The size the system reports is all that is read: a file that reports none
// but gives bytes without end (as those under /proc do) reads as empty.
TEST(ReadWholeFileTest, ReadsExactlyTheReportedSize) {
  const char* endless = "/proc/self/status";
  struct stat info {};
  if (stat(endless, &info) != 0 || info.st_size != 0) GTEST_SKIP() << "no /proc here";
  EXPECT_TRUE(readWholeFile(endless).empty());
}

TEST(LoadFromFileTest, OutcomeTellsWhatHappened) {
  TTempDir dir;
  const TSampleLibrary lib = numberedLibrary(3, 2, 10);
  std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  writeBytesToFile(dir.File("good.zbl"), bytes);
  writeBytesToFile(dir.File("short.zbl"),
                   std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 23));
  writeBytesToFile(dir.File("empty.zbl"), {});
  bytes.resize(bytes.size() - 1);
  writeBytesToFile(dir.File("cut.zbl"), bytes);
  ASSERT_EQ(mkfifo(dir.File("fifo.zbl").c_str(), 0600), 0);

  TVectorEngine engine;
  EXPECT_EQ(engine.LoadLibraryFromFile(dir.File("good.zbl")).Kind, TKind::Loaded);
  EXPECT_EQ(engine.ItemCount(), 3u);
  EXPECT_EQ(engine.LoadLibraryFromFile(dir.File("short.zbl")).Kind, TKind::NotALibrary);
  EXPECT_EQ(engine.LoadLibraryFromFile(dir.File("empty.zbl")).Kind, TKind::NotALibrary);
  const TLoadResult cut = engine.LoadLibraryFromFile(dir.File("cut.zbl"));
  EXPECT_EQ(cut.Kind, TKind::Damaged);
  EXPECT_EQ(cut.ItemsRead, 2);
  EXPECT_EQ(cut.ItemsDeclared, 3);
  for (const char* name : {"missing.zbl", "fifo.zbl", ""}) {
    const TLoadResult result = engine.LoadLibraryFromFile(dir.File(name));
    EXPECT_EQ(result.Kind, TKind::CannotOpen) << name;
    EXPECT_FALSE(result.Reason.empty()) << name;
  }
}

class SaveFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::uint8_t> bytes = buildSampleLibrary(numberedLibrary(40, 2, 500));
    writeBytesToFile(dir.File("in.zbl"), bytes);
    ASSERT_EQ(engine.LoadLibraryFromFile(dir.File("in.zbl")).Kind, TKind::Loaded);
    TMemorySink sink;
    engine.SaveLibraryToStream(sink, translating(engine));
    expected = sink.Bytes;
  }

  TTempDir dir;
  TVectorEngine engine;
  std::vector<std::uint8_t> expected;
};

TEST_F(SaveFileTest, WritesWhatTheStreamSaveWrites) {
  engine.SaveLibraryToFile(dir.File("out.zbl"), translating(engine));
  EXPECT_EQ(readFileBytes(dir.File("out.zbl")), expected);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl", "out.zbl"}));
}

TEST_F(SaveFileTest, ShortWritesStillWriteEveryByteInOrder) {
  // Each write stops part way, inside a size field, a header or a body.
  const TFileSystemCalls system = fileSystemCalls();
  fileSystemCalls().Write = [](int aDescriptor, const void* aData, std::size_t aSize) {
    return ::write(aDescriptor, aData, std::min<std::size_t>(aSize, 77));
  };
  engine.SaveLibraryToFile(dir.File("out.zbl"), translating(engine));
  fileSystemCalls() = system;
  EXPECT_EQ(readFileBytes(dir.File("out.zbl")), expected);
}

TEST_F(SaveFileTest, CanReplaceTheFileItWasLoadedFrom) {
  engine.SaveLibraryToFile(dir.File("in.zbl"), translating(engine));
  EXPECT_EQ(readFileBytes(dir.File("in.zbl")), expected);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl"}));
}

TEST_F(SaveFileTest, UnwritablePlacesFailWithTheFileAndReason) {
  std::filesystem::create_directory(dir.File("folder"));
  for (const std::string& target :
       {dir.File("no/such/dir/out.zbl"), dir.File("in.zbl/out.zbl"), dir.File("folder")}) {
    try {
      engine.SaveLibraryToFile(target, translating(engine));
      ADD_FAILURE() << target << " was written";
    } catch (const TFileError& e) {
      EXPECT_NE(std::string(e.what()).find(target), std::string::npos) << e.what();
      EXPECT_FALSE(e.Reason().empty());
    }
  }
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"folder", "in.zbl"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder")));
}

class TThrowingProgress : public TWorkProgress {
 public:
  void Begin(int) override {}
  void Advance(int aPosition) override {
    if (aPosition == 20) throw std::runtime_error("interrupted");
  }
  void End() override {}
};

TEST_F(SaveFileTest, FailureInsideTheLoopKeepsTheOldFile) {
  const std::vector<std::uint8_t> old = readFileBytes(dir.File("in.zbl"));
  TThrowingProgress progress;
  EXPECT_THROW(engine.SaveLibraryToFile(dir.File("in.zbl"), translating(engine), &progress),
               std::runtime_error);
  EXPECT_EQ(readFileBytes(dir.File("in.zbl")), old);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl"}));
}

// Saves in a child whose file-size limit stops the write at aLimit bytes; the
// child exits 0 only when the save reported the failure.
int saveUnderSizeLimit(TVectorEngine& aEngine, const std::string& aTarget, rlim_t aLimit) {
  TChildLimits limits;
  limits.FileSize = aLimit;
  return runInChild(
             [&] {
               try {
                 aEngine.SaveLibraryToFile(aTarget, translating(aEngine));
               } catch (const TFileError&) {
                 return 0;
               }
               return 1;
             },
             limits)
      .ExitCode;
}

TEST_F(SaveFileTest, FullDiskNeverReplacesTheFile) {
  const std::vector<std::uint8_t> old = readFileBytes(dir.File("in.zbl"));
  const rlim_t size = expected.size();
  for (rlim_t limit :
       {rlim_t{0}, rlim_t{24}, size / 2, size - 16384, size - 100, size - 3, size - 1}) {
    EXPECT_EQ(saveUnderSizeLimit(engine, dir.File("in.zbl"), limit), 0) << "limit " << limit;
    EXPECT_EQ(readFileBytes(dir.File("in.zbl")), old) << "limit " << limit;
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl"})) << "limit " << limit;
  }
  EXPECT_EQ(saveUnderSizeLimit(engine, dir.File("in.zbl"), size), 1);
  EXPECT_EQ(readFileBytes(dir.File("in.zbl")), expected);
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsPermissions) {
  ASSERT_EQ(chmod(dir.File("in.zbl").c_str(), 0640), 0);
  engine.SaveLibraryToFile(dir.File("in.zbl"), translating(engine));
  struct stat info {};
  ASSERT_EQ(stat(dir.File("in.zbl").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}  // namespace
