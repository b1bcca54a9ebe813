// SPDX-License-Identifier: GPL-3.0-or-later
// What a save keeps of the file it replaces: the permission bits, and
// symbolic links, which lead the save to the file they point to. After each
// save the whole directory is compared with what the save was meant to leave.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "SampleLibrary.h"
#include "SaveFixture.h"

namespace {

namespace fs = std::filesystem;

struct TModeCase {
  const char* Label;
  mode_t Mode;
};

void PrintTo(const TModeCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class PermissionTest : public TSaveFixture, public testing::WithParamInterface<TModeCase> {};

TEST_P(PermissionTest, ReplacedFileKeepsItsMode) {
  ASSERT_EQ(chmod(Old.c_str(), GetParam().Mode), 0);
  Before = snapshotDir(Dir.Path());
  Engine.SaveLibraryToFile(Old, Translation());
  TDirSnapshot expected = Before;
  expected["old.zbl"] = fileEntry(asText(Expected), GetParam().Mode);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PermissionTest,
                         testing::Values(TModeCase{"OwnerOnly", 0600},
                                         TModeCase{"GroupReads", 0640},
                                         TModeCase{"EveryoneReads", 0644},
                                         TModeCase{"OthersButNotGroup", 0604},
                                         TModeCase{"ReadOnly", 0444}, TModeCase{"Executable", 0755},
                                         TModeCase{"NothingAtAll", 0000}),
                         [](const auto& info) { return std::string(info.param.Label); });

struct TUmaskCase {
  const char* Label;
  mode_t Umask;
  mode_t Mode;
};

void PrintTo(const TUmaskCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class NewFileModeTest : public TSaveFixture, public testing::WithParamInterface<TUmaskCase> {};

TEST_P(NewFileModeTest, NewFileGetsTheModeTheUmaskAllows) {
  const mode_t previous = umask(GetParam().Umask);
  Engine.SaveLibraryToFile(Dir.File("new.zbl"), Translation());
  umask(previous);
  TDirSnapshot expected = Before;
  expected["new.zbl"] = fileEntry(asText(Expected), GetParam().Mode);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, NewFileModeTest,
                         testing::Values(TUmaskCase{"Usual", 022, 0644},
                                         TUmaskCase{"Private", 077, 0600},
                                         TUmaskCase{"GroupWrites", 002, 0664}),
                         [](const auto& info) { return std::string(info.param.Label); });

/// Links made in the directory, the path given to the save, and the file
/// (relative to the directory) that must receive the bytes.
struct TLinkCase {
  const char* Label;
  void (*Make)(const TTempDir& aDir);
  const char* Target;
  const char* Written;
};

void PrintTo(const TLinkCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

const TLinkCase kLinks[] = {
    {"LinkToAFile", [](const TTempDir& d) { fs::create_symlink("old.zbl", d.File("link")); },
     "link", "old.zbl"},
    {"AbsoluteLink",
     [](const TTempDir& d) { fs::create_symlink(d.File("old.zbl"), d.File("link")); }, "link",
     "old.zbl"},
    {"LinkIntoAnotherDirectory",
     [](const TTempDir& d) {
       fs::create_directories(d.File("a"));
       fs::create_directories(d.File("b"));
       writeBytesToFile(d.File("b/real.zbl"), {1, 2, 3});
       fs::create_symlink("../b/real.zbl", d.File("a/link"));
     },
     "a/link", "b/real.zbl"},
    {"ChainOfLinks",
     [](const TTempDir& d) {
       fs::create_symlink("old.zbl", d.File("second"));
       fs::create_symlink("second", d.File("first"));
     },
     "first", "old.zbl"},
    {"DanglingLink", [](const TTempDir& d) { fs::create_symlink("fresh.zbl", d.File("link")); },
     "link", "fresh.zbl"},
    {"DanglingLinkIntoAnotherDirectory",
     [](const TTempDir& d) {
       fs::create_directories(d.File("a"));
       fs::create_directories(d.File("b"));
       fs::create_symlink("../b/fresh.zbl", d.File("a/link"));
     },
     "a/link", "b/fresh.zbl"},
    {"ChainEndingInADanglingLink",
     [](const TTempDir& d) {
       fs::create_symlink("fresh.zbl", d.File("second"));
       fs::create_symlink("second", d.File("first"));
     },
     "first", "fresh.zbl"},
};

class SymbolicLinkTest : public TSaveFixture, public testing::WithParamInterface<TLinkCase> {};

TEST_P(SymbolicLinkTest, SaveWritesThroughTheLinkAndKeepsIt) {
  GetParam().Make(Dir);
  const std::string written = GetParam().Written;
  // An existing file keeps its mode; a new one gets what the umask allows.
  const bool exists = fs::exists(Dir.File(written));
  if (exists) {
    ASSERT_EQ(chmod(Dir.File(written).c_str(), 0640), 0);
  }
  const mode_t mask = umask(0);
  umask(mask);
  Before = snapshotDir(Dir.Path());

  Engine.SaveLibraryToFile(Dir.File(GetParam().Target), Translation());
  TDirSnapshot expected = Before;
  expected[written] = fileEntry(asText(Expected), exists ? 0640 : 0666 & ~mask);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SymbolicLinkTest, testing::ValuesIn(kLinks),
                         [](const auto& info) { return std::string(info.param.Label); });

class HardLinkTest : public TSaveFixture {};

// A save replaces the name it is given with a new file; other names of the
// old file keep the old bytes.
TEST_F(HardLinkTest, OtherNamesKeepTheOldBytes) {
  ASSERT_EQ(link(Old.c_str(), Dir.File("other.zbl").c_str()), 0);
  Before = snapshotDir(Dir.Path());
  Engine.SaveLibraryToFile(Old, Translation());
  TDirSnapshot expected = Before;
  struct stat info {};
  ASSERT_EQ(stat(Old.c_str(), &info), 0);
  expected["old.zbl"] = fileEntry(asText(Expected), info.st_mode);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
  EXPECT_EQ(info.st_nlink, 1u);
}

/// A name the save is given as bytes, with no conversion on the way; Relative
/// names are given from inside the directory. Next is a file that must stay
/// as it is, where a converted name would land.
struct TNameCase {
  const char* Label;
  std::string Name;
  bool Relative;
  std::string Next;
};

void PrintTo(const TNameCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class NameTest : public TSaveFixture, public testing::WithParamInterface<TNameCase> {};

TEST_P(NameTest, FileOfThatNameIsReplacedAndReadBack) {
  const TNameCase& row = GetParam();
  writeBytesToFile(Dir.File(row.Name), {1, 2, 3});
  ASSERT_EQ(chmod(Dir.File(row.Name).c_str(), 0640), 0);
  if (!row.Next.empty()) writeBytesToFile(Dir.File(row.Next), {4, 5, 6});
  Before = snapshotDir(Dir.Path());
  const std::string given = row.Relative ? row.Name : Dir.File(row.Name);
  const fs::path home = fs::current_path();
  if (row.Relative) fs::current_path(Dir.Path());

  Engine.SaveLibraryToFile(given, Translation());
  TVectorEngine reloaded;
  const TLoadResult result = reloaded.LoadLibraryFromFile(given);
  fs::current_path(home);
  EXPECT_EQ(result.Kind, TLoadResult::TKind::Loaded);
  EXPECT_EQ(reloaded.ItemCount(), Engine.ItemCount());
  TDirSnapshot expected = Before;
  expected[row.Name] = fileEntry(asText(Expected), 0640);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);

  if (row.Relative) return;
  const TChildResult run = runProgram(ZBL_PROGRAM, {"translate", In, given});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  expected[row.Name] = fileEntry(asText(ExpectedKept), 0640);
  EXPECT_EQ(snapshotDir(Dir.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameTest,
    testing::Values(TNameCase{"NotUtf8", "out\xFE.zbl", false, "out\xEF\xBF\xBD.zbl"},
                    TNameCase{"LeadingColon", ":lib.zbl", true, "lib.zbl"},
                    // As long as a name may be: no room for a suffix.
                    TNameCase{"LongestName", std::string(251, 'n') + ".zbl", false, ""},
                    TNameCase{"NewlineAndTab", "two\nlines\t.zbl", false, ""}),
    [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
