// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainUnit.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QLocale>
#include <QUndoStack>
#include <exception>
#include <optional>

#include "Artwork.h"
#include "BusyCursor.h"
#include "CategoryEditor.h"
#include "CategoryList.h"
#include "CategoryModel.h"
#include "EditMessages.h"
#include "EditorKeys.h"
#include "LabelFit.h"
#include "LibraryDocument.h"
#include "LinkedScrolling.h"
#include "ListMenu.h"
#include "LoadFlow.h"
#include "LoadMessages.h"
#include "LocaleCodePage.h"
#include "MapCommands.h"
#include "MemoryCommands.h"
#include "ProgressReporter.h"
#include "ProgressUnit.h"
#include "RowEditCommand.h"
#include "SaveChecks.h"
#include "SpellingChoice.h"
#include "SpellingLineEdit.h"
#include "SaveMessages.h"
#include "SuggestionView.h"
#include "TranslationTable.h"
#include "WindowFont.h"

namespace {

constexpr QSize kClientSize(484, 461);
constexpr int kRowHeight = 13;
// The status line shortens a long file name in its middle to this width.
constexpr int kStatusNameWidth = 200;

QString caption() { return TMainform::tr("Zembrel - Library category translator"); }

/// Message boxes carry the program's short name; the caption would be cut.
QString messageTitle() { return QGuiApplication::applicationDisplayName(); }

TFileDialogSetup libraryDialog(TFileDialogSetup::TMode aMode) {
  return {aMode,
          aMode == TFileDialogSetup::TMode::Open ? TMainform::tr("Load Library")
                                                 : TMainform::tr("Save Library"),
          TMainform::tr("Zembrel Library (*.zbl)"), QStringLiteral("zbl")};
}

TCategoryList* createCategoryList(QWidget* aParent, const QString& aName, const QString& aTitle,
                                  int aLeft, QAbstractItemModel* aModel, int aColumn) {
  auto* list = new TCategoryList(aModel, aColumn, aParent);
  list->setObjectName(aName);
  list->setAccessibleName(aTitle);
  list->setGeometry(aLeft, 107, 161, 233);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  // A row of either list is the whole row of the map, so one selection
  // serves both.
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setUniformItemSizes(true);
  // A row's mark stays within the row.
  list->setIconSize(QSize(kRowHeight - 2, kRowHeight - 2));
  return list;
}

QPushButton* createButton(QWidget* aParent, const QString& aName, const QString& aCaption,
                          int aTop) {
  auto* button = new QPushButton(aCaption, aParent);
  button->setObjectName(aName);
  button->setGeometry(128, aTop, 217, 41);
  // Enter presses the button with the focus, as Space does.
  button->setAutoDefault(true);
  return button;
}

QLabel* createLabel(QWidget* aParent, const QString& aName, const QString& aText, QPoint aAt) {
  auto* label = new QLabel(aText, aParent);
  label->setObjectName(aName);
  label->move(aAt);
  label->adjustSize();
  return label;
}

/// Clears a flag when the scope ends, however it ends.
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& aFlag) : mFlag(aFlag) { mFlag = true; }
  ~TFlagGuard() { mFlag = false; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  bool& mFlag;
};

/// What a drag carries that the window takes: one local file.
std::optional<QString> droppedFile(const QMimeData* aData) {
  if (!aData->hasUrls() || aData->urls().size() != 1) return std::nullopt;
  const QUrl url = aData->urls().front();
  if (!url.isLocalFile()) return std::nullopt;
  return url.toLocalFile();
}

bool endsWithAny(const QString& aFile, std::initializer_list<const char*> aEndings) {
  return std::any_of(aEndings.begin(), aEndings.end(), [&](const char* aEnding) {
    return aFile.endsWith(QLatin1String(aEnding), Qt::CaseInsensitive);
  });
}

}  // namespace

