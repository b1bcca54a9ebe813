// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail, through SaveLibraryToFile and through zbl translate: each
// reports the file and the reason, and leaves every file as it was, with no
// temporary file beside it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "SampleLibrary.h"
#include "SaveFixture.h"
#include "WorkProgress.h"

namespace {

namespace fs = std::filesystem;

enum class TSaver { Engine, Program };

std::string saverName(TSaver aSaver) {
  return aSaver == TSaver::Engine ? "SaveLibraryToFile" : "ZblTranslate";
}

void PrintTo(TSaver aSaver, std::ostream* aOut) { *aOut << saverName(aSaver); }

/// A place a save cannot write, made in the directory; returns the target,
/// or nothing when the system does not let the test make it.
struct TPlaceCase {
  const char* Label;
  std::string (*Make)(const TTempDir& aDir);
};

void PrintTo(const TPlaceCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

const TPlaceCase kPlaces[] = {
    {"MissingDirectory", [](const TTempDir& d) { return d.File("missing/out.zbl"); }},
    {"ComponentIsAFile", [](const TTempDir& d) { return d.File("old.zbl/out.zbl"); }},
    {"TargetIsADirectory",
     [](const TTempDir& d) {
       fs::create_directory(d.File("folder"));
       writeBytesToFile(d.File("folder/keep"), {7, 7});
       return d.File("folder");
     }},
    {"LinkToADirectory",
     [](const TTempDir& d) {
       fs::create_directory(d.File("folder"));
       fs::create_directory_symlink("folder", d.File("link"));
       return d.File("link");
     }},
    {"DanglingLinkIntoMissingDirectory",
     [](const TTempDir& d) {
       fs::create_symlink("missing/out.zbl", d.File("link"));
       return d.File("link");
     }},
    // Neither is opened: a FIFO without a reader would block the save.
    {"TargetIsAFifo",
     [](const TTempDir& d) {
       EXPECT_EQ(mkfifo(d.File("pipe").c_str(), 0644), 0);
       return d.File("pipe");
     }},
    {"LinkToAFifo",
     [](const TTempDir& d) {
       EXPECT_EQ(mkfifo(d.File("pipe").c_str(), 0644), 0);
       fs::create_symlink("pipe", d.File("link"));
       return d.File("link");
     }},
    // The device /dev/null is; where devices cannot be made, the row is skipped.
    {"TargetIsADevice",
     [](const TTempDir& d) {
       const std::string path = d.File("null");
       return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? path : std::string();
     }},
    {"LoopOfLinks",
     [](const TTempDir& d) {
       fs::create_symlink("second", d.File("first"));
       fs::create_symlink("first", d.File("second"));
       return d.File("first");
     }},
};

// The outcome of one save in a child: 0 when it failed with a TFileError
// that names the target, 1 when it succeeded; the message goes to stderr.
int saveInChild(TVectorEngine& aEngine, const std::string& aTarget, const TCategoryMap& aMap) {
  try {
    aEngine.SaveLibraryToFile(aTarget, aMap);
  } catch (const TFileError& e) {
    std::fputs(e.what(), stderr);
    return e.File() == aTarget && !e.Reason().empty() ? 0 : 2;
  }
  return 1;
}

class UnwritablePlaceTest : public TSaveFixture,
                            public testing::WithParamInterface<std::tuple<TSaver, TPlaceCase>> {};

TEST_P(UnwritablePlaceTest, FailsNamingTheFileAndChangesNothing) {
  const auto [saver, place] = GetParam();
  const std::string target = place.Make(Dir);
  if (target.empty()) GTEST_SKIP() << "this system does not let the test make it";
  Before = snapshotDir(Dir.Path());
  if (saver == TSaver::Engine) {
    try {
      Engine.SaveLibraryToFile(target, Translation());
      ADD_FAILURE() << target << " was written";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), target);
      EXPECT_FALSE(e.Reason().empty());
      EXPECT_NE(std::string(e.what()).find("'" + target + "': " + e.Reason()), std::string::npos)
          << e.what();
    }
  } else {
    const TChildResult run = runProgram(ZBL_PROGRAM, {"translate", In, target});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err.rfind("zbl: " + target + ": cannot save: ", 0), 0u) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
  }
  ExpectDirectoryUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritablePlaceTest,
                         testing::Combine(testing::Values(TSaver::Engine, TSaver::Program),
                                          testing::ValuesIn(kPlaces)),
                         [](const auto& info) {
                           return saverName(std::get<0>(info.param)) +
                                  std::get<1>(info.param).Label;
                         });

