// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainUnit.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QUndoStack>
#include <algorithm>
#include <exception>
#include <optional>

#include "Artwork.h"
#include "BusyCursor.h"
#include "CategoryListDelegate.h"
#include "CategoryTooltip.h"
#include "EditMessages.h"
#include "ForwardPress.h"
#include "FreeEditorEvent.h"
#include "KeyboardFlow.h"
#include "LabelFit.h"
#include "LinkedScrolling.h"
#include "ListMenu.h"
#include "LoadMessages.h"
#include "LoaderSaver.h"
#include "LocaleCodePage.h"
#include "MapApply.h"
#include "MapIo.h"
#include "MapTransfer.h"
#include "ProgressReporter.h"
#include "ProgressUnit.h"
#include "RowEditCommand.h"
#include "SaveMessages.h"
#include "StorageGauge.h"
#include "StorageMessages.h"
#include "WindowFont.h"

namespace {

constexpr QSize kClientSize(484, 461);
constexpr int kRowHeight = 13;
constexpr int kEditorPointSize = 10;
// A single-line edit is as tall as its font's text plus its border.
constexpr int kEditorBorderHeight = 8;
// The status line shortens a long file name in its middle to this width.
constexpr int kStatusNameWidth = 200;

QString caption() { return QStringLiteral("Zembrel - Library category translator"); }

QStringList rowTexts(const QListWidget* aList) {
  QStringList rows;
  for (int row = 0; row < aList->count(); ++row) rows << aList->item(row)->text();
  return rows;
}

/// True when the load read the file as a library, whole or damaged.
bool readAsLibrary(const TLoadResult& aResult) {
  return aResult.Kind == TLoadResult::TKind::Loaded || aResult.Kind == TLoadResult::TKind::Damaged;
}

TFileDialogSetup libraryDialog(TFileDialogSetup::TMode aMode) {
  return {aMode,
          aMode == TFileDialogSetup::TMode::Open ? QStringLiteral("Load Library")
                                                 : QStringLiteral("Save Library"),
          QStringLiteral("Zembrel Library (*.zbl)"), QStringLiteral("zbl")};
}

TFileDialogSetup mapDialog(TFileDialogSetup::TMode aMode) {
  const bool open = aMode == TFileDialogSetup::TMode::Open;
  // A map may have any name; only a new one is given ".po" when typed bare.
  return {aMode, open ? QStringLiteral("Import Map") : QStringLiteral("Export Map"),
          CategoryMapFilter() + QStringLiteral(";;All files (*)"),
          open ? QString() : QStringLiteral("po")};
}

/// An entry of the lists' menu whose key works anywhere in aWindow.
QAction* createMenuAction(QWidget* aWindow, const QString& aName, const QString& aText,
                          const QKeySequence& aKey) {
  auto* action = new QAction(aText, aWindow);
  action->setObjectName(aName);
  action->setShortcut(aKey);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setShortcutVisibleInContextMenu(true);
  action->setEnabled(false);
  aWindow->addAction(action);
  return action;
}

QListWidget* createCategoryList(QWidget* aParent, const QString& aName, int aLeft) {
  auto* list = new QListWidget(aParent);
  list->setObjectName(aName);
  list->setGeometry(aLeft, 107, 161, 233);
  list->setSortingEnabled(false);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setUniformItemSizes(true);
  // A row's mark stays within the row.
  list->setIconSize(QSize(kRowHeight - 2, kRowHeight - 2));
  list->setItemDelegate(new TFixedRowDelegate(kRowHeight, list));
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

}  // namespace

TMainform::TMainform(std::unique_ptr<TDialogs> aDialogs, QWidget* aParent)
    : QWidget(aParent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      OpenDialog1(libraryDialog(TFileDialogSetup::TMode::Open)),
      SaveDialog1(libraryDialog(TFileDialogSetup::TMode::Save)),
      mDialogs(std::move(aDialogs)),
      mCodePage(codePageOfEnvironment()) {
  CreateControls();
  FormCreate();
}

TMainform::~TMainform() {
  // The history empties itself as the window's children go; the rows it
  // would show that on are gone by then.
  mUndo->disconnect(this);
  if (VectorEngine == mEngine.get()) VectorEngine = nullptr;
}

QString TMainform::EmptyCategoryText() {
  return QStringLiteral("Sorry - There is an empty category!");
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

  Button1 = createButton(this, QStringLiteral("Button1"), QStringLiteral("Load Library"), 16);
  Label1 = createLabel(this, QStringLiteral("Label1"), QStringLiteral("Old categories"), {24, 88});
  Label2 = createLabel(this, QStringLiteral("Label2"), QStringLiteral("New categories"), {296, 88});
  lb_Cats = createCategoryList(this, QStringLiteral("lb_Cats"), 24);
  lb_NewCats = createCategoryList(this, QStringLiteral("lb_NewCats"), 296);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(201, 176, 81, 81);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(
      LibraryPicture(160).scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

  Button2 = createButton(this, QStringLiteral("Button2"), QStringLiteral("Save Library"), 368);
  Label3 = new QLabel(QStringLiteral("zbl-translator \u00b7 free software made with Qt"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The credit is centred under the Save button; a wider fallback font widens
  // the label rather than cutting the text.
  FitCentredLabel(Label3, 238, 431, 232);

  setTabOrder(lb_NewCats, lb_Cats);
  setTabOrder(lb_Cats, Button1);
  setTabOrder(Button1, Button2);
  lb_NewCats->setFocus();

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(lb_Cats, &QListWidget::currentRowChanged, this, [this] { lb_CatsClick(); });
  connect(lb_NewCats, &QListWidget::currentRowChanged, this, [this] { lb_NewCatsClick(); });
  LinkRowScrolling(lb_Cats, lb_NewCats);
  for (QListWidget* list : {lb_Cats, lb_NewCats}) {
    list->viewport()->installEventFilter(this);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& aAt) { ShowListMenu(list, aAt); });
    // Whatever scrolls the rows away from under the editor commits it.
    for (QScrollBar* bar : {list->verticalScrollBar(), list->horizontalScrollBar()})
      connect(bar, &QScrollBar::valueChanged, this, [this] { EditExit(OpenEditor()); });
  }
  setAcceptDrops(true);
  ShowCategoryTooltips(lb_Cats, lb_NewCats, [this] { return mEngine.get(); });
  OpenEditorOnKeys(lb_NewCats, [this] { lb_NewCatsDblClick(); });
  PressOnKey(Button1, QKeySequence::Open);
  PressOnKey(Button2, QKeySequence::Save);

  ExportMapAction =
      createMenuAction(this, QStringLiteral("ExportMapAction"), QStringLiteral("Export map\u2026"),
                       QKeySequence(Qt::CTRL | Qt::Key_E));
  ImportMapAction =
      createMenuAction(this, QStringLiteral("ImportMapAction"), QStringLiteral("Import map\u2026"),
                       QKeySequence(Qt::CTRL | Qt::Key_I));
  connect(ExportMapAction, &QAction::triggered, this, [this] { ExportMap(); });
  connect(ImportMapAction, &QAction::triggered, this, [this] { ImportMap(); });

  mUndo = new QUndoStack(this);
  connect(mUndo, &QUndoStack::indexChanged, this, [this] { UpdateEditState(); });
  // An open editor takes these keys for its own text; while a save runs the
  // rows stay as they are being written.
  auto* undo = new QAction(this);
  undo->setShortcuts(QKeySequence::Undo);
  connect(undo, &QAction::triggered, this, [this] {
    if (!mSaving && !mOpenEditor) mUndo->undo();
  });
  auto* redo = new QAction(this);
  redo->setShortcuts(QKeySequence::Redo);
  connect(redo, &QAction::triggered, this, [this] {
    if (!mSaving && !mOpenEditor) mUndo->redo();
  });
  addActions({undo, redo});

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TMainform::FormCreate() {
  mEngine = std::make_unique<TVectorEngine>();
  mEngine->SetCodePage(mCodePage);
  VectorEngine = mEngine.get();
}

void TMainform::FormClose() {
  if (VectorEngine == mEngine.get()) VectorEngine = nullptr;
  mEngine.reset();
}

void TMainform::closeEvent(QCloseEvent* aEvent) {
  // The save pumps events; releasing the engine under it would pull the
  // library from beneath the loop. The close happens when the save ends.
  if (mSaving) {
    mCloseRequested = true;
    aEvent->ignore();
    return;
  }
  if (mEngine) {
    // The text in an open editor is an edit like any other.
    if (QLineEdit* editor = OpenEditor()) EditExit(editor);
    const bool leave = MayLeaveEdits(QStringLiteral("closing"));
    // A close asked for during a save on the way is this one.
    mCloseRequested = false;
    if (!leave) {
      aEvent->ignore();
      return;
    }
  }
  FormClose();
  aEvent->accept();
}

TCategoryMap TMainform::CategoryMap() const {
  TCategoryMap map;
  for (int row = 0; row < lb_Cats->count(); ++row)
    map.OldCats.push_back(lb_Cats->item(row)->text().toStdU16String());
  for (int row = 0; row < lb_NewCats->count(); ++row)
    map.NewCats.push_back(lb_NewCats->item(row)->text().toStdU16String());
  return map;
}

void TMainform::Button1Click() {
  if (mSaving || !mEngine) return;
  // A key presses the button with the editor open; its text is an edit.
  EditExit(OpenEditor());
  const std::optional<QString> file =
      mDialogs->Execute(StartingAt(OpenDialog1, mLibraryFile, false), this);
  // Cancelling keeps the library that is loaded, so the lists stay true.
  if (!file) return;
  OpenLibrary(QFile::encodeName(*file));
}

void TMainform::OpenLibrary(const QByteArray& aFile) {
  if (mSaving || !mEngine) return;
  const QString file = QFile::decodeName(aFile);
  auto engine = std::make_unique<TVectorEngine>();
  engine->SetCodePage(mCodePage);
  const TLoadResult result = [&] {
    const TBusyCursor busy;
    return engine->LoadLibraryFromFile(aFile.toStdString());
  }();
  const std::optional<QString> warning = LoadWarningText(result, file);
  // What was not read as a library replaces nothing: the library loaded and
  // its edits stay.
  if (!readAsLibrary(result)) {
    if (warning) mDialogs->Warning(this, caption(), *warning);
    return;
  }
  const QString name = EscapeControlCharacters(QFileInfo(file).fileName());
  const bool leave = MayLeaveEdits(QStringLiteral("loading \"%1\"").arg(name));
  CloseIfRequested();
  if (!leave || !mEngine) return;
  mEngine = std::move(engine);
  VectorEngine = mEngine.get();
  mLoaded = result;
  mLibraryName = name;
  mLibraryFile = QFileInfo(file).absoluteFilePath();
  ShowLibrary();
  if (warning) mDialogs->Warning(this, caption(), *warning);
}

int TMainform::UnsavedRowCount() const {
  int unsaved = 0;
  for (int row = 0; row < lb_NewCats->count(); ++row)
    if (row >= mSavedRows.size() || lb_NewCats->item(row)->text() != mSavedRows[row]) ++unsaved;
  return unsaved;
}

bool TMainform::MayLeaveEdits(const QString& aWhat) {
  const int unsaved = UnsavedRowCount();
  if (unsaved == 0) return true;
  switch (mDialogs->Unsaved(this, caption(), UnsavedEditsQuestion(unsaved, aWhat))) {
    case TUnsavedAnswer::Save:
      return SaveLibrary();
    case TUnsavedAnswer::Discard:
      return true;
    case TUnsavedAnswer::Cancel:
      break;
  }
  return false;
}

void TMainform::UpdateEditState() {
  int changed = 0;
  for (int row = 0; row < lb_NewCats->count() && row < lb_Cats->count(); ++row) {
    QListWidgetItem* item = lb_NewCats->item(row);
    const bool differs = item->text() != lb_Cats->item(row)->text();
    // Only a row whose mark changes is touched: each change redraws.
    if (item->font().bold() != differs) {
      QFont rowFont = lb_NewCats->font();
      rowFont.setBold(differs);
      item->setFont(rowFont);
    }
    changed += differs ? 1 : 0;
  }
  const std::vector<TRowStorage> notes = RowStorageNotes();
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (int row = 0; row < static_cast<int>(notes.size()); ++row) {
    QListWidgetItem* item = lb_NewCats->item(row);
    const QString& note = notes[static_cast<std::size_t>(row)].Note;
    // As for the bold mark: a row whose note stays is not touched.
    if (item->toolTip() == note) continue;
    item->setIcon(note.isEmpty() ? QIcon() : warning);
    item->setToolTip(note);
  }
  setWindowModified(UnsavedRowCount() > 0);
  if (mLibraryName.isEmpty()) return;
  const QString name =
      Label3->fontMetrics().elidedText(mLibraryName, Qt::ElideMiddle, kStatusNameWidth);
  Label3->setText(LibraryStatusText(name, mLoaded, lb_Cats->count(), changed));
  FitCentredLabel(Label3, 238, 431, 232);
}

namespace {

/// The one library file a drag carries, if that is all it carries.
std::optional<QString> droppedLibrary(const QMimeData* aData) {
  if (!aData->hasUrls() || aData->urls().size() != 1) return std::nullopt;
  const QUrl url = aData->urls().front();
  if (!url.isLocalFile()) return std::nullopt;
  const QString file = url.toLocalFile();
  if (!file.endsWith(QStringLiteral(".zbl"), Qt::CaseInsensitive)) return std::nullopt;
  return file;
}

}  // namespace

void TMainform::dragEnterEvent(QDragEnterEvent* aEvent) {
  if (!mSaving && droppedLibrary(aEvent->mimeData())) aEvent->acceptProposedAction();
}

void TMainform::dropEvent(QDropEvent* aEvent) {
  const std::optional<QString> file = droppedLibrary(aEvent->mimeData());
  if (mSaving || !file) return;
  aEvent->acceptProposedAction();
  // A drop presses nothing in the window, so an open editor keeps its text
  // first, as a click on Load Library would.
  if (QLineEdit* editor = OpenEditor()) EditExit(editor);
  OpenLibrary(QFile::encodeName(*file));
}

void TMainform::FillLists() {
  const QSignalBlocker blockCats(lb_Cats);
  const QSignalBlocker blockNewCats(lb_NewCats);
  // Each list takes all its rows in one insertion, not one layout per row.
  QStringList categories;
  categories.reserve(mEngine->GetLibraryIndexCount());
  for (int i = 0; i < mEngine->GetLibraryIndexCount(); ++i)
    categories.push_back(QString::fromStdU16String(mEngine->GetLibraryIndexItem(i)));
  lb_Cats->clear();
  lb_Cats->addItems(categories);
  lb_NewCats->clear();
  lb_NewCats->addItems(categories);
  for (QListWidget* list : {lb_Cats, lb_NewCats}) {
    list->scrollToTop();
    list->horizontalScrollBar()->setValue(0);
  }
  // Both start on the first row; left unselected, the list taking the focus
  // would make it current without selecting it, while the other selects it.
  if (lb_Cats->count() > 0) SelectRowInBoth(0);
}

void TMainform::CloseIfRequested() {
  if (!mCloseRequested) return;
  mCloseRequested = false;
  close();
}

void TMainform::Button2Click() {
  if (!mSaving) EditExit(OpenEditor());
  SaveLibrary();
  CloseIfRequested();
}

bool TMainform::SaveLibrary() {
  if (mSaving || !mEngine) return false;
  for (int row = 0; row < lb_NewCats->count(); ++row) {
    if (lb_NewCats->item(row)->text().isEmpty()) {
      mDialogs->Information(this, caption(), EmptyCategoryText());
      SelectRowInBoth(row);
      return false;
    }
  }
  if (const std::vector<TRowStorage> notes = RowStorageNotes();
      std::any_of(notes.begin(), notes.end(), [](const TRowStorage& n) { return !n.AsTyped; }) &&
      !mDialogs->SaveAnyway(this, caption(), AlteredSaveQuestion(rowTexts(lb_NewCats), notes)))
    return false;
  // Items a damaged read left out and bytes after the last item are not
  // written; they go only when asked.
  if (const std::optional<QString> question = LossySaveQuestion(mLoaded);
      question && !mDialogs->SaveAnyway(this, caption(), *question))
    return false;
  const std::optional<QString> file =
      mDialogs->Execute(StartingAt(SaveDialog1, mLibraryFile, true), this);
  return file && SaveTo(*file);
}

bool TMainform::SaveTo(const QString& aFile) {
  std::optional<QString> failure;
  {
    const TFlagGuard saving(mSaving);
    const TCategoryMap map = CategoryMap();
    std::optional<TProgressReporter> reporter;
    if (Progressform) reporter.emplace(*Progressform);
    try {
      mEngine->SaveLibraryToFile(QFile::encodeName(aFile).toStdString(), map,
                                 reporter ? &*reporter : nullptr);
    } catch (...) {
      failure = SaveFailureText(std::current_exception(), aFile);
    }
  }
  if (failure) {
    if (Progressform) Progressform->close();
    mDialogs->Critical(this, caption(), *failure);
    return false;
  }
  mSavedRows = rowTexts(lb_NewCats);
  mUndo->setClean();
  UpdateEditState();
  return true;
}

std::vector<TRowStorage> TMainform::RowStorageNotes() const {
  if (!mEngine) return {};
  return ::RowStorageNotes(rowTexts(lb_Cats), rowTexts(lb_NewCats),
                           mEngine->StoredCategories(CategoryMap()), mCodePage);
}

void TMainform::ChooseCodePage(TCodePage aPage) {
  if (mSaving || !mEngine || aPage == mCodePage) return;
  if (QLineEdit* editor = OpenEditor()) EditExit(editor);
  const QString title = QString::fromStdString(codePageTitle(aPage));
  const bool leave = MayLeaveEdits(QStringLiteral("reading the library again as %1").arg(title));
  CloseIfRequested();
  if (!leave || !mEngine) return;
  mCodePage = aPage;
  if (mLibraryName.isEmpty()) {
    mEngine->SetCodePage(aPage);
    return;
  }
  mLoaded = mEngine->RereadInCodePage(aPage);
  ShowLibrary();
}

void TMainform::ShowLibrary() {
  const TBusyCursor busy;
  FillLists();
  mSavedRows = rowTexts(lb_NewCats);
  mUndo->clear();
  UpdateEditState();
  ExportMapAction->setEnabled(true);
  ImportMapAction->setEnabled(true);
}

void TMainform::ExportMap() {
  if (mSaving || !mEngine || mLibraryFile.isEmpty()) return;
  EditExit(OpenEditor());
  const QFileInfo library(mLibraryFile);
  const std::optional<QString> file = mDialogs->Execute(
      StartingAt(mapDialog(TFileDialogSetup::TMode::Save),
                 library.dir().filePath(library.completeBaseName() + QStringLiteral(".po")), true),
      this);
  if (!file) return;
  const TCategoryMap map = CategoryMap();
  // A row keeps no new text in the map unless it was given one.
  std::vector<bool> changed;
  for (std::size_t row = 0; row < map.NewCats.size(); ++row)
    changed.push_back(row < map.OldCats.size() && map.NewCats[row] != map.OldCats[row]);
  const std::string name = QFile::encodeName(*file).toStdString();
  try {
    writeMap(name, {map, changed, categoryContents(*mEngine)}, mapFormatOf(name));
  } catch (...) {
    mDialogs->Critical(this, caption(), MapSaveFailureText(std::current_exception(), *file));
  }
}

void TMainform::ImportMap() {
  if (mSaving || !mEngine || mLibraryFile.isEmpty()) return;
  EditExit(OpenEditor());
  const std::optional<QString> file = mDialogs->Execute(
      StartingAt(mapDialog(TFileDialogSetup::TMode::Open), mLibraryFile, false), this);
  if (!file) return;
  const TMapRead read = readMap(QFile::encodeName(*file).toStdString());
  if (read.Refusal) {
    mDialogs->Warning(this, caption(), MapRefusedText(*read.Refusal));
    return;
  }
  const TCategoryMap before = CategoryMap();
  TCategoryMap after = before;
  const std::size_t notCategories = applyMap(read.Lines, after).size();
  // Entries of which none is a category: almost surely the wrong map.
  if (!read.Lines.empty() && notCategories == read.Lines.size()) {
    mDialogs->Warning(this, caption(), ForeignMapText(*file, read.Lines.size(), mLibraryName));
    return;
  }
  int changed = 0;
  for (std::size_t row = 0; row < after.NewCats.size(); ++row) {
    if (after.NewCats[row] == before.NewCats[row]) continue;
    // The rows change together, as one step of the history.
    if (changed++ == 0)
      mUndo->beginMacro(QStringLiteral("Import \"%1\"").arg(QFileInfo(*file).fileName()));
    mUndo->push(new TRowEditCommand(lb_NewCats, static_cast<int>(row),
                                    QString::fromStdU16String(before.NewCats[row]),
                                    QString::fromStdU16String(after.NewCats[row])));
  }
  if (changed > 0) mUndo->endMacro();
  mDialogs->Information(this, caption(),
                        MapImportedText(*file, changed, notCategories, read.FuzzySkipped));
}

void TMainform::ShowListMenu(QListWidget* aList, const QPoint& aAt) {
  if (mSaving) return;
  // The last menu goes only now: an entry's handler may ask a question, whose
  // event loop would delete a menu closing itself while the menu's own code
  // is still on the stack.
  delete mListMenu;
  mListMenu = CreateListMenu(this, mCodePage, [this](TCodePage aPage) { ChooseCodePage(aPage); });
  mListMenu->addSeparator();
  mListMenu->addActions({ExportMapAction, ImportMapAction});
  mListMenu->popup(aList->viewport()->mapToGlobal(aAt));
}

void TMainform::SelectRowInBoth(int aRow) {
  const QSignalBlocker blockCats(lb_Cats);
  const QSignalBlocker blockNewCats(lb_NewCats);
  lb_Cats->setCurrentRow(aRow);
  lb_NewCats->setCurrentRow(aRow);
}

void TMainform::lb_CatsClick() {
  const QSignalBlocker block(lb_NewCats);
  lb_NewCats->setCurrentRow(lb_Cats->currentRow());
}

void TMainform::lb_NewCatsClick() {
  const QSignalBlocker block(lb_Cats);
  lb_Cats->setCurrentRow(lb_NewCats->currentRow());
}

void TMainform::lb_NewCatsDblClick() {
  if (mSaving) return;
  const int row = lb_NewCats->currentRow();
  if (row < 0) return;
  if (mOpenEditor) EditExit(mOpenEditor);
  lb_NewCats->scrollToItem(lb_NewCats->item(row));

  auto* editor = new QLineEdit(this);
  editor->setObjectName(QStringLiteral("CategoryEditor"));
  QFont editorFont = font();
  editorFont.setPointSize(kEditorPointSize);
  editor->setFont(editorFont);

  editor->setText(lb_NewCats->item(row)->text());
  // The box asks for the row's height plus 4, but like a platform edit it
  // takes the height its font needs, so it covers part of the next row.
  editor->setGeometry(EditorPlace(row, QFontMetrics(editorFont).height() + kEditorBorderHeight));
  AttachStorageGauge(editor, mCodePage);
  editor->installEventFilter(this);
  editor->show();
  editor->raise();
  mOpenEditor = editor;
  editor->grabMouse();
  editor->setFocus(Qt::OtherFocusReason);
  editor->selectAll();
}

void TMainform::EditExit(QLineEdit* aEditor) {
  if (aEditor == nullptr || aEditor != mOpenEditor) return;
  mOpenEditor = nullptr;
  const int row = lb_NewCats->currentRow();
  if (row >= 0) {
    // Each commit that changes the row is one step of the undo history.
    const QString before = lb_NewCats->item(row)->text();
    if (aEditor->text() != before)
      mUndo->push(new TRowEditCommand(lb_NewCats, row, before, aEditor->text()));
  }
  aEditor->releaseMouse();
  QCoreApplication::postEvent(this, new TFreeEditorEvent(aEditor));
}

void TMainform::EditNextRow() {
  const int next = lb_NewCats->currentRow() + 1;
  if (next <= 0 || next >= lb_NewCats->count()) return;
  SelectRowInBoth(next);
  lb_NewCatsDblClick();
}

void TMainform::EditAbandon(QLineEdit* aEditor) {
  if (aEditor == nullptr || aEditor != mOpenEditor) return;
  mOpenEditor = nullptr;
  aEditor->releaseMouse();
  QCoreApplication::postEvent(this, new TFreeEditorEvent(aEditor));
}

QRect TMainform::EditorPlace(int aRow, int aHeight) const {
  // Over the row, as wide as the rows show, and never outside the rows shown:
  // a list scrolled sideways or a row at the edge keeps the box in the list.
  const QRect shown = lb_NewCats->viewport()->rect();
  const QRect rowRect = lb_NewCats->visualItemRect(lb_NewCats->item(aRow));
  QRect place(shown.left(), rowRect.top() - 2, shown.width(), aHeight);
  if (place.bottom() > shown.bottom()) place.moveBottom(shown.bottom());
  if (place.top() < shown.top()) place.moveTop(shown.top());
  return place.translated(lb_NewCats->viewport()->mapTo(this, QPoint(0, 0)));
}

bool TMainform::EditMouseDown(QLineEdit* aEditor, const QMouseEvent& aPress) {
  if (aEditor->rect().contains(aPress.position().toPoint())) return false;
  EditExit(aEditor);
  // The press that ends the edit also does what it pressed: selects the row,
  // presses the button.
  ForwardPress(*this, aPress);
  return true;
}

void TMainform::ReleaseEditor(QLineEdit* aEditor) {
  if (aEditor == nullptr) return;
  if (aEditor == mOpenEditor) mOpenEditor = nullptr;
  // Keep the keyboard in the window: the list the editor stood over.
  if (aEditor->hasFocus()) lb_NewCats->setFocus(Qt::OtherFocusReason);
  delete aEditor;
}

void TMainform::customEvent(QEvent* aEvent) {
  if (aEvent->type() == TFreeEditorEvent::kType) {
    ReleaseEditor(static_cast<TFreeEditorEvent*>(aEvent)->Editor());
    return;
  }
  QWidget::customEvent(aEvent);
}

bool TMainform::ListViewportEvent(QListWidget* aList, QEvent* aEvent) {
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
      if (aList != lb_NewCats || aEvent->type() != QEvent::MouseButtonDblClick) return false;
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
  auto* editor = qobject_cast<QLineEdit*>(aWatched);
  if (editor == nullptr) return QWidget::eventFilter(aWatched, aEvent);
  switch (aEvent->type()) {
    case QEvent::FocusOut: {
      // Only a move to another control commits; a menu or another window
      // taking the keyboard for a while does not.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(aEvent)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) EditExit(editor);
      return false;
    }
    case QEvent::MouseButtonPress:
      return EditMouseDown(editor, *static_cast<QMouseEvent*>(aEvent));
    case QEvent::ShortcutOverride: {
      // The map keys work here too, though on some platforms an edit takes
      // Ctrl+E for the end of the line; End does that.
      const QKeySequence pressed(static_cast<QKeyEvent*>(aEvent)->keyCombination());
      return pressed == ExportMapAction->shortcut() || pressed == ImportMapAction->shortcut();
    }
    case QEvent::KeyPress: {
      const auto* press = static_cast<QKeyEvent*>(aEvent);
      const int key = press->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        EditExit(editor);
        // Ctrl+Enter goes on to the next row, as translation editors do.
        if (press->modifiers().testFlag(Qt::ControlModifier)) EditNextRow();
        return true;
      }
      if (key == Qt::Key_Escape) {
        EditAbandon(editor);
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}
