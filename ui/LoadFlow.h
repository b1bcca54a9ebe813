// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QByteArray;
class QWidget;
class TDialogs;
class TLibraryDocument;
class TProgressform;

/// Loading a library into a document, as the window does it: a file that is
/// no library is told from its first bytes and replaces nothing; edits not
/// saved yet are asked about before the file is read; a read that takes
/// longer than half a second shows the progress window; what the load found
/// is said once the library shows.
class TLoadFlow final {
  Q_DECLARE_TR_FUNCTIONS(TLoadFlow)

 public:
  struct THooks {
    /// Asks about edits not saved yet; true when the load may replace them.
    std::function<bool(const QString& aWhat)> MayLeaveEdits;
    /// Told true before the file is read and false once it has been.
    std::function<void(bool aReading)> Reading;
    /// Asked after the read; false drops the library read (the window is
    /// closing).
    std::function<bool()> GoOn;
    /// Shows the library the document now holds.
    std::function<void()> Show;
  };

  /// Asks through aDialogs, over aWindow, in message boxes titled aTitle.
  TLoadFlow(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow, QString aTitle,
            THooks aHooks);

  /// The progress window a long read shows; none until given.
  void SetProgressform(TProgressform* aForm) { mProgressform = aForm; }

  /// Loads aFile (the file system's bytes of its name) into the document;
  /// true when it replaced the library shown.
  bool Load(const QByteArray& aFile);

 private:
  TLibraryDocument& mDocument;
  TDialogs& mDialogs;
  QWidget* mWindow;
  QString mTitle;
  THooks mHooks;
  TProgressform* mProgressform = nullptr;
};
