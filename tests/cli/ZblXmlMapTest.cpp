// SPDX-License-Identifier: GPL-3.0-or-later
// zbl with TMX memories and XLIFF documents: their languages, and the same
// translation through them as through the gettext catalogue they came from.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "SampleLibrary.h"
#include "TempDir.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

const std::string kSample = ZBL_EXAMPLES_DIR "/sample.zbl";

TChildResult runZbl(const std::vector<std::string>& aArgs) {
  return runProgram(ZBL_PROGRAM, aArgs);
}

std::string readText(const std::string& aFile) {
  const TBytes bytes = readFileBytes(aFile);
  return std::string(bytes.begin(), bytes.end());
}

class ZblXmlMapTest : public testing::Test {
 protected:
  std::string Write(const std::string& aName, std::string_view aText) const {
    writeBytesToFile(mDir.File(aName), TBytes(aText.begin(), aText.end()));
    return mDir.File(aName);
  }
  TTempDir mDir;
};

TEST_F(ZblXmlMapTest, PoThroughPo2xliffTranslatesToTheSameBytes) {
  const TChildResult exported = runZbl({"map", kSample, "--format", "po"});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
  const std::string po = Write("s.po", exported.Out);
  const std::string translated = mDir.File("t.po");
  ASSERT_EQ(runProgram("/usr/bin/msgen", {"-o", mDir.File("en.po"), po}).ExitCode, 0);
  ASSERT_EQ(runProgram("/usr/bin/msgfilter",
                       {"-i", mDir.File("en.po"), "-o", translated, "/bin/sed", "-e", "s/^/X /"})
                .ExitCode,
            0);
  ASSERT_EQ(runProgram(PO2XLIFF_PROGRAM, {translated, mDir.File("t.xlf")}).ExitCode, 0);

  const TChildResult viaPo =
      runZbl({"translate", kSample, mDir.File("po.zbl"), "--map", translated});
  ASSERT_EQ(viaPo.ExitCode, 0) << viaPo.Err;
  const TChildResult viaXliff =
      runZbl({"translate", kSample, mDir.File("xliff.zbl"), "--map", mDir.File("t.xlf")});
  ASSERT_EQ(viaXliff.ExitCode, 0) << viaXliff.Err;
  EXPECT_EQ(viaXliff.Err, viaPo.Err);
  EXPECT_EQ(readFileBytes(mDir.File("xliff.zbl")), readFileBytes(mDir.File("po.zbl")));
  EXPECT_NE(readFileBytes(mDir.File("po.zbl")), readFileBytes(kSample));
}

TEST_F(ZblXmlMapTest, TheTargetLanguageIsTheLocalesUnlessGiven) {
  const std::string out = mDir.File("m.xlf");
  // The tests run in the C locale, which names no language.
  const TChildResult refused = runZbl({"map", kSample, out});
  EXPECT_EQ(refused.ExitCode, 2);
  EXPECT_NE(refused.Err.find("--target-language"), std::string::npos) << refused.Err;
  EXPECT_TRUE(mDir.Entries().empty());

  const TChildResult fromLocale =
      runProgram("/usr/bin/env", {"LC_ALL=", "LC_MESSAGES=pl_PL.UTF-8", "LANG=de_DE", ZBL_PROGRAM,
                                  "map", kSample, "--format", "xliff"});
  ASSERT_EQ(fromLocale.ExitCode, 0) << fromLocale.Err;
  EXPECT_NE(fromLocale.Out.find("source-language=\"en\" target-language=\"pl-PL\""),
            std::string::npos);
  const TChildResult given = runZbl({"map", kSample, mDir.File("m.tmx"), "--target-language",
                                     "cs_CZ", "--source-language", "de"});
  ASSERT_EQ(given.ExitCode, 0) << given.Err;
  EXPECT_NE(readText(mDir.File("m.tmx")).find("srclang=\"de\""), std::string::npos);
}

TEST_F(ZblXmlMapTest, AMemoryOfSeveralTargetsNeedsTheOption) {
  const std::string memory = Write(
      "m.tmx",
      "<?xml version=\"1.0\"?>\n<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n<tmx version=\"1.4\">"
      "<header srclang=\"en\"/><body>\n"
      "<tu><tuv xml:lang=\"en\"><seg>Cars</seg></tuv><tuv xml:lang=\"pl-PL\"><seg>Auta</seg></tuv>"
      "<tuv xml:lang=\"de\"><seg>Autos</seg></tuv></tu>\n</body></tmx>\n");
  const TChildResult refused = runZbl({"translate", kSample, mDir.File("o.zbl"), "--map", memory});
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_EQ(refused.Err, "zbl: " + memory +
                             ": which language is the target? the memory holds en, pl-PL, de; "
                             "choose one with --target-language\n");
  const TChildResult chosen = runZbl(
      {"translate", kSample, mDir.File("o.zbl"), "--map", memory, "--target-language", "pl"});
  ASSERT_EQ(chosen.ExitCode, 0) << chosen.Err;
  EXPECT_NE(runZbl({"categories", mDir.File("o.zbl")}).Out.find("\tAuta\n"), std::string::npos);
}

TEST_F(ZblXmlMapTest, FaultsAndSkippedUnitsNameTheFileAndLine) {
  const std::string skipping =
      Write("s.xlf",
            "<xliff version=\"1.2\"><file><body>\n<trans-unit id=\"1\"><source>Cars</source>"
            "</trans-unit>\n<trans-unit id=\"2\"><source>Roads</source><target>Drogi</target>"
            "</trans-unit>\n</body></file></xliff>\n");
  const TChildResult warned = runZbl({"translate", kSample, mDir.File("o.zbl"), "--map", skipping});
  EXPECT_EQ(warned.ExitCode, 0);
  EXPECT_EQ(warned.Err, "zbl: " + skipping +
                            ":2: warning: the unit \"Cars\" was not applied: it has no target "
                            "text\n");
  const std::string malformed = Write("b.xlf", "<xliff>\n<file>\n</xliff>\n");
  const TChildResult refused =
      runZbl({"translate", kSample, mDir.File("p.zbl"), "--map", malformed});
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_TRUE(refused.Err.starts_with("zbl: " + malformed + ":3: not well-formed XML: "))
      << refused.Err;
}

}  // namespace
