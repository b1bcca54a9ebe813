// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <future>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>
#include <unordered_map>

#include "CheckMessages.h"
#include "CommandLine.h"
#include "FieldEscape.h"
#include "FileLayer.h"
#include "LoaderSaver.h"
#include "LocaleCodePage.h"
#include "MapApply.h"
#include "MapFile.h"
#include "MapIo.h"
#include "MapMessages.h"
#include "MapScan.h"
#include "PoFile.h"
#include "Speller.h"
#include "TerminalProgress.h"
#include "TextCodec.h"
#include "TranslationChecks.h"
#include "TranslationMemory.h"

namespace {

/// Writes "zbl: FILE: TEXT" as one line, whatever the name holds.
void report(std::ostream& aErr, std::string_view aFile, std::string_view aText) {
  aErr << "zbl: " << escapeName(aFile) << ": " << escapeControlCharacters(aText) << '\n'
       << std::flush;
}

int fail(std::ostream& aErr, std::string_view aFile, std::string_view aReason) {
  report(aErr, aFile, aReason);
  return kExitFailure;
}

/// What lies after the last item, which no item holds and a save drops.
std::string describeTrailingBytes(std::uint64_t aCount) {
  return aCount == 1
             ? "1 byte after the last item is not part of any item"
             : std::to_string(aCount) + " bytes after the last item are not part of any item";
}

/// What was wrong with the item that ended a damaged read.
std::string describeDamage(const TLoadResult& aResult) {
  const std::string item = "item " + std::to_string(aResult.ItemsRead + 1);
  switch (aResult.Damage) {
    case TLoadResult::TDamage::None:
      break;
    case TLoadResult::TDamage::SizeCutOff:
      return "the size of " + item + " is cut off";
    case TLoadResult::TDamage::SmallerThanHeader:
      return item + " is smaller than its header";
    case TLoadResult::TDamage::PastTheEnd:
      return item + " runs past the end of the file";
  }
  return {};
}

/// Why a save failed, in the system's manner of words.
std::string describeFileError(const TFileError& aError) {
  switch (aError.Problem()) {
    case TFileProblem::ProcessDescriptor:
      return "Is a descriptor of a process, not a file";
    case TFileProblem::System:
      break;
  }
  return aError.Reason();
}

std::string describeLoad(const TLoadResult& aResult) {
  switch (aResult.Kind) {
    case TLoadResult::TKind::Loaded:
      return {};
    case TLoadResult::TKind::CannotOpen:
      return "cannot open: " + aResult.Reason;
    case TLoadResult::TKind::NotALibrary:
      return "not a library (too short, or wrong signature or version)";
    case TLoadResult::TKind::Damaged:
      return "damaged: only " + std::to_string(aResult.ItemsRead) + " of " +
             std::to_string(aResult.ItemsDeclared) + " items could be read (" +
             describeDamage(aResult) + ")";
    case TLoadResult::TKind::OutOfMemory:
      return std::string(kNotEnoughMemory) + " to load it";
  }
  return {};
}

void listCategories(const TVectorEngine& aEngine, std::ostream& aOut) {
  for (int i = 0; i < aEngine.GetLibraryIndexCount(); ++i)
    aOut << aEngine.GetLibraryIndexItemCount(i) << '\t'
         << escapeField(aEngine.GetLibraryIndexItem(i)) << '\n';
}

void listItems(const TVectorEngine& aEngine, std::ostream& aOut) {
  for (std::size_t i = 0; i < aEngine.ItemCount(); ++i) {
    const auto category = TVectorEngine::GetLibraryItemRemarks(
        aEngine.GetLibraryItembyID(static_cast<int>(i)), aEngine.CodePage());
    aOut << escapeField(aEngine.Name(i)) << '\t' << escapeField(category) << '\n';
  }
}

/// The format a map command writes: the one --format names, or else the
/// output's name implies; standard output is tab-separated.
TMapFormat mapFormatWritten(const TCommandLine& aLine) {
  return aLine.Format.value_or(aLine.Out.empty() ? TMapFormat::Tsv : mapFormatOf(aLine.Out));
}

/// The name of a file without its folders.
std::string_view baseName(std::string_view aFile) {
  const std::size_t slash = aFile.rfind('/');
  return slash == std::string_view::npos ? aFile : aFile.substr(slash + 1);
}

/// The map that leaves every category as it is, with what each holds, to
/// aLine.Out when it names a file and to aOut otherwise. Scripts read the
/// tab-separated map on standard output: it keeps its two columns.
/// aTargetLanguage is that of a memory or an XLIFF document.
void listMap(const TVectorEngine& aEngine, const TCommandLine& aLine,
             const std::string& aTargetLanguage, std::ostream& aOut) {
  const TCategoryMap map = TCategoryMap::Identity(aEngine);
  const TMapExport exported{map,
                            {},
                            categoryContents(aEngine),
                            aLine.SourceLanguage.value_or("en"),
                            aTargetLanguage,
                            std::string(baseName(aLine.In))};
  const TMapFormat format = mapFormatWritten(aLine);
  if (!aLine.Out.empty())
    writeMap(aLine.Out, exported, format);
  else if (format == TMapFormat::Tsv)
    aOut << formatMapFile(map);
  else
    aOut << formatMap(exported, format);
}

/// The language of the locale, from the first of LC_ALL, LC_MESSAGES and
/// LANG that is set and not empty; nothing in the C locale or none.
std::optional<std::string> languageOfEnvironment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* value = std::getenv(name); value && *value) return languageOfLocale(value);
  return std::nullopt;
}

