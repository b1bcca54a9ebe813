// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileLayer.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

QString toQString(const std::string& aUtf8) { return QString::fromUtf8(aUtf8); }

std::string fromQString(const QString& aText) { return aText.toUtf8().toStdString(); }

// Output is gathered into blocks of this size before each write, so the
// per-item writes of a save do not become system calls.
constexpr std::size_t kWriteBlockSize = std::size_t{1} << 20;

}  // namespace

TFileError::TFileError(std::string aOperation, std::string aFile, std::string aReason)
    : std::runtime_error(aOperation + " '" + aFile + "': " + aReason),
      mFile(std::move(aFile)),
      mReason(std::move(aReason)) {}

std::vector<std::uint8_t> readWholeFile(const std::string& aFile) {
  const QString name = toQString(aFile);
  const QFileInfo info(name);
  if (!info.exists()) throw TFileError("cannot open", aFile, "No such file or directory");
  if (info.isDir()) throw TFileError("cannot open", aFile, "Is a directory");
  // Opening a FIFO or a device for reading may block or never end.
  if (!info.isFile()) throw TFileError("cannot open", aFile, "Not a regular file");

  QFile file(name);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    throw TFileError("cannot open", aFile, fromQString(file.errorString()));

  std::vector<std::uint8_t> bytes;
  const qint64 expected = file.size();
  if (expected > 0) bytes.resize(static_cast<std::size_t>(expected));
  std::size_t filled = 0;
  const auto readInto = [&](std::uint8_t* aTarget, std::size_t aSize) {
    const qint64 got = file.read(reinterpret_cast<char*>(aTarget), static_cast<qint64>(aSize));
    if (got < 0) throw TFileError("cannot read", aFile, fromQString(file.errorString()));
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

struct TAtomicFileWriter::TImpl {
  std::string File;
  QSaveFile Target;
  std::vector<std::uint8_t> Block;

  void Fail(const char* aOperation) {
    const std::string reason = fromQString(Target.errorString());
    Target.cancelWriting();
    throw TFileError(aOperation, File, reason);
  }

  void WriteAll(const std::uint8_t* aData, std::size_t aSize) {
    std::size_t done = 0;
    while (done < aSize) {
      const qint64 wrote = Target.write(reinterpret_cast<const char*>(aData + done),
                                        static_cast<qint64>(aSize - done));
      if (wrote <= 0) Fail("cannot write");
      done += static_cast<std::size_t>(wrote);
    }
  }

  void FlushBlock() {
    WriteAll(Block.data(), Block.size());
    Block.clear();
  }
};

TAtomicFileWriter::TAtomicFileWriter(const std::string& aFile) : mImpl(std::make_unique<TImpl>()) {
  mImpl->File = aFile;
  mImpl->Target.setFileName(toQString(aFile));
  // Unbuffered: every block reaches the system at once and its failure is
  // seen here, not lost in a last flush inside commit().
  if (!mImpl->Target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    throw TFileError("cannot create", aFile, fromQString(mImpl->Target.errorString()));
  // QSaveFile adds the owner's write bit to the mode it copies, so a
  // read-only file would come back writable; copy the exact bits instead.
  struct stat existing {};
  if (::stat(aFile.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
      ::fchmod(mImpl->Target.handle(), existing.st_mode & 0777) != 0) {
    const std::string reason = std::strerror(errno);
    mImpl->Target.cancelWriting();
    throw TFileError("cannot create", aFile, reason);
  }
  mImpl->Block.reserve(kWriteBlockSize);
}

TAtomicFileWriter::~TAtomicFileWriter() {
  // Without a commit the temporary file goes and the target stays as it was.
  if (mImpl && mImpl->Target.isOpen()) mImpl->Target.cancelWriting();
}

void TAtomicFileWriter::Write(const std::uint8_t* aData, std::size_t aSize) {
  TImpl& impl = *mImpl;
  if (impl.Block.size() + aSize > kWriteBlockSize) {
    impl.FlushBlock();
    if (aSize >= kWriteBlockSize) {
      impl.WriteAll(aData, aSize);
      return;
    }
  }
  impl.Block.insert(impl.Block.end(), aData, aData + aSize);
}

void TAtomicFileWriter::Commit() {
  TImpl& impl = *mImpl;
  impl.FlushBlock();
  if (impl.Target.error() != QFileDevice::NoError) impl.Fail("cannot write");
  if (!impl.Target.commit())
    throw TFileError("cannot write", impl.File, fromQString(impl.Target.errorString()));
}