/// A file-size limit, counted from the start of the output or back from its
/// end.
struct TLimitCase {
  const char* Label;
  bool FromEnd;
  std::size_t Bytes;
};

void PrintTo(const TLimitCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

constexpr std::size_t kBlock = std::size_t{1} << 20;

const TLimitCase kLimits[] = {
    {"Nothing", false, 0},
    {"OneByte", false, 1},
    {"OneByteShortOfTheHeader", false, 23},
    {"HeaderOnly", false, 24},
    {"HeaderAndFirstSize", false, 32},
    {"OneByteShortOfABlock", false, kBlock - 1},
    {"OneBlock", false, kBlock},
    {"OneBlockAndAByte", false, kBlock + 1},
    {"LastSixteenKiB", true, 16384},
    {"LastSixteenKiBLessOne", true, 16383},
    {"LastTenThousand", true, 10000},
    {"LastPageAndAByte", true, 4097},
    {"LastPage", true, 4096},
    {"LastHalfKiB", true, 512},
    {"LastItemHeader", true, 193},
    {"LastEight", true, 8},
    {"LastByte", true, 1},
};

class FileSizeLimitTest : public TSaveFixture,
                          public testing::WithParamInterface<std::tuple<TSaver, TLimitCase>> {};

TEST_P(FileSizeLimitTest, WriteThatFailsKeepsTheOldFile) {
  const auto [saver, limitCase] = GetParam();
  const std::size_t size = saver == TSaver::Engine ? Expected.size() : ExpectedKept.size();
  const rlim_t limit = limitCase.FromEnd ? size - limitCase.Bytes : limitCase.Bytes;
  ASSERT_LT(limit, size);
  const TChildLimits limits{limit};
  if (saver == TSaver::Engine) {
    const TChildResult run =
        runInChild([&] { return saveInChild(Engine, Old, Translation()); }, limits);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Err.find("'" + Old + "': File too large"), std::string::npos) << run.Err;
  } else {
    const TChildResult run = runProgram(ZBL_PROGRAM, {"translate", In, Old}, limits);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "zbl: " + Old + ": cannot save: File too large\n");
  }
  ExpectDirectoryUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Sweep, FileSizeLimitTest,
                         testing::Combine(testing::Values(TSaver::Engine, TSaver::Program),
                                          testing::ValuesIn(kLimits)),
                         [](const auto& info) {
                           return saverName(std::get<0>(info.param)) +
                                  std::get<1>(info.param).Label;
                         });

class ExactLimitTest : public TSaveFixture {};

// The sweep's limits fail only because they are below the output's size.
TEST_F(ExactLimitTest, LimitOfExactlyTheOutputSucceeds) {
  const TChildResult run = runInChild([&] { return saveInChild(Engine, Old, Translation()); },
                                      TChildLimits{Expected.size()});
  EXPECT_EQ(run.ExitCode, 1) << run.Err;
  EXPECT_EQ(readFileBytes(Old), Expected);

  const TChildResult program =
      runProgram(ZBL_PROGRAM, {"translate", In, Old}, TChildLimits{ExpectedKept.size()});
  EXPECT_EQ(program.ExitCode, 0) << program.Err;
  EXPECT_EQ(readFileBytes(Old), ExpectedKept);
  EXPECT_EQ(Dir.Entries(), (std::vector<std::string>{"in.zbl", "old.zbl"}));
}