/// A map line whose new text will not be stored as written, and why.
struct TAlteration {
  int Line = 0;
  std::string Text;
};

/// The characters of aText its encoding aStored has no byte for, quoted, in
/// UTF-8.
std::string quotedLostCharacters(std::u16string_view aText, const TAnsiText& aStored) {
  std::string out;
  for (const std::u16string_view lost : lostCharacters(aText, aStored))
    out += (out.empty() ? "\"" : ", \"") + escapeField(lost) + '"';
  return out;
}

/// aText in double quotes. Built by appending: GCC 12 warns falsely
/// (-Wrestrict) of a chain of + that begins with a literal.
std::string quoted(std::string_view aText) {
  std::string out;
  out.reserve(aText.size() + 2);
  out.append(1, '"').append(aText).append(1, '"');
  return out;
}

// A text a message quotes is cut after this many characters.
constexpr std::size_t kQuotedCharacters = 200;

/// A text of a map or a library as a message quotes it: escaped as a field
/// and in double quotes; a longer one is cut, with an ellipsis and how long
/// it was, so that a long text cannot make a long line.
std::string quotedText(std::u16string_view aText) {
  if (aText.size() <= kQuotedCharacters) return quoted(escapeField(aText));
  // Cut between characters, never inside a surrogate pair.
  std::size_t cut = kQuotedCharacters;
  if (cut > 0 && (aText[cut - 1] & 0xFC00) == 0xD800) --cut;
  std::string out = quoted(escapeField(aText.substr(0, cut)) + "\u2026");
  return out.append(" (").append(std::to_string(aText.size())).append(" characters)");
}

/// The warnings of map line aLine (old text aOld, new text aNew), which will
/// be stored as aText, and as the same bytes as category aOther if given.
void appendAlterations(const TVectorEngine& aEngine, int aLine, std::u16string_view aOld,
                       std::u16string_view aNew, const TAnsiText& aText,
                       std::optional<std::size_t> aOther, std::vector<TAlteration>& aOut) {
  const TCodePage codePage = aEngine.CodePage();
  const std::string storedText = quotedText(decodeAnsi(aText.Bytes, codePage));
  const std::string storedAs = quotedText(aNew) + " will be stored as " + storedText;
  if (!aText.Lost.empty())
    aOut.push_back({aLine, storedAs + ": " + codePageName(codePage) + " has no " +
                               quotedLostCharacters(aNew, aText)});
  if (aText.Cut)
    aOut.push_back({aLine, storedAs + ": its encoding is longer than " +
                               std::to_string(kRemarksCapacity) + " bytes"});
  if (aOther)
    aOut.push_back({aLine, quotedText(aOld) + " and " +
                               quotedText(aEngine.GetLibraryIndexItem(static_cast<int>(*aOther))) +
                               " will both be stored as " + storedText +
                               " and become one category"});
}

/// The map rows a translation needs: one for each category a map line
/// names, in order of the lines, with its catalogue entry in aEntries; every
/// other category keeps its bytes, so a library of many categories does not
/// hold each of them twice as text.
TCategoryMap namedRows(const TVectorEngine& aEngine, const std::vector<TMapLine>& aLines,
                       std::vector<std::size_t>& aEntries) {
  TCategoryMap map;
  std::unordered_map<std::size_t, bool> named;
  for (const TMapLine& line : aLines)
    if (const std::optional<std::size_t> entry = aEngine.FindCategory(line.Old);
        entry && named.emplace(*entry, true).second) {
      map.OldCats.push_back(line.Old);
      map.NewCats.push_back(line.Old);
      aEntries.push_back(*entry);
    }
  return map;
}

