// SPDX-License-Identifier: GPL-3.0-or-later
// zbl-mksample DESCRIPTION OUTPUT: writes the library a plain description
// names (see SampleDescription.h).
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "SampleDescription.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zbl-mksample DESCRIPTION OUTPUT\n";
    return 2;
  }
  const std::string description = argv[1];
  const std::string output = argv[2];
  std::ifstream in(description, std::ios::binary);
  if (!in) {
    std::cerr << "zbl-mksample: " << description << ": cannot open\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const TDescriptionParse parsed = parseSampleDescription(text);
  if (parsed.Error) {
    std::cerr << "zbl-mksample: " << description << ':' << parsed.Error->Line << ": "
              << parsed.Error->Reason << '\n';
    return 1;
  }
  try {
    writeBytesToFile(output, buildSampleLibrary(parsed.Library));
  } catch (const std::exception& e) {
    std::cerr << "zbl-mksample: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
