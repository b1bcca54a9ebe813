// SPDX-License-Identifier: GPL-3.0-or-later
// Measures loading and saving against the raw file operations in the same
// run, at several library sizes, and prints one table.
//
//   zbl-bench [--runs N] [--sizes 1000,10000,...] [--dir DIR] [--keep]
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
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "Timing.h"
#ifdef ZBL_BENCH_WINDOWS
#include "WindowSave.h"
#endif

namespace {

struct TRow {
  long long Items = 0;
  double FileMiB = 0;
  double Read = 0, Load = 0;
  double Write = 0, Save = 0;
  double Copy = 0, Translate = 0;
  double PeakMiB = 0;
  double WindowSave = 0;
};

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
  std::string dir;
  bool keep = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (arg == "--sizes" && i + 1 < argc) {
      sizes = parseSizes(argv[++i]);
    } else if (arg == "--dir" && i + 1 < argc) {
      dir = argv[++i];
    } else if (arg == "--keep") {
      keep = true;
    } else {
      std::fprintf(stderr, "usage: zbl-bench [--runs N] [--sizes N,N,...] [--dir DIR] [--keep]\n");
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

  std::printf("Median of %d runs; times in seconds, ratios against the raw operation.\n\n", runs);
  std::printf(
      "| items | file MiB | read | load | load/read | write | save | save/write | cp | "
      "zbl translate | translate/cp | peak RSS MiB | RSS/(1.15 file + 30) | window save | "
      "window/save |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const TRow& r : rows) {
    std::printf(
        "| %lld | %.1f | %.4f | %.4f | %.2f | %.4f | %.4f | %.2f | %.4f | %.4f | %.2f | "
        "%.1f | %.2f | %.4f | %.2f |\n",
        r.Items, r.FileMiB, r.Read, r.Load, r.Load / r.Read, r.Write, r.Save, r.Save / r.Write,
        r.Copy, r.Translate, r.Translate / r.Copy, r.PeakMiB, r.PeakMiB / (1.15 * r.FileMiB + 30),
        r.WindowSave, r.WindowSave > 0 ? r.WindowSave / r.Save : 0.0);
  }
  std::map<long long, const TRow*> bySize;
  for (const TRow& r : rows) bySize[r.Items] = &r;
  if (bySize.count(100000) && bySize.count(1000000)) {
    const TRow& a = *bySize[100000];
    const TRow& b = *bySize[1000000];
    std::printf(
        "\nGrowth from 100 000 to 1 000 000 items (goal: at most 12): load %.1f, save %.1f, "
        "zbl translate %.1f, window save %.1f\n",
        b.Load / a.Load, b.Save / a.Save, b.Translate / a.Translate,
        a.WindowSave > 0 ? b.WindowSave / a.WindowSave : 0.0);
  }
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