/// Every map line in effect (the last one naming its category) whose new
/// text loses characters, is cut, or is stored as the same bytes as another
/// category's, in map order. aMap holds the rows of namedRows, and aEntryOf
/// their catalogue entries.
std::vector<TAlteration> describeAlterations(const TVectorEngine& aEngine, const TCategoryMap& aMap,
                                             const std::vector<std::size_t>& aEntryOf,
                                             const std::vector<TMapLine>& aLines) {
  const TCodePage codePage = aEngine.CodePage();
  // What each named category stores, and which of them store the same bytes;
  // a category no row names stores its own bytes.
  std::unordered_map<std::u16string_view, std::size_t> rowOf;
  std::vector<TAnsiText> stored(aMap.OldCats.size());
  std::unordered_map<std::string_view, std::vector<std::size_t>> renamedTo;
  std::unordered_map<std::size_t, bool> renamed;
  for (std::size_t row = 0; row < aMap.OldCats.size(); ++row) {
    rowOf.try_emplace(aMap.OldCats[row], row);
    stored[row] = encodeAnsi(aMap.NewCats[row], codePage, kRemarksCapacity);
    renamed.emplace(aEntryOf[row], true);
  }
  for (std::size_t row = 0; row < stored.size(); ++row)
    renamedTo[stored[row].Bytes].push_back(aEntryOf[row]);
  // The first category in catalogue order, other than aEntry, stored as aBytes.
  const auto otherStoring = [&](std::size_t aEntry,
                                std::string_view aBytes) -> std::optional<std::size_t> {
    std::optional<std::size_t> first;
    const auto consider = [&](std::size_t aOther) {
      if (aOther != aEntry && (!first || aOther < *first)) first = aOther;
    };
    if (const auto kept = aEngine.FindCategoryBytes(aBytes); kept && !renamed.contains(*kept))
      consider(*kept);
    for (const std::size_t other : renamedTo[aBytes]) consider(other);
    return first;
  };
  std::vector<TAlteration> out;
  for (const TMapLine& line : aLines) {
    const auto it = rowOf.find(line.Old);
    if (it == rowOf.end() || aMap.NewCats[it->second] != line.New) continue;
    const TAnsiText& text = stored[it->second];
    const std::optional<std::size_t> other = otherStoring(aEntryOf[it->second], text.Bytes);
    // Most lines are stored as given; only a warning needs the words.
    if (text.Exact() && !other) continue;
    appendAlterations(aEngine, line.Line, line.Old, line.New, text, other, out);
  }
  return out;
}

/// describeAlterations of a map read by translateByScan.
std::vector<TAlteration> describeAlterations(const TVectorEngine& aEngine,
                                             const TMapTranslation& aTranslation) {
  std::vector<TAlteration> out;
  const auto& inexact = aTranslation.Inexact;
  const auto& merges = aTranslation.Merges;
  std::size_t i = 0;
  std::size_t m = 0;
  while (i < inexact.size() || m < merges.size()) {
    const std::size_t named = std::min(i < inexact.size() ? inexact[i].Named : SIZE_MAX,
                                       m < merges.size() ? merges[m].Named : SIZE_MAX);
    const std::size_t entry = aTranslation.NamedEntries[named];
    const std::u16string old = aEngine.GetLibraryIndexItem(static_cast<int>(entry));
    std::optional<std::size_t> other;
    if (m < merges.size() && merges[m].Named == named) other = merges[m++].Other;
    const int line = aTranslation.NamedLines[named];
    if (i < inexact.size() && inexact[i].Named == named) {
      appendAlterations(aEngine, line, old, inexact[i].New, inexact[i].Stored, other, out);
      ++i;
    } else {
      const TCategoryBytes& stored = aTranslation.Stored;
      const TAnsiText exact{std::string(stored.Text(stored.TextOf[entry])), {}, false};
      appendAlterations(aEngine, line, old, {}, exact, other, out);
    }
  }
  return out;
}

