// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveMessages.h"

#include <QDir>
#include <QFile>
#include <new>

#include "FileLayer.h"
#include "LoadMessages.h"

namespace {

QString fileInMessage(const QString& aFile) {
  return EscapeControlCharacters(QDir::toNativeSeparators(aFile));
}

/// What failed, in words that fit "The library could not be saved to X: ...".
QString failedStep(TFileOperation aOperation) {
  switch (aOperation) {
    case TFileOperation::Create:
      return QStringLiteral("the new file could not be created");
    case TFileOperation::Write:
      return QStringLiteral("the new file could not be written");
    case TFileOperation::Replace:
      return QStringLiteral("the new file could not take the old one's place");
    case TFileOperation::Open:
    case TFileOperation::Read:
      break;
  }
  return QStringLiteral("the file could not be read");
}

QString fileErrorText(const TFileError& aError) {
  QString text =
      QStringLiteral("The library could not be saved to \"%1\": %2 (%3).")
          .arg(fileInMessage(QFile::decodeName(QByteArray::fromStdString(aError.File()))),
               failedStep(aError.Operation()),
               EscapeControlCharacters(QString::fromStdString(aError.Reason())));
  if (!aError.LeftBehind().empty())
    text +=
        QStringLiteral(" The temporary file \"%1\" could not be removed.")
            .arg(fileInMessage(QFile::decodeName(QByteArray::fromStdString(aError.LeftBehind()))));
  return text + QStringLiteral(" The file was left as it was.");
}

}  // namespace

QString SaveFailureText(const std::exception_ptr& aFailure, const QString& aFile) {
  const QString file = fileInMessage(aFile);
  try {
    std::rethrow_exception(aFailure);
  } catch (const TFileError& e) {
    return fileErrorText(e);
  } catch (const std::bad_alloc&) {
    return QStringLiteral(
               "There is not enough memory to save the library to \"%1\". The file was left as "
               "it was.")
        .arg(file);
  } catch (...) {
  }
  return QStringLiteral("The library could not be saved to \"%1\".").arg(file);
}

QString DroppedBytesQuestion(std::uint64_t aCount) {
  return QStringLiteral(
             "The library ends with %1 after its last item, which the save will not write. Save "
             "without %2?")
      .arg(BytesText(aCount), aCount == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}
