// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleCodePage.h"

#include <array>
#include <cstdlib>

namespace {

struct TLanguagePage {
  std::string_view Language;
  TCodePage Page;
};

// The ANSI code page of each language whose Windows locales do not use 1252.
constexpr std::array<TLanguagePage, 39> kLanguages = {{
    {"pl", TCodePage::CentralEuropean},
    {"cs", TCodePage::CentralEuropean},
    {"sk", TCodePage::CentralEuropean},
    {"hu", TCodePage::CentralEuropean},
    {"sl", TCodePage::CentralEuropean},
    {"hr", TCodePage::CentralEuropean},
    {"ro", TCodePage::CentralEuropean},
    {"sq", TCodePage::CentralEuropean},
    {"bs", TCodePage::CentralEuropean},
    {"tk", TCodePage::CentralEuropean},
    {"ru", TCodePage::Cyrillic},
    {"uk", TCodePage::Cyrillic},
    {"bg", TCodePage::Cyrillic},
    {"be", TCodePage::Cyrillic},
    {"mk", TCodePage::Cyrillic},
    {"sr", TCodePage::Cyrillic},
    {"kk", TCodePage::Cyrillic},
    {"ky", TCodePage::Cyrillic},
    {"tt", TCodePage::Cyrillic},
    {"mn", TCodePage::Cyrillic},
    {"ba", TCodePage::Cyrillic},
    {"sah", TCodePage::Cyrillic},
    {"tg", TCodePage::Cyrillic},
    {"el", TCodePage::Greek},
    {"tr", TCodePage::Turkish},
    {"az", TCodePage::Turkish},
    {"uz", TCodePage::Turkish},
    {"he", TCodePage::Hebrew},
    {"iw", TCodePage::Hebrew},
    {"ar", TCodePage::Arabic},
    {"fa", TCodePage::Arabic},
    {"ur", TCodePage::Arabic},
    {"ps", TCodePage::Arabic},
    {"ug", TCodePage::Arabic},
    {"et", TCodePage::Baltic},
    {"lv", TCodePage::Baltic},
    {"lt", TCodePage::Baltic},
    {"vi", TCodePage::Vietnamese},
    {"th", TCodePage::Thai},
}};

}  // namespace

TCodePage codePageOfLocale(std::string_view aLcAll, std::string_view aLcCtype,
                           std::string_view aLang) {
  const std::string_view locale = !aLcAll.empty() ? aLcAll : !aLcCtype.empty() ? aLcCtype : aLang;
  // language[_territory][.codeset][@modifier]
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  const std::size_t at = locale.find('@');
  const std::string_view script = at == std::string_view::npos ? "" : locale.substr(at + 1);
  // Languages written in Latin and Cyrillic: the script named decides.
  if (script == "latin" && language == "sr") return TCodePage::CentralEuropean;
  if (script == "cyrillic" && (language == "bs" || language == "az" || language == "uz"))
    return TCodePage::Cyrillic;
  for (const TLanguagePage& entry : kLanguages)
    if (entry.Language == language) return entry.Page;
  return TCodePage::Western;
}

TCodePage codePageOfEnvironment() {
  const auto variable = [](const char* aName) {
    const char* value = std::getenv(aName);
    return std::string_view(value ? value : "");
  };
  return codePageOfLocale(variable("LC_ALL"), variable("LC_CTYPE"), variable("LANG"));
}