/// A system call of the file layer that fails once, at its aAt-th use,
/// with aError; the rest go to the system.
enum class TCall { Write, Sync, Rename };

struct TInjectedCase {
  const char* Label;
  TCall Call;
  int At;
  /// errno of the failure; 0 for a write that makes no progress.
  int Error;
  /// The reason the save reports; empty when the save must succeed anyway.
  const char* Reason;
  /// The temporary file cannot be removed either, and is named.
  bool RemovalFails = false;
};

void PrintTo(const TInjectedCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

/// How the temporary file starts: without a name, or named when the system
/// cannot make an unnamed one.
enum class TTemporary { Unnamed, Named };

void PrintTo(TTemporary aTemporary, std::ostream* aOut) {
  *aOut << (aTemporary == TTemporary::Named ? "Named" : "Unnamed");
}

struct TInjected {
  TInjectedCase Case{};
  int Uses = 0;
  std::string Dir;
  std::size_t EntriesWhileWriting = 0;
};
TInjected gInjected;

bool failsNow(TCall aCall) {
  if (gInjected.Case.Call != aCall || ++gInjected.Uses != gInjected.Case.At) return false;
  errno = gInjected.Case.Error;
  return true;
}

ssize_t injectedWrite(int aDescriptor, const void* aData, std::size_t aSize) {
  gInjected.EntriesWhileWriting = static_cast<std::size_t>(
      std::distance(fs::directory_iterator(gInjected.Dir), fs::directory_iterator()));
  if (failsNow(TCall::Write)) return gInjected.Case.Error == 0 ? 0 : -1;
  // Short writes must be continued, not taken for the whole.
  return write(aDescriptor, aData, aSize > 1000 ? aSize / 3 : aSize);
}

int injectedSync(int aDescriptor) { return failsNow(TCall::Sync) ? -1 : fsync(aDescriptor); }

int injectedRename(int aDirectory, const char* aFrom, const char* aTo) {
  return failsNow(TCall::Rename) ? -1 : renameat(aDirectory, aFrom, aDirectory, aTo);
}

int failingUnlink(int aDirectory, const char* aName) {
  if (!gInjected.Case.RemovalFails) return unlinkat(aDirectory, aName, 0);
  errno = EPERM;
  return -1;
}

int noUnnamedFiles(int) {
  errno = EOPNOTSUPP;
  return -1;
}

const TInjectedCase kInjected[] = {
    {"SyncFails", TCall::Sync, 1, EIO, "Input/output error"},
    {"FirstWriteFindsTheDiskFull", TCall::Write, 1, ENOSPC, "No space left on device"},
    {"LaterWriteFails", TCall::Write, 4, EIO, "Input/output error"},
    {"WriteMakesNoProgress", TCall::Write, 2, 0, "No space left on device"},
    {"RenameFails", TCall::Rename, 1, EXDEV, "Invalid cross-device link"},
    {"RenameAndRemovalFail", TCall::Rename, 1, EPERM, "Operation not permitted", true},
    {"InterruptedWriteGoesOn", TCall::Write, 1, EINTR, ""},
};

class InjectedFailureTest
    : public TSaveFixture,
      public testing::WithParamInterface<std::tuple<TTemporary, TInjectedCase>> {
 protected:
  void SetUp() override {
    TSaveFixture::SetUp();
    gInjected = TInjected{std::get<1>(GetParam()), 0, Dir.Path(), 0};
    TFileSystemCalls& calls = fileSystemCalls();
    calls.Write = injectedWrite;
    calls.Sync = injectedSync;
    calls.Rename = injectedRename;
    calls.Unlink = failingUnlink;
    if (std::get<0>(GetParam()) == TTemporary::Named) calls.OpenUnnamed = noUnnamedFiles;
  }
  void TearDown() override { fileSystemCalls() = mSystem; }

  const TFileSystemCalls mSystem = fileSystemCalls();
};

TEST_P(InjectedFailureTest, FailureIsReportedAndKeepsTheOldFile) {
  const auto [temporary, row] = GetParam();
  const std::string reason = row.Reason;
  if (reason.empty()) {
    Engine.SaveLibraryToFile(Old, Translation());
    EXPECT_EQ(readFileBytes(Old), Expected);
    EXPECT_EQ(Dir.Entries(), (std::vector<std::string>{"in.zbl", "old.zbl"}));
  } else {
    try {
      Engine.SaveLibraryToFile(Old, Translation());
      ADD_FAILURE() << "the save succeeded";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.File(), Old);
      if (row.RemovalFails) {
        // The one file left behind is named, and holds the whole new output.
        const std::vector<std::string> entries = Dir.Entries();
        ASSERT_EQ(entries.size(), 3u);
        const std::string left = Dir.File(entries.front());
        EXPECT_TRUE(entries.front().starts_with(".zbl-")) << entries.front();
        EXPECT_EQ(e.LeftBehind(), left);
        EXPECT_EQ(readFileBytes(left), Expected);
        fs::remove(left);
      } else {
        EXPECT_EQ(e.LeftBehind(), "");
      }
      EXPECT_EQ(e.Reason(), reason);
    }
    ExpectDirectoryUnchanged();
  }
  // Only a named temporary file shows in the directory while it is written.
  EXPECT_EQ(gInjected.EntriesWhileWriting, temporary == TTemporary::Named ? 3u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Table, InjectedFailureTest,
                         testing::Combine(testing::Values(TTemporary::Unnamed, TTemporary::Named),
                                          testing::ValuesIn(kInjected)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) == TTemporary::Named
                                                  ? "Named"
                                                  : "Unnamed") +
                                  std::get<1>(info.param).Label;
                         });

