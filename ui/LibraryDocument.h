// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "CodePage.h"
#include "LoaderSaver.h"

class QUndoStack;
class TCategoryModel;
class TWorkProgress;

/// The library being translated: its engine, what its load found, the file
/// it was loaded from or last saved to, the code page its texts are read in,
/// and the category map with its history of edits. Knows no window: its
/// operations return what happened, which the window words.
class TLibraryDocument final : public QObject {
  Q_OBJECT

 public:
  /// A library read from a file and not yet shown.
  struct TRead {
    std::unique_ptr<TVectorEngine> Engine;
    TLoadResult Result;
    /// The absolute path of the file read.
    QString File;
    /// True when the file was read as a library, whole or damaged.
    bool IsLibrary() const;
  };

  explicit TLibraryDocument(TCodePage aPage, QObject* aParent = nullptr);
  ~TLibraryDocument() override;

  TCategoryModel* Model() const { return mModel; }
  /// Every edit and change of code page, as steps that can be undone.
  QUndoStack* UndoStack() const { return mUndo; }
  /// The engine of the library; null once the document is closed.
  const TVectorEngine* Engine() const { return mEngine.get(); }

  /// True once a library has been loaded.
  bool HasLibrary() const { return mHasLibrary; }
  /// The absolute path of the library loaded or last saved; empty before.
  const QString& File() const { return mFile; }
  /// What the load of the library found.
  const TLoadResult& Loaded() const { return mLoaded; }
  TCodePage CodePage() const { return mCodePage; }
  /// True while the map differs from the library as loaded or last saved.
  bool IsModified() const;

  /// Reads aFile (the file system's bytes of its name) in the document's
  /// code page, telling aProgress how far it has come; the library loaded
  /// stays as it is.
  TRead Read(const QByteArray& aFile, TWorkProgress* aProgress = nullptr) const;
  /// Makes the library aRead the document's: its rows as loaded, no history.
  void Open(TRead aRead);
  /// Reads the categories again in aPage, keeping every new text the user
  /// gave; with a library loaded, one step of the history.
  void ChangeCodePage(TCodePage aPage);
  /// Writes the library through the map to aFile, which becomes the
  /// document's file, and its texts the saved ones. Throws what the save
  /// throws; the document is then as it was.
  void Save(const QString& aFile, TWorkProgress* aProgress);
  /// Releases the engine and the rows.
  void Close();

 signals:
  /// The library, or the file it names, has changed: a load or a save.
  void fileChanged();
  /// IsModified() may have changed.
  void modifiedChanged(bool aModified);

 private:
  friend class TCodePageCommand;
  void NotifyModified();

  std::unique_ptr<TVectorEngine> mEngine;
  TCategoryModel* mModel;
  QUndoStack* mUndo;
  TLoadResult mLoaded;
  QString mFile;
  TCodePage mCodePage;
  /// The code page of the library as loaded or last saved.
  TCodePage mSavedCodePage;
  bool mHasLibrary = false;
  bool mModified = false;
};

/// The one engine the main window's library holds while it lives; null
/// otherwise.
extern TVectorEngine* VectorEngine;
