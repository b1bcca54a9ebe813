// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile files given as the library, through the file layer and through the
// zbl program: each gives the outcome the user is told, a look at its first
// bytes foretells it, and the engine never holds more than the bytes that
// are there.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FileLayer.h"
#include "LoadCheck.h"
#include "LoaderSaver.h"
#include "SampleItems.h"
#include "TempDir.h"

namespace {

using TKind = TLoadResult::TKind;

TSampleLibrary threeItems() {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Item 1", "Trees", 0, 0), sampleItem("Item 2", "Cars", 10, 1),
               sampleItem("Item 3", "Trees", 20, 2)};
  return lib;
}

std::vector<std::uint8_t> withObjectCount(std::int32_t aCount) {
  TSampleLibrary lib = threeItems();
  lib.ObjectCount = aCount;
  return buildSampleLibrary(lib);
}

std::vector<std::uint8_t> withSecondItemSize(std::int64_t aSize) {
  TSampleLibrary lib = threeItems();
  lib.Items[1].DeclaredSize = aSize;
  return buildSampleLibrary(lib);
}

std::vector<std::uint8_t> withTrailing(std::vector<std::uint8_t> aTrailing) {
  TSampleLibrary lib = threeItems();
  lib.Trailing = std::move(aTrailing);
  return buildSampleLibrary(lib);
}

std::vector<std::uint8_t> firstBytes(std::size_t aCount) {
  std::vector<std::uint8_t> bytes = buildSampleLibrary(threeItems());
  bytes.resize(aCount);
  return bytes;
}

struct THostileCase {
  const char* Label;
  /// The library's bytes; ignored when Make makes something else.
  std::vector<std::uint8_t> (*Bytes)();
  /// Makes the path in the directory; null for a plain file of Bytes.
  void (*Make)(const std::string& aPath);
  TKind Kind;
  std::int64_t ItemsRead;
  std::int64_t ItemsDeclared;
  /// What zbl reports after "zbl: FILE: ", or empty when it succeeds; a
  /// warning does not make it fail.
  const char* Message;
};

