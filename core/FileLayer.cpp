// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLayer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <random>

namespace {

// Output is gathered into blocks of this size before each write, so the
// per-item writes of a save do not become system calls.
constexpr std::size_t kWriteBlockSize = std::size_t{1} << 20;

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinksFollowed = 40;

constexpr const char* kNotARegularFile = "Not a regular file";

[[noreturn]] void throwSystemError(const char* aOperation, const std::string& aFile, int aError) {
  throw TFileError(aOperation, aFile, std::strerror(aError));
}

void closeDescriptor(int aDescriptor) {
  if (aDescriptor >= 0) ::close(aDescriptor);
}

/// Refuses what a library file cannot be: a directory, or anything but a
/// regular file.
void requireRegularFile(const struct stat& aInfo, const char* aOperation,
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

/// The name a save replaces: aFile with every symbolic link followed, the
/// last one even when it dangles, so that the link stays and the file it
/// names gets the new bytes.
std::string followLinks(const std::string& aFile) {
  std::string path = aFile;
  for (int followed = 0;; ++followed) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (followed == kMaxLinksFollowed) throwSystemError("cannot create", aFile, ELOOP);
    std::string target(static_cast<std::size_t>(info.st_size) + 1, '\0');
    ssize_t length = 0;
    // The link may change between lstat and readlink; read until it fits.
    while ((length = ::readlink(path.c_str(), target.data(), target.size())) >= 0 &&
           static_cast<std::size_t>(length) == target.size())
      target.resize(target.size() * 2);
    if (length < 0) throwSystemError("cannot create", aFile, errno);
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

/// Tries names beside aTarget until aMake(name) succeeds or fails for another
/// reason than the name being taken. Returns the name, with errno set on
/// failure (then the name is empty).
template <typename TMake>
std::string claimTemporaryName(const std::string& aTarget, TMake aMake) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = aTarget + "." + randomSuffix();
    if (aMake(name)) return name;
    if (errno != EEXIST) return {};
  }
  return {};
}

// An unnamed file leaves nothing behind if the process dies; it is named
// only at commit, through /proc. Without /proc, or on a file system that
// cannot make one, the temporary file gets a name from the start.
int openUnnamed(const char* aDirectory) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return ::open(aDirectory, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

}  // namespace

TFileError::TFileError(std::string aOperation, std::string aFile, std::string aReason)
    : std::runtime_error(aOperation + " '" + aFile + "': " + aReason),
      mFile(std::move(aFile)),
      mReason(std::move(aReason)) {}

TFileSystemCalls& fileSystemCalls() {
  static TFileSystemCalls calls{openUnnamed, ::write, ::fsync, ::rename};
  return calls;
}

std::vector<std::uint8_t> readWholeFile(const std::string& aFile) {
  // Opening a FIFO or a device for reading may block, never end or have an
  // effect of its own; look before opening.
  struct stat info {};
  if (::stat(aFile.c_str(), &info) != 0) throwSystemError("cannot open", aFile, errno);
  requireRegularFile(info, "cannot open", aFile);

  // Non-blocking and checked again once open, in case something else took
  // the name in between.
  const int descriptor = ::open(aFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) throwSystemError("cannot open", aFile, errno);
  struct TCloser {
    int Descriptor;
    ~TCloser() { closeDescriptor(Descriptor); }
  } closer{descriptor};
  if (::fstat(descriptor, &info) != 0) throwSystemError("cannot open", aFile, errno);
  requireRegularFile(info, "cannot open", aFile);

  std::vector<std::uint8_t> bytes;
  if (static_cast<std::uintmax_t>(info.st_size) > bytes.max_size()) throw std::bad_alloc();
  bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t filled = 0;
  const auto readInto = [&](std::uint8_t* aTarget, std::size_t aSize) {
    ssize_t got = 0;
    while ((got = ::read(descriptor, aTarget, aSize)) < 0 && errno == EINTR) {
    }
    if (got < 0) throwSystemError("cannot read", aFile, errno);
    return static_cast<std::size_t>(got);
  };
  for (;;) {
    if (filled < bytes.size()) {
      const std::size_t got = readInto(bytes.data() + filled, bytes.size() - filled);
      if (got == 0) break;
      filled += got;
      continue;
    }
    // The file may have grown since its size was taken: look for more
    // without doubling a buffer that is usually already exact.
    std::uint8_t probe[64 * 1024];
    const std::size_t got = readInto(probe, sizeof probe);
    if (got == 0) break;
    bytes.insert(bytes.end(), probe, probe + got);
    filled += got;
  }
  bytes.resize(filled);
  bytes.shrink_to_fit();
  return bytes;
}

void TMemorySink::Write(const std::uint8_t* aData, std::size_t aSize) {
  Bytes.insert(Bytes.end(), aData, aData + aSize);
}

TAtomicFileWriter::TAtomicFileWriter(const std::string& aFile) : mFile(aFile) {
  if (aFile.empty()) throwSystemError("cannot create", aFile, ENOENT);
  mTarget = followLinks(aFile);

  struct stat existing {};
  const bool replacing = ::stat(mTarget.c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) throwSystemError("cannot create", aFile, errno);
  // Replacing a FIFO or a device by a regular file would break whatever
  // uses it; writing into it would not be atomic.
  if (replacing) requireRegularFile(existing, "cannot create", aFile);

  mDescriptor = fileSystemCalls().OpenUnnamed(directoryOf(mTarget).c_str());
  if (mDescriptor < 0) {
    mTemporary = claimTemporaryName(mTarget, [this](const std::string& aName) {
      mDescriptor = ::open(aName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      return mDescriptor >= 0;
    });
    if (mDescriptor < 0) throwSystemError("cannot create", aFile, errno);
  }
  // A new file gets the mode the umask allows; a replaced one keeps its own
  // bits exactly, a read-only one included.
  if (replacing && ::fchmod(mDescriptor, existing.st_mode & 0777) != 0)
    Fail("cannot create", errno);
  try {
    mBlock.reserve(kWriteBlockSize);
  } catch (...) {
    Discard();
    throw;
  }
}

TAtomicFileWriter::~TAtomicFileWriter() { Discard(); }

void TAtomicFileWriter::Discard() noexcept {
  closeDescriptor(mDescriptor);
  mDescriptor = -1;
  if (!mTemporary.empty()) ::unlink(mTemporary.c_str());
  mTemporary.clear();
}

void TAtomicFileWriter::Fail(const char* aOperation, int aError) {
  Discard();
  throwSystemError(aOperation, mFile, aError);
}

void TAtomicFileWriter::WriteAll(const std::uint8_t* aData, std::size_t aSize) {
  if (mDescriptor < 0) throwSystemError("cannot write", mFile, EBADF);
  std::size_t done = 0;
  while (done < aSize) {
    const ssize_t wrote = fileSystemCalls().Write(mDescriptor, aData + done, aSize - done);
    if (wrote < 0 && errno == EINTR) continue;
    // A write that makes no progress and reports no error means no room.
    if (wrote <= 0) Fail("cannot write", wrote < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(wrote);
  }
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
  // Only bytes that are on the disk may take the old file's place: a failed
  // sync (a full or failing device, a lost network share) fails the save.
  if (fileSystemCalls().Sync(mDescriptor) != 0) Fail("cannot write", errno);
  if (mTemporary.empty()) {
    const std::string unnamed = "/proc/self/fd/" + std::to_string(mDescriptor);
    mTemporary = claimTemporaryName(mTarget, [&unnamed](const std::string& aName) {
      return ::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, aName.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
    if (mTemporary.empty()) Fail("cannot write", errno);
  }
  const int descriptor = mDescriptor;
  mDescriptor = -1;
  // Linux closes the descriptor even when close reports EINTR.
  if (::close(descriptor) != 0 && errno != EINTR) Fail("cannot write", errno);
  if (fileSystemCalls().Rename(mTemporary.c_str(), mTarget.c_str()) != 0)
    Fail("cannot replace", errno);
  mTemporary.clear();

  // Make the rename itself survive a power cut. The new file is complete
  // and in place by now, so a failure here is not reported as a failed save
  // that left the old file.
  const int directory = ::open(directoryOf(mTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
}
