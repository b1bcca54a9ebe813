// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSave.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QUndoStack>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "CategoryModel.h"
#include "Dialogs.h"
#include "LibraryDocument.h"
#include "MainUnit.h"
#include "ProgressUnit.h"
#include "RowEditCommand.h"
#include "Timing.h"

namespace {

// Answers the open dialog with the file given last and the save dialog with
// the target; any message box means the measurement is void, but for the
// information boxes once they are let through.
class TAnsweringDialogs final : public TDialogs {
 public:
  TAnsweringDialogs(QString aOpen, QString aSave)
      : mOpen(std::move(aOpen)), mSave(std::move(aSave)) {}

  /// The file the open dialogs answer with from now on.
  void SetOpen(QString aOpen) { mOpen = std::move(aOpen); }
  /// Lets information boxes pass silently (an import says what it did in
  /// one), or makes them void the measurement again.
  void LetInformationPass(bool aPass) { mInformationPasses = aPass; }

  std::optional<QString> Execute(const TFileDialogSetup& aSetup, QWidget*) override {
    return aSetup.Mode == TFileDialogSetup::TMode::Open ? mOpen : mSave;
  }
  void Information(QWidget*, const QString&, const QString& aText) override {
    if (!mInformationPasses) fail(aText);
  }
  void Warning(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  void Critical(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  bool SaveAnyway(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  TUnsavedAnswer Unsaved(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  bool Ask(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  std::optional<TLanguagePair> Languages(QWidget*, const QString&, const QString& aText,
                                         const QStringList&, const TLanguagePair&,
                                         bool) override {
    fail(aText);
  }

 private:
  [[noreturn]] static void fail(const QString& aText) {
    throw std::runtime_error("the window said: " + aText.toStdString());
  }
  QString mOpen;
  QString mSave;
  bool mInformationPasses = false;
};

std::unique_ptr<QApplication> gApplication;

// The window's widgets are its own; the measurements find them by name.
template <typename TChild>
TChild& child(const QWidget& aForm, const char* aName) {
  auto* found = aForm.findChild<TChild*>(QString::fromLatin1(aName));
  if (found == nullptr) throw std::runtime_error(std::string("the window has no ") + aName);
  return *found;
}

// The main window, shown, with the dialogs it answers through.
struct TWindow {
  TAnsweringDialogs* Dialogs;
  TMainform Form;
  QListView& Cats;
  QListView& NewCats;

  TWindow(const std::string& aOpen, const std::string& aSave)
      : TWindow(std::make_unique<TAnsweringDialogs>(QString::fromStdString(aOpen),
                                                    QString::fromStdString(aSave))) {}

  /// Load Library, answered with the file the open dialog is given.
  void Load() { child<QPushButton>(Form, "Button1").click(); }
  /// Paints both lists at once, as a user would see them.
  void Repaint() {
    Cats.repaint();
    NewCats.repaint();
  }
  TCategoryModel& Model() const { return *Form.Document().Model(); }
  QUndoStack& History() const { return *Form.Document().UndoStack(); }

 private:
  explicit TWindow(std::unique_ptr<TAnsweringDialogs> aDialogs)
      : Dialogs(aDialogs.get()),
        Form(std::move(aDialogs)),
        Cats(child<QListView>(Form, "lb_Cats")),
        NewCats(child<QListView>(Form, "lb_NewCats")) {
    Form.show();
    QCoreApplication::processEvents();
  }
};

// Undoes every step the history holds, untimed, and lets the window settle.
void undoAll(QUndoStack& aHistory) {
  while (aHistory.canUndo()) aHistory.undo();
  QCoreApplication::processEvents();
}

// The median time of undoing what aDo does, with both lists painted; aDo is
// done again, untimed, before each run.
double undoSeconds(TWindow& aWindow, int aRuns, const std::function<void()>& aDo) {
  return medianSeconds(
      aRuns,
      [&] {
        aWindow.History().undo();
        aWindow.Repaint();
      },
      [&] {
        undoAll(aWindow.History());
        aDo();
        QCoreApplication::processEvents();
      });
}

}  // namespace

void startWindowApplication(int& aArgc, char** aArgv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  gApplication = std::make_unique<QApplication>(aArgc, aArgv);
}

void stopWindowApplication() { gApplication.reset(); }

double windowSaveSeconds(const std::string& aLibrary, const std::string& aTarget, int aRuns) {
  TWindow window(aLibrary, aTarget);
  TProgressform progressform;
  window.Form.SetProgressform(&progressform);
  window.Load();
  QPushButton& save = child<QPushButton>(window.Form, "Button2");
  // Like the core save it is compared with, each run writes a new file.
  const double seconds = medianSeconds(
      aRuns, [&] { save.click(); }, [&] { std::filesystem::remove(aTarget); });
  window.Form.SetProgressform(nullptr);
  return seconds;
}

TWindowLoad windowLoadSeconds(const std::string& aLibrary, int aRuns, bool aEditor) {
  TWindow window(aLibrary, std::string());
  TWindowLoad times;
  times.Load = medianSeconds(aRuns, [&] {
    window.Load();
    window.Repaint();
  });
  QCoreApplication::processEvents();
  TCategoryModel& model = window.Model();
  const int last = model.rowCount() - 1;
  if (last < 0) throw std::runtime_error("the window shows no rows");
  const QModelIndex lastRow = model.index(last, TCategoryModel::NewColumn);
  QListView& list = window.NewCats;

  // One edit as the editor keeps it, then its undo.
  const auto edit = [&] {
    window.History().push(new TRowEditCommand(
        QStringLiteral("Edit \"%1\"").arg(model.OldText(last)), model,
        {{last, model.NewText(last), QStringLiteral("new text")}}, [&](int aRow) {
          const QModelIndex shown = model.index(aRow, TCategoryModel::NewColumn);
          list.selectionModel()->setCurrentIndex(
              shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
          list.scrollTo(shown);
        }));
    window.Repaint();
  };
  times.Edit = medianSeconds(aRuns, edit, [&] { undoAll(window.History()); });
  times.Undo = undoSeconds(window, aRuns, edit);
  undoAll(window.History());
  if (model.NewText(last) != model.OldText(last))
    throw std::runtime_error("the last row's edit was not undone");

  // The translation table: opened once, then a character typed into its
  // search, as the first of a word.
  QWidget* table = nullptr;
  times.TableOpen = medianSeconds(1, [&] {
    child<QAction>(window.Form, "TableAction").trigger();
    for (QWidget* shown : QApplication::topLevelWidgets())
      if (shown->objectName() == QStringLiteral("TranslationTable")) table = shown;
    if (table == nullptr) throw std::runtime_error("no translation table opened");
    table->repaint();
  });
  auto& search = child<QLineEdit>(*table, "Search");
  times.Search = medianSeconds(
      aRuns,
      [&] {
        search.setText(QStringLiteral("7"));
        table->repaint();
      },
      [&] {
        search.clear();
        QCoreApplication::processEvents();
      });
  search.clear();
  table->close();

  if (aEditor) {
    list.selectionModel()->setCurrentIndex(
        lastRow, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.scrollTo(lastRow);
    QCoreApplication::processEvents();
    const QPoint at = list.visualRect(lastRow).center();
    times.EditLastRow = medianSeconds(
        aRuns,
        [&] {
          QMouseEvent click(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
          QApplication::sendEvent(list.viewport(), &click);
          QLineEdit* editor = window.Form.OpenEditor();
          if (editor == nullptr) throw std::runtime_error("no editor opened on the last row");
          editor->repaint();
        },
        [&] {
          if (QLineEdit* editor = window.Form.OpenEditor()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(editor, &escape);
          }
          QCoreApplication::processEvents();
        });
  }
  return times;
}

TWindowImport windowImportSeconds(const std::string& aLibrary, const std::string& aMap, int aRuns) {
  TWindow window(aLibrary, std::string());
  window.Load();
  window.Dialogs->SetOpen(QString::fromStdString(aMap));
  // The import ends by saying what it did; that box is answered at once.
  window.Dialogs->LetInformationPass(true);
  QAction& import = child<QAction>(window.Form, "ImportMapAction");
  const auto importMap = [&] {
    import.trigger();
    window.Repaint();
  };
  TWindowImport times;
  times.Import = medianSeconds(aRuns, importMap, [&] { undoAll(window.History()); });
  times.Changed = window.Model().ChangedRowCount();
  times.Undo = undoSeconds(window, aRuns, importMap);
  if (window.Model().ChangedRowCount() != 0) throw std::runtime_error("the import was not undone");
  window.Dialogs->LetInformationPass(false);
  return times;
}