/// Gives every category that aMap (the rows of namedRows, with their
/// catalogue entries aEntries) leaves as it is the new text of the memory's
/// first entry with its old text, adding a row where the map has none; each
/// such text is also a line of aLines, one list per source. Returns how many
/// categories were given one.
std::size_t pretranslate(const TVectorEngine& aEngine, const TTranslationMemory& aMemory,
                         TCategoryMap& aMap, std::vector<std::size_t>& aEntries,
                         std::vector<std::vector<TMapLine>>& aLines) {
  if (aMemory.Size() == 0) return 0;
  TCategoryMap whole = TCategoryMap::Identity(aEngine);
  std::unordered_map<std::size_t, std::size_t> rowOf;
  for (std::size_t row = 0; row < aEntries.size(); ++row) {
    rowOf.emplace(aEntries[row], row);
    whole.NewCats[aEntries[row]] = aMap.NewCats[row];
  }
  const std::vector<TPretranslation> filled = pretranslations(aMemory, whole);
  for (const TPretranslation& fill : filled) {
    const std::u16string& old = whole.OldCats[fill.Row];
    if (const auto named = rowOf.find(fill.Row); named != rowOf.end()) {
      aMap.NewCats[named->second] = fill.New;
    } else {
      aMap.OldCats.push_back(old);
      aMap.NewCats.push_back(fill.New);
      aEntries.push_back(fill.Row);
    }
    aLines[aMemory.Exact(old)->Source].push_back({0, old, fill.New});
  }
  return filled.size();
}

/// The warnings of the map lines that name no category of the library.
void reportUnmatched(std::ostream& aErr, const TCommandLine& aLine,
                     const std::vector<TMapLine>& aUnmatched) {
  for (const TMapLine& line : aUnmatched)
    report(aErr, mapLocation(*aLine.MapFile, line.Line),
           "warning: " + quotedText(line.Old) + " is not a category of " + escapeName(aLine.In));
}

/// The warnings of the entries not applied: fuzzy ones counted, and each
/// plural entry or one with a NUL escape named with its line.
void reportFuzzy(std::ostream& aErr, const TCommandLine& aLine, std::size_t aFuzzy,
                 const std::vector<TMapSkip>& aSkipped) {
  for (const TMapSkip& skip : aSkipped)
    report(aErr, mapLocation(*aLine.MapFile, skip.Line), "warning: " + describeMapSkip(skip));
  if (aFuzzy > 0)
    report(aErr, *aLine.MapFile,
           "warning: " + std::to_string(aFuzzy) +
               (aFuzzy == 1 ? " fuzzy entry was" : " fuzzy entries were") + " not applied");
}

