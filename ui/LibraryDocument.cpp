// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QUndoStack>

#include "CategoryModel.h"
#include "WorkProgress.h"

TVectorEngine* VectorEngine = nullptr;

/// A change of the code page the library's texts are read in, as a step of
/// the history: the categories are read again, and the texts the user gave
/// stay as they were given.
class TCodePageCommand final : public QUndoCommand {
 public:
  TCodePageCommand(TLibraryDocument& aDocument, TCodePage aPage)
      : QUndoCommand(QString::fromStdString(codePageTitle(aPage))),
        mDocument(aDocument),
        mFrom(aDocument.mCodePage),
        mTo(aPage) {}

  void redo() override {
    Reread(mTo);
    mTexts = mDocument.mModel->ReadAgain(mTo);
    mDocument.NotifyModified();
  }
  void undo() override {
    Reread(mFrom);
    mDocument.mModel->Restore(mFrom, mTexts);
    mDocument.NotifyModified();
  }

 private:
  void Reread(TCodePage aPage) {
    mDocument.mCodePage = aPage;
    mDocument.mLoaded = mDocument.mEngine->RereadInCodePage(aPage);
  }

  TLibraryDocument& mDocument;
  TCodePage mFrom;
  TCodePage mTo;
  TCategoryModel::TTexts mTexts;
};

bool TLibraryDocument::TRead::IsLibrary() const {
  return Result.Kind == TLoadResult::TKind::Loaded || Result.Kind == TLoadResult::TKind::Damaged;
}

TLibraryDocument::TLibraryDocument(TCodePage aPage, QObject* aParent)
    : QObject(aParent),
      mEngine(std::make_unique<TVectorEngine>()),
      mModel(new TCategoryModel(this)),
      mUndo(new QUndoStack(this)),
      mCodePage(aPage),
      mSavedCodePage(aPage) {
  mEngine->SetCodePage(aPage);
  VectorEngine = mEngine.get();
  connect(mModel, &TCategoryModel::countsChanged, this, [this] { NotifyModified(); });
}

TLibraryDocument::~TLibraryDocument() {
  // The history goes before the rows its steps change.
  delete mUndo;
  mUndo = nullptr;
  if (VectorEngine == mEngine.get()) VectorEngine = nullptr;
}

bool TLibraryDocument::IsModified() const {
  if (mModel->UnsavedRowCount() > 0) return true;
  // The texts given are stored in another code page than they were saved in.
  return mCodePage != mSavedCodePage && mModel->ChangedRowCount() > 0;
}

void TLibraryDocument::NotifyModified() {
  const bool modified = IsModified();
  if (modified == mModified) return;
  mModified = modified;
  emit modifiedChanged(modified);
}

TLibraryDocument::TRead TLibraryDocument::Read(const QByteArray& aFile,
                                               TWorkProgress* aProgress) const {
  TRead read;
  read.Engine = std::make_unique<TVectorEngine>();
  read.Engine->SetCodePage(mCodePage);
  read.Result = read.Engine->LoadLibraryFromFile(aFile.toStdString(), aProgress);
  read.File = QFileInfo(QFile::decodeName(aFile)).absoluteFilePath();
  return read;
}

void TLibraryDocument::Open(TRead aRead) {
  mUndo->clear();
  mModel->Reset(nullptr, mCodePage);
  mEngine = std::move(aRead.Engine);
  VectorEngine = mEngine.get();
  mLoaded = aRead.Result;
  mFile = aRead.File;
  mHasLibrary = true;
  mSavedCodePage = mCodePage;
  mModel->Reset(mEngine.get(), mCodePage);
  NotifyModified();
  emit fileChanged();
}

void TLibraryDocument::ChangeCodePage(TCodePage aPage) {
  if (!mEngine || aPage == mCodePage) return;
  if (!mHasLibrary) {
    mCodePage = aPage;
    mSavedCodePage = aPage;
    mEngine->SetCodePage(aPage);
    return;
  }
  mUndo->push(new TCodePageCommand(*this, aPage));
}

void TLibraryDocument::Save(const QString& aFile, TWorkProgress* aProgress) {
  if (!mEngine) return;
  mEngine->SaveLibraryToFile(QFile::encodeName(aFile).toStdString(), mModel->CategoryMap(),
                             aProgress);
  mFile = QFileInfo(aFile).absoluteFilePath();
  mSavedCodePage = mCodePage;
  mModel->MarkSaved();
  mUndo->setClean();
  NotifyModified();
  emit fileChanged();
}

void TLibraryDocument::Close() {
  mUndo->clear();
  mModel->Reset(nullptr, mCodePage);
  if (VectorEngine == mEngine.get()) VectorEngine = nullptr;
  mEngine.reset();
  mHasLibrary = false;
  NotifyModified();
}
