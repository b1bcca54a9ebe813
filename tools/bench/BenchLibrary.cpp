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

void appendLE(std::vector<std::uint8_t>& aOut, std::uint64_t aValue, int aBytes) {
  for (int i = 0; i < aBytes; ++i) aOut.push_back(static_cast<std::uint8_t>(aValue >> (8 * i)));
}

}  // namespace

void writeBenchLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed) {
  std::ofstream out(aFile, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + aFile);
  std::mt19937 random(aSeed);
  std::vector<std::uint8_t> block;
  block.insert(block.end(), {6, 'Z', 'm', 'b', 'L', 'i', 'b', 0, 0, 0, 0, 0});
  appendLE(block, 1, 4);
  appendLE(block, 50, 4);
  appendLE(block, static_cast<std::uint64_t>(aItems), 4);
  for (std::int64_t i = 0; i < aItems; ++i) {
    TSampleItem item;
    const auto word = kWords[random() % std::size(kWords)];
    item.Name = std::string(word) + " " + std::to_string(random() % 100000) + " " +
                kWords[random() % std::size(kWords)] + std::to_string(random() % 100);
    item.Category = categoryName(static_cast<int>(random() % 50));
    item.Seed = static_cast<std::uint8_t>(random());
    item.Body.resize(random() % 2049);
    for (auto& b : item.Body) b = static_cast<std::uint8_t>(random());
    const std::vector<std::uint8_t> bytes = buildSampleItem(item);
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

void writeBenchMap(const std::string& aFile) {
  std::ofstream out(aFile, std::ios::binary | std::ios::trunc);
  for (int c = 0; c < 50; ++c) out << categoryName(c) << '\t' << "Kategorie " << c << '\n';
  if (!out.flush()) throw std::runtime_error("cannot write " + aFile);
}
