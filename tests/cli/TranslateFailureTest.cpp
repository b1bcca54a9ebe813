// SPDX-License-Identifier: GPL-3.0-or-later
// zbl translate when the disk or the memory fails under the save, made to
// fail through the file layer's system calls: one line names OUT and the
// reason, and OUT keeps its old bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <ostream>
#include <sstream>

#include "Commands.h"
#include "FileLayer.h"
#include "SampleLibrary.h"

namespace {

int failingSync(int) {
  errno = EIO;
  return -1;
}

ssize_t writeWithoutMemory(int, const void*, std::size_t) { throw std::bad_alloc(); }

struct TFailureCase {
  const char* Label;
  void (*Inject)(TFileSystemCalls& aCalls);
  const char* Reason;
};

void PrintTo(const TFailureCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

std::string readText(const std::string& aFile) {
  std::ifstream file(aFile, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TranslateFailureTest : public testing::TestWithParam<TFailureCase> {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "zbl-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    mDir = pattern;
  }
  void TearDown() override {
    fileSystemCalls() = mSystem;
    std::filesystem::remove_all(mDir);
  }

  std::string mDir;
  const TFileSystemCalls mSystem = fileSystemCalls();
};

TEST_P(TranslateFailureTest, OneLineNamesTheOutputWhichKeepsItsBytes) {
  TSampleLibrary library;
  library.Items.resize(3);
  for (std::size_t i = 0; i < library.Items.size(); ++i) {
    library.Items[i].Name = "Item " + std::to_string(3 - i);
    library.Items[i].Category = "Trees";
  }
  const std::string in = mDir + "/in.zbl";
  const std::string out = mDir + "/out.zbl";
  writeBytesToFile(in, buildSampleLibrary(library));
  writeBytesToFile(out, {'o', 'l', 'd'});

  GetParam().Inject(fileSystemCalls());
  std::ostringstream listing;
  std::ostringstream errors;
  EXPECT_EQ(runZbl({"translate", in, out}, listing, errors, false), kExitFailure);
  fileSystemCalls() = mSystem;

  EXPECT_EQ(errors.str(), "zbl: " + out + ": cannot save: " + GetParam().Reason + "\n");
  EXPECT_EQ(readText(out), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mDir), {}), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TranslateFailureTest,
    testing::Values(TFailureCase{"SyncFails", [](TFileSystemCalls& c) { c.Sync = failingSync; },
                                 "Input/output error"},
                    TFailureCase{"MemoryRunsOut",
                                 [](TFileSystemCalls& c) { c.Write = writeWithoutMemory; },
                                 "not enough memory"}),
    [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
