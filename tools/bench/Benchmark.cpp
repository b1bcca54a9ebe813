// SPDX-License-Identifier: GPL-3.0-or-later
// Measures loading and saving against the raw file operations in the same
// run, at several library sizes, and prints one table.
//
//   zbl-bench [--runs N] [--sizes 1000,10000,...] [--category-sizes N,...]
//             [--dir DIR] [--keep]
//
// The second table uses libraries whose every item has a category of its
// own (--category-sizes, 100000,1000000 by default): the memory they take,
// a map of as many lines as categories, and the window's lists, one edit
// and its undo. A third table holds the window's figures that have goals,
// with the import of a map of 5 000 lines into a library of as many
// categories. The last tables hold the checks of a translation and the
// translation memory.
//
// --keep leaves the generated libraries in DIR, for profiling.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BenchLibrary.h"
#include "CheckBench.h"
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "MemoryBench.h"
#include "Timing.h"
#include "TranslationMemory.h"
#ifdef ZBL_BENCH_WINDOWS
#include "WindowSave.h"
#endif

namespace {

struct TRow {
  long long Items = 0;
  double FileMiB = 0;
  double Read = 0, Load = 0;
  double Write = 0, Save = 0;
  double Copy = 0, SyncedCopy = 0, Translate = 0;
  double PeakMiB = 0;
  double WindowSave = 0;
  double Sort = 0;
};

struct TCategoryRow {
  long long Items = 0;
  double FileMiB = 0;
  double SyncedCopy = 0;
  double Translate = 0, TranslatePeakMiB = 0;
  double Mapped = 0, MappedPeakMiB = 0;
  double ListPeakMiB = 0;
  double WindowLoad = -1, EditLastRow = -1;
  double Edit = -1, Undo = -1;
  double TableOpen = -1, Search = -1;
};

// The window's Import map of a map that changes every category of a library
// of Items categories, and its undo.
struct TImportRow {
  long long Items = 0;
  double Import = -1, Undo = -1;
  int Changed = 0;
};

// The categories of the library the window imports a map into.
constexpr long long kImportCategories = 5000;

// The editor on the last row is measured up to this many categories.
constexpr long long kEditorCategories = 100000;

// The memory goal: 1.15 times the file, 100 bytes an item and 30 MiB.
double memoryBound(double aFileMiB, long long aItems) {
  return 1.15 * aFileMiB + 100.0 * static_cast<double>(aItems) / (1024.0 * 1024.0) + 30.0;
}

// The honest bound of a save: every byte read and written in 1 MiB blocks
// to a new file beside the target, then synced.
std::vector<std::string> syncedCopy(const std::string& aFrom, const std::string& aTo) {
  return {"/bin/dd", "if=" + aFrom, "of=" + aTo, "bs=1M", "conv=fsync", "status=none"};
}

TCategoryMap translating(const TVectorEngine& aEngine) {
  TCategoryMap map = TCategoryMap::Identity(aEngine);
  for (auto& text : map.NewCats) text = u"Kategorie " + text.substr(text.find(u' ') + 1);
  return map;
}

void removeFile(const std::string& aFile) { std::filesystem::remove(aFile); }

TRow measure(const std::string& aDir, long long aItems, int aRuns, bool aKeep) {
  const std::string library = aDir + "/lib-" + std::to_string(aItems) + ".zbl";
  const std::string map = aDir + "/map.tsv";
  const std::string out = aDir + "/out.zbl";
  std::fprintf(stderr, "%lld items: writing the library...\n", aItems);
  writeBenchLibrary(library, aItems, 20261208u + static_cast<std::uint32_t>(aItems));
  writeBenchMap(map);

  TRow row;
  row.Items = aItems;
  row.FileMiB = static_cast<double>(std::filesystem::file_size(library)) / (1024.0 * 1024.0);

  std::fprintf(stderr, "  load\n");
  row.Read = medianSeconds(aRuns, [&] { (void)readWholeFile(library); });
  std::unique_ptr<TVectorEngine> engine;
  row.Load = medianSeconds(
      aRuns, [&] { engine->LoadLibraryFromFile(library); },
      [&] { engine = std::make_unique<TVectorEngine>(); });
  row.Sort = medianSeconds(aRuns, [&] { (void)engine->SortedItemOrder(); });

  std::fprintf(stderr, "  save\n");
  const std::vector<std::uint8_t> bytes = readWholeFile(library);
  row.Write = medianSeconds(
      aRuns,
      [&] {
        TAtomicFileWriter writer(out);
        writer.Write(bytes.data(), bytes.size());
        writer.Commit();
      },
      [&] { removeFile(out); });
  const TCategoryMap categories = translating(*engine);
  row.Save = medianSeconds(
      aRuns, [&] { engine->SaveLibraryToFile(out, categories); }, [&] { removeFile(out); });
  engine.reset();

  std::fprintf(stderr, "  zbl translate\n");
  row.Copy = medianProcess(aRuns, {"/bin/cp", library, out}, [&] { removeFile(out); }).Seconds;
  row.SyncedCopy = medianProcess(aRuns, syncedCopy(library, out), [&] { removeFile(out); }).Seconds;
  const TProcessRun translate = medianProcess(
      aRuns, {ZBL_CLI_PATH, "translate", library, out, "--map", map}, [&] { removeFile(out); });
  row.Translate = translate.Seconds;
  row.PeakMiB = static_cast<double>(translate.PeakKiB) / 1024.0;

#ifdef ZBL_BENCH_WINDOWS
  std::fprintf(stderr, "  window save\n");
  removeFile(out);
  row.WindowSave = windowSaveSeconds(library, out, aRuns);
#endif
  removeFile(out);
  if (!aKeep) removeFile(library);
  return row;
}

TCategoryRow measureCategories(const std::string& aDir, long long aItems, int aRuns, bool aKeep) {
  const std::string library = aDir + "/categories-" + std::to_string(aItems) + ".zbl";
  const std::string map = aDir + "/categories-map.tsv";
  const std::string out = aDir + "/out.zbl";
  std::fprintf(stderr, "%lld categories: writing the library...\n", aItems);
  writeCategoryLibrary(library, aItems, 20261209u + static_cast<std::uint32_t>(aItems));
  writeCategoryMap(map, aItems);
  TCategoryRow row;
  row.Items = aItems;
  row.FileMiB = static_cast<double>(std::filesystem::file_size(library)) / (1024.0 * 1024.0);
  const auto remove = [&] { removeFile(out); };
  std::fprintf(stderr, "  zbl translate, with and without a map\n");
  row.SyncedCopy = medianProcess(aRuns, syncedCopy(library, out), remove).Seconds;
  const TProcessRun plain = medianProcess(aRuns, {ZBL_CLI_PATH, "translate", library, out}, remove);
  row.Translate = plain.Seconds;
  row.TranslatePeakMiB = static_cast<double>(plain.PeakKiB) / 1024.0;
  const TProcessRun mapped =
      medianProcess(aRuns, {ZBL_CLI_PATH, "translate", library, out, "--map", map}, remove);
  row.Mapped = mapped.Seconds;
  row.MappedPeakMiB = static_cast<double>(mapped.PeakKiB) / 1024.0;
  row.ListPeakMiB =
      static_cast<double>(medianProcess(1, {ZBL_CLI_PATH, "categories", library}).PeakKiB) / 1024.0;
#ifdef ZBL_BENCH_WINDOWS
  std::fprintf(stderr, "  window load, edit and undo\n");
  const TWindowLoad window = windowLoadSeconds(library, aRuns, aItems <= kEditorCategories);
  row.WindowLoad = window.Load;
  row.EditLastRow = window.EditLastRow;
  row.Edit = window.Edit;
  row.Undo = window.Undo;
  row.TableOpen = window.TableOpen;
  row.Search = window.Search;
#endif
  removeFile(out);
  removeFile(map);
  if (!aKeep) removeFile(library);
  return row;
}

#ifdef ZBL_BENCH_WINDOWS
TImportRow measureImport(const std::string& aDir, long long aItems, int aRuns, bool aKeep) {
  const std::string library = aDir + "/import-" + std::to_string(aItems) + ".zbl";
  const std::string map = aDir + "/import-map.tsv";
  std::fprintf(stderr, "%lld categories: window import of a map of as many lines\n", aItems);
  writeCategoryLibrary(library, aItems, 20261210u + static_cast<std::uint32_t>(aItems));
  writeCategoryMap(map, aItems);
  const TWindowImport window = windowImportSeconds(library, map, aRuns);
  removeFile(map);
  if (!aKeep) removeFile(library);
  return {aItems, window.Import, window.Undo, window.Changed};
}
#endif

// A time in seconds, or an empty cell when it was not measured.
std::string cell(double aSeconds) {
  if (aSeconds < 0) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", aSeconds);
  return text;
}

// One row of the table of ratios that have goals: the measured ratio
// against its limit.
void printRatio(const std::string& aWhat, double aLimit, double aRatio) {
  if (aRatio <= 0) return;
  std::printf("| %s | %.2f | %.2f | %s |\n", aWhat.c_str(), aLimit, aRatio,
              aRatio <= aLimit ? "yes" : "no");
}

// The memory goal of a translation through a map: 1.3 times the file and 30 MiB.
double mapMemoryBound(double aFileMiB) { return 1.3 * aFileMiB + 30.0; }

// One row of the table of goals; nothing when the figure was not measured.
void printGoal(const std::string& aWhat, double aGoal, double aSeconds) {
  if (aSeconds < 0) return;
  std::printf("| %s | %s | %s | %.2f | %s |\n", aWhat.c_str(), cell(aGoal).c_str(),
              cell(aSeconds).c_str(), aSeconds / aGoal, aSeconds <= aGoal ? "yes" : "no");
}

std::vector<long long> parseSizes(const std::string& aText) {
  std::vector<long long> sizes;
  std::stringstream stream(aText);
  for (std::string part; std::getline(stream, part, ',');) sizes.push_back(std::stoll(part));
  return sizes;
}

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 5;
  std::vector<long long> sizes{1000, 10000, 100000, 1000000};
  std::vector<long long> categorySizes{100000, 1000000};
  std::string dir;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (arg == "--sizes" && i + 1 < argc) {
      sizes = parseSizes(argv[++i]);
    } else if (arg == "--category-sizes" && i + 1 < argc) {
      categorySizes = parseSizes(argv[++i]);
    } else if (arg == "--dir" && i + 1 < argc) {
      dir = argv[++i];
    } else if (arg == "--keep") {
      keep = true;
    } else {
      std::fprintf(stderr,
                   "usage: zbl-bench [--runs N] [--sizes N,N,...] [--category-sizes N,N,...] "
                   "[--dir DIR] [--keep]\n");
      return 2;
    }
  }
