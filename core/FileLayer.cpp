// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLayer.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/magic.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <random>

namespace {

// Output is gathered into blocks of this size before each write, so the
// per-item writes of a save do not become system calls.
constexpr std::size_t kWriteBlockSize = std::size_t{1} << 20;

// While a save writes, the disk is asked to start on every this many bytes
// written, so that the sync at the end has little left to do.
constexpr std::uint64_t kWriteBackStep = std::uint64_t{32} << 20;

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinksFollowed = 40;

constexpr const char* kNotARegularFile = "Not a regular file";
constexpr const char* kProcessDescriptor = "Is a descriptor of a process, not a file";

const char* operationWords(TFileOperation aOperation) {
  switch (aOperation) {
    case TFileOperation::Open:
      return "cannot open";
    case TFileOperation::Read:
      return "cannot read";
    case TFileOperation::Create:
      return "cannot create";
    case TFileOperation::Write:
      return "cannot write";
    case TFileOperation::Replace:
      return "cannot replace";
  }
  return "cannot use";
}

[[noreturn]] void throwSystemError(TFileOperation aOperation, const std::string& aFile,
                                   int aError) {
  throw TFileError(aOperation, aFile, std::strerror(aError));
}

void closeDescriptor(int aDescriptor) {
  if (aDescriptor >= 0) ::close(aDescriptor);
}

/// Refuses what a library file cannot be: a directory, or anything but a
/// regular file.
void requireRegularFile(const struct stat& aInfo, TFileOperation aOperation,
                        const std::string& aFile) {
  if (S_ISDIR(aInfo.st_mode)) throwSystemError(aOperation, aFile, EISDIR);
  if (!S_ISREG(aInfo.st_mode)) throw TFileError(aOperation, aFile, kNotARegularFile);
}

std::string directoryOf(const std::string& aPath) {
  const std::size_t slash = aPath.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return aPath.substr(0, slash);
}

std::string nameOf(const std::string& aPath) {
  const std::size_t slash = aPath.rfind('/');
  return slash == std::string::npos ? aPath : aPath.substr(slash + 1);
}

/// Whether the link at aPath is one of those /proc shows for a process.
///
/// /dev/stdout, /dev/stdin, /dev/stderr and /dev/fd/N are links into
/// /proc/self/fd, and every link there (or under /proc/PID/fd, or any other
/// of /proc's links: cwd, root, exe, map_files) stands for something a
/// process holds open, not for a name: its text is a path only while the
/// descriptor's file keeps that name, and following it would replace that
/// file (a log that stdout is appended to) with the save. Asking the file
/// system the directory lives on, rather than matching the path's text,
/// also catches /proc reached through other links or spelt another way
/// (//dev/./stdout, a link to /proc/self/fd), and leaves every ordinary
/// link, file and directory as it was.
bool isProcessLink(const std::string& aPath) {
  struct statfs info {};
  return ::statfs(directoryOf(aPath).c_str(), &info) == 0 &&
         static_cast<unsigned long>(info.f_type) == PROC_SUPER_MAGIC;
}

/// The name a save replaces: aFile with every symbolic link followed, the
/// last one even when it dangles, so that the link stays and the file it
/// names gets the new bytes. A link of a process's descriptor is refused.
std::string followLinks(const std::string& aFile) {
  std::string path = aFile;
  for (int followed = 0;; ++followed) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (isProcessLink(path))
      throw TFileError(TFileOperation::Create, aFile, TFileProblem::ProcessDescriptor);
    if (followed == kMaxLinksFollowed) throwSystemError(TFileOperation::Create, aFile, ELOOP);
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    ssize_t length = 0;
    // The link may change between lstat and readlink; read until it fits.
    while ((length = ::readlink(path.c_str(), target.data(), target.size())) >= 0 &&
           static_cast<std::size_t>(length) == target.size())
      target.resize(target.size() * 2);
    if (length < 0) throwSystemError(TFileOperation::Create, aFile, errno);
    target.resize(static_cast<std::size_t>(length));
    path = target.starts_with('/') ? target : directoryOf(path) + "/" + target;
  }
}

std::string randomSuffix() {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[pick(device)];
  return suffix;
}

