// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleDescription.h"

#include <set>
#include <vector>

#include "TextCodec.h"

namespace {

constexpr std::size_t kNameCapacity = 50;
constexpr std::size_t kCategoryCapacity = 100;

std::vector<std::string_view> splitTabs(std::string_view aLine) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t tab = aLine.find('\t');
    fields.push_back(aLine.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    aLine.remove_prefix(tab + 1);
  }
}

/// The field in Windows-1252, or the reason it cannot be stored unchanged.
std::optional<std::string> encodeField(std::u16string_view aText, std::size_t aCapacity,
                                       std::string_view aWhat, std::string& aReason) {
  std::string bytes = utf16ToCp1252(aText);
  if (cp1252ToUtf16(bytes) != aText) {
    aReason = std::string(aWhat) + " has a character that Windows-1252 cannot hold";
    return std::nullopt;
  }
  if (bytes.size() > aCapacity) {
    aReason = std::string(aWhat) + " is longer than " + std::to_string(aCapacity) + " bytes";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

TDescriptionParse parseSampleDescription(std::string_view aText) {
  TDescriptionParse result;
  std::set<std::string> categories;
  int number = 0;
  while (!aText.empty()) {
    const std::size_t end = aText.find('\n');
    std::string_view line = aText.substr(0, end);
    aText.remove_prefix(end == std::string_view::npos ? aText.size() : end + 1);
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;

    const auto fail = [&](std::string aReason) {
      result.Error = TDescriptionError{number, std::move(aReason)};
      return result;
    };
    if (!utf8ToUtf16(line)) return fail("not valid UTF-8");
    const std::vector<std::string_view> fields = splitTabs(line);
    if (fields.size() < 2 || fields.size() > 3)
      return fail("expected name, tab, category and an optional tab and body");

    TSampleItem item;
    std::string reason;
    const auto name = encodeField(*utf8ToUtf16(fields[0]), kNameCapacity, "the name", reason);
    if (!name) return fail(reason);
    const auto category =
        encodeField(*utf8ToUtf16(fields[1]), kCategoryCapacity, "the category", reason);
    if (!category) return fail(reason);
    item.Name = *name;
    item.Category = *category;
    if (fields.size() == 3) item.Body.assign(fields[2].begin(), fields[2].end());
    item.Seed = static_cast<std::uint8_t>(result.Library.Items.size());
    categories.insert(item.Category);
    result.Library.Items.push_back(std::move(item));
  }
  result.Library.ThemeCount = static_cast<std::int32_t>(categories.size());
  return result;
}
