// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

/// What was being done to a file when it failed.
enum class TFileOperation {
  Open,     ///< opening a file to read it
  Read,     ///< reading an opened file
  Create,   ///< making the file that a save writes, beside its target
  Write,    ///< writing that file and putting it on the disk
  Replace,  ///< putting the written file in the target's place
};

/// Why the file layer refused a file of its own accord, where the system
/// gives no reason.
enum class TFileProblem {
  System,             ///< the system's reason, in Reason()
  ProcessDescriptor,  ///< a descriptor of a process (/dev/stdout, /proc/self/fd/N)
};

/// A failure of the file system: what was being done, to which file, and the
/// system's reason. Each front end words it; what() is a plain English line
/// for logs ("cannot write 'FILE': REASON").
class TFileError : public std::runtime_error {
 public:
  TFileError(TFileOperation aOperation, std::string aFile, std::string aReason,
             std::string aLeftBehind = {});
  /// A refusal of the file layer's own; Reason() is then a plain English
  /// line in the system's manner, for logs.
  TFileError(TFileOperation aOperation, std::string aFile, TFileProblem aProblem);

  TFileOperation Operation() const { return mOperation; }
  /// What the front ends word when it is not TFileProblem::System.
  TFileProblem Problem() const { return mProblem; }
  /// The file's name as the caller gave it.
  const std::string& File() const { return mFile; }
  /// The system's reason, as strerror words it.
  const std::string& Reason() const { return mReason; }
  /// The temporary file that a failed save could not remove (a directory
  /// where names can be added but not taken away); empty when none is left.
  const std::string& LeftBehind() const { return mLeftBehind; }

 private:
  TFileOperation mOperation;
  TFileProblem mProblem = TFileProblem::System;
  std::string mFile;
  std::string mReason;
  std::string mLeftBehind;
};

/// Reads a whole regular file, exactly the size it has when opened. It is
/// opened without blocking and checked: directories, FIFOs and devices are
/// refused. aRead, when given, hears the bytes read so far and the size
/// after each block. Throws TFileError, or std::bad_alloc when the file does
/// not fit in memory.
std::vector<std::uint8_t> readWholeFile(
    const std::string& aFile,
    const std::function<void(std::size_t aRead, std::size_t aSize)>& aRead = {});

/// The first aCount bytes of a regular file, or all of a shorter one; opened
/// and checked as readWholeFile does. Throws TFileError.
std::vector<std::uint8_t> readFileStart(const std::string& aFile, std::size_t aCount);

/// The bytes of a file held for reading. A regular file is mapped
/// read-only and private, so no buffer of its size is filled or copied; a
/// file the system will not map (an empty one, a file system without
/// mappings) is read into memory as readWholeFile does.
///
/// A mapped file cut short by another program must not crash the program:
/// the pages past its new end, which the system would fault, read as zeros
/// instead, and Intact() turns false. Intact() is also false once the file's
/// size or modification time differ from when it was mapped, as a file
/// written in place shows through a mapping. Whoever reads the bytes asks
/// Intact() after reading them.
class TFileBytes {
 public:
  TFileBytes() = default;
  /// Bytes already in memory, always intact.
  explicit TFileBytes(std::vector<std::uint8_t> aBytes);
  ~TFileBytes();
  TFileBytes(TFileBytes&& aOther) noexcept;
  TFileBytes& operator=(TFileBytes&& aOther) noexcept;
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;

  /// Maps aFile, opened and checked as readWholeFile does; aRead hears of
  /// the mapping as of one block read. Throws TFileError, or std::bad_alloc
  /// when a file that cannot be mapped does not fit in memory.
  static TFileBytes Open(
      const std::string& aFile,
      const std::function<void(std::size_t aRead, std::size_t aSize)>& aRead = {});

  const std::uint8_t* Data() const { return mData; }
  std::size_t Size() const { return mSize; }
  bool Mapped() const { return mSlot >= 0; }
  /// Whether every byte read so far was the file's, and the file is still
  /// the one mapped, unchanged.
  bool Intact() const;

 private:
  void Release() noexcept;

  std::vector<std::uint8_t> mRead;
  const std::uint8_t* mData = nullptr;
  std::size_t mSize = 0;
  /// The mapping's place in the table the bus-error handler reads; -1 for
  /// bytes in memory.
  int mSlot = -1;
  int mDescriptor = -1;
  /// The file's size and modification time when it was mapped.
  std::int64_t mMappedSize = 0;
  std::int64_t mModifiedSeconds = 0;
  std::int64_t mModifiedNanoseconds = 0;
};