#ifdef ZBL_BENCH_WINDOWS
  startWindowApplication(argc, argv);
#endif
  bool ownDir = false;
  if (dir.empty()) {
    char pattern[] = "/tmp/zbl-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    dir = pattern;
    ownDir = true;
  }

  std::vector<TRow> rows;
  for (long long n : sizes) rows.push_back(measure(dir, n, runs, keep));
  std::vector<TCategoryRow> categoryRows;
  for (long long n : categorySizes) categoryRows.push_back(measureCategories(dir, n, runs, keep));
  const TCheckRow checkRow = measureChecks(100000, runs);
  const TMemoryRow memoryRow = measureMemory(100000, runs);
  std::vector<TImportRow> importRows;
#ifdef ZBL_BENCH_WINDOWS
  importRows.push_back(measureImport(dir, kImportCategories, runs, keep));
#endif

  std::printf("Median of %d runs; times in seconds, ratios against the raw operation.\n\n", runs);
  std::printf(
      "| items | file MiB | read | load | load/read | name sort | write | save | save/write | "
      "cp | synced copy | zbl translate | translate/cp | translate/synced | peak RSS MiB | "
      "RSS/bound | window save | window/save |\n");
  std::printf(
      "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
      "\n");
  for (const TRow& r : rows) {
    std::printf(
        "| %lld | %.1f | %.4f | %.4f | %.2f | %.4f | %.4f | %.4f | %.2f | %.4f | %.4f | %.4f | "
        "%.2f | %.2f | %.1f | %.2f | %.4f | %.2f |\n",
        r.Items, r.FileMiB, r.Read, r.Load, r.Load / r.Read, r.Sort, r.Write, r.Save,
        r.Save / r.Write, r.Copy, r.SyncedCopy, r.Translate, r.Translate / r.Copy,
        r.Translate / r.SyncedCopy, r.PeakMiB, r.PeakMiB / memoryBound(r.FileMiB, r.Items),
        r.WindowSave, r.WindowSave > 0 ? r.WindowSave / r.Save : 0.0);
  }
  std::map<long long, const TRow*> bySize;
  for (const TRow& r : rows) bySize[r.Items] = &r;
  if (bySize.count(100000) && bySize.count(1000000)) {
    const TRow& a = *bySize[100000];
    const TRow& b = *bySize[1000000];
    std::printf(
        "\nGrowth from 100 000 to 1 000 000 items (goal: at most 11): load %.1f, name sort %.1f, "
        "save %.1f, zbl translate %.1f, window save %.1f\n",
        b.Load / a.Load, b.Sort / a.Sort, b.Save / a.Save, b.Translate / a.Translate,
        a.WindowSave > 0 ? b.WindowSave / a.WindowSave : 0.0);
  }
  if (!categoryRows.empty()) {
    std::printf(
        "\nA category of its own for every item (100 characters), no bodies; the map changes "
        "every category. RSS/bound: peak RSS against 1.15 × file + 100 B/item + 30 MiB.\n\n"
        "| items | file MiB | synced copy | zbl translate | translate/synced | peak RSS MiB | "
        "RSS/bound | with the map | map/without | peak RSS MiB | RSS/bound | zbl categories "
        "peak RSS MiB | window load | editor on the last row | edit of the last row | its "
        "undo |\n"
        "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const TCategoryRow& r : categoryRows) {
      const double bound = memoryBound(r.FileMiB, r.Items);
      std::printf(
          "| %lld | %.1f | %.4f | %.4f | %.2f | %.1f | %.2f | %.4f | %.2f | %.1f | %.2f | %.1f | "
          "%s | %s | %s | %s |\n",
          r.Items, r.FileMiB, r.SyncedCopy, r.Translate, r.Translate / r.SyncedCopy,
          r.TranslatePeakMiB, r.TranslatePeakMiB / bound, r.Mapped, r.Mapped / r.Translate,
          r.MappedPeakMiB, r.MappedPeakMiB / bound, r.ListPeakMiB, cell(r.WindowLoad).c_str(),
          cell(r.EditLastRow).c_str(), cell(r.Edit).c_str(), cell(r.Undo).c_str());
    }
  }
  {
    std::printf(
        "\nRatios with goals, each from one run of this table (time against time, or peak RSS "
        "against its bound):\n\n| ratio | at most | measured | met |\n|---|---:|---:|---|\n");
    for (const TRow& r : rows) {
      const std::string size = std::to_string(r.Items) + " items";
      if (r.Items >= 100000)
        printRatio("zbl translate / synced copy, " + size, 1.5, r.Translate / r.SyncedCopy);
      if (r.Items >= 100000 && r.WindowSave > 0)
        printRatio("window save / core save, " + size, 1.2, r.WindowSave / r.Save);
    }
    if (bySize.count(100000) && bySize.count(1000000)) {
      const TRow& a = *bySize[100000];
      const TRow& b = *bySize[1000000];
      printRatio("growth 100 000 to 1 000 000 items: load", 11, b.Load / a.Load);
      printRatio("growth 100 000 to 1 000 000 items: name sort", 11, b.Sort / a.Sort);
      printRatio("growth 100 000 to 1 000 000 items: save", 11, b.Save / a.Save);
      printRatio("growth 100 000 to 1 000 000 items: zbl translate", 11, b.Translate / a.Translate);
    }
    for (const TCategoryRow& r : categoryRows) {
      const std::string size = std::to_string(r.Items) + " categories";
      printRatio("translate with a map naming each / without, " + size, 1.5,
                 r.Mapped / r.Translate);
      printRatio("its peak RSS / (1.3 × file + 30 MiB), " + size, 1.0,
                 r.MappedPeakMiB / mapMemoryBound(r.FileMiB));
    }
  }
  if (!importRows.empty() || !categoryRows.empty()) {
    std::printf(
        "\nThe window's goals (offscreen, both lists painted after each step; an edit is one "
        "step of the history, as the editor keeps it):\n\n"
        "| window measurement | goal | measured | measured/goal | met |\n"
        "|---|---:|---:|---:|---|\n");
    for (const TImportRow& r : importRows) {
      if (r.Changed != r.Items)
        std::printf("(the import changed %d of %lld categories)\n", r.Changed, r.Items);
      printGoal("import of a " + std::to_string(r.Items) + "-line map into " +
                    std::to_string(r.Items) + " categories",
                0.2, r.Import);
      printGoal("its undo", 0.2, r.Undo);
    }
    for (const TCategoryRow& r : categoryRows) {
      const std::string size = std::to_string(r.Items) + " categories";
      if (r.Items == 100000) {
        printGoal("one edit at " + size, 0.005, r.Edit);
        printGoal("its undo", 0.005, r.Undo);
        printGoal("translation table opened on " + size, 0.5, r.TableOpen);
        printGoal("one character typed into its search", 0.1, r.Search);
      }
      if (r.Items == 100000) printGoal("load of " + size + " into both lists", 0.5, r.WindowLoad);
      if (r.Items == 1000000) printGoal("load of " + size + " into both lists", 1.0, r.WindowLoad);
    }
  }
  std::printf("\nThe checks of a translation, spelling aside:\n\n"
              "| checks | goal | measured | measured/goal | met |\n|---|---:|---:|---:|---|\n");
  const std::string checked = std::to_string(checkRow.Rows) + " rows";
  printGoal("all checks of " + checked, 0.3, checkRow.AllChecks);
  printGoal("one edit checked again at " + checked, 0.005, checkRow.Recheck);
  std::printf(
      "\nThe translation memory (three suggestions a row, at least %d%% similar):\n\n"
      "| translation memory | goal | measured | measured/goal | met |\n"
      "|---|---:|---:|---:|---|\n",
      kMinimumSimilarity);
  const std::string entries = std::to_string(memoryRow.Entries) + " entries";
  printGoal("suggestions for one row from " + entries + " (median of 200 rows)", 0.05,
            memoryRow.Suggest);
  printGoal("the slowest of those rows", 0.05, memoryRow.SlowestSuggest);
  printGoal("a row like no entry", 0.05, memoryRow.UnlikeSuggest);
  printGoal("pre-translation of " + std::to_string(memoryRow.Rows) + " rows (" +
                std::to_string(memoryRow.Filled) + " filled)",
            1.0, memoryRow.Pretranslate);
  std::printf("\nAdding the %s to the memory: %.4f s\n", entries.c_str(), memoryRow.Build);
#ifdef ZBL_BENCH_WINDOWS
  const double program = medianProcess(runs, {ZBL_STARTUP_PROBE}).Seconds;
  const double empty = medianProcess(runs, {ZBL_EMPTY_PROBE}).Seconds;
  std::printf(
      "\nStartup to the main window shown (offscreen, whole process): %.4f s; an empty Qt "
      "Widgets window: %.4f s; ratio %.2f\n",
      program, empty, program / empty);
#endif
  std::fflush(stdout);
  if (ownDir && !keep) std::filesystem::remove_all(dir);
#ifdef ZBL_BENCH_WINDOWS
  stopWindowApplication();
#endif
  return 0;
}
