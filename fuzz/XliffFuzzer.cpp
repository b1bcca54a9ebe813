// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every input to the XLIFF reader; what reads as a map writes and
// reads back as the same map.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "XliffFile.h"
#include "XmlMapFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
  const TMapParse parsed =
      parseXliffFile(std::string_view(reinterpret_cast<const char*>(aData), aSize));
  if (parsed.Error) {
    require(parsed.Lines.empty() && parsed.Skipped.empty(), "a refused document gives nothing");
    return 0;
  }
  const TCategoryMap map = rowsOf(parsed);
  const std::vector<bool> changed(map.OldCats.size(), true);
  requireSameRows(map, parseXliffFile(formatXliffFile({map, changed, {}, "en", "de"})));
  return 0;
}