/// Tries short names until aMake(name) succeeds or fails for another reason
/// than the name being taken. Short, so that a target whose name is as long
/// as the system allows can still be replaced. Returns the name, or an empty
/// one with errno set.
template <typename TMake>
std::string claimTemporaryName(TMake aMake) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = ".zbl-" + randomSuffix();
    if (aMake(name)) return name;
    if (errno != EEXIST) return {};
  }
  return {};
}

// An unnamed file leaves nothing behind if the process dies; it is named
// only at commit, through /proc. Without /proc, or on a file system that
// cannot make one, the temporary file gets a name from the start.
int openUnnamed(int aDirectory) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return ::openat(aDirectory, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int renameIn(int aDirectory, const char* aFrom, const char* aTo) {
  return ::renameat(aDirectory, aFrom, aDirectory, aTo);
}

int unlinkIn(int aDirectory, const char* aName) { return ::unlinkat(aDirectory, aName, 0); }

int startWriteBack(int aDescriptor, off_t aOffset, off_t aLength) {
  return ::sync_file_range(aDescriptor, aOffset, aLength, SYNC_FILE_RANGE_WRITE);
}

/// Whether a failed early write-back only says the file system cannot do
/// it, which the final sync makes up for, rather than that the disk failed.
bool writeBackUnsupported(int aError) {
  return aError == ENOSYS || aError == EINVAL || aError == ESPIPE || aError == EOPNOTSUPP;
}

/// Opens the directory a save writes in. Read access is needed only to sync
/// it; a directory that can be written but not read is still used.
int openDirectory(const std::string& aDirectory) {
  const int descriptor = ::open(aDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor >= 0 || errno != EACCES) return descriptor;
  return ::open(aDirectory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

/// Gives the new file the whole mode of the replaced one, as cp -p does: the
/// set-user-ID and set-group-ID bits only while the new file has the old
/// one's owner and group (else they would lend one user's rights to
/// another's file), and without the special bits when the system refuses
/// them. Returns false with errno set when even the permission bits fail.
bool keepMode(int aDescriptor, const struct stat& aReplaced) {
  mode_t mode = aReplaced.st_mode & 07777;
  struct stat made {};
  if (::fstat(aDescriptor, &made) != 0) return false;
  if (made.st_uid != aReplaced.st_uid) mode &= ~mode_t{S_ISUID};
  if (made.st_gid != aReplaced.st_gid) mode &= ~mode_t{S_ISGID};
  // The kernel itself clears set-group-ID for a group the saver is not in.
  if (::fchmod(aDescriptor, mode) == 0) return true;
  return (mode & 07000) != 0 && ::fchmod(aDescriptor, mode & 0777) == 0;
}

}  // namespace

TFileError::TFileError(TFileOperation aOperation, std::string aFile, std::string aReason,
                       std::string aLeftBehind)
    : std::runtime_error(std::string(operationWords(aOperation)) + " '" + aFile + "': " + aReason +
                         (aLeftBehind.empty()
                              ? std::string()
                              : "; the temporary file '" + aLeftBehind + "' could not be removed")),
      mOperation(aOperation),
      mFile(std::move(aFile)),
      mReason(std::move(aReason)),
      mLeftBehind(std::move(aLeftBehind)) {}

TFileError::TFileError(TFileOperation aOperation, std::string aFile, TFileProblem aProblem)
    : TFileError(aOperation, std::move(aFile),
                 aProblem == TFileProblem::ProcessDescriptor ? kProcessDescriptor : "") {
  mProblem = aProblem;
}

TFileSystemCalls& fileSystemCalls() {
  static TFileSystemCalls calls{openUnnamed, ::write, ::fsync, renameIn, unlinkIn, startWriteBack};
  return calls;
}

namespace {

// A read of a large file reports how far it has come after each block.
constexpr std::size_t kReadBlockSize = std::size_t{8} << 20;

/// A descriptor closed when it goes, however that happens.
struct TDescriptor {
  explicit TDescriptor(int aValue) : Value(aValue) {}
  ~TDescriptor() { closeDescriptor(Value); }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Value;
};

int openForReading(const std::string& aFile) {
  // Non-blocking, so that a FIFO (even one put there after the name was
  // chosen) cannot hold the caller; what was opened is checked, not the name.
  const int descriptor = ::open(aFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) throwSystemError(TFileOperation::Open, aFile, errno);
  return descriptor;
}

/// A regular file opened for reading and its size then.
class TReadableFile {
 public:
  explicit TReadableFile(const std::string& aFile)
      : mFile(aFile), mDescriptor{openForReading(aFile)} {
    struct stat info {};
    if (::fstat(mDescriptor.Value, &info) != 0)
      throwSystemError(TFileOperation::Open, aFile, errno);
    requireRegularFile(info, TFileOperation::Open, aFile);
    mSize = static_cast<std::uintmax_t>(info.st_size);
    mInfo = info;
  }

  std::uintmax_t Size() const { return mSize; }
  const struct stat& Info() const { return mInfo; }
  int Descriptor() const { return mDescriptor.Value; }
  /// The descriptor, which the caller now closes.
  int Release() {
    const int descriptor = mDescriptor.Value;
    mDescriptor.Value = -1;
    return descriptor;
  }

  /// Fills aBytes from the start, aRead hearing of each block; returns the
  /// bytes read, fewer when the file shrank meanwhile.
  std::size_t Fill(std::vector<std::uint8_t>& aBytes,
                   const std::function<void(std::size_t, std::size_t)>& aRead) {
    std::size_t filled = 0;
    while (filled < aBytes.size()) {
      const std::size_t ask = std::min(kReadBlockSize, aBytes.size() - filled);
      const ssize_t got = ::read(mDescriptor.Value, aBytes.data() + filled, ask);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) throwSystemError(TFileOperation::Read, mFile, errno);
      if (got == 0) break;  // it shrank meanwhile
      filled += static_cast<std::size_t>(got);
      if (aRead) aRead(filled, aBytes.size());
    }
    return filled;
  }

 private:
  const std::string& mFile;
  TDescriptor mDescriptor;
  std::uintmax_t mSize = 0;
  struct stat mInfo {};
};

}  // namespace

std::vector<std::uint8_t> readWholeFile(
    const std::string& aFile, const std::function<void(std::size_t, std::size_t)>& aRead) {
  TReadableFile file(aFile);
  // Exactly the size the file has now: a file that reports 0 bytes and keeps
  // giving more, or one being appended to, cannot make the read grow.
  std::vector<std::uint8_t> bytes;
  if (file.Size() > bytes.max_size()) throw std::bad_alloc();
  bytes.resize(static_cast<std::size_t>(file.Size()));
  bytes.resize(file.Fill(bytes, aRead));
  return bytes;
}

std::vector<std::uint8_t> readFileStart(const std::string& aFile, std::size_t aCount) {
  TReadableFile file(aFile);
  std::vector<std::uint8_t> bytes(
      static_cast<std::size_t>(std::min<std::uintmax_t>(aCount, file.Size())));
  bytes.resize(file.Fill(bytes, {}));
  return bytes;
}

namespace {

// The mappings a bus error may hit: where each begins and ends (0 for a free
// slot), and whether one of its pages was found cut off. The handler reads
// them without locks, so they are plain atomics in a fixed table.
struct TMappingSlot {
  std::atomic<std::uintptr_t> Begin{0};
  std::atomic<std::uintptr_t> End{0};
  std::atomic<bool> CutOff{false};
};
constexpr int kMappingSlots = 64;
TMappingSlot gMappings[kMappingSlots];
struct sigaction gPreviousBusHandler {};

std::uintptr_t pageSize() {
  static const auto size = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  return size;
}

/// A page of a mapped file that the file no longer reaches faults with
/// SIGBUS. Within one of our mappings, the rest of the mapping from that
/// page on becomes zeros, the slot remembers it, and the read goes on; any
/// other bus error goes where it went before.
void onBusError(int aSignal, siginfo_t* aInfo, void* aContext) {
  const auto address = reinterpret_cast<std::uintptr_t>(aInfo->si_addr);
  for (TMappingSlot& slot : gMappings) {
    const std::uintptr_t begin = slot.Begin.load(std::memory_order_acquire);
    const std::uintptr_t end = slot.End.load(std::memory_order_acquire);
    if (begin == 0 || address < begin || address >= end) continue;
    const std::uintptr_t page = address & ~(pageSize() - 1);
    if (::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
               MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED)
      break;
    slot.CutOff.store(true, std::memory_order_release);
    return;
  }
  if ((gPreviousBusHandler.sa_flags & SA_SIGINFO) != 0 &&
      gPreviousBusHandler.sa_sigaction != nullptr) {
    gPreviousBusHandler.sa_sigaction(aSignal, aInfo, aContext);
    return;
  }
  if ((gPreviousBusHandler.sa_flags & SA_SIGINFO) == 0 &&
      gPreviousBusHandler.sa_handler != SIG_DFL && gPreviousBusHandler.sa_handler != SIG_IGN) {
    gPreviousBusHandler.sa_handler(aSignal);
    return;
  }
  // The default action: at once for a signal another process sent, on
  // return for a fault (the access runs again).
  ::signal(SIGBUS, SIG_DFL);
  ::raise(SIGBUS);
}

/// Installs the handler once; false when the system refuses it, and the
/// file is then read instead of mapped.
bool busHandlerInstalled() {
  static const bool installed = [] {
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGBUS, &action, &gPreviousBusHandler) == 0;
  }();
  return installed;
}

int claimMappingSlot(std::uintptr_t aBegin, std::uintptr_t aEnd) {
  for (int i = 0; i < kMappingSlots; ++i) {
    std::uintptr_t free = 0;
    if (!gMappings[i].Begin.compare_exchange_strong(free, aBegin)) continue;
    gMappings[i].CutOff.store(false);
    gMappings[i].End.store(aEnd, std::memory_order_release);
    return i;
  }
  return -1;
}

}  // namespace