/// Where a progress reporter written for the test throws.
enum class TStep { Begin, Advance };

struct TThrowCase {
  const char* Label;
  TStep Step;
  /// The item position at which it throws.
  int Position;
};

void PrintTo(const TThrowCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class TInterrupted : public std::runtime_error {
 public:
  TInterrupted() : std::runtime_error("interrupted by the reporter") {}
};

class TThrowingProgress final : public TWorkProgress {
 public:
  TThrowingProgress(TStep aStep, int aPosition) : mStep(aStep), mPosition(aPosition) {}

  int Ended = 0;

  void Begin(int) override {
    if (mStep == TStep::Begin) throw TInterrupted();
  }
  void Advance(int aPosition) override {
    if (mStep == TStep::Advance && aPosition == mPosition) throw TInterrupted();
  }
  void End() override { ++Ended; }

 private:
  TStep mStep;
  int mPosition;
};

const TThrowCase kThrows[] = {
    {"Beginning", TStep::Begin, 0},
    {"FirstPosition", TStep::Advance, 0},
    {"SecondPosition", TStep::Advance, 1},
    {"MiddlePosition", TStep::Advance, 150},
    {"LastPositionAfterEveryItemIsWritten", TStep::Advance, 299},
};

class ThrowingReporterTest : public TSaveFixture, public testing::WithParamInterface<TThrowCase> {};

TEST_P(ThrowingReporterTest, ExceptionLeavesTheOldFileAndEndsTheReport) {
  ASSERT_EQ(Engine.ItemCount(), 300u);
  TThrowingProgress progress(GetParam().Step, GetParam().Position);
  EXPECT_THROW(Engine.SaveLibraryToFile(Old, Translation(), &progress), TInterrupted);
  EXPECT_EQ(progress.Ended, 1);
  ExpectDirectoryUnchanged();

  // The engine is still whole: the next save writes everything.
  Engine.SaveLibraryToFile(Old, Translation());
  EXPECT_EQ(readFileBytes(Old), Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ThrowingReporterTest, testing::ValuesIn(kThrows),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