/// Bytes somewhere in memory, written where they are.
struct TByteSpan {
  const std::uint8_t* Data = nullptr;
  std::size_t Size = 0;
};

/// Somewhere a save writes its bytes, in order.
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  virtual void Write(const std::uint8_t* aData, std::size_t aSize) = 0;
  /// Writes the spans one after the other; a sink may do it in one go.
  virtual void WriteGathered(std::span<const TByteSpan> aSpans) {
    for (const TByteSpan& span : aSpans) Write(span.Data, span.Size);
  }
};

/// Collects the bytes in memory.
class TMemorySink final : public TByteSink {
 public:
  void Write(const std::uint8_t* aData, std::size_t aSize) override;
  std::vector<std::uint8_t> Bytes;
};

/// Writes a file atomically: the bytes go to a temporary file beside the
/// target, in large blocks, and only Commit() puts it in the target's place,
/// once every write and the sync to the disk have succeeded. A symbolic link
/// is followed to the file it names; a target that exists but is not a
/// regular file (a directory, a FIFO, a device), and one reached through a
/// descriptor of a process (/dev/stdout, /dev/fd/N, /proc/PID/fd/N), are
/// refused before anything is written. The target's directory is opened
/// once, here, and everything after is done in it, so the new file lands in
/// the directory that was checked even if another takes its path meanwhile.
/// A replaced file's mode bits (setuid, setgid and sticky included) are kept
/// as far as the system lets its new owner set them. A writer destroyed
/// without a successful Commit() removes the temporary file and leaves the
/// target exactly as it was. Throws TFileError.
class TAtomicFileWriter final : public TByteSink {
 public:
  explicit TAtomicFileWriter(const std::string& aFile);
  ~TAtomicFileWriter() override;
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(const std::uint8_t* aData, std::size_t aSize) override;
  /// Writes the spans from where they are, many in each system call,
  /// without copying them into the block.
  void WriteGathered(std::span<const TByteSpan> aSpans) override;
  void Commit();

 private:
  void WriteAll(const std::uint8_t* aData, std::size_t aSize);
  /// Writes the spans in full, as many as fit in one call at a time.
  void WriteSpans(std::span<const TByteSpan> aSpans);
  void FlushBlock();
  /// Counts aWrote bytes more and, every few tens of MiB, asks the disk to
  /// start writing them.
  void StartWriteBack(std::uint64_t aWrote);
  [[noreturn]] void Fail(TFileOperation aOperation, int aError);
  /// Closes and removes the temporary file; returns its name when it could
  /// not be removed.
  std::string Discard() noexcept;

  std::string mFile;
  /// The name that is replaced: mFile with its symbolic links followed.
  std::string mTarget;
  /// The directory of mTarget, opened in the constructor; every name below
  /// is relative to it.
  int mDirectory = -1;
  /// The last part of mTarget's name, replaced in mDirectory.
  std::string mName;
  /// The temporary file's name in mDirectory once it has one; empty while
  /// it is unnamed.
  std::string mTemporary;
  int mDescriptor = -1;
  std::vector<std::uint8_t> mBlock;
  /// Bytes written so far, and up to where the disk was asked to write them.
  std::uint64_t mWritten = 0;
  std::uint64_t mWriteBackStarted = 0;
  /// The first error of a write-back started early: 0 while there is none,
  /// -1 once the file system showed it cannot start one.
  int mWriteBackError = 0;
};

/// The system calls through which the file layer writes and puts a file in
/// place. Tests replace one to make it fail as a full or failing disk does;
/// everything else uses the system's own.
/// aDirectory is always the descriptor of the target's directory that the
/// writer opened; names are relative to it.
struct TFileSystemCalls {
  /// Opens a file without a name in aDirectory for writing, or fails with
  /// errno set; the writer then makes a named temporary file instead.
  int (*OpenUnnamed)(int aDirectory);
  ssize_t (*Write)(int aDescriptor, const void* aData, std::size_t aSize);
  int (*Sync)(int aDescriptor);
  /// Renames aFrom to aTo, both in aDirectory.
  int (*Rename)(int aDirectory, const char* aFrom, const char* aTo);
  int (*Unlink)(int aDirectory, const char* aName);
  /// Starts writing a range of a file to the disk without waiting for it
  /// (sync_file_range). A failure is kept and fails the save at its commit.
  int (*StartWriteBack)(int aDescriptor, off_t aOffset, off_t aLength);
};

/// The calls in use, which a test may change and must put back.
TFileSystemCalls& fileSystemCalls();
