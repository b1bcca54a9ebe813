// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every input to the TMX reader, with the file's own languages and a
// chosen pair; what reads as a map writes and reads back as the same map,
// and the languages offered are the ones a read accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "TmxFile.h"
#include "XmlMapFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
  const std::string_view bytes(reinterpret_cast<const char*>(aData), aSize);
  const TLanguageOffer offer = tmxLanguages(bytes);
  for (const TMapLanguages& languages : {TMapLanguages{}, TMapLanguages{"en", "de"}}) {
    const TMapParse parsed = parseTmxFile(bytes, languages);
    require(!parsed.Error || parsed.Lines.empty(), "a refused memory gives no lines");
    require(!offer.Error || (parsed.Error && parsed.Error->Kind == offer.Error->Kind),
            "a memory whose languages cannot be read is refused alike");
    if (parsed.Error) continue;
    const TCategoryMap map = rowsOf(parsed);
    const std::vector<bool> changed(map.OldCats.size(), true);
    requireSameRows(map, parseTmxFile(formatTmxFile({map, changed, {}, "en", "de"}), {"en", "de"}));
  }
  return 0;
}
