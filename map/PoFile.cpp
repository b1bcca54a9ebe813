// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoFile.h"

#include <gettext-po.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "FieldEscape.h"
#include "LoaderSaver.h"
#include "TextCodec.h"

namespace {

/// The gettext library reads and writes only named files; a file in memory
/// gives the bytes a name without touching the disk.
class TMemoryFile {
 public:
  TMemoryFile() : mDescriptor(memfd_create("zbl-map", MFD_CLOEXEC)) {
    if (mDescriptor < 0) throw std::runtime_error(std::strerror(errno));
  }
  ~TMemoryFile() { close(mDescriptor); }
  TMemoryFile(const TMemoryFile&) = delete;
  TMemoryFile& operator=(const TMemoryFile&) = delete;

  std::string Name() const { return "/proc/self/fd/" + std::to_string(mDescriptor); }

  void Fill(std::string_view aBytes) {
    while (!aBytes.empty()) {
      const ssize_t written = write(mDescriptor, aBytes.data(), aBytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) throw std::runtime_error(std::strerror(errno));
      aBytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  std::string Contents() const {
    std::string out;
    char block[65536];
    for (off_t at = 0;;) {
      const ssize_t got = pread(mDescriptor, block, sizeof block, at);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) throw std::runtime_error(std::strerror(errno));
      if (got == 0) return out;
      out.append(block, static_cast<std::size_t>(got));
      at += got;
    }
  }

 private:
  int mDescriptor;
};

/// The library calls its handler without a context, and a fatal error must
/// not return; the first complaint is kept here for the call in progress.
struct TComplaints {
  std::optional<TMapError> First;
  std::jmp_buf Fatal;
};

thread_local TComplaints* tComplaints = nullptr;

void complain(int aSeverity, std::size_t aLine, const char* aText) {
  if (aSeverity == PO_SEVERITY_WARNING) return;
  if (!tComplaints->First) {
    TMapError error =
        mapErrorAt(TMapError::TKind::Catalogue,
                   aLine == static_cast<std::size_t>(-1) ? 0 : static_cast<int>(aLine));
    error.Reason = aText ? aText : "";
    while (error.Reason.ends_with('\n')) error.Reason.pop_back();
    tComplaints->First = std::move(error);
  }
  if (aSeverity == PO_SEVERITY_FATAL_ERROR) std::longjmp(tComplaints->Fatal, 1);
}

void onError(int aSeverity, po_message_t, const char*, std::size_t aLine, std::size_t, int,
             const char* aText) {
  complain(aSeverity, aLine, aText);
}

void onTwoMessageError(int aSeverity, po_message_t, const char*, std::size_t aLine, std::size_t,
                       int, const char* aText, po_message_t, const char*, std::size_t, std::size_t,
                       int, const char*) {
  complain(aSeverity, aLine, aText);
}

const po_xerror_handler kHandler = {onError, onTwoMessageError};

/// Runs a call into the library with complaints collected; returns false
/// when it ended in a fatal error. Nothing with a destructor may live in
/// aCall's frames, which a fatal error leaves.
template <typename TCall>
bool collecting(TComplaints& aComplaints, TCall&& aCall) {
  tComplaints = &aComplaints;
  if (setjmp(aComplaints.Fatal) != 0) {
    tComplaints = nullptr;
    return false;
  }
  aCall();
  tComplaints = nullptr;
  return true;
}

/// Where each entry of a catalogue begins and whether one of its strings
/// holds a NUL escape. The gettext library ends a string at a NUL escape
/// ("\0", "\000", "\x00") without a complaint, and keeps no line of an
/// entry, so both are found by scanning the bytes as its lexer does: an
/// entry begins at a msgctxt, or at a msgid not after one, obsolete ("#~")
/// entries included; the library gives the entries of each domain in this
/// order. Comments are skipped; inside a string a backslash escapes what
/// follows, so "\\0" is a backslash and a zero.
struct TScannedEntry {
  int Line = 0;
  bool Nul = false;
};

bool startsWithKeyword(std::string_view aLine, std::string_view aKeyword) {
  if (!aLine.starts_with(aKeyword)) return false;
  aLine.remove_prefix(aKeyword.size());
  return aLine.empty() || aLine.front() == ' ' || aLine.front() == '\t' || aLine.front() == '"';
}

bool holdsNulEscape(std::string_view aLine) {
  const auto digitValue = [](char c, int aBase) {
    const int v = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : 99;
    return v < aBase ? v : -1;
  };
  bool inString = false;
  for (std::size_t at = 0; at < aLine.size(); ++at) {
    const char c = aLine[at];
    if (!inString) {
      if (c == '#') return false;
      inString = c == '"';
      continue;
    }
    if (c == '"') {
      inString = false;
    } else if (c == '\\' && at + 1 < aLine.size()) {
      const bool hex = aLine[at + 1] == 'x';
      const int base = hex ? 16 : 8;
      std::size_t digit = at + (hex ? 2 : 1);
      if (digitValue(aLine[at + 1], 8) < 0 && !hex) {
        ++at;
        continue;
      }
      int value = 0;
      bool any = false;
      for (int n = 0; digit < aLine.size() && (hex || n < 3); ++digit, ++n) {
        const int v = digitValue(aLine[digit], base);
        if (v < 0) break;
        value = (value * base + v) & 0xff;
        any = true;
      }
      if (any && value == 0) return true;
      at = digit - 1;
    }
  }
  return false;
}

/// The entries of each domain, by its name, in file order.
std::unordered_map<std::string, std::vector<TScannedEntry>> scanEntries(std::string_view aBytes) {
  std::unordered_map<std::string, std::vector<TScannedEntry>> out;
  std::vector<TScannedEntry>* domain = &out["messages"];
  bool afterContext = false;
  int lineNumber = 0;
  while (!aBytes.empty()) {
    const std::size_t end = aBytes.find('\n');
    std::string_view line = aBytes.substr(0, end);
    aBytes.remove_prefix(end == std::string_view::npos ? aBytes.size() : end + 1);
    ++lineNumber;
    const auto skipBlanks = [&] {
      while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    };
    skipBlanks();
    if (line.starts_with("#~")) {
      line.remove_prefix(2);
      skipBlanks();
    } else if (line.starts_with('#')) {
      continue;
    }
    if (startsWithKeyword(line, "domain")) {
      const std::size_t open = line.find('"');
      const std::size_t close = line.find('"', open + 1);
      if (open != std::string_view::npos && close != std::string_view::npos)
        domain = &out[std::string(line.substr(open + 1, close - open - 1))];
      afterContext = false;
      continue;
    }
    const bool context = startsWithKeyword(line, "msgctxt");
    const bool id = startsWithKeyword(line, "msgid");
    if ((context || id) && !(id && afterContext)) domain->push_back({lineNumber, false});
    if (context || id) afterContext = context;
    if (id && !domain->empty()) domain->back().Line = lineNumber;
    if (!domain->empty() && holdsNulEscape(line)) domain->back().Nul = true;
  }
  return out;
}

bool readMessage(po_message_t aMessage, const TScannedEntry& aScanned, TMapParse& aResult) {
  const char* context = po_message_msgctxt(aMessage);
  const std::string_view id = po_message_msgid(aMessage);
  const std::string_view text = po_message_msgstr(aMessage);
  const bool header = !context && id.empty() && !aScanned.Nul;
  if (header || po_message_is_obsolete(aMessage)) return true;
  // Checked before an empty msgstr: a NUL escape may have emptied it.
  if (po_message_msgid_plural(aMessage) || aScanned.Nul) {
    auto oldText = utf8ToUtf16(id);
    if (!oldText) return false;
    aResult.Skipped.push_back({po_message_msgid_plural(aMessage) ? TMapSkip::TReason::Plural
                                                                 : TMapSkip::TReason::NulEscape,
                               aScanned.Line, std::move(*oldText)});
    return true;
  }
  if (text.empty()) return true;
  if (po_message_is_fuzzy(aMessage)) {
    ++aResult.FuzzySkipped;
    return true;
  }
  auto oldText = utf8ToUtf16(id);
  auto newText = utf8ToUtf16(text);
  if (!oldText || !newText) return false;
  aResult.Lines.push_back({0, std::move(*oldText), std::move(*newText)});
  return true;
}

}  // namespace

TMapParse parsePoFile(std::string_view aBytes) {
  TMapParse result;
  TMemoryFile memory;
  memory.Fill(aBytes);
  const std::string name = memory.Name();
  TComplaints complaints;
  po_file_t file = nullptr;
  const bool finished =
      collecting(complaints, [&] { file = po_file_read(name.c_str(), &kHandler); });
  if (!finished || complaints.First || !file) {
    if (file) po_file_free(file);
    result.Error = complaints.First;
    if (!result.Error) {
      result.Error = mapErrorAt(TMapError::TKind::Catalogue, 0);
      result.Error->Reason = "cannot be read";
    }
    return result;
  }
  const auto scanned = scanEntries(aBytes);
  for (const char* const* domain = po_file_domains(file); *domain; ++domain) {
    po_message_iterator_t messages = po_message_iterator(file, *domain);
    const auto found = scanned.find(*domain);
    std::size_t index = 0;
    while (po_message_t message = po_next_message(messages))
      if (!readMessage(message,
                       found != scanned.end() && index < found->second.size()
                           ? found->second[index++]
                           : TScannedEntry{},
                       result)) {
        result.Lines.clear();
        result.Error = mapErrorAt(TMapError::TKind::Catalogue, 0);
        result.Error->Reason = "not valid UTF-8; save the catalogue with charset=UTF-8";
        break;
      }
    po_message_iterator_free(messages);
    if (result.Error) break;
  }
  po_file_free(file);
  return result;
}

namespace {

/// What of aText a catalogue cannot hold: a NUL ends a string in the gettext
/// library, and an EOT (0x04) is read as the end of a message's context.
/// Every other character is written as itself or as an escape and reads
/// back the same.
const char* unwritableInCatalogue(std::u16string_view aText) {
  for (const char16_t c : aText) {
    if (c == u'\0') return "a NUL (0x00)";
    if (c == u'\x04') return "an EOT (0x04, the separator of a context)";
  }
  return nullptr;
}

}  // namespace

std::string formatPoFile(const TMapExport& aExport) {
  const TCategoryMap& map = aExport.Map;
  // Refused before the library is asked, which would write a catalogue that
  // reads back as other texts, or not at all.
  for (std::size_t row = 0; row < map.OldCats.size(); ++row) {
    const bool changed = row < aExport.Changed.size() && aExport.Changed[row];
    // Escaped here: a NUL would end the exception's words.
    const auto named = [](std::u16string_view aText) {
      return '"' + escapeControlCharacters(escapeField(aText)) + '"';
    };
    const char* what = unwritableInCatalogue(map.OldCats[row]);
    std::string text = "the category " + named(map.OldCats[row]);
    if (!what && changed && (what = unwritableInCatalogue(map.NewCats[row])))
      text = "the new text " + named(map.NewCats[row]) + " of " + text;
    if (what)
      throw TCatalogueRefusal(text + " holds " + what +
                              ", which a gettext catalogue cannot hold; a tab-separated map can");
  }
  po_file_t file = po_file_create();
  po_message_iterator_t messages = po_message_iterator(file, nullptr);
  po_message_t header = po_message_create();
  po_message_set_msgid(header, "");
  po_message_set_msgstr(header,
                        "Content-Type: text/plain; charset=UTF-8\n"
                        "Content-Transfer-Encoding: 8bit\n"
                        "MIME-Version: 1.0\n");
  po_message_insert(messages, header);
  std::unordered_set<std::u16string_view> written;
  for (std::size_t row = 0; row < map.OldCats.size(); ++row) {
    if (!written.insert(map.OldCats[row]).second) continue;
    po_message_t message = po_message_create();
    if (map.OldCats[row].empty()) po_message_set_msgctxt(message, kEmptyCategoryContext);
    po_message_set_msgid(message, utf16ToUtf8(map.OldCats[row]).c_str());
    const bool changed = row < aExport.Changed.size() && aExport.Changed[row];
    po_message_set_msgstr(message, changed ? utf16ToUtf8(map.NewCats[row]).c_str() : "");
    if (row < aExport.Contents.size())
      po_message_set_comments(message, describeContents(aExport.Contents[row]).c_str());
    po_message_insert(messages, message);
  }
  po_message_iterator_free(messages);

  std::optional<TMemoryFile> memory;
  std::string name;
  try {
    memory.emplace();
    name = memory->Name();
  } catch (...) {
    po_file_free(file);
    throw;
  }
  TComplaints complaints;
  const bool finished =
      collecting(complaints, [&] { po_file_write(file, name.c_str(), &kHandler); });
  po_file_free(file);
  if (!finished || complaints.First)
    throw std::runtime_error(complaints.First ? complaints.First->Reason : "cannot be written");
  return memory->Contents();
}
