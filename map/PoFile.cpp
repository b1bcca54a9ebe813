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
#include <unordered_set>

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

bool readMessage(po_message_t aMessage, TMapParse& aResult) {
  const char* context = po_message_msgctxt(aMessage);
  const std::string_view id = po_message_msgid(aMessage);
  const std::string_view text = po_message_msgstr(aMessage);
  const bool header = !context && id.empty();
  if (header || po_message_is_obsolete(aMessage) || po_message_msgid_plural(aMessage) ||
      text.empty())
    return true;
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
  for (const char* const* domain = po_file_domains(file); *domain; ++domain) {
    po_message_iterator_t messages = po_message_iterator(file, *domain);
    while (po_message_t message = po_next_message(messages))
      if (!readMessage(message, result)) {
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

std::string formatPoFile(const TMapExport& aExport) {
  const TCategoryMap& map = aExport.Map;
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
