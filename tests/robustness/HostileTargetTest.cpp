// SPDX-License-Identifier: GPL-3.0-or-later
// Targets a save must not take at their word: descriptors of a process
// dressed as files, files with special mode bits, and a directory that is
// replaced while the save is written. Each row saves through the file
// layer's writer, or through zbl translate with its standard output
// appended to a log, and compares the whole directory with what the save
// was meant to leave.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "SampleLibrary.h"
#include "SaveFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kLog = "log line\n";
constexpr const char* kNewBytes = "the new bytes";

/// What the row's Make has opened for it: a descriptor on log.txt.
struct TOpened {
  int Log = -1;
};

struct TTargetCase {
  const char* Label;
  /// Run as zbl translate with standard output appended to log.txt, instead
  /// of through the writer.
  bool Program;
  /// Makes what the row needs; returns the target, or nothing to skip the
  /// row where the system does not let the test make it.
  std::string (*Make)(const TTempDir& aDir, TOpened& aOpened);
  /// Done after the writer starts and before it commits; may be null.
  void (*Between)(const TTempDir& aDir);
  /// The file (relative to the directory) that gets the new bytes, and its
  /// mode then; null when the target is refused and nothing may change.
  const char* Written;
  mode_t Mode;
};

void PrintTo(const TTargetCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

std::string openLog(const TTempDir& aDir, TOpened& aOpened, const std::string& aPrefix) {
  aOpened.Log = open(aDir.File("log.txt").c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  EXPECT_GE(aOpened.Log, 0);
  return aPrefix + std::to_string(aOpened.Log);
}

std::string withMode(const TTempDir& aDir, mode_t aMode) {
  EXPECT_EQ(chmod(aDir.File("old.zbl").c_str(), aMode), 0);
  return aDir.File("old.zbl");
}

const TTargetCase kTargets[] = {
    {"ProgramDevStdoutAppendedToALog", true,
     [](const TTempDir&, TOpened&) { return std::string("/dev/stdout"); }, nullptr, nullptr, 0},
    {"ProgramLinkToDevStdout", true,
     [](const TTempDir& d, TOpened&) {
       fs::create_symlink("/dev/stdout", d.File("out.zbl"));
       return d.File("out.zbl");
     },
     nullptr, nullptr, 0},
    {"DevFd", false, [](const TTempDir& d, TOpened& o) { return openLog(d, o, "/dev/fd/"); },
     nullptr, nullptr, 0},
    {"ProcSelfFd", false,
     [](const TTempDir& d, TOpened& o) { return openLog(d, o, "/proc/self/fd/"); }, nullptr,
     nullptr, 0},
    {"ProcPidFd", false,
     [](const TTempDir& d, TOpened& o) {
       return openLog(d, o, "/proc/" + std::to_string(getpid()) + "/fd/");
     },
     nullptr, nullptr, 0},
    // Reached through a link to the directory, which no look at the name
    // would tell.
    {"LinkToTheDescriptorDirectory", false,
     [](const TTempDir& d, TOpened& o) {
       fs::create_directory_symlink("/proc/self/fd", d.File("fds"));
       return openLog(d, o, d.File("fds/"));
     },
     nullptr, nullptr, 0},
    {"DevStdin", false, [](const TTempDir&, TOpened&) { return std::string("/dev/stdin"); },
     nullptr, nullptr, 0},
    {"Setuid", false, [](const TTempDir& d, TOpened&) { return withMode(d, 04755); }, nullptr,
     "old.zbl", 04755},
    {"Setgid", false, [](const TTempDir& d, TOpened&) { return withMode(d, 02750); }, nullptr,
     "old.zbl", 02750},
    {"Sticky", false, [](const TTempDir& d, TOpened&) { return withMode(d, 01644); }, nullptr,
     "old.zbl", 01644},
    // The new file is root's: another user's set-ID bits would lend it
    // their rights.
    {"SetIdOfAnotherOwner", false,
     [](const TTempDir& d, TOpened&) {
       const std::string target = withMode(d, 07755);
       if (geteuid() != 0 || chown(target.c_str(), 4321, 4321) != 0) return std::string();
       EXPECT_EQ(chmod(target.c_str(), 07755), 0);  // chown cleared the set-ID bits
       return target;
     },
     nullptr, "old.zbl", 01755},
    {"DirectoryReplacedBeforeCommit", false,
     [](const TTempDir& d, TOpened&) {
       fs::create_directory(d.File("sub"));
       writeBytesToFile(d.File("sub/lib.zbl"), {1, 2, 3});
       EXPECT_EQ(chmod(d.File("sub/lib.zbl").c_str(), 0640), 0);
       return d.File("sub/lib.zbl");
     },
     [](const TTempDir& d) {
       fs::rename(d.File("sub"), d.File("moved"));
       fs::create_directory(d.File("sub"));
       writeBytesToFile(d.File("sub/lib.zbl"), {4, 5, 6});
     },
     "moved/lib.zbl", 0640},
};

class HostileTargetTest : public TSaveFixture, public testing::WithParamInterface<TTargetCase> {
 protected:
  void TearDown() override {
    if (mOpened.Log >= 0) close(mOpened.Log);
  }
  TOpened mOpened;
};

TEST_P(HostileTargetTest, RefusedOrSavedWhereItWasChecked) {
  const TTargetCase& row = GetParam();
  const std::string log = kLog;
  writeBytesToFile(Dir.File("log.txt"), std::vector<std::uint8_t>(log.begin(), log.end()));
  const std::string target = row.Make(Dir, mOpened);
  if (target.empty()) GTEST_SKIP() << "this system does not let the test make it";
  Before = snapshotDir(Dir.Path());

  if (row.Program) {
    const TChildResult run = runInChild([&] {
      const int log = open(Dir.File("log.txt").c_str(), O_WRONLY | O_APPEND);
      if (log < 0 || dup2(log, STDOUT_FILENO) < 0) return 126;
      execl(ZBL_PROGRAM, ZBL_PROGRAM, "translate", In.c_str(), target.c_str(), nullptr);
      return 127;
    });
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err,
              "zbl: " + target + ": cannot save: Is a descriptor of a process, not a file\n");
    ExpectDirectoryUnchanged();
    return;
  }
  if (!row.Written) {
    try {
      TAtomicFileWriter writer(target);
      ADD_FAILURE() << target << " was taken for a file";
    } catch (const TFileError& e) {
      EXPECT_EQ(e.Problem(), TFileProblem::ProcessDescriptor);
      EXPECT_EQ(e.Operation(), TFileOperation::Create);
      EXPECT_EQ(e.File(), target);
    }
    ExpectDirectoryUnchanged();
    return;
  }
  TAtomicFileWriter writer(target);
  if (row.Between) {
    row.Between(Dir);
    Before = snapshotDir(Dir.Path());
  }
  writer.Write(reinterpret_cast<const std::uint8_t*>(kNewBytes),
               std::char_traits<char>::length(kNewBytes));
  writer.Commit();
  TDirSnapshot expected = Before;
  expected[row.Written] = fileEntry(kNewBytes, row.Mode);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileTargetTest, testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