TFileBytes::TFileBytes(std::vector<std::uint8_t> aBytes)
    : mRead(std::move(aBytes)), mData(mRead.data()), mSize(mRead.size()) {}

TFileBytes::~TFileBytes() { Release(); }

TFileBytes::TFileBytes(TFileBytes&& aOther) noexcept { *this = std::move(aOther); }

TFileBytes& TFileBytes::operator=(TFileBytes&& aOther) noexcept {
  if (this == &aOther) return *this;
  Release();
  const bool mapped = aOther.Mapped();
  mRead = std::move(aOther.mRead);
  mData = mapped ? aOther.mData : mRead.data();
  mSize = aOther.mSize;
  mSlot = aOther.mSlot;
  mDescriptor = aOther.mDescriptor;
  mMappedSize = aOther.mMappedSize;
  mModifiedSeconds = aOther.mModifiedSeconds;
  mModifiedNanoseconds = aOther.mModifiedNanoseconds;
  aOther.mRead.clear();
  aOther.mData = nullptr;
  aOther.mSize = 0;
  aOther.mSlot = -1;
  aOther.mDescriptor = -1;
  return *this;
}

void TFileBytes::Release() noexcept {
  if (mSlot >= 0) {
    TMappingSlot& slot = gMappings[mSlot];
    const std::uintptr_t begin = slot.Begin.load();
    const std::uintptr_t end = slot.End.load();
    slot.End.store(0);
    slot.Begin.store(0, std::memory_order_release);
    ::munmap(reinterpret_cast<void*>(begin), end - begin);
    mSlot = -1;
  }
  closeDescriptor(mDescriptor);
  mDescriptor = -1;
  mRead.clear();
  mRead.shrink_to_fit();
  mData = nullptr;
  mSize = 0;
}

