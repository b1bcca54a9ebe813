// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

using TCommand = TCommandLine::TCommand;

struct TGoodCase {
  const char* Name;
  std::vector<std::string> Args;
  TCommand Command;
  std::string In;
  std::string Out;
  std::optional<std::string> MapFile;
  std::optional<TMapFormat> Format = std::nullopt;
  std::optional<std::string> Language = std::nullopt;
};

void PrintTo(const TGoodCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class CommandLineTest : public testing::TestWithParam<TGoodCase> {};

TEST_P(CommandLineTest, Accepts) {
  const TGoodCase& c = GetParam();
  const auto line = parseCommandLine(c.Args);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Command, c.Command);
  EXPECT_EQ(line->In, c.In);
  EXPECT_EQ(line->Out, c.Out);
  EXPECT_EQ(line->MapFile, c.MapFile);
  EXPECT_EQ(line->Format, c.Format);
  EXPECT_EQ(line->Language, c.Language);
}

INSTANTIATE_TEST_SUITE_P(
    Uses, CommandLineTest,
    testing::Values(
        TGoodCase{"Categories", {"categories", "a.zbl"}, TCommand::Categories, "a.zbl", "", {}},
        TGoodCase{"Items", {"items", "a.zbl"}, TCommand::Items, "a.zbl", "", {}},
        TGoodCase{"Map", {"map", "-"}, TCommand::Map, "-", "", {}},
        TGoodCase{"MapToFile", {"map", "a", "m.po"}, TCommand::Map, "a", "m.po", {}},
        TGoodCase{"MapFormat",
                  {"map", "--format", "tsv", "a", "m.po"},
                  TCommand::Map,
                  "a",
                  "m.po",
                  {},
                  TMapFormat::Tsv},
        TGoodCase{
            "TranslateWithoutMap", {"translate", "a", "b"}, TCommand::Translate, "a", "b", {}},
        TGoodCase{"TranslateWithMap",
                  {"translate", "a", "b", "--map", "m"},
                  TCommand::Translate,
                  "a",
                  "b",
                  "m"},
        TGoodCase{"MapOptionFirst",
                  {"translate", "--map", "m", "a", "b"},
                  TCommand::Translate,
                  "a",
                  "b",
                  "m"},
        TGoodCase{"CheckOwnTexts", {"check", "a"}, TCommand::Check, "a", "", {}},
        TGoodCase{"CheckMapAndLanguageAnywhere",
                  {"check", "--language", "pl_PL", "a", "--map", "m"},
                  TCommand::Check,
                  "a",
                  "",
                  "m",
                  std::nullopt,
                  "pl_PL"},
        TGoodCase{"Help", {"--help"}, TCommand::Help, "", "", {}},
        TGoodCase{"ShortHelp", {"-h"}, TCommand::Help, "", "", {}},
        TGoodCase{"Version", {"--version"}, TCommand::Version, "", "", {}},
        TGoodCase{"MapFileLooksLikeOption",
                  {"translate", "a", "b", "--map", "--x"},
                  TCommand::Translate,
                  "a",
                  "b",
                  "--x"}),
    [](const auto& info) { return info.param.Name; });

struct TBadCase {
  const char* Name;
  std::vector<std::string> Args;
};

void PrintTo(const TBadCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class CommandLineUsageTest : public testing::TestWithParam<TBadCase> {};

TEST_P(CommandLineUsageTest, Refuses) { EXPECT_FALSE(parseCommandLine(GetParam().Args)); }

INSTANTIATE_TEST_SUITE_P(
    Misuses, CommandLineUsageTest,
    testing::Values(TBadCase{"Nothing", {}}, TBadCase{"UnknownCommand", {"list", "a"}},
                    TBadCase{"CommandCaseMatters", {"Items", "a"}},
                    TBadCase{"MissingFile", {"categories"}},
                    TBadCase{"TwoFiles", {"items", "a", "b"}},
                    TBadCase{"MapThreeFiles", {"map", "a", "b", "c"}},
                    TBadCase{"UnknownFormat", {"map", "a", "--format", "csv"}},
                    TBadCase{"FormatTwice", {"map", "a", "--format", "po", "--format", "po"}},
                    TBadCase{"FormatOnTranslate", {"translate", "a", "b", "--format", "po"}},
                    TBadCase{"MapOptionOnListing", {"map", "a", "--map", "m"}},
                    TBadCase{"TranslateOneFile", {"translate", "a"}},
                    TBadCase{"TranslateThreeFiles", {"translate", "a", "b", "c"}},
                    TBadCase{"MapWithoutValue", {"translate", "a", "b", "--map"}},
                    TBadCase{"MapTwice", {"translate", "a", "b", "--map", "m", "--map", "n"}},
                    TBadCase{"UnknownOption", {"translate", "a", "b", "--force"}},
                    TBadCase{"HelpWithFile", {"--help", "a"}},
                    TBadCase{"VersionAfterCommand", {"items", "--version"}},
                    TBadCase{"ShortOptionOtherThanHelp", {"-v"}},
                    TBadCase{"EncodingWithoutValue", {"items", "a", "--encoding"}},
                    TBadCase{"EncodingTwice", {"items", "a", "--encoding", "1", "--encoding", "2"}},
                    TBadCase{"EncodingWithHelp", {"--encoding", "1250", "--help"}},
                    TBadCase{"StrictOnListing", {"items", "a", "--strict"}},
                    TBadCase{"StrictTwice", {"translate", "a", "b", "--strict", "--strict"}},
                    TBadCase{"CheckTwoFiles", {"check", "a", "b"}},
                    TBadCase{"LanguageOnTranslate", {"translate", "a", "b", "--language", "pl"}},
                    TBadCase{"LanguageTwice",
                             {"check", "a", "--language", "pl", "--language", "de"}},
                    TBadCase{"StrictOnCheck", {"check", "a", "--strict"}},
                    TBadCase{"TargetLanguageTwice",
                             {"map", "a", "--target-language", "de", "--target-language", "pl"}},
                    TBadCase{"SourceLanguageNoTag", {"map", "a", "--source-language", "e n"}},
                    TBadCase{"TargetLanguageOnCheck", {"check", "a", "--target-language", "de"}}),
    [](const auto& info) { return info.param.Name; });

TEST(CommandLineLanguageTest, LanguagesAreTagsAndTheLocaleGivesOne) {
  const auto line = parseCommandLine(
      {"map", "a", "--format", "xliff", "--target-language", "pt_BR", "--source-language", "EN"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Format, TMapFormat::Xliff);
  EXPECT_EQ(line->SourceLanguage, "EN");
  EXPECT_EQ(line->TargetLanguage, "pt-BR");
  const std::vector<std::pair<std::string, std::optional<std::string>>> locales = {
      {"pl_PL.UTF-8", "pl-PL"},
      {"de_DE@euro", "de-DE"},
      {"fr", "fr"},
      {"sr_RS.UTF-8@latin", "sr-RS"},
      {"C", {}},
      {"POSIX", {}},
      {"C.UTF-8", {}},
      {"", {}},
      {"1_x", {}}};
  for (const auto& [locale, tag] : locales) EXPECT_EQ(languageOfLocale(locale), tag) << locale;
}

}  // namespace
