// SPDX-License-Identifier: GPL-3.0-or-later
// zbl translate killed with SIGKILL while it writes a large library: the
// target is the old file or the complete new one, never a mixture, and at
// most a temporary file (.zbl- and six letters or digits) stays behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "DirSnapshot.h"
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "SampleItems.h"
#include "TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBlock = std::size_t{1} << 20;

// The size of the file the process is writing in aDir, other than aInput:
// the save's output before it takes the target's place, whether it has a
// name yet or not.
std::optional<off_t> outputInProgress(pid_t aProcess, const std::string& aDir,
                                      const std::string& aInput) {
  std::optional<off_t> size;
  std::error_code error;
  const fs::path fds = "/proc/" + std::to_string(aProcess) + "/fd";
  for (const fs::directory_entry& fd : fs::directory_iterator(fds, error)) {
    std::error_code linkError;
    const std::string target = fs::read_symlink(fd.path(), linkError).string();
    if (linkError || target.rfind(aDir + "/", 0) != 0 || target == aInput) continue;
    struct stat info {};
    if (stat(fd.path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
      size = std::max<off_t>(size.value_or(0), info.st_size);
  }
  return size;
}

struct TKillCase {
  const char* Label;
  /// Kill once the output has this many bytes; counted back from the last
  /// full block when FromEnd.
  std::size_t Bytes;
  bool FromEnd;
  bool TargetExists;
};

void PrintTo(const TKillCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class KilledSaveTest : public testing::TestWithParam<TKillCase> {};

TEST_P(KilledSaveTest, TargetIsTheOldFileOrTheWholeNewOne) {
  TTempDir dir;
  const std::string in = dir.File("in.zbl");
  const std::string out = dir.File("out.zbl");
  writeBytesToFile(in, buildSampleLibrary(numberedLibrary(500, 5, 64 * 1024 + 7)));
  std::vector<std::uint8_t> expected;
  {
    TVectorEngine engine;
    ASSERT_EQ(engine.LoadLibraryFromFile(in).Kind, TLoadResult::TKind::Loaded);
    TMemorySink sink;
    engine.SaveLibraryToStream(sink, TCategoryMap::Identity(engine));
    expected = std::move(sink.Bytes);
  }
  ASSERT_NE(expected.size() % kBlock, 0u);
  const std::vector<std::uint8_t> old = {1, 2, 3, 4};
  if (GetParam().TargetExists) writeBytesToFile(out, old);
  const TDirSnapshot before = snapshotDir(dir.Path());

  const std::size_t fullBlocks = expected.size() / kBlock * kBlock;
  const std::size_t threshold =
      GetParam().FromEnd ? fullBlocks - GetParam().Bytes : GetParam().Bytes;
  const pid_t child = startProgram(ZBL_PROGRAM, {"translate", in, out});
  ASSERT_GT(child, 0);
  bool killedWhileWriting = false;
  int status = 0;
  for (;;) {
    if (waitpid(child, &status, WNOHANG) == child) break;
    const std::optional<off_t> written = outputInProgress(child, dir.Path(), in);
    if (written && static_cast<std::size_t>(*written) >= threshold) {
      kill(child, SIGKILL);
      killedWhileWriting = true;
      waitpid(child, &status, 0);
      break;
    }
    usleep(200);
  }
  EXPECT_TRUE(killedWhileWriting) << "the save ended before it could be killed";
  if (killedWhileWriting) {
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  }

  TDirSnapshot after = snapshotDir(dir.Path());
  // A stray temporary file: ".zbl-" and six letters or digits.
  const auto isStray = [](const std::string& aName) {
    return aName.size() == 11 && aName.starts_with(".zbl-") &&
           std::all_of(aName.begin() + 5, aName.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
  };
  for (auto it = after.begin(); it != after.end();) {
    if (isStray(it->first))
      it = after.erase(it);
    else
      ++it;
  }
  // Apart from the target, nothing may differ; the target is either absent
  // (when there was none), the old file, or the whole new one.
  TDirSnapshot unchanged = before;
  if (const auto target = after.find("out.zbl"); target != after.end()) {
    const std::string newBytes(expected.begin(), expected.end());
    const bool isOld = GetParam().TargetExists && target->second == before.at("out.zbl");
    bool isNew = false;
    for (const unsigned mode : {0600U, 0644U, 0664U, 0666U})
      isNew = isNew || target->second == fileEntry(newBytes, mode);
    EXPECT_TRUE(isOld || isNew) << "the target holds a mixture of " << target->second.size()
                                << " bytes";
    unchanged["out.zbl"] = target->second;
  }
  EXPECT_EQ(after, unchanged);
}

INSTANTIATE_TEST_SUITE_P(Table, KilledSaveTest,
                         testing::Values(TKillCase{"AsSoonAsTheOutputOpens", 0, false, true},
                                         TKillCase{"AfterTheFirstBlock", kBlock, false, true},
                                         TKillCase{"HalfWay", 16 * kBlock, false, true},
                                         TKillCase{"WithOnlyTheLastBlockToCome", 0, true, true},
                                         TKillCase{"HalfWayWithoutAnOldFile", 16 * kBlock, false,
                                                   false}),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