/// Whether aFile, a regular file, does not start as a library does, after a
/// line on aErr: told from its first bytes, before the rest is read. Other
/// files (a pipe, a device) are read once, as they come.
bool notALibraryAtItsStart(const std::string& aFile, std::ostream& aErr) {
  struct stat info {};
  if (::stat(aFile.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const TLoadResult examined = TVectorEngine::ExamineLibraryFile(aFile);
  if (examined.Kind == TLoadResult::TKind::Loaded) return false;
  fail(aErr, aFile, describeLoad(examined));
  return true;
}

/// Whether a map written to aTarget would replace a library: aLibrary
/// itself, under any name, or any file that starts as one.
bool wouldReplaceALibrary(const std::string& aTarget, const std::string& aLibrary) {
  struct stat target {};
  struct stat library {};
  if (::stat(aTarget.c_str(), &target) != 0) return false;
  if (::stat(aLibrary.c_str(), &library) == 0 && target.st_dev == library.st_dev &&
      target.st_ino == library.st_ino)
    return true;
  return S_ISREG(target.st_mode) &&
         TVectorEngine::ExamineLibraryFile(aTarget).Kind == TLoadResult::TKind::Loaded;
}

/// Whether aTarget cannot be saved to, after a line on aErr: the writer's
/// own checks (a regular file or a new name, a folder that takes a new
/// file, no descriptor of a process), made before any work. The writer made
/// for the check leaves nothing behind.
bool cannotSaveTo(const std::string& aTarget, std::ostream& aErr) {
  try {
    const TAtomicFileWriter probe(aTarget);
    return false;
  } catch (const TFileError& e) {
    fail(aErr, aTarget, "cannot save: " + describeFileError(e));
    return true;
  }
}

/// A damaged library is listed as far as it was read, and still fails.
int runListing(const TCommandLine& aLine, TCodePage aPage, const std::string& aTargetLanguage,
               std::ostream& aOut, std::ostream& aErr) {
  if (notALibraryAtItsStart(aLine.In, aErr)) return kExitFailure;
  if (aLine.Command == TCommandLine::TCommand::Map && !aLine.Out.empty() &&
      wouldReplaceALibrary(aLine.Out, aLine.In))
    return fail(aErr, aLine.Out, "cannot save: it is a library; a map is never written over one");
  if (aLine.Command == TCommandLine::TCommand::Map && !aLine.Out.empty() &&
      cannotSaveTo(aLine.Out, aErr))
    return kExitFailure;
  TVectorEngine engine;
  engine.SetCodePage(aPage);
  const TLoadResult loaded = engine.LoadLibraryFromFile(aLine.In);
  if (loaded.Kind != TLoadResult::TKind::Loaded && loaded.Kind != TLoadResult::TKind::Damaged)
    return fail(aErr, aLine.In, describeLoad(loaded));

  switch (aLine.Command) {
    case TCommandLine::TCommand::Categories:
      listCategories(engine, aOut);
      break;
    case TCommandLine::TCommand::Items:
      listItems(engine, aOut);
      break;
    default:
      try {
        listMap(engine, aLine, aTargetLanguage, aOut);
      } catch (const TFileError& e) {
        return fail(aErr, aLine.Out, "cannot save: " + describeFileError(e));
      } catch (const TCatalogueRefusal& e) {
        return fail(aErr, aLine.Out.empty() ? "standard output" : aLine.Out,
                    std::string(e.what()) + "; nothing written");
      }
      break;
  }
  aOut.flush();
  if (!aOut) return fail(aErr, "standard output", "cannot write");
  if (loaded.Kind == TLoadResult::TKind::Damaged) return fail(aErr, aLine.In, describeLoad(loaded));
  // The listing is whole; the bytes it cannot show are worth a word.
  if (loaded.TrailingBytes > 0)
    report(aErr, aLine.In, "warning: " + describeTrailingBytes(loaded.TrailingBytes));
  return kExitSuccess;
}

/// Reads aLine's map, when it names one, into aRead and then the whole
/// library into aEngine: the map first, as it is the cheaper to refuse. The
/// load's result when both were read; nothing, after a line on aErr, when
/// the map is refused or the library was not read whole.
/// A tab-separated map with no memory beside it is only checked, into
/// aScan: it is read again, line by line, once the library is loaded.
std::optional<TLoadResult> readMapThenLibrary(const TCommandLine& aLine, TCodePage aPage,
                                              TMapRead& aRead, TVectorEngine& aEngine,
                                              std::ostream& aErr,
                                              TTranslationMemory* aMemory = nullptr,
                                              std::optional<TMapScan>* aScan = nullptr) {
  const TMapLanguages languages{aLine.SourceLanguage.value_or(""),
                                aLine.TargetLanguage.value_or("")};
  if (aScan && aLine.MapFile && mapFormatOf(*aLine.MapFile) == TMapFormat::Tsv &&
      aLine.MemoryFiles.empty())
    *aScan = TMapScan::Check(*aLine.MapFile);
  // A map the scan will not take is read whole, which tells why.
  if (aLine.MapFile && !(aScan && *aScan)) {
    aRead = readMap(*aLine.MapFile, languages);
    if (aRead.Refusal) {
      fail(aErr, aRead.Refusal->Where, aRead.Refusal->Reason);
      return std::nullopt;
    }
  }
  // The memory's files, read as maps are and refused alike; what they skip
  // is simply not in the memory.
  for (const std::string& file : aMemory ? aLine.MemoryFiles : std::vector<std::string>{}) {
    const TMapRead memory = readMap(file, languages);
    if (memory.Refusal) {
      fail(aErr, memory.Refusal->Where, memory.Refusal->Reason);
      return std::nullopt;
    }
    aMemory->Add(aMemory->AddSource(file), memory.Lines);
  }
  aEngine.SetCodePage(aPage);
  TLoadResult loaded = aEngine.LoadLibraryFromFile(aLine.In);
  if (loaded.Kind == TLoadResult::TKind::Loaded) return loaded;
  fail(aErr, aLine.In, describeLoad(loaded));
  return std::nullopt;
}

/// Runs aSave, telling a progress on aErr; false, after a line on aErr, when
/// it fails.
template <class TSave>
bool saveTranslation(const TCommandLine& aLine, std::ostream& aErr, bool aErrIsTerminal,
                     const TSave& aSave) {
  TTerminalProgress progress(aErr, aErrIsTerminal);
  try {
    aSave(progress);
  } catch (const TFileError& e) {
    progress.EndLine();
    std::string reason = "cannot save: " + describeFileError(e);
    if (!e.LeftBehind().empty())
      reason += "; the temporary file '" + e.LeftBehind() + "' could not be removed";
    fail(aErr, aLine.Out, reason);
    return false;
  } catch (const std::bad_alloc&) {
    progress.EndLine();
    fail(aErr, aLine.Out, "cannot save: " + std::string(kNotEnoughMemory));
    return false;
  }
  return true;
}

// What a map that changes between its two readings is refused with.
constexpr std::string_view kMapChanged = "cannot read: it changed while it was read";

/// The translation through a tab-separated map that aScan checked, with no
/// memory: each line read once against the catalogue, and what each
/// category will store worked out once, for the save and its warnings.
int translateScanned(const TCommandLine& aLine, TVectorEngine& aEngine, const TMapScan& aScan,
                     std::ostream& aErr, bool aErrIsTerminal) {
  // The save's order needs only the names: it is sorted beside the reading
  // where a second thread and the memory are to be had, or else by the
  // save, which tells what fails.
  std::future<void> sorted;
  try {
    sorted = std::async(std::launch::async, [&aEngine] {
      try {
        aEngine.SortAhead();
      } catch (const std::bad_alloc&) {
      }
    });
  } catch (const std::system_error&) {
  }
  const std::optional<TMapTranslation> translation = translateByScan(aEngine, aScan);
  if (sorted.valid()) sorted.get();
  if (!translation) return fail(aErr, *aLine.MapFile, kMapChanged);
  // Entries of which none is a category: almost surely the wrong map.
  if (aScan.Entries() > 0 && translation->Unmatched.size() == aScan.Entries())
    return fail(aErr, *aLine.MapFile, describeForeignMap(aScan.Entries(), aLine.In));
  const std::vector<TAlteration> alterations = describeAlterations(aEngine, *translation);
  // The window's own check: an empty category the map leaves as it is (no
  // line of a map has an empty new text).
  if (const auto empty = aEngine.FindCategoryBytes({}); empty && translation->Stored.Kept(*empty))
    return fail(aErr, aLine.In, kEmptyCategoryMessage);
  if (aLine.Strict && !alterations.empty())
    return fail(aErr, mapLocation(*aLine.MapFile, alterations.front().Line),
                alterations.front().Text + "; nothing written (--strict)");
  if (!saveTranslation(aLine, aErr, aErrIsTerminal, [&](TWorkProgress& aProgress) {
        aEngine.SaveLibraryToFile(aLine.Out, translation->Stored, &aProgress);
      }))
    return kExitFailure;
  reportUnmatched(aErr, aLine, translation->Unmatched);
  for (const TAlteration& alteration : alterations)
    report(aErr, mapLocation(*aLine.MapFile, alteration.Line), "warning: " + alteration.Text);
  return kExitSuccess;
}

int runTranslate(const TCommandLine& aLine, TCodePage aPage, std::ostream& aErr,
                 bool aErrIsTerminal) {
  // The cheap checks first: the library's first bytes, the target and the
  // map, then the whole library.
  if (notALibraryAtItsStart(aLine.In, aErr) || cannotSaveTo(aLine.Out, aErr)) return kExitFailure;
  TMapRead read;
  TVectorEngine engine;
  TTranslationMemory memory;
  std::optional<TMapScan> scan;
  const std::optional<TLoadResult> whole =
      readMapThenLibrary(aLine, aPage, read, engine, aErr, &memory, &scan);
  if (!whole) return kExitFailure;
  const TLoadResult& loaded = *whole;
  // A translation writes the items only; it refuses to lose bytes silently,
  // as it refuses a damaged library.
  if (loaded.TrailingBytes > 0)
    return fail(aErr, aLine.In,
                describeTrailingBytes(loaded.TrailingBytes) + "; translate would drop them");
  if (scan) return translateScanned(aLine, engine, *scan, aErr, aErrIsTerminal);

  TCategoryMap map;
  std::vector<std::size_t> entries;
  std::vector<TMapLine> unmatched;
  std::size_t fuzzy = 0;
  std::vector<TMapSkip> skipped;
  if (aLine.MapFile) {
    map = namedRows(engine, read.Lines, entries);
    unmatched = applyMap(read.Lines, map);
    // Entries of which none is a category: almost surely the wrong map.
    if (!read.Lines.empty() && unmatched.size() == read.Lines.size())
      return fail(aErr, *aLine.MapFile, describeForeignMap(read.Lines.size(), aLine.In));
    fuzzy = read.FuzzySkipped;
    skipped = std::move(read.Skipped);
  }
  // What the memory gives the categories the map leaves to do, as lines of
  // each of its files.
  std::vector<std::vector<TMapLine>> memoryLines(memory.SourceCount());
  const std::size_t pretranslated = pretranslate(engine, memory, map, entries, memoryLines);
  std::vector<TAlteration> alterations = describeAlterations(engine, map, entries, read.Lines);
  std::vector<std::pair<std::string, TAlteration>> memoryAlterations;
  for (std::size_t source = 0; source < memoryLines.size(); ++source)
    for (TAlteration& alteration : describeAlterations(engine, map, entries, memoryLines[source]))
      memoryAlterations.emplace_back(memory.SourceName(source), std::move(alteration));
  // The window's own check: an empty category the map leaves as it is.
  bool leftEmpty = engine.FindCategoryBytes({}).has_value();
  for (std::size_t row = 0; row < map.OldCats.size(); ++row)
    if (map.OldCats[row].empty()) leftEmpty = map.NewCats[row].empty();
  for (const std::u16string& text : map.NewCats)
    if (text.empty()) leftEmpty = true;
  if (leftEmpty) return fail(aErr, aLine.In, kEmptyCategoryMessage);
  if (aLine.Strict && !alterations.empty())
    return fail(aErr, mapLocation(*aLine.MapFile, alterations.front().Line),
                alterations.front().Text + "; nothing written (--strict)");
  if (aLine.Strict && !memoryAlterations.empty())
    return fail(aErr, memoryAlterations.front().first,
                memoryAlterations.front().second.Text + "; nothing written (--strict)");

  if (!saveTranslation(aLine, aErr, aErrIsTerminal, [&](TWorkProgress& aProgress) {
        engine.SaveLibraryToFile(aLine.Out, map, &aProgress);
      }))
    return kExitFailure;
  // Only a translation that was written reports its warnings, so that a
  // failure stays a single line.
  reportUnmatched(aErr, aLine, unmatched);
  for (const TAlteration& alteration : alterations)
    report(aErr, mapLocation(*aLine.MapFile, alteration.Line), "warning: " + alteration.Text);
  reportFuzzy(aErr, aLine, fuzzy, skipped);
  for (const auto& [source, alteration] : memoryAlterations)
    report(aErr, source, "warning: " + alteration.Text);
  if (!aLine.MemoryFiles.empty())
    report(aErr, aLine.Out,
           std::to_string(pretranslated) + (pretranslated == 1 ? " category" : " categories") +
               " pre-translated from the memory");
  return kExitSuccess;
}

/// The speller of the dictionary aLanguage names, into aSpeller; false,
/// after a line on aErr, when there is no such dictionary or it cannot be
/// opened.
bool openSpeller(const std::string& aLanguage, std::unique_ptr<TSpeller>& aSpeller,
                 std::ostream& aErr) {
  const std::vector<std::string> folders = DictionaryFolders();
  const std::vector<TDictionary> installed = FindDictionaries(folders);
  const std::optional<TDictionary> dictionary = DictionaryFor(installed, aLanguage);
  if (!dictionary) {
    aErr << "zbl: "
         << escapeControlCharacters(describeMissingDictionary(aLanguage, installed, folders))
         << '\n'
         << std::flush;
    return false;
  }
  aSpeller = TSpeller::Open(*dictionary);
  if (!aSpeller)
    report(aErr, dictionary->AffixPath,
           "cannot open the dictionary " + dictionary->Name +
               ": its files cannot be read, or their encoding is unknown");
  return aSpeller != nullptr;
}

/// Checks the categories through the map, or on their own without one, and
/// lists one line per failing check; fails when any check does. The map is
/// read as translate reads it, so its faults and warnings are the same.
int runCheck(const TCommandLine& aLine, TCodePage aPage, std::ostream& aOut, std::ostream& aErr) {
  std::unique_ptr<TSpeller> speller;
  if (aLine.Language && !openSpeller(*aLine.Language, speller, aErr)) return kExitUsage;
  if (notALibraryAtItsStart(aLine.In, aErr)) return kExitFailure;
  // The checks of part of a library would pass what they never saw.
  TMapRead read;
  TVectorEngine engine;
  std::optional<TMapScan> scan;
  const std::optional<TLoadResult> whole =
      readMapThenLibrary(aLine, aPage, read, engine, aErr, nullptr, &scan);
  if (!whole) return kExitFailure;
  const TLoadResult& loaded = *whole;

  TCategoryMap map = TCategoryMap::Identity(engine);
  if (aLine.MapFile) {
    std::vector<TMapLine> unmatched;
    std::size_t entries = read.Lines.size();
    if (scan) {
      std::optional<std::vector<TMapLine>> scanned = applyScan(engine, *scan, map);
      if (!scanned) return fail(aErr, *aLine.MapFile, kMapChanged);
      unmatched = std::move(*scanned);
      entries = scan->Entries();
    } else {
      unmatched = applyMap(read.Lines, map);
    }
    if (entries > 0 && unmatched.size() == entries)
      return fail(aErr, *aLine.MapFile, describeForeignMap(entries, aLine.In, "nothing checked"));
    reportUnmatched(aErr, aLine, unmatched);
    reportFuzzy(aErr, aLine, read.FuzzySkipped, read.Skipped);
  }

  const bool ownText = !aLine.MapFile;
  const TVectorRowTexts rows(std::move(map.OldCats), std::move(map.NewCats));
  std::optional<TTranslationChecks> checks;
  if (!ownText) checks.emplace(rows, speller.get());
  int failing = 0;
  for (int row = 0; row < rows.RowCount(); ++row) {
    const std::vector<TCheckFailure> failures =
        ownText ? CheckOwnText(rows.OldText(row), speller.get()) : checks->Failures(row);
    if (!failures.empty()) ++failing;
    for (const TCheckFailure& failure : failures)
      aOut << describeCheckLine(rows, row, failure, ownText) << '\n';
  }
  aOut << describeCheckCount(rows.RowCount(), failing) << '\n';
  aOut.flush();
  if (!aOut) return fail(aErr, "standard output", "cannot write");
  if (loaded.TrailingBytes > 0)
    report(aErr, aLine.In, "warning: " + describeTrailingBytes(loaded.TrailingBytes));
  return failing > 0 ? kExitFailure : kExitSuccess;
}

}  // namespace

int runZbl(const std::vector<std::string>& aArgs, std::ostream& aOut, std::ostream& aErr,
           bool aErrIsTerminal) {
  const std::optional<TCommandLine> line = parseCommandLine(aArgs);
  if (!line) {
    aErr << usageText() << std::flush;
    return kExitUsage;
  }
  // What was asked for is the output: one that cannot be written fails.
  if (line->Command == TCommandLine::TCommand::Help ||
      line->Command == TCommandLine::TCommand::Version) {
    if (line->Command == TCommandLine::TCommand::Help)
      aOut << usageText() << std::flush;
    else
      aOut << "zbl " ZBL_VERSION "\n" << std::flush;
    return aOut ? kExitSuccess : fail(aErr, "standard output", "cannot write");
  }
  const std::optional<TCodePage> page =
      line->Encoding ? codePageByName(*line->Encoding) : codePageOfEnvironment();
  if (!page) {
    std::string known;
    for (const TCodePage p : supportedCodePages())
      known += (known.empty() ? "" : ", ") + codePageName(p);
    aErr << "zbl: unknown encoding '" << escapeControlCharacters(*line->Encoding)
         << "'; known: " << known << '\n'
         << usageText() << std::flush;
    return kExitUsage;
  }
  // A memory or an XLIFF document names the language it translates into;
  // the locale's, unless one is given.
  std::string targetLanguage;
  if (line->Command == TCommandLine::TCommand::Map &&
      (mapFormatWritten(*line) == TMapFormat::Tmx ||
       mapFormatWritten(*line) == TMapFormat::Xliff)) {
    const std::optional<std::string> language =
        line->TargetLanguage ? line->TargetLanguage : languageOfEnvironment();
    if (!language) {
      aErr << "zbl: the locale names no language; give the language of the translation with "
              "--target-language LANG (for example --target-language de)\n"
           << usageText() << std::flush;
      return kExitUsage;
    }
    targetLanguage = *language;
  }
  try {
    if (line->Command == TCommandLine::TCommand::Translate)
      return runTranslate(*line, *page, aErr, aErrIsTerminal);
    if (line->Command == TCommandLine::TCommand::Check) return runCheck(*line, *page, aOut, aErr);
    return runListing(*line, *page, targetLanguage, aOut, aErr);
  } catch (const std::bad_alloc&) {
    // Nothing above is expected to throw but memory running out; name the
    // file all the same.
    return fail(aErr, line->In, kNotEnoughMemory);
  } catch (const std::exception& e) {
    return fail(aErr, line->In, e.what());
  }
}
