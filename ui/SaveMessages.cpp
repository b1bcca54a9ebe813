// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveMessages.h"

#include <QDir>
#include <new>

#include "LoadMessages.h"

QString SaveFailureText(const std::exception_ptr& aFailure, const QString& aFile) {
  const QString file = EscapeControlCharacters(QDir::toNativeSeparators(aFile));
  try {
    std::rethrow_exception(aFailure);
  } catch (const std::bad_alloc&) {
    return QStringLiteral(
               "There is not enough memory to save the library to \"%1\". The file was left as "
               "it was.")
        .arg(file);
  } catch (const std::exception& e) {
    // A file error's text holds the file's name.
    return EscapeControlCharacters(QString::fromStdString(e.what()));
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
