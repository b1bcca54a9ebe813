// SPDX-License-Identifier: GPL-3.0-or-later
// zbl translate when the disk or the memory fails under the save, made to
// fail through the file layer's system calls: one line names OUT and the
// reason, and OUT keeps its old bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "Commands.h"
#include "FileLayer.h"
#include "SampleLibrary.h"

namespace {

TEST(TranslateFailureTest, OneLineNamesTheOutputWhichKeepsItsBytes) {
  const struct {
    void (*Inject)(TFileSystemCalls& aCalls);
    const char* Reason;
  } rows[] = {
      {[](TFileSystemCalls& c) { c.Sync = [](int) { return errno = EIO, -1; }; },
       "Input/output error"},
      {[](TFileSystemCalls& c) {
         c.Write = [](int, const void*, std::size_t) -> ssize_t { throw std::bad_alloc(); };
       },
       "not enough memory"},
  };
  std::string dir = (std::filesystem::temp_directory_path() / "zbl-cli-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  TSampleLibrary library;
  library.Items.resize(2);
  for (TSampleItem& item : library.Items) item.Category = "Trees";
  writeBytesToFile(dir + "/in.zbl", buildSampleLibrary(library));
  const TFileSystemCalls system = fileSystemCalls();
  for (const auto& row : rows) {
    writeBytesToFile(dir + "/out.zbl", {'o', 'l', 'd'});
    row.Inject(fileSystemCalls());
    std::ostringstream listing, errors;
    EXPECT_EQ(runZbl({"translate", dir + "/in.zbl", dir + "/out.zbl"}, listing, errors, false),
              kExitFailure);
    fileSystemCalls() = system;
    EXPECT_EQ(errors.str(), "zbl: " + dir + "/out.zbl: cannot save: " + row.Reason + "\n");
    std::ifstream out(dir + "/out.zbl");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(out), {}), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
