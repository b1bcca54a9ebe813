// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <exception>

/// The message for a save to aFile that ended with aFailure: a file error's
/// own words (the file and the system's reason), or plain words for memory
/// running out and for anything else; then that the file was left as it
/// was, when aFileExisted, or that nothing was written.
QString SaveFailureText(const std::exception_ptr& aFailure, const QString& aFile,
                        bool aFileExisted);

/// The same for a category map written to aFile; a failure of the gettext
/// library is given in its own words.
/// Why a map is not written to aFile: it is a library.
QString MapOverLibraryText(const QString& aFile);

QString MapSaveFailureText(const std::exception_ptr& aFailure, const QString& aFile,
                           bool aFileExisted);

/// The question asked before a save that will not write the aCount bytes
/// after the last item of the library loaded.
QString DroppedBytesQuestion(std::uint64_t aCount);
