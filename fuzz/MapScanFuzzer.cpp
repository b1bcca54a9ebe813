// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every input, as a tab-separated map, to the block scan and to the
// whole-file parse. For any input at all:
//   - a map the parse refuses, the scan refuses too;
//   - a map the scan takes, the parse takes as the same entries (line, old
//     and new text), and the scan reads it again as it checked it.
// The first byte of an input sets how many bytes the scan reads at a time,
// from 1 to 64, so that its lines straddle the ends of many blocks.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "MapFile.h"
#include "MapScan.h"
#include "MemoryFile.h"
#include "TextCodec.h"

namespace {

void require(bool aHolds, const char* aProperty) {
  if (aHolds) return;
  std::fprintf(stderr, "property violated: %s\n", aProperty);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
  if (aSize == 0) return 0;
  const std::string_view text(reinterpret_cast<const char*>(aData + 1), aSize - 1);
  const std::size_t block = 1 + aData[0] % 64;

  const TMapParse parsed = parseMapFile(text);
  const TMemoryFile file(text);
  const std::optional<TMapScan> scan = TMapScan::Check(file.Name(), block);
  if (parsed.Error) require(!scan, "a map the parse refuses the scan refuses");
  if (!scan) return 0;
  require(!parsed.Error, "a map the scan takes the parse takes");
  std::size_t at = 0;
  bool same = true;
  const bool read = scan->ForEach([&](int aLine, std::string_view aOld, std::string_view aNew) {
    if (at >= parsed.Lines.size()) {
      same = false;
      return;
    }
    const TMapLine& line = parsed.Lines[at++];
    same = same && aLine == line.Line && utf8ToUtf16(aOld) == line.Old &&
           utf8ToUtf16(aNew) == line.New;
  });
  require(read, "the scan reads the map again as it checked it");
  require(same && at == parsed.Lines.size(), "the scan's entries are the parse's");
  require(scan->Entries() == parsed.Lines.size(), "the scan counts the parse's entries");
  return 0;
}