TFileBytes TFileBytes::Open(const std::string& aFile,
                            const std::function<void(std::size_t, std::size_t)>& aRead) {
  TReadableFile file(aFile);
  if (file.Size() > std::numeric_limits<std::size_t>::max()) throw std::bad_alloc();
  const auto size = static_cast<std::size_t>(file.Size());
  // Mapping sets up every page at once: a fault for each of them, on a
  // virtual machine a trip to its host each, costs more than the mapping.
  void* mapping =
      size == 0 || !busHandlerInstalled()
          ? MAP_FAILED
          : ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.Descriptor(), 0);
  if (mapping == MAP_FAILED) {
    std::vector<std::uint8_t> bytes(size);
    bytes.resize(file.Fill(bytes, aRead));
    return TFileBytes(std::move(bytes));
  }
  const auto begin = reinterpret_cast<std::uintptr_t>(mapping);
  const std::uintptr_t end = begin + (size + pageSize() - 1) / pageSize() * pageSize();
  TFileBytes bytes;
  bytes.mSlot = claimMappingSlot(begin, end);
  if (bytes.mSlot < 0) {
    ::munmap(mapping, size);
    std::vector<std::uint8_t> read(size);
    read.resize(file.Fill(read, aRead));
    return TFileBytes(std::move(read));
  }
  bytes.mData = static_cast<const std::uint8_t*>(mapping);
  bytes.mSize = size;
  bytes.mMappedSize = static_cast<std::int64_t>(file.Info().st_size);
  bytes.mModifiedSeconds = file.Info().st_mtim.tv_sec;
  bytes.mModifiedNanoseconds = file.Info().st_mtim.tv_nsec;
  bytes.mDescriptor = file.Release();
  if (aRead) aRead(size, size);
  return bytes;
}

