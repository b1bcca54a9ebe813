// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryBench.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "LoaderSaver.h"
#include "Timing.h"
#include "TranslationMemory.h"

namespace {

struct TWord {
  const char16_t* One;
  const char16_t* Many;
  const char16_t* Eins;
  const char16_t* Viele;
};

constexpr TWord kNouns[] = {
    {u"Tree", u"Trees", u"Baum", u"Bäume"},
    {u"Oak", u"Oaks", u"Eiche", u"Eichen"},
    {u"Pine", u"Pines", u"Kiefer", u"Kiefern"},
    {u"Birch", u"Birches", u"Birke", u"Birken"},
    {u"Bush", u"Bushes", u"Busch", u"Büsche"},
    {u"Flower", u"Flowers", u"Blume", u"Blumen"},
    {u"Rock", u"Rocks", u"Fels", u"Felsen"},
    {u"Fence", u"Fences", u"Zaun", u"Zäune"},
    {u"Wall", u"Walls", u"Mauer", u"Mauern"},
    {u"Door", u"Doors", u"Tür", u"Türen"},
    {u"Window", u"Windows", u"Fenster", u"Fenster"},
    {u"Roof", u"Roofs", u"Dach", u"Dächer"},
    {u"Car", u"Cars", u"Auto", u"Autos"},
    {u"Bench", u"Benches", u"Bank", u"Bänke"},
    {u"Lamp", u"Lamps", u"Lampe", u"Lampen"},
    {u"Path", u"Paths", u"Weg", u"Wege"},
    {u"River", u"Rivers", u"Fluss", u"Flüsse"},
    {u"Bridge", u"Bridges", u"Brücke", u"Brücken"},
    {u"House", u"Houses", u"Haus", u"Häuser"},
    {u"Tower", u"Towers", u"Turm", u"Türme"},
    {u"Chair", u"Chairs", u"Stuhl", u"Stühle"},
    {u"Table", u"Tables", u"Tisch", u"Tische"},
    {u"Sign", u"Signs", u"Schild", u"Schilder"},
    {u"Pole", u"Poles", u"Mast", u"Masten"},
    {u"Cable", u"Cables", u"Kabel", u"Kabel"},
    {u"Pipe", u"Pipes", u"Rohr", u"Rohre"},
    {u"Valve", u"Valves", u"Ventil", u"Ventile"},
    {u"Pump", u"Pumps", u"Pumpe", u"Pumpen"},
    {u"Tank", u"Tanks", u"Tank", u"Tanks"},
    {u"Motor", u"Motors", u"Motor", u"Motoren"},
    {u"Switch", u"Switches", u"Schalter", u"Schalter"},
    {u"Hedge", u"Hedges", u"Hecke", u"Hecken"},
    {u"Stone", u"Stones", u"Stein", u"Steine"},
    {u"Shrub", u"Shrubs", u"Strauch", u"Sträucher"},
    {u"Palm", u"Palms", u"Palme", u"Palmen"},
};
constexpr const char16_t* kModifiers[][2] = {
    {u"", u""},
    {u" tall", u" hoch"},
    {u" small", u" klein"},
    {u" large", u" groß"},
    {u" old", u" alt"},
    {u" new", u" neu"},
    {u" red", u" rot"},
    {u" green", u" grün"},
    {u" dark", u" dunkel"},
};
constexpr const char16_t* kSeasons[][2] = {
    {u"", u""},
    {u" (winter)", u" (Winter)"},
    {u" (summer)", u" (Sommer)"},
    {u" (autumn)", u" (Herbst)"},
    {u" (spring)", u" (Frühling)"},
};

std::u16string number(unsigned aNumber) {
  const std::string digits = std::to_string(aNumber);
  std::u16string text(1, u' ');
  text.append(digits.begin(), digits.end());
  return text;
}

// A category label as a suite's libraries have them ("Trees 2", "Tree",
// "Trees (winter)", "Oak tall 12") and its translation.
TMapLine label(std::mt19937& aRandom) {
  const TWord& noun = kNouns[aRandom() % std::size(kNouns)];
  const bool many = aRandom() % 2 == 0;
  const auto& modifier = kModifiers[aRandom() % 3 == 0 ? aRandom() % std::size(kModifiers) : 0];
  const unsigned n = aRandom() % 2 == 0 ? aRandom() % 30 + 1 : 0;
  const auto& season = kSeasons[aRandom() % 4 == 0 ? aRandom() % std::size(kSeasons) : 0];
  TMapLine line;
  line.Old =
      std::u16string(many ? noun.Many : noun.One) + modifier[0] + (n ? number(n) : u"") + season[0];
  line.New = std::u16string(many ? noun.Viele : noun.Eins) + modifier[1] + (n ? number(n) : u"") +
             season[1];
  return line;
}

double seconds(const std::function<void()>& aWork) { return medianSeconds(1, aWork); }

}  // namespace

TMemoryRow measureMemory(long long aEntries, int aRuns) {
  std::fprintf(stderr, "translation memory of %lld entries\n", aEntries);
  // The maps of ten libraries of one suite, many labels in several of them.
  constexpr long long kSources = 10;
  std::mt19937 random(20261209u);
  std::vector<std::vector<TMapLine>> maps(kSources);
  for (long long i = 0; i < aEntries; ++i) maps[i % kSources].push_back(label(random));

  TMemoryRow row;
  row.Entries = aEntries;
  TTranslationMemory memory;
  row.Build = medianSeconds(aRuns, [&] {
    memory = TTranslationMemory();
    for (long long s = 0; s < kSources; ++s)
      memory.Add(memory.AddSource("library-" + std::to_string(s) + ".po"), maps[s]);
  });

  // Rows of another library of the suite.
  std::mt19937 other(7u);
  std::vector<double> times;
  std::size_t given = 0;
  for (int i = 0; i < 200; ++i) {
    const std::u16string text = label(other).Old;
    times.push_back(seconds([&] { given += memory.Suggest(text).size(); }));
  }
  if (given == 0) std::fprintf(stderr, "the memory suggested nothing\n");
  std::sort(times.begin(), times.end());
  row.Suggest = times[times.size() / 2];
  row.SlowestSuggest = times.back();
  row.UnlikeSuggest = medianSeconds(aRuns, [&] { (void)memory.Suggest(u"Zwxqj vyk 9 (none)"); });

  TCategoryMap map;
  for (long long i = 0; i < aEntries; ++i) {
    map.OldCats.push_back(label(other).Old);
    // Every tenth row is done already.
    map.NewCats.push_back(i % 10 == 0 ? u"Fertig" : map.OldCats.back());
  }
  row.Rows = aEntries;
  row.Pretranslate = medianSeconds(
      aRuns, [&] { row.Filled = static_cast<long long>(pretranslations(memory, map).size()); });
  return row;
}
