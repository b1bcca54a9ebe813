// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

/// A failure of the file system. The message names the operation, the file
/// and the system's reason, ready to be shown to a user.
class TFileError : public std::runtime_error {
 public:
  TFileError(std::string aOperation, std::string aFile, std::string aReason);

  const std::string& File() const { return mFile; }
  const std::string& Reason() const { return mReason; }

 private:
  std::string mFile;
  std::string mReason;
};

/// Reads a whole regular file. Directories, FIFOs and devices are refused
/// without being opened for reading, so none of them can block the caller.
/// Throws TFileError.
std::vector<std::uint8_t> readWholeFile(const std::string& aFile);

/// Somewhere a save writes its bytes, in order.
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  virtual void Write(const std::uint8_t* aData, std::size_t aSize) = 0;
};

/// Collects the bytes in memory.
class TMemorySink final : public TByteSink {
 public:
  void Write(const std::uint8_t* aData, std::size_t aSize) override;
  std::vector<std::uint8_t> Bytes;
};

/// Writes a file atomically: the bytes go to a temporary file beside the
/// target, in large blocks, and only Commit() puts it in the target's place.
/// A writer destroyed without a successful Commit() removes the temporary file
/// and leaves the target exactly as it was. Throws TFileError.
class TAtomicFileWriter final : public TByteSink {
 public:
  explicit TAtomicFileWriter(const std::string& aFile);
  ~TAtomicFileWriter() override;
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(const std::uint8_t* aData, std::size_t aSize) override;
  void Commit();

 private:
  struct TImpl;
  std::unique_ptr<TImpl> mImpl;
};