TMainform::TMainform(std::unique_ptr<TDialogs> aDialogs, QWidget* aParent)
    : QWidget(aParent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      OpenDialog1(libraryDialog(TFileDialogSetup::TMode::Open)),
      SaveDialog1(libraryDialog(TFileDialogSetup::TMode::Save)),
      mDialogs(std::move(aDialogs)),
      mDocument(new TLibraryDocument(codePageOfEnvironment(), this)),
      mMaps(new TMapCommands(*mDocument, *mDialogs, this, messageTitle(),
                             [this](bool aWorking) {
                               mWorking = aWorking;
                               UpdateActions();
                             })),
      mMemory(new TMemoryCommands(*mDocument, *mDialogs, this, messageTitle(),
                                  [this](bool aWorking) {
                                    mWorking = aWorking;
                                    UpdateActions();
                                  })),
      mSaveChecks(*mDialogs, this, messageTitle()),
      mLoadFlow(std::make_unique<TLoadFlow>(
          *mDocument, *mDialogs, this, messageTitle(),
          TLoadFlow::THooks{[this](const QString& aWhat) {
                              const bool leave = MayLeaveEdits(aWhat);
                              CloseIfRequested();
                              return leave && mDocument->Engine() != nullptr;
                            },
                            [this](bool aReading) {
                              mWorking = aReading;
                              UpdateActions();
                            },
                            [this] {
                              // A close asked for while the file was read ends the load.
                              const bool closing = mCloseRequested;
                              CloseIfRequested();
                              return !closing && mDocument->Engine() != nullptr;
                            },
                            [this] { ShowLibrary(); }})),
      mSpelling(new TSpellingChoice(QLocale::system().name(), this)) {
  CreateControls();
  CreateActions();
  mDocument->Model()->SetSpeller(mSpelling->Speller());
  connect(mSpelling, &TSpellingChoice::spellerChanged, this, [this](const TSpeller* aSpeller) {
    mDocument->Model()->SetSpeller(aSpeller);
    // An editor open spells with the dictionary chosen from now on.
    for (QLineEdit* editor : {OpenEditor(), mTable ? mTable->OpenEditor() : nullptr})
      if (auto* spelling = qobject_cast<TSpellingLineEdit*>(editor)) spelling->SetSpeller(aSpeller);
  });
  connect(mSpelling, &TSpellingChoice::chooseFailed, this, [this](const QString& aName) {
    Label3->setText(tr("The dictionary %1 cannot be read.").arg(aName));
    FitCentredLabel(Label3, 238, 431, 232);
  });
  connect(mDocument, &TLibraryDocument::modifiedChanged, this, &QWidget::setWindowModified);
  connect(mDocument, &TLibraryDocument::fileChanged, this, [this] { UpdateStatus(); });
  connect(mDocument->Model(), &TCategoryModel::countsChanged, this, [this] { UpdateStatus(); });
  UpdateActions();
}

TMainform::~TMainform() {
  // The table shows the document's rows; it goes first.
  mTable.reset();
  // The document goes with the window's children, once the window itself is
  // gone; what it and its history say on the way reaches no part of it.
  for (QObject* sender :
       std::initializer_list<QObject*>{mDocument, mDocument->Model(), mDocument->UndoStack()})
    sender->disconnect(this);
  // The speller goes with the window's children, maybe before the rows.
  mDocument->Model()->SetSpeller(nullptr);
}

void TMainform::SetProgressform(TProgressform* aForm) {
  mProgressform = aForm;
  mLoadFlow->SetProgressform(aForm);
  mMaps->SetProgressform(aForm);
  mMemory->SetProgressform(aForm);
}

QString TMainform::EmptyCategoryText() { return TSaveChecks::EmptyCategoryText(); }

TCodePage TMainform::CodePage() const { return mDocument->CodePage(); }

QLineEdit* TMainform::OpenEditor() const {
  if (QLineEdit* editor = mEditorDelegate->OpenEditor()) return editor;
  return mTable != nullptr ? mTable->OpenEditor() : nullptr;
}

void TMainform::CreateControls() {
  setObjectName(QStringLiteral("Mainform"));
  setWindowTitle(caption() + QStringLiteral("[*]"));
  setFont(WindowFont());
  setFixedSize(kClientSize);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setAutoFillBackground(true);

  Button1 = createButton(this, QStringLiteral("Button1"), tr("Load Library"), 16);
  Label1 = createLabel(this, QStringLiteral("Label1"), tr("Old categories"), {24, 88});
  Label2 = createLabel(this, QStringLiteral("Label2"), tr("New categories"), {296, 88});
  lb_Cats = createCategoryList(this, QStringLiteral("lb_Cats"), Label1->text(), 24,
                               mDocument->Model(), TCategoryModel::OldColumn);
  lb_NewCats = createCategoryList(this, QStringLiteral("lb_NewCats"), Label2->text(), 296,
                                  mDocument->Model(), TCategoryModel::NewColumn);
  Label1->setBuddy(lb_Cats);
  Label2->setBuddy(lb_NewCats);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setAccessibleName(tr("Picture of a drawing library"));
  Image1->setGeometry(201, 176, 81, 81);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(
      LibraryPicture(160).scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

  Button2 = createButton(this, QStringLiteral("Button2"), tr("Save Library"), 368);
  Label3 = new QLabel(tr("zbl-translator \u00b7 free software made with Qt"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setAccessibleDescription(tr("Status"));
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The credit is centred under the Save button; a wider fallback font widens
  // the label rather than cutting the text.
  FitCentredLabel(Label3, 238, 431, 232);

  lb_Cats->setItemDelegate(new TFixedRowDelegate(kRowHeight, lb_Cats));
  mEditorDelegate = new TCategoryEditorDelegate(
      kRowHeight,
      {[this] { return mDocument->CodePage(); },
       [this](int aRow, const QString& aText) { KeepText(aRow, aText); }, [this] { EditNextRow(); },
       [this] { return mSpelling->Speller(); },
       [this](const QKeySequence& aKey) {
         // The map keys work here too, though on some platforms an edit
         // takes Ctrl+E for the end of the line; End does that.
         for (const QAction* action : UseSuggestionActions)
           if (aKey == action->shortcut()) return true;
         for (const QAction* action : {ExportMapAction, ImportMapAction, NextToDoAction,
                                       PreviousToDoAction, NextNotStoredAction, NextFailingAction,
                                       PreviousFailingAction})
           if (aKey == action->shortcut()) return true;
         return false;
       },
       [this](QLineEdit* aEditor, int aRow) { return ShowSuggestions(aEditor, aRow); }},
      lb_NewCats);
  lb_NewCats->setItemDelegate(mEditorDelegate);
  // Both lists show the rows of one model through one selection.
  QItemSelectionModel* oldSelection = lb_Cats->selectionModel();
  lb_Cats->setSelectionModel(lb_NewCats->selectionModel());
  delete oldSelection;

  setTabOrder(lb_NewCats, lb_Cats);
  setTabOrder(lb_Cats, Button1);
  setTabOrder(Button1, Button2);
  lb_NewCats->setFocus();

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  LinkRowScrolling(lb_Cats, lb_NewCats);
  for (QListView* list : {lb_Cats, lb_NewCats}) {
    list->viewport()->installEventFilter(this);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& aAt) { ShowListMenu(list, aAt); });
    // Whatever scrolls the rows away from under the editor keeps its text.
    for (QScrollBar* bar : {list->verticalScrollBar(), list->horizontalScrollBar()})
      connect(bar, &QScrollBar::valueChanged, this, [this] { EditExit(OpenEditor()); });
  }
  setAcceptDrops(true);
  // Either list opens the editor of the new text of its row.
  for (QListView* list : {lb_Cats, lb_NewCats})
    OpenEditorOnKeys(list, [this] { lb_NewCatsDblClick(); });

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TMainform::CreateActions() {
  const auto make = [this](const QString& aName, const QString& aText, const QKeySequence& aKey,
                           auto aDo) {
    auto* action = new QAction(aText, this);
    action->setObjectName(aName);
    action->setShortcut(aKey);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, aDo);
    addAction(action);
    return action;
  };
  // The buttons' keys press the buttons, wherever the window has the keyboard.
  LoadAction = make(QStringLiteral("LoadAction"), Button1->text(), QKeySequence(QKeySequence::Open),
                    [this] { Button1->click(); });
  SaveAction = make(QStringLiteral("SaveAction"), Button2->text(), QKeySequence(QKeySequence::Save),
                    [this] { Button2->click(); });
  for (const auto& [button, action] : {std::pair{Button1, LoadAction}, {Button2, SaveAction}})
    button->setToolTip(
        tr("%1 (%2)").arg(button->text(), action->shortcut().toString(QKeySequence::NativeText)));
  // An open editor takes the history keys for its own text.
  UndoAction = make(QStringLiteral("UndoAction"), tr("Undo"), QKeySequence(QKeySequence::Undo),
                    [this] { mDocument->UndoStack()->undo(); });
  RedoAction = make(QStringLiteral("RedoAction"), tr("Redo"), QKeySequence(QKeySequence::Redo),
                    [this] { mDocument->UndoStack()->redo(); });
  ExportMapAction = make(QStringLiteral("ExportMapAction"), tr("Export map\u2026"),
                         QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
                           EditExit(OpenEditor());
                           mMaps->ExportMap();
                         });
  ImportMapAction = make(QStringLiteral("ImportMapAction"), tr("Import map\u2026"),
                         QKeySequence(Qt::CTRL | Qt::Key_I), [this] {
                           EditExit(OpenEditor());
                           mMaps->ImportMap();
                         });
  AddMemoryAction = make(QStringLiteral("AddMemoryAction"), tr("Add translation memory\u2026"),
                         QKeySequence(), [this] {
                           EditExit(OpenEditor());
                           mMemory->AddMemory();
                         });
  PretranslateAction = make(QStringLiteral("PretranslateAction"), tr("Pre-translate from memory"),
                            QKeySequence(), [this] {
                              EditExit(OpenEditor());
                              mMemory->Pretranslate();
                            });
  // Ctrl+1 to Ctrl+3 take a suggestion, as in translation editors.
  for (int index = 0; index < kSuggestionKeys; ++index)
    UseSuggestionActions[index] =
        make(QStringLiteral("UseSuggestion%1Action").arg(index + 1),
             tr("Use suggestion %1").arg(index + 1), QKeySequence(Qt::CTRL | (Qt::Key_1 + index)),
             [this, index] { UseSuggestion(index); });
  TableAction = make(QStringLiteral("TableAction"), tr("Translation table\u2026"),
                     QKeySequence(Qt::CTRL | Qt::Key_T), [this] {
                       EditExit(OpenEditor());
                       ShowTranslationTable();
                     });
  // Keys of translation editors: the next row to do, the one before, the
  // next row not stored as typed.
  using TState = TCategoryModel::TState;
  NextToDoAction = make(QStringLiteral("NextToDoAction"), tr("Next to do"),
                        QKeySequence(Qt::CTRL | Qt::Key_J), [this] { GoToRow(TState::ToDo, 1); });
  PreviousToDoAction =
      make(QStringLiteral("PreviousToDoAction"), tr("Previous to do"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J), [this] { GoToRow(TState::ToDo, -1); });
  NextNotStoredAction = make(QStringLiteral("NextNotStoredAction"), tr("Next not stored as typed"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K),
                             [this] { GoToRow(TState::NotStoredAsTyped, 1); });
  // F8 as in the editors that go to the next warning.
  NextFailingAction = make(QStringLiteral("NextFailingAction"), tr("Next failing a check"),
                           QKeySequence(Qt::Key_F8), [this] { GoToFailingRow(1); });
  PreviousFailingAction =
      make(QStringLiteral("PreviousFailingAction"), tr("Previous failing a check"),
           QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { GoToFailingRow(-1); });
  // Quitting is closing the window, unsaved edits asked about.
  make(QStringLiteral("QuitAction"), tr("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
       [this] { close(); });
  // Shift+F10 opens the lists' menu, as the Menu key does, at the row.
  make(QStringLiteral("ListMenuAction"), tr("Menu"), QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] {
    TCategoryList* list = lb_Cats->hasFocus() ? lb_Cats : lb_NewCats;
    const QModelIndex row = list->model()->index(std::max(CurrentRow(), 0), list->modelColumn());
    ShowListMenu(list, list->visualRect(row).center());
  });
  QUndoStack* history = mDocument->UndoStack();
  connect(history, &QUndoStack::canUndoChanged, this, [this] { UpdateActions(); });
  connect(history, &QUndoStack::canRedoChanged, this, [this] { UpdateActions(); });
  connect(mDocument, &TLibraryDocument::fileChanged, this, [this] { UpdateActions(); });
}

void TMainform::UpdateActions() {
  const bool idle = !IsBusy() && mDocument->Engine() != nullptr;
  const bool library = idle && mDocument->HasLibrary();
  LoadAction->setEnabled(idle);
  SaveAction->setEnabled(idle);
  UndoAction->setEnabled(idle && mDocument->UndoStack()->canUndo());
  RedoAction->setEnabled(idle && mDocument->UndoStack()->canRedo());
  ExportMapAction->setEnabled(library);
  ImportMapAction->setEnabled(library);
  AddMemoryAction->setEnabled(idle);
  PretranslateAction->setEnabled(library);
  TableAction->setEnabled(idle);
  for (QAction* go : {NextToDoAction, PreviousToDoAction, NextNotStoredAction, NextFailingAction,
                      PreviousFailingAction})
    go->setEnabled(library);
}

void TMainform::UpdateStatus() {
  if (!mDocument->HasLibrary()) return;
  const QString name = Label3->fontMetrics().elidedText(
      EscapeControlCharacters(QFileInfo(mDocument->File()).fileName()), Qt::ElideMiddle,
      kStatusNameWidth);
  const TCategoryModel& model = *mDocument->Model();
  Label3->setText(LibraryStatusText(name, mDocument->Loaded(), model.rowCount(),
                                    model.ChangedRowCount(), mDocument->CodePage()));
  FitCentredLabel(Label3, 238, 431, 232);
}

void TMainform::closeEvent(QCloseEvent* aEvent) {
  // The save pumps events; releasing the engine under it would pull the
  // library from beneath the loop. The close happens when the save ends.
  if (IsBusy()) {
    mCloseRequested = true;
    aEvent->ignore();
    return;
  }
  if (mDocument->Engine() != nullptr) {
    // The text in an open editor is an edit like any other.
    EditExit(OpenEditor());
    const bool leave = MayLeaveEdits(tr("closing"));
    // A close asked for during a save on the way is this one.
    mCloseRequested = false;
    if (!leave) {
      aEvent->ignore();
      return;
    }
  }
  // The table closes with the window.
  if (mTable != nullptr) mTable->close();
  mDocument->Close();
  UpdateActions();
  aEvent->accept();
}

void TMainform::Button1Click() {
  if (IsBusy() || mDocument->Engine() == nullptr) return;
  // A key presses the button with the editor open; its text is an edit.
  EditExit(OpenEditor());
  const std::optional<QString> file =
      mDialogs->Execute(StartingAt(OpenDialog1, mDocument->File(), false), this);
  // Cancelling keeps the library that is loaded, so the lists stay true.
  if (!file) return;
  OpenLibrary(QFile::encodeName(*file));
}

void TMainform::OpenLibrary(const QByteArray& aFile) {
  if (IsBusy() || mDocument->Engine() == nullptr) return;
  mLoadFlow->Load(aFile);
}

bool TMainform::MayLeaveEdits(const QString& aWhat) {
  if (!mDocument->IsModified()) return true;
  // Rows saved in another code page than the one they will now be stored in
  // count as unsaved too.
  const TCategoryModel& model = *mDocument->Model();
  const int unsaved =
      model.UnsavedRowCount() > 0 ? model.UnsavedRowCount() : model.ChangedRowCount();
  switch (mDialogs->Unsaved(this, messageTitle(), UnsavedEditsQuestion(unsaved, aWhat))) {
    case TUnsavedAnswer::Save:
      return SaveLibrary();
    case TUnsavedAnswer::Discard:
      return true;
    case TUnsavedAnswer::Cancel:
      break;
  }
  return false;
}

void TMainform::dragEnterEvent(QDragEnterEvent* aEvent) {
  // Anything may be dropped: what the window does not take is answered.
  if (!IsBusy() && aEvent->mimeData()->hasUrls()) aEvent->acceptProposedAction();
}

void TMainform::dropEvent(QDropEvent* aEvent) {
  if (IsBusy()) return;
  aEvent->acceptProposedAction();
  // A drop presses nothing in the window, so an open editor keeps its text
  // first, as a click on Load Library would.
  EditExit(OpenEditor());
  const std::optional<QString> file = droppedFile(aEvent->mimeData());
  if (file && endsWithAny(*file, {".zbl"})) {
    OpenLibrary(QFile::encodeName(*file));
  } else if (file && mDocument->HasLibrary() && endsWithAny(*file, {".po", ".tsv", ".txt"})) {
    mMaps->ImportMapFile(*file);
  } else {
    mDialogs->Information(
        this, messageTitle(),
        mDocument->HasLibrary()
            ? tr("The window takes one file dropped on it: a library (.zbl), which it loads, or "
                 "a category map (.po, .tsv, .txt), which it imports.")
            : tr("The window takes one file dropped on it: a library (.zbl), which it loads. "
                 "Once a library is loaded, a category map (.po, .tsv, .txt) dropped is "
                 "imported."));
  }
}

void TMainform::ShowLibrary() {
  for (QListView* list : {lb_Cats, lb_NewCats}) {
    list->scrollToTop();
    list->horizontalScrollBar()->setValue(0);
  }
  // Both start on the first row; left unselected, the list taking the focus
  // would make it current without selecting it.
  if (mDocument->Model()->rowCount() > 0) SelectRow(0);
  UpdateStatus();
}

void TMainform::CloseIfRequested() {
  if (!mCloseRequested) return;
  mCloseRequested = false;
  close();
}

void TMainform::Button2Click() {
  if (!IsBusy()) EditExit(OpenEditor());
  SaveLibrary();
  CloseIfRequested();
}

bool TMainform::SaveLibrary() {
  if (IsBusy() || mDocument->Engine() == nullptr) return false;
  if (!mSaveChecks.Pass(*mDocument, [this](int aRow) { SelectRow(aRow); })) return false;
  const std::optional<QString> file =
      mDialogs->Execute(StartingAt(SaveDialog1, mDocument->File(), true), this);
  return file && SaveTo(*file);
}

bool TMainform::SaveTo(const QString& aFile) {
  const bool existed = QFileInfo::exists(aFile);
  std::optional<QString> failure;
  {
    const TFlagGuard saving(mSaving);
    UpdateActions();
    std::optional<TProgressReporter> reporter;
    if (mProgressform) reporter.emplace(*mProgressform);
    try {
      mDocument->Save(aFile, reporter ? &*reporter : nullptr);
    } catch (...) {
      failure = SaveFailureText(std::current_exception(), aFile, existed);
    }
  }
  UpdateActions();
  if (failure) {
    if (mProgressform) mProgressform->close();
    mDialogs->Critical(this, messageTitle(), *failure);
    return false;
  }
  return true;
}

void TMainform::ChooseCodePage(TCodePage aPage) {
  if (IsBusy() || mDocument->Engine() == nullptr || aPage == CodePage()) return;
  EditExit(OpenEditor());
  const TBusyCursor busy;
  mDocument->ChangeCodePage(aPage);
}

void TMainform::ShowListMenu(QListView* aList, const QPoint& aAt) {
  if (IsBusy()) return;
  // The last menu goes only now: an entry's handler may ask a question, whose
  // event loop would delete a menu closing itself while the menu's own code
  // is still on the stack.
  delete mListMenu;
  mListMenu = CreateListMenu(this, CodePage(), [this](TCodePage aPage) { ChooseCodePage(aPage); });
  mListMenu->addSeparator();
  mListMenu->addActions({UndoAction, RedoAction});
  mListMenu->addSeparator();
  mListMenu->addActions({ExportMapAction, ImportMapAction});
  mListMenu->addSeparator();
  mListMenu->addActions({AddMemoryAction, PretranslateAction});
  mListMenu->addSeparator();
  mListMenu->addActions({NextToDoAction, PreviousToDoAction, NextNotStoredAction,
                         NextFailingAction, PreviousFailingAction});
  mListMenu->addSeparator();
  mListMenu->addMenu(mSpelling->CreateMenu(mListMenu));
  mListMenu->addAction(TableAction);
  mListMenu->popup(aList->viewport()->mapToGlobal(aAt));
}

int TMainform::CurrentRow() const { return lb_NewCats->CurrentRow(); }

void TMainform::SelectRow(int aRow) {
  const QModelIndex row = mDocument->Model()->index(aRow, TCategoryModel::NewColumn);
  lb_NewCats->selectionModel()->setCurrentIndex(
      row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  lb_NewCats->scrollTo(row);
}

void TMainform::lb_NewCatsDblClick() {
  if (IsBusy()) return;
  const int row = CurrentRow();
  if (row < 0) return;
  EditExit(OpenEditor());
  const QModelIndex index = mDocument->Model()->index(row, TCategoryModel::NewColumn);
  // The view's own current index, so that the editor stands on its row.
  lb_NewCats->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  lb_NewCats->scrollTo(index);
  lb_NewCats->edit(index);
}

void TMainform::EditExit(QLineEdit* aEditor) {
  mEditorDelegate->Keep(aEditor);
  if (mTable != nullptr && aEditor != nullptr && aEditor == mTable->OpenEditor())
    mTable->KeepOpenEditor();
}

void TMainform::KeepText(int aRow, const QString& aText) {
  // Each kept edit that changes its row is one step of the history.
  TCategoryModel& model = *mDocument->Model();
  mDocument->UndoStack()->push(new TRowEditCommand(tr("Edit \"%1\"").arg(model.OldText(aRow)),
                                                   model, {{aRow, model.NewText(aRow), aText}},
                                                   [this](int aShown) { SelectRow(aShown); }));
}

void TMainform::GoToRow(TCategoryModel::TState aState, int aStep) {
  const TCategoryModel& model = *mDocument->Model();
  GoTo([&model, aState](int aRow) { return model.State(aRow) == aState; }, aStep,
       TCategoryModel::NoRowText(aState, aStep));
}

void TMainform::GoToFailingRow(int aStep) {
  const TCategoryModel& model = *mDocument->Model();
  GoTo([&model](int aRow) { return model.FailsChecks(aRow); }, aStep,
       TCategoryModel::NoFailingRowText(aStep));
}

void TMainform::GoTo(const std::function<bool(int)>& aWanted, int aStep, const QString& aNoRow) {
  if (IsBusy()) return;
  EditExit(OpenEditor());
  const int row = TCategoryModel::NextRowWhere(
      aWanted, CurrentRow(), aStep, [](int aRow) { return aRow; }, mDocument->Model()->rowCount());
  if (row < 0) {
    Label3->setText(aNoRow);
    FitCentredLabel(Label3, 238, 431, 232);
    return;
  }
  SelectRow(row);
  lb_NewCatsDblClick();
}

void TMainform::ShowTranslationTable() {
  if (mTable == nullptr)
    mTable = std::make_unique<TTranslationTable>(
        *mDocument->Model(), *lb_NewCats->selectionModel(), *mDocument->UndoStack(),
        TTranslationTable::THooks{
            [this] { return mDocument->CodePage(); },
            [this](int aRow, const QString& aText) { KeepText(aRow, aText); },
            [this](const QString& aStep, const std::vector<std::pair<int, QString>>& aTexts) {
              TCategoryModel& model = *mDocument->Model();
              std::vector<TRowEditCommand::TChange> changes;
              for (const auto& [row, text] : aTexts)
                changes.push_back({row, model.NewText(row), text});
              mDocument->UndoStack()->push(new TRowEditCommand(aStep, model, std::move(changes)));
            },
            [this] { return mSpelling->Speller(); },
            [this](QWidget* aParent) { return mSpelling->CreateMenu(aParent); },
            [this](int aRow) { return mMemory->Suggestions(aRow); },
            {AddMemoryAction, PretranslateAction}},
        nullptr);
  mTable->show();
  mTable->raise();
  mTable->activateWindow();
}

QWidget* TMainform::ShowSuggestions(QLineEdit* aEditor, int aRow) {
  mSuggestions = nullptr;
  std::vector<TShownSuggestion> suggestions = mMemory->Suggestions(aRow);
  if (suggestions.empty()) return nullptr;
  auto* view = new TSuggestionView(this);
  const int height = view->HeightFor(static_cast<int>(suggestions.size()));
  view->SetSuggestions(std::move(suggestions));
  // As wide as both lists, under the editor, or over it at the lists' foot.
  const QRect editor = aEditor->geometry();
  const int left = lb_Cats->geometry().left();
  int top = editor.bottom() + 1;
  if (top + height > lb_NewCats->geometry().bottom()) top = editor.top() - height;
  view->setGeometry(left, top, lb_NewCats->geometry().right() + 1 - left, height);
  connect(view, &TSuggestionView::chosen, aEditor, [aEditor](const QString& aText) {
    PutIntoEditor(aEditor, aText);
  });
  view->show();
  view->raise();
  mSuggestions = view;
  return view;
}

void TMainform::UseSuggestion(int aIndex) {
  if (IsBusy() || !mDocument->HasLibrary()) return;
  if (mEditorDelegate->OpenEditor() == nullptr) lb_NewCatsDblClick();
  QLineEdit* editor = mEditorDelegate->OpenEditor();
  if (editor == nullptr || mSuggestions == nullptr) return;
  const std::vector<TShownSuggestion>& shown = mSuggestions->Suggestions();
  if (aIndex < static_cast<int>(shown.size()))
    PutIntoEditor(editor, shown[static_cast<std::size_t>(aIndex)].New);
}

void TMainform::EditNextRow() {
  const int next = CurrentRow() + 1;
  if (next <= 0 || next >= mDocument->Model()->rowCount()) return;
  SelectRow(next);
  lb_NewCatsDblClick();
}

bool TMainform::ListViewportEvent(QListView* aList, QEvent* aEvent) {
  switch (aEvent->type()) {
    case QEvent::Wheel:
      EditExit(OpenEditor());
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      // The blank below the rows selects nothing, so it keeps the selection
      // both lists share; it only takes the focus.
      if (!aList->indexAt(static_cast<QMouseEvent*>(aEvent)->position().toPoint()).isValid()) {
        aList->setFocus(Qt::MouseFocusReason);
        return true;
      }
      if (aEvent->type() != QEvent::MouseButtonDblClick) return false;
      // A double-click on an old category edits its new text.
      lb_NewCatsDblClick();
      return true;
    }
    default:
      return false;
  }
}

bool TMainform::eventFilter(QObject* aWatched, QEvent* aEvent) {
  if (aWatched == lb_Cats->viewport() || aWatched == lb_NewCats->viewport())
    return ListViewportEvent(aWatched == lb_Cats->viewport() ? lb_Cats : lb_NewCats, aEvent);
  return QWidget::eventFilter(aWatched, aEvent);
}
