// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <new>

#include "FileLayer.h"
#include "LoadMessages.h"

namespace {

struct SaveMessages {
  Q_DECLARE_TR_FUNCTIONS(SaveMessages)
};

QString fileInMessage(const QString& aFile) {
  return EscapeControlCharacters(QDir::toNativeSeparators(aFile));
}

/// What failed, in words that fit "The library could not be saved to X: ...".
QString failedStep(TFileOperation aOperation) {
  switch (aOperation) {
    case TFileOperation::Create:
      return SaveMessages::tr("the new file could not be created");
    case TFileOperation::Write:
      return SaveMessages::tr("the new file could not be written");
    case TFileOperation::Replace:
      return SaveMessages::tr("the new file could not take the old one's place");
    case TFileOperation::Open:
    case TFileOperation::Read:
      break;
  }
  return SaveMessages::tr("the file could not be read");
}

QString fileErrorText(const TFileError& aError, const QString& aWhat, const QString& aOutcome) {
  const QString file =
      fileInMessage(QFile::decodeName(QByteArray::fromStdString(aError.File())));
  switch (aError.Problem()) {
    case TFileProblem::ProcessDescriptor:
      return SaveMessages::tr("The %1 could not be saved to \"%2\": it is a descriptor of a "
                              "process, not a file.")
                 .arg(aWhat, file) +
             aOutcome;
    case TFileProblem::System:
      break;
  }
  QString text =
      SaveMessages::tr("The %1 could not be saved to \"%2\": %3 (%4).")
          .arg(aWhat, file, failedStep(aError.Operation()),
               EscapeControlCharacters(QString::fromStdString(aError.Reason())));
  if (!aError.LeftBehind().empty())
    text +=
        SaveMessages::tr(" The temporary file \"%1\" could not be removed.")
            .arg(fileInMessage(QFile::decodeName(QByteArray::fromStdString(aError.LeftBehind()))));
  return text + aOutcome;
}

/// The message for a save of aWhat ("library", "map") to aFile that ended
/// with aFailure.
QString failureText(const std::exception_ptr& aFailure, const QString& aFile, const QString& aWhat,
                    bool aFileExisted) {
  const QString file = fileInMessage(aFile);
  // Only a file that was there can have been left as it was.
  const QString outcome = aFileExisted ? SaveMessages::tr(" The file was left as it was.")
                                       : SaveMessages::tr(" Nothing was written.");
  try {
    std::rethrow_exception(aFailure);
  } catch (const TFileError& e) {
    return fileErrorText(e, aWhat, outcome);
  } catch (const std::bad_alloc&) {
    return SaveMessages::tr("There is not enough memory to save the %1 to \"%2\".")
               .arg(aWhat, file) +
           outcome;
  } catch (const std::exception& e) {
    // The gettext library says in its own words why it could not write.
    if (*e.what() != '\0')
      return SaveMessages::tr("The %1 could not be saved to \"%2\": %3.")
                 .arg(aWhat, file, EscapeControlCharacters(QString::fromUtf8(e.what()))) +
             outcome;
  } catch (...) {
  }
  return SaveMessages::tr("The %1 could not be saved to \"%2\".").arg(aWhat, file);
}

}  // namespace

QString SaveFailureText(const std::exception_ptr& aFailure, const QString& aFile,
                        bool aFileExisted) {
  return failureText(aFailure, aFile, SaveMessages::tr("library"), aFileExisted);
}

QString MapOverLibraryText(const QString& aFile) {
  return SaveMessages::tr("The map was not saved: \"%1\" is a library, and a map is never written "
                          "over one.")
      .arg(EscapeControlCharacters(QFileInfo(aFile).fileName()));
}

QString MapSaveFailureText(const std::exception_ptr& aFailure, const QString& aFile,
                           bool aFileExisted) {
  return failureText(aFailure, aFile, SaveMessages::tr("map"), aFileExisted);
}

QString DroppedBytesQuestion(std::uint64_t aCount) {
  return (aCount == 1 ? SaveMessages::tr("The library ends with %1 after its last item, which the "
                                         "save will not write. Save without it?")
                      : SaveMessages::tr("The library ends with %1 after its last item, which the "
                                         "save will not write. Save without them?"))
      .arg(BytesText(aCount));
}
