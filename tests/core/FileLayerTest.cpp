// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "SampleItems.h"
#include "TempDir.h"
#include "WorkProgress.h"

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

// Cuts aFile to aSize bytes from another process, as another program would.
void cutInAnotherProcess(const std::string& aFile, off_t aSize) {
  const TChildResult run =
      runInChild([&] { return ::truncate(aFile.c_str(), aSize) == 0 ? 0 : 1; });
  ASSERT_EQ(run.ExitCode, 0);
}

// Another process cuts the library short after it is mapped and before its
// last item is read: the load says so and keeps nothing, and nothing
// crashes.
TEST(LoadFromFileTest, LibraryCutShortWhileReadIsReported) {
  struct TCutter final : TWorkProgress {
    void Begin(int) override {
      if (!Cut) cutInAnotherProcess(File, 4096);
      Cut = true;
    }
    void Advance(int) override {}
    void End() override {}
    std::string File;
    bool Cut = false;
  } cutter;
  TTempDir dir;
  cutter.File = dir.File("in.zbl");
  writeBytesToFile(cutter.File, buildSampleLibrary(numberedLibrary(3000, 3, 400)));
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromFile(cutter.File, &cutter);
  ASSERT_TRUE(cutter.Cut);
  EXPECT_EQ(result.Kind, TKind::CannotOpen);
  EXPECT_NE(result.Reason.find("changed"), std::string::npos) << result.Reason;
  EXPECT_EQ(engine.ItemCount(), 0u);
  EXPECT_EQ(engine.GetLibraryIndexCount(), 0);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl"}));
}

struct TChangeCase {
  const char* Label;
  void (*Change)(const std::string& aFile);
  bool Intact;
};

void PrintTo(const TChangeCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

const TChangeCase kChanges[] = {
    {"CutShort", [](const std::string& aFile) { cutInAnotherProcess(aFile, 100); }, false},
    {"WrittenInPlace",
     [](const std::string& aFile) {
       const int descriptor = ::open(aFile.c_str(), O_WRONLY);
       ASSERT_GE(descriptor, 0);
       EXPECT_EQ(::pwrite(descriptor, "x", 1, 70000), 1);
       ::close(descriptor);
     },
     false},
    {"ReplacedByAnother",
     [](const std::string& aFile) {
       writeBytesToFile(aFile + ".new", std::vector<std::uint8_t>(100, 7));
       ASSERT_EQ(std::rename((aFile + ".new").c_str(), aFile.c_str()), 0);
     },
     true},
};

class MappedFileTest : public testing::TestWithParam<TChangeCase> {};

// However the file changes under the mapping, every byte can still be read;
// only a file replaced by another name keeps the bytes mapped.
TEST_P(MappedFileTest, ChangeUnderTheMappingShowsAndNeverCrashes) {
  TTempDir dir;
  const std::string file = dir.File("mapped");
  std::vector<std::uint8_t> bytes(200000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
  writeBytesToFile(file, bytes);
  // A time long past, so that a write now changes it, however coarse the clock.
  const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), past, 0), 0);
  const TFileBytes mapped = TFileBytes::Open(file);
  ASSERT_TRUE(mapped.Mapped());
  ASSERT_EQ(mapped.Size(), bytes.size());
  EXPECT_TRUE(mapped.Intact());
  GetParam().Change(file);
  std::size_t same = 0;
  for (std::size_t i = 0; i < mapped.Size(); ++i) same += mapped.Data()[i] == bytes[i];
  EXPECT_EQ(mapped.Intact(), GetParam().Intact);
  if (GetParam().Intact) {
    EXPECT_EQ(same, bytes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MappedFileTest, testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST(MappedFileTest, EmptyFileIsReadNotMapped) {
  TTempDir dir;
  writeBytesToFile(dir.File("empty"), {});
  const TFileBytes bytes = TFileBytes::Open(dir.File("empty"));
  EXPECT_FALSE(bytes.Mapped());
  EXPECT_EQ(bytes.Size(), 0u);
  EXPECT_TRUE(bytes.Intact());
}

// The handler takes only the faults of its own mappings; any other bus error
// still ends the program (by the signal, or through a handler that was there
// before, as a sanitizer's).
TEST(MappedFileTest, OtherBusErrorsStillEndTheProgram) {
  TTempDir dir;
  writeBytesToFile(dir.File("mapped"), std::vector<std::uint8_t>(5000, 1));
  const TChildResult run = runInChild([&] {
    const TFileBytes mapped = TFileBytes::Open(dir.File("mapped"));
    std::raise(SIGBUS);
    return mapped.Mapped() ? 0 : 2;
  });
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.ExitCode, 2);
}

struct TWriteBackCase {
  const char* Label;
  int Error;
  /// The reason the commit fails with; empty when it succeeds.
  const char* Reason;
};

void PrintTo(const TWriteBackCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

int gWriteBackError = 0;
int gWriteBacks = 0;

class WriteBackTest : public testing::TestWithParam<TWriteBackCase> {};

// A write-back started early that fails has told the disk's error once: the
// commit fails with it and the target stays; one the file system cannot do
// is left to the sync.
TEST_P(WriteBackTest, FailedEarlyWriteBackFailsTheCommit) {
  TTempDir dir;
  const std::string target = dir.File("out");
  writeBytesToFile(target, {1, 2, 3});
  const TFileSystemCalls system = fileSystemCalls();
  gWriteBackError = GetParam().Error;
  gWriteBacks = 0;
  fileSystemCalls().StartWriteBack = [](int, off_t, off_t) {
    ++gWriteBacks;
    errno = gWriteBackError;
    return -1;
  };
  const std::vector<std::uint8_t> block(std::size_t{1} << 20, 9);
  std::string reason;
  try {
    TAtomicFileWriter writer(target);
    for (int i = 0; i < 40; ++i) writer.Write(block.data(), block.size());
    writer.Commit();
  } catch (const TFileError& e) {
    reason = e.Reason();
  }
  fileSystemCalls() = system;
  EXPECT_GE(gWriteBacks, 1);
  EXPECT_EQ(reason, GetParam().Reason);
  EXPECT_EQ(std::filesystem::file_size(target), *GetParam().Reason ? 3u : 40u << 20);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"out"}));
}

INSTANTIATE_TEST_SUITE_P(Table, WriteBackTest,
                         testing::Values(TWriteBackCase{"DiskFails", EIO, "Input/output error"},
                                         TWriteBackCase{"NotSupported", ENOSYS, ""}),
                         [](const auto& info) { return std::string(info.param.Label); });

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

// The items stay in the loaded file's mapping: once another program has cut
// it short, the save fails and leaves the target as it was.
TEST_F(SaveFileTest, LibraryCutShortSinceTheLoadIsNotSaved) {
  writeBytesToFile(dir.File("out.zbl"), {1, 2, 3});
  cutInAnotherProcess(dir.File("in.zbl"), 4096);
  try {
    engine.SaveLibraryToFile(dir.File("out.zbl"), translating(engine));
    ADD_FAILURE() << "saved";
  } catch (const TFileError& e) {
    EXPECT_EQ(e.Operation(), TFileOperation::Read);
    EXPECT_EQ(e.File(), dir.File("out.zbl"));
  }
  EXPECT_EQ(readFileBytes(dir.File("out.zbl")), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.zbl", "out.zbl"}));
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