bool TFileBytes::Intact() const {
  if (mSlot < 0) return true;
  if (gMappings[mSlot].CutOff.load(std::memory_order_acquire)) return false;
  struct stat now {};
  return ::fstat(mDescriptor, &now) == 0 && now.st_size == mMappedSize &&
         now.st_mtim.tv_sec == mModifiedSeconds && now.st_mtim.tv_nsec == mModifiedNanoseconds;
}

void TMemorySink::Write(const std::uint8_t* aData, std::size_t aSize) {
  Bytes.insert(Bytes.end(), aData, aData + aSize);
}

TAtomicFileWriter::TAtomicFileWriter(const std::string& aFile) : mFile(aFile) {
  if (aFile.empty()) throwSystemError(TFileOperation::Create, aFile, ENOENT);
  mBlock.reserve(kWriteBlockSize);
  mTarget = followLinks(aFile);
  mName = nameOf(mTarget);
  mDirectory = openDirectory(directoryOf(mTarget));
  if (mDirectory < 0) throwSystemError(TFileOperation::Create, aFile, errno);
  // From here on everything is done in the directory opened, never again
  // through its path: the file checked is the one replaced, and the new
  // file lands beside it even if the path is given to another directory.
  // Replacing a FIFO or a device by a regular file would break whatever
  // uses it, and writing into one would not be atomic.
  struct stat existing {};
  const bool replacing =
      !mName.empty() && ::fstatat(mDirectory, mName.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
  if (mName.empty()) Fail(TFileOperation::Create, EISDIR);  // "folder/"
  if (!replacing && errno != ENOENT) Fail(TFileOperation::Create, errno);
  if (replacing && S_ISDIR(existing.st_mode)) Fail(TFileOperation::Create, EISDIR);
  if (replacing && !S_ISREG(existing.st_mode)) {
    Discard();
    throw TFileError(TFileOperation::Create, aFile, kNotARegularFile);
  }

  mDescriptor = fileSystemCalls().OpenUnnamed(mDirectory);
  if (mDescriptor < 0) {
    mTemporary = claimTemporaryName([this](const std::string& aName) {
      mDescriptor =
          ::openat(mDirectory, aName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      return mDescriptor >= 0;
    });
    if (mDescriptor < 0) Fail(TFileOperation::Create, errno);
  }
  // A new file gets the mode the umask allows; a replaced one keeps its own
  // bits, a read-only one included.
  if (replacing && !keepMode(mDescriptor, existing)) Fail(TFileOperation::Create, errno);
}

TAtomicFileWriter::~TAtomicFileWriter() { Discard(); }

std::string TAtomicFileWriter::Discard() noexcept {
  closeDescriptor(mDescriptor);
  mDescriptor = -1;
  std::string left;
  if (!mTemporary.empty() && fileSystemCalls().Unlink(mDirectory, mTemporary.c_str()) != 0)
    left = directoryOf(mTarget) + "/" + mTemporary;
  mTemporary.clear();
  closeDescriptor(mDirectory);
  mDirectory = -1;
  return left;
}

void TAtomicFileWriter::Fail(TFileOperation aOperation, int aError) {
  const std::string reason = std::strerror(aError);
  throw TFileError(aOperation, mFile, reason, Discard());
}

void TAtomicFileWriter::WriteAll(const std::uint8_t* aData, std::size_t aSize) {
  const TByteSpan span{aData, aSize};
  WriteSpans({&span, 1});
}

namespace {

// A replaced write (a test's full or failing disk) must see every byte, so
// gathered writes then go through it one span at a time: a short gathered
// write, which the caller handles as it handles any.
ssize_t writeGathered(int aDescriptor, const iovec* aVector, int aCount) {
  const auto write = fileSystemCalls().Write;
  if (write == &::write) return ::writev(aDescriptor, aVector, aCount);
  return write(aDescriptor, aVector[0].iov_base, aVector[0].iov_len);
}

}  // namespace

void TAtomicFileWriter::WriteSpans(std::span<const TByteSpan> aSpans) {
  if (mDescriptor < 0) throwSystemError(TFileOperation::Write, mFile, EBADF);
  iovec vector[IOV_MAX];
  std::size_t next = 0;    // the first span not yet in the vector
  std::size_t offset = 0;  // bytes of it already written
  while (next < aSpans.size()) {
    int count = 0;
    for (std::size_t k = next; k < aSpans.size() && count < IOV_MAX; ++k) {
      const std::size_t skip = k == next ? offset : 0;
      if (aSpans[k].Size == skip) continue;
      vector[count++] =
          iovec{const_cast<std::uint8_t*>(aSpans[k].Data) + skip, aSpans[k].Size - skip};
    }
    if (count == 0) break;
    const ssize_t wrote = writeGathered(mDescriptor, vector, count);
    if (wrote < 0 && errno == EINTR) continue;
    // A write that makes no progress and reports no error means no room.
    if (wrote <= 0) Fail(TFileOperation::Write, wrote < 0 ? errno : ENOSPC);
    // Step past what was written, which may end inside a span.
    auto done = static_cast<std::size_t>(wrote);
    while (next < aSpans.size() && done >= aSpans[next].Size - offset) {
      done -= aSpans[next].Size - offset;
      offset = 0;
      ++next;
    }
    offset += done;
    StartWriteBack(static_cast<std::uint64_t>(wrote));
  }
}

void TAtomicFileWriter::StartWriteBack(std::uint64_t aWrote) {
  mWritten += aWrote;
  if (mWritten - mWriteBackStarted < kWriteBackStep || mWriteBackError != 0) return;
  if (fileSystemCalls().StartWriteBack(mDescriptor, static_cast<off_t>(mWriteBackStarted),
                                       static_cast<off_t>(mWritten - mWriteBackStarted)) != 0) {
    // The disk's failure may be told once only, here rather than by the
    // sync; keep it for the commit. A file system that cannot start early
    // is left to the sync.
    mWriteBackError = writeBackUnsupported(errno) ? -1 : errno;
  }
  mWriteBackStarted = mWritten;
}

void TAtomicFileWriter::WriteGathered(std::span<const TByteSpan> aSpans) {
  FlushBlock();
  WriteSpans(aSpans);
}

void TAtomicFileWriter::FlushBlock() {
  WriteAll(mBlock.data(), mBlock.size());
  mBlock.clear();
}

void TAtomicFileWriter::Write(const std::uint8_t* aData, std::size_t aSize) {
  if (mBlock.size() + aSize > kWriteBlockSize) {
    FlushBlock();
    if (aSize >= kWriteBlockSize) {
      WriteAll(aData, aSize);
      return;
    }
  }
  mBlock.insert(mBlock.end(), aData, aData + aSize);
}

void TAtomicFileWriter::Commit() {
  FlushBlock();
  if (mWriteBackError > 0) Fail(TFileOperation::Write, mWriteBackError);
  // Only bytes that are on the disk may take the old file's place: a failed
  // sync (a full or failing device, a lost network share) fails the save.
  if (fileSystemCalls().Sync(mDescriptor) != 0) Fail(TFileOperation::Write, errno);
  if (mTemporary.empty()) {
    const std::string unnamed = "/proc/self/fd/" + std::to_string(mDescriptor);
    mTemporary = claimTemporaryName([this, &unnamed](const std::string& aName) {
      return ::linkat(AT_FDCWD, unnamed.c_str(), mDirectory, aName.c_str(), AT_SYMLINK_FOLLOW) ==
             0;
    });
    if (mTemporary.empty()) Fail(TFileOperation::Write, errno);
  }
  const int descriptor = mDescriptor;
  mDescriptor = -1;
  // Linux closes the descriptor even when close reports EINTR.
  if (::close(descriptor) != 0 && errno != EINTR) Fail(TFileOperation::Write, errno);
  if (fileSystemCalls().Rename(mDirectory, mTemporary.c_str(), mName.c_str()) != 0)
    Fail(TFileOperation::Replace, errno);
  mTemporary.clear();

  // Make the rename itself survive a power cut. The new file is complete
  // and in place by now, so a failure here is not reported as a failed save
  // that left the old file; a directory that could not be opened for
  // reading cannot be synced.
  ::fsync(mDirectory);
  closeDescriptor(mDirectory);
  mDirectory = -1;
}
