// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchLibrary.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

#include "SampleLibrary.h"

namespace {

const char* const kWords[] = {"Tree",   "Car",    "House", "Sign",  "Lamp",  "Road",
                              "Bridge", "Person", "Bench", "Tower", "Fence", "Gate",
                              "Boat",   "Train",  "Bus",   "Wall"};

std::string categoryName(int aIndex) { return "Category " + std::to_string(aIndex); }

// A category of its own for every item, as long as the field holds.
std::string longCategory(const std::string& aWord, std::int64_t aIndex) {
  std::string text = aWord + " " + std::to_string(aIndex) + " ";
  while (text.size() < 100) text += static_cast<char>('a' + text.size() % 26);
  return text;
}

std::string benchName(std::mt19937& aRandom) {
  const auto word = kWords[aRandom() % std::size(kWords)];
  return std::string(word) + " " + std::to_string(aRandom() % 100000) + " " +
         kWords[aRandom() % std::size(kWords)] + std::to_string(aRandom() % 100);
}

void appendLE(std::vector<std::uint8_t>& aOut, std::uint64_t aValue, int aBytes) {
  for (int i = 0; i < aBytes; ++i) aOut.push_back(static_cast<std::uint8_t>(aValue >> (8 * i)));
}

}  // namespace

// Writes a library whose item i is aMake(i, random).
template <typename TMake>
void writeLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed, TMake aMake) {
  std::ofstream out(aFile, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + aFile);
  std::mt19937 random(aSeed);
  std::vector<std::uint8_t> block;
  block.insert(block.end(), {6, 'Z', 'm', 'b', 'L', 'i', 'b', 0, 0, 0, 0, 0});
  appendLE(block, 1, 4);
  appendLE(block, 50, 4);
  appendLE(block, static_cast<std::uint64_t>(aItems), 4);
  for (std::int64_t i = 0; i < aItems; ++i) {
    const std::vector<std::uint8_t> bytes = buildSampleItem(aMake(i, random));
    appendLE(block, bytes.size(), 8);
    block.insert(block.end(), bytes.begin(), bytes.end());
    if (block.size() > (4u << 20)) {
      out.write(reinterpret_cast<const char*>(block.data()),
                static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
  out.write(reinterpret_cast<const char*>(block.data()),
            static_cast<std::streamsize>(block.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + aFile);
}

void writeBenchLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed) {
  writeLibrary(aFile, aItems, aSeed, [](std::int64_t, std::mt19937& aRandom) {
    TSampleItem item;
    item.Name = benchName(aRandom);
    item.Category = categoryName(static_cast<int>(aRandom() % 50));
    item.Seed = static_cast<std::uint8_t>(aRandom());
    item.Body.resize(aRandom() % 2049);
    for (auto& b : item.Body) b = static_cast<std::uint8_t>(aRandom());
    return item;
  });
}

void writeCategoryLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed) {
  writeLibrary(aFile, aItems, aSeed, [](std::int64_t aIndex, std::mt19937& aRandom) {
    TSampleItem item;
    item.Name = benchName(aRandom);
    item.Category = longCategory("Category", aIndex);
    item.Seed = static_cast<std::uint8_t>(aRandom());
    return item;
  });
}

void writeCategoryMap(const std::string& aFile, std::int64_t aItems) {
  std::ofstream out(aFile, std::ios::binary | std::ios::trunc);
  for (std::int64_t i = 0; i < aItems; ++i)
    out << longCategory("Category", i) << '\t' << longCategory("Kategorie", i) << '\n';
  if (!out.flush()) throw std::runtime_error("cannot write " + aFile);
}

void writeBenchMap(const std::string& aFile) {
  std::ofstream out(aFile, std::ios::binary | std::ios::trunc);
  for (int c = 0; c < 50; ++c) out << categoryName(c) << '\t' << "Kategorie " << c << '\n';
  if (!out.flush()) throw std::runtime_error("cannot write " + aFile);
}