void PrintTo(const THostileCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

void makeDirectory(const std::string& aPath) { std::filesystem::create_directory(aPath); }
void makeFifo(const std::string& aPath) { ASSERT_EQ(mkfifo(aPath.c_str(), 0644), 0); }
void makeUnreadable(const std::string& aPath) {
  writeBytesToFile(aPath, buildSampleLibrary(threeItems()));
  ASSERT_EQ(chmod(aPath.c_str(), 0), 0);
}

// Permission bits do not stop root; what matters is whether this process can
// open the file at all.
bool canOpen(const std::string& aPath) {
  const int fd = open(aPath.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  close(fd);
  return true;
}

class HostileFileTest : public testing::TestWithParam<THostileCase> {};

TEST_P(HostileFileTest, OutcomeIsWhatTheUserIsTold) {
  const THostileCase& row = GetParam();
  TTempDir dir;
  const std::string path = dir.File("library.zbl");
  std::vector<std::uint8_t> bytes;
  if (row.Make) {
    row.Make(path);
  } else {
    bytes = row.Bytes();
    writeBytesToFile(path, bytes);
  }
  TKind kind = row.Kind;
  std::string message = row.Message;
  if (row.Make == makeUnreadable && canOpen(path)) {
    kind = TKind::Loaded;
    message.clear();
  }

  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromFile(path);
  EXPECT_EQ(result.Kind, kind);
  // A look at the first bytes alone tells what will not load at all.
  const TKind examined = TVectorEngine::ExamineLibraryFile(path).Kind;
  EXPECT_EQ(examined,
            kind == TKind::CannotOpen || kind == TKind::NotALibrary ? kind : TKind::Loaded);
  if (kind == TKind::CannotOpen) {
    EXPECT_FALSE(result.Reason.empty());
    EXPECT_EQ(engine.ItemCount(), 0u);
  } else if (row.Make == nullptr) {
    expectLoadedAsWalked(engine, result, bytes);
    EXPECT_EQ(result.ItemsRead, row.ItemsRead);
    EXPECT_EQ(result.ItemsDeclared, row.ItemsDeclared);
  }

  const TChildResult zbl = runProgram(ZBL_PROGRAM, {"categories", path});
  if (message.empty()) {
    EXPECT_EQ(zbl.ExitCode, 0) << zbl.Err;
    EXPECT_EQ(zbl.Err, "");
  } else if (message.starts_with("warning: ")) {
    EXPECT_EQ(zbl.ExitCode, 0) << zbl.Err;
    EXPECT_EQ(zbl.Err, "zbl: " + path + ": " + message + "\n");
  } else {
    EXPECT_EQ(zbl.ExitCode, 1);
    EXPECT_EQ(zbl.Err.rfind("zbl: " + path + ": " + message, 0), 0u) << zbl.Err;
    EXPECT_EQ(std::count(zbl.Err.begin(), zbl.Err.end(), '\n'), 1) << zbl.Err;
  }
}

constexpr const char* kNotALibrary = "not a library";
constexpr const char* kCannotOpen = "cannot open: ";
// The three items' records when the header counts none of them.
constexpr const char* kThreeRecordsTrailing =
    "warning: 630 bytes after the last item are not part of any item";

INSTANTIATE_TEST_SUITE_P(
    ObjectCount, HostileFileTest,
    testing::Values(THostileCase{"Zero", [] { return withObjectCount(0); }, nullptr, TKind::Loaded,
                                 0, 0, kThreeRecordsTrailing},
                    THostileCase{"MinusOne", [] { return withObjectCount(-1); }, nullptr,
                                 TKind::Loaded, 0, 0, kThreeRecordsTrailing},
                    THostileCase{"Largest", [] { return withObjectCount(INT32_MAX); }, nullptr,
                                 TKind::Damaged, 3, INT32_MAX,
                                 "damaged: only 3 of 2147483647 items could be read"},
                    THostileCase{"Smallest", [] { return withObjectCount(INT32_MIN); }, nullptr,
                                 TKind::Loaded, 0, 0, kThreeRecordsTrailing}),
    [](const auto& info) { return std::string(info.param.Label); });

INSTANTIATE_TEST_SUITE_P(
    ItemSize, HostileFileTest,
    testing::Values(THostileCase{"Zero", [] { return withSecondItemSize(0); }, nullptr,
                                 TKind::Damaged, 1, 3, "damaged: only 1 of 3 items could be read"},
                    THostileCase{"MinusOne", [] { return withSecondItemSize(-1); }, nullptr,
                                 TKind::Damaged, 1, 3, "damaged: only 1 of 3 items could be read"},
                    THostileCase{"OneBelowTheHeader", [] { return withSecondItemSize(191); },
                                 nullptr, TKind::Damaged, 1, 3,
                                 "damaged: only 1 of 3 items could be read"},
                    THostileCase{"HeaderOnly", [] { return withSecondItemSize(192); }, nullptr,
                                 TKind::Damaged, 2, 3, "damaged: only 2 of 3 items could be read"},
                    THostileCase{"Largest", [] { return withSecondItemSize(INT64_MAX); }, nullptr,
                                 TKind::Damaged, 1, 3, "damaged: only 1 of 3 items could be read"},
                    THostileCase{"Smallest", [] { return withSecondItemSize(INT64_MIN); }, nullptr,
                                 TKind::Damaged, 1, 3, "damaged: only 1 of 3 items could be read"}),
    [](const auto& info) { return std::string(info.param.Label); });

INSTANTIATE_TEST_SUITE_P(
    FileLength, HostileFileTest,
    testing::Values(THostileCase{"Empty", [] { return firstBytes(0); }, nullptr, TKind::NotALibrary,
                                 0, 0, kNotALibrary},
                    THostileCase{"OneByteShortOfAHeader", [] { return firstBytes(23); }, nullptr,
                                 TKind::NotALibrary, 0, 0, kNotALibrary},
                    THostileCase{"HeaderOfThreeItemsAlone", [] { return firstBytes(24); }, nullptr,
                                 TKind::Damaged, 0, 3, "damaged: only 0 of 3 items could be read"},
                    THostileCase{"HeaderOfNoItems",
                                 [] { return buildSampleLibrary(TSampleLibrary{}); }, nullptr,
                                 TKind::Loaded, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.Label); });

INSTANTIATE_TEST_SUITE_P(
    AfterTheLastItem, HostileFileTest,
    testing::Values(
        THostileCase{"OneByte", [] { return withTrailing({0}); }, nullptr, TKind::Loaded, 3, 3,
                     "warning: 1 byte after the last item is not part of any item"},
        THostileCase{"SizeOfARecordThatIsNotCounted",
                     [] { return withTrailing(std::vector<std::uint8_t>(200, 0x5a)); }, nullptr,
                     TKind::Loaded, 3, 3,
                     "warning: 200 bytes after the last item are not part of any item"}),
    [](const auto& info) { return std::string(info.param.Label); });

INSTANTIATE_TEST_SUITE_P(
    NotAFile, HostileFileTest,
    testing::Values(THostileCase{"Directory", nullptr, makeDirectory, TKind::CannotOpen, 0, 0,
                                 kCannotOpen},
                    THostileCase{"Fifo", nullptr, makeFifo, TKind::CannotOpen, 0, 0, kCannotOpen},
                    THostileCase{"WithoutReadPermission", nullptr, makeUnreadable,
                                 TKind::CannotOpen, 0, 0, kCannotOpen},
                    THostileCase{"Missing", nullptr, [](const std::string&) {}, TKind::CannotOpen,
                                 0, 0, kCannotOpen}),
    [](const auto& info) { return std::string(info.param.Label); });

// A length byte above its field's capacity reads only the field, and the save
// writes Remarks' length back clamped while Author's stays as it was.
struct TLengthCase {
  const char* Label;
  bool Author;
  std::uint8_t Length;
};

void PrintTo(const TLengthCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class LengthByteTest : public testing::TestWithParam<TLengthCase> {};

TEST_P(LengthByteTest, TextNeverLeavesItsField) {
  const TLengthCase& row = GetParam();
  TSampleLibrary lib = threeItems();
  lib.Items[0].Name = "Oak";
  lib.Items[0].Category = "Trees";
  (row.Author ? lib.Items[0].AuthorLength : lib.Items[0].RemarksLength) = row.Length;
  const std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  const std::size_t field = 24 + 8 + (row.Author ? 16 : 67);
  const std::size_t capacity = row.Author ? 50 : 100;

  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromStream(bytes);
  expectLoadedAsWalked(engine, result, bytes);
  ASSERT_EQ(result.Kind, TKind::Loaded);
  const TItemStream first = engine.GetLibraryItembyID(0);
  const std::u16string text = row.Author ? TVectorEngine::GetLibraryItemAuthor(first)
                                         : TVectorEngine::GetLibraryItemRemarks(first);
  const std::size_t shown = std::min<std::size_t>(row.Length, capacity);
  ASSERT_EQ(text.size(), shown);
  for (std::size_t i = 0; i < shown; ++i)
    EXPECT_EQ(text[i], cp1252ToUtf16(std::string(1, static_cast<char>(bytes[field + 1 + i])))[0]);

  TMemorySink sink;
  engine.SaveLibraryToStream(sink, TCategoryMap::Identity(engine));
  TVectorEngine reloaded;
  ASSERT_EQ(reloaded.LoadLibraryFromStream(sink.Bytes).Kind, TKind::Loaded);
  const std::vector<std::uint32_t> order = engine.SortedItemOrder();
  const std::size_t position =
      static_cast<std::size_t>(std::find(order.begin(), order.end(), 0U) - order.begin());
  const TItemStream saved = reloaded.GetLibraryItembyID(static_cast<int>(position));
  EXPECT_EQ(saved.Data[row.Author ? 16 : 67], row.Author ? row.Length : shown);
  EXPECT_EQ(row.Author ? TVectorEngine::GetLibraryItemAuthor(saved)
                       : TVectorEngine::GetLibraryItemRemarks(saved),
            text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LengthByteTest,
    testing::Values(TLengthCase{"Author51", true, 51}, TLengthCase{"Author101", true, 101},
                    TLengthCase{"Author176", true, 176}, TLengthCase{"Author255", true, 255},
                    TLengthCase{"Remarks51", false, 51}, TLengthCase{"Remarks101", false, 101},
                    TLengthCase{"Remarks176", false, 176}, TLengthCase{"Remarks255", false, 255}),
    [](const auto& info) { return std::string(info.param.Label); });

// A sanitizer reserves more address space than any limit here allows, and
// ends the process instead of letting an allocation fail.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAllocationsCanFail = false;
#else
constexpr bool kAllocationsCanFail = true;
#endif

enum class TLoader { Engine, Program, ProgramReadingAMap };

void PrintTo(TLoader aLoader, std::ostream* aOut) { *aOut << static_cast<int>(aLoader); }

class OutOfMemoryTest : public testing::TestWithParam<TLoader> {};

// A library (or a map) larger than the memory the process may take: the
// load says so, naming the file, and keeps nothing.
TEST_P(OutOfMemoryTest, LoadLargerThanMemorySaysSo) {
  if (!kAllocationsCanFail) GTEST_SKIP() << "allocations cannot fail under a sanitizer";
  TTempDir dir;
  const std::string path = dir.File("large.zbl");
  writeBytesToFile(path, buildSampleLibrary(threeItems()));
  // Sparse: it takes no room on the disk.
  ASSERT_EQ(truncate(path.c_str(), off_t{1} << 31), 0);
  const TChildLimits limits{std::nullopt, rlim_t{256} << 20};

  if (GetParam() == TLoader::Engine) {
    const TChildResult run = runInChild(
        [&] {
          TVectorEngine engine;
          const TLoadResult result = engine.LoadLibraryFromFile(path);
          return result.Kind == TKind::OutOfMemory && engine.ItemCount() == 0 ? 0 : 1;
        },
        limits);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
  } else {
    const std::string library = dir.File("small.zbl");
    writeBytesToFile(library, buildSampleLibrary(threeItems()));
    const TChildResult run =
        GetParam() == TLoader::Program
            ? runProgram(ZBL_PROGRAM, {"categories", path}, limits)
            : runProgram(ZBL_PROGRAM, {"translate", library, dir.File("out.zbl"), "--map", path},
                         limits);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Err, "zbl: " + path + ": not enough memory to load it\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.zbl")));
  }
}

INSTANTIATE_TEST_SUITE_P(Table, OutOfMemoryTest,
                         testing::Values(TLoader::Engine, TLoader::Program,
                                         TLoader::ProgramReadingAMap),
                         [](const auto& info) {
                           switch (info.param) {
                             case TLoader::Engine:
                               return std::string("LoadLibraryFromFile");
                             case TLoader::Program:
                               return std::string("ZblCategories");
                             default:
                               return std::string("ZblTranslateMap");
                           }
                         });

}  // namespace
