// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>

#include "FileLayer.h"
#include "LabelFit.h"
#include "LoaderSaver.h"
#include "ProgressUnit.h"
#include "TestLibraries.h"

namespace {

QByteArray ExpectedSave(const QString& aInput, const std::vector<std::u16string>& aOld,
                        const std::vector<std::u16string>& aNew) {
  TVectorEngine engine;
  engine.LoadLibraryFromFile(aInput.toStdString());
  TCategoryMap map{aOld, aNew};
  TMemorySink sink;
  engine.SaveLibraryToStream(sink, map);
  return QByteArray(reinterpret_cast<const char*>(sink.Bytes.data()),
                    static_cast<qsizetype>(sink.Bytes.size()));
}

// What a user sees of a label: all of its text, inside the window.
void VerifyWholeTextInsideWindow(const QLabel& aLabel) {
  QVERIFY(aLabel.parentWidget()->rect().contains(aLabel.geometry()));
  const int flags = aLabel.alignment() | (aLabel.wordWrap() ? Qt::TextWordWrap : 0);
  const QRect needed =
      aLabel.fontMetrics().boundingRect(aLabel.contentsRect(), flags, aLabel.text());
  QVERIFY2(aLabel.contentsRect().contains(needed),
           qPrintable(QStringLiteral("text needs %1x%2, label is %3x%4")
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(aLabel.width())
                          .arg(aLabel.height())));
}

QWidget* Control(QWidget& aForm, const QString& aName) {
  return aForm.findChild<QWidget*>(aName, Qt::FindDirectChildrenOnly);
}

}  // namespace

class MainformTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->Dir.isValid());
  }
  void cleanup() { mFixture.reset(); }

  void WindowHasItsFixedFrame() {
    TMainform& form = *mFixture->Form;
    // The mark shows only while edits are unsaved.
    QCOMPARE(form.windowTitle(), QStringLiteral("Zembrel - Library category translator[*]"));
    QVERIFY(!form.isWindowModified());
    QCOMPARE(form.size(), QSize(484, 461));
    QCOMPARE(form.minimumSize(), QSize(484, 461));
    QCOMPARE(form.maximumSize(), QSize(484, 461));
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(form.font().pixelSize(), 11);
  }

  void ControlsStandWhereTheyBelong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Button1") << "Button1" << QRect(128, 16, 217, 41) << "Load Library";
    QTest::newRow("Button2") << "Button2" << QRect(128, 368, 217, 41) << "Save Library";
    QTest::newRow("lb_Cats") << "lb_Cats" << QRect(24, 107, 161, 233) << "";
    QTest::newRow("lb_NewCats") << "lb_NewCats" << QRect(296, 107, 161, 233) << "";
    QTest::newRow("Image1") << "Image1" << QRect(201, 176, 81, 81) << "";
    // Labels size themselves to their text; only where they start is fixed.
    QTest::newRow("Label1") << "Label1" << QRect(24, 88, -1, -1) << "Old categories";
    QTest::newRow("Label2") << "Label2" << QRect(296, 88, -1, -1) << "New categories";
  }
  void ControlsStandWhereTheyBelong() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QWidget* control = Control(*mFixture->Form, name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->pos(), geometry.topLeft());
    if (geometry.width() > 0) QCOMPARE(control->width(), geometry.width());
    if (geometry.height() > 0) QCOMPARE(control->height(), geometry.height());
    if (auto* button = qobject_cast<QPushButton*>(control)) QCOMPARE(button->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(control); label && !caption.isEmpty())
      QCOMPARE(label->text(), caption);
  }

  void PictureAndCreditAreShown() {
    TMainform& form = *mFixture->Form;
    const auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(!image->pixmap().isNull());
    const QSize picture = image->pixmap().size();
    QVERIFY(picture.width() <= 81 && picture.height() <= 81);
    QVERIFY(!Controls(form).Label3->text().isEmpty());
    VerifyWholeTextInsideWindow(*Controls(form).Label3);
  }

  // Whatever font a machine falls back to, the credit, and the status line
  // that replaces it once a library is loaded, show whole.
  void CreditFitsAnyFont_data() {
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("loaded");
    for (const bool loaded : {false, true})
      for (const int size : {11, 16, 20, 30})
        QTest::addRow("%s, %dpx", loaded ? "status" : "credit", size) << size << loaded;
  }
  void CreditFitsAnyFont() {
    QFETCH(int, pixelSize);
    QFETCH(bool, loaded);
    if (loaded)
      mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a-rather-long-library-name.zbl",
                                  LibraryWithCategories({"A", "B"})));
    QWidget window;
    window.setFixedSize(484, 461);
    QLabel label(Controls(*mFixture->Form).Label3->text(), &window);
    QFont font = label.font();
    font.setPixelSize(pixelSize);
    label.setFont(font);
    FitCentredLabel(&label, 238, 431, 232);
    VerifyWholeTextInsideWindow(label);
    QVERIFY(label.width() >= 232);
  }

  void TabOrderStartsAtNewCategories() {
    TMainform& form = *mFixture->Form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), Controls(form).lb_NewCats);
    for (QWidget* next : {static_cast<QWidget*>(Controls(form).lb_Cats),
                          static_cast<QWidget*>(Controls(form).Button1),
                          static_cast<QWidget*>(Controls(form).Button2)}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void ListsHaveThirteenPixelRows() {
    const QString file =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B", "C"}));
    mFixture->Load(file);
    for (QListView* list :
         {Controls(*mFixture->Form).lb_Cats, Controls(*mFixture->Form).lb_NewCats}) {
      QCOMPARE(RowRect(list, 0).height(), 13);
      QCOMPARE(RowRect(list, 2).top(), 26);
    }
  }

  void LoadFillsBothListsInCatalogueOrder_data() {
    QTest::addColumn<QList<QByteArray>>("categories");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("first appearance") << QList<QByteArray>{"Trees", "Cars", "Trees", "Roads"}
                                      << QStringList{"Trees", "Cars", "Roads"};
    QTest::newRow("case differs") << QList<QByteArray>{"trees", "Trees"}
                                  << QStringList{"trees", "Trees"};
    QTest::newRow("eight-bit text")
        << QList<QByteArray>{"B\xe4ume",
                             "Stra\xdf"
                             "e"}
        << QStringList{QStringLiteral("B\u00e4ume"), QStringLiteral("Stra\u00dfe")};
    QTest::newRow("empty category") << QList<QByteArray>{"", "Cars"} << QStringList{"", "Cars"};
    QTest::newRow("no items") << QList<QByteArray>{} << QStringList{};
  }
  void LoadFillsBothListsInCatalogueOrder() {
    QFETCH(QList<QByteArray>, categories);
    QFETCH(QStringList, rows);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories(categories)));
    QCOMPARE(RowTexts(Controls(*mFixture->Form).lb_Cats), rows);
    QCOMPARE(RowTexts(Controls(*mFixture->Form).lb_NewCats), rows);
    QVERIFY(mFixture->Dialogs->Messages.empty());
    QCOMPARE(mFixture->Dialogs->Asked.front().Filter, QStringLiteral("Zembrel Library (*.zbl)"));
    QCOMPARE(mFixture->Dialogs->Asked.front().DefaultExt, QStringLiteral("zbl"));
  }

  void SecondLoadReplacesEditedRows() {
    TMainform& form = *mFixture->Form;
    mFixture->Load(
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"Old", "Older"})));
    SetRowText(Controls(form).lb_NewCats, 0, "Edited");
    mFixture->Dialogs->UnsavedAnswers.push_back(TUnsavedAnswer::Discard);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "b.zbl", LibraryWithCategories({"New"})));
    QCOMPARE(RowTexts(Controls(form).lb_Cats), QStringList{"New"});
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), QStringList{"New"});
  }

  void SelectionKeptInStep_data() {
    QTest::addColumn<bool>("fromOldList");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("old list, mouse") << true << false;
    QTest::newRow("new list, mouse") << false << false;
    QTest::newRow("old list, keys") << true << true;
    QTest::newRow("new list, keys") << false << true;
  }
  void SelectionKeptInStep() {
    QFETCH(bool, fromOldList);
    QFETCH(bool, byKeyboard);
    TMainform& form = *mFixture->Form;
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl",
                                LibraryWithCategories({"A", "B", "C", "D", "E"})));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QListView* source = fromOldList ? Controls(form).lb_Cats : Controls(form).lb_NewCats;
    QListView* other = fromOldList ? Controls(form).lb_NewCats : Controls(form).lb_Cats;
    if (byKeyboard) {
      QTest::mouseClick(source->viewport(), Qt::LeftButton, {}, RowCentre(source, 0));
      for (int i = 0; i < 3; ++i) QTest::keyClick(source, Qt::Key_Down);
    } else {
      QTest::mouseClick(source->viewport(), Qt::LeftButton, {}, RowCentre(source, 3));
    }
    QCOMPARE(CurrentRow(source), 3);
    QCOMPARE(CurrentRow(other), 3);
    QVERIFY(RowSelected(other, 3));
  }

  void RowsStayInLine_data() {
    QTest::addColumn<QString>("scrolled");
    QTest::addColumn<bool>("wideNewText");
    QTest::newRow("Old categories scrolled") << "lb_Cats" << false;
    QTest::newRow("New categories scrolled") << "lb_NewCats" << false;
    // Only one list needs a sideways bar: both show one, or their ends differ.
    QTest::newRow("to the end, a new text wider than the list") << "lb_NewCats" << true;
  }
  void RowsStayInLine() {
    QFETCH(QString, scrolled);
    QFETCH(bool, wideNewText);
    TMainform& form = *mFixture->Form;
    QVERIFY(mFixture->LoadRows(50));
    if (wideNewText) SetRowText(Controls(form).lb_NewCats, 49, QString(200, u'W'));
    mFixture->LayOut();
    QCOMPARE(Controls(form).lb_NewCats->horizontalScrollBar()->maximum() > 0, wideNewText);
    form.findChild<QListView*>(scrolled)->verticalScrollBar()->setValue(wideNewText ? 99 : 17);
    mFixture->LayOut();
    QVERIFY(Controls(form).lb_Cats->indexAt(QPoint(1, 1)).row() > 0);
    for (const QPoint at :
         {QPoint(1, 1), QPoint(1, Controls(form).lb_Cats->viewport()->height() - 2)})
      QCOMPARE(Controls(form).lb_Cats->indexAt(at).row(),
               Controls(form).lb_NewCats->indexAt(at).row());
  }

  void LoadStartsBothListsAtTheFirstRow() {
    TMainform& form = *mFixture->Form;
    QVERIFY(mFixture->LoadRows(60, QByteArray(100, 'W')));
    Controls(form).lb_NewCats->horizontalScrollBar()->setValue(50);
    SetCurrentRow(Controls(form).lb_NewCats, 40);
    QVERIFY(Controls(form).lb_Cats->verticalScrollBar()->value() > 0);
    QVERIFY(mFixture->LoadRows(60, QByteArray(100, 'W')));
    for (QListView* list : {Controls(form).lb_Cats, Controls(form).lb_NewCats}) {
      QCOMPARE(list->verticalScrollBar()->value(), 0);
      QCOMPARE(list->horizontalScrollBar()->value(), 0);
      QVERIFY(RowSelected(list, 0));
    }
  }

  void BlankAreaKeepsTheSelection_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click below Old categories") << "lb_Cats" << false;
    QTest::newRow("click below New categories") << "lb_NewCats" << false;
    QTest::newRow("double-click below New categories") << "lb_NewCats" << true;
  }
  void BlankAreaKeepsTheSelection() {
    QFETCH(QString, list);
    QFETCH(bool, doubleClick);
    TMainform& form = *mFixture->Form;
    QVERIFY(mFixture->LoadRows(4));
    SetCurrentRow(Controls(form).lb_Cats, 1);
    QWidget* viewport = form.findChild<QListView*>(list)->viewport();
    const QPoint blank = viewport->mapTo(&form, QPoint(5, viewport->height() - 3));
    if (doubleClick)
      QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, blank);
    else
      QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, blank);
    QCOMPARE(form.OpenEditor(), nullptr);
    QCOMPARE(QApplication::focusWidget(), viewport->parentWidget());
    QVERIFY(RowSelected(Controls(form).lb_Cats, 1) && RowSelected(Controls(form).lb_NewCats, 1));
  }

  // Both lists select the same row; the one with the focus shows it in the
  // selection colour, the other paler.
  void ListWithTheFocusShowsIt_data() {
    QTest::addColumn<bool>("newListFocused");
    QTest::newRow("New categories focused") << true;
    QTest::newRow("Old categories focused") << false;
  }
  void ListWithTheFocusShowsIt() {
    QFETCH(bool, newListFocused);
    TMainform& form = *mFixture->Form;
    QVERIFY(mFixture->LoadRows(4));
    QListView* focused = newListFocused ? Controls(form).lb_NewCats : Controls(form).lb_Cats;
    QListView* other = newListFocused ? Controls(form).lb_Cats : Controls(form).lb_NewCats;
    focused->setFocus(Qt::OtherFocusReason);
    // The right end of the short first row shows its background, not text.
    const auto shown = [](QListView* aList) {
      return aList->viewport()->grab().toImage().pixelColor(aList->viewport()->width() - 3,
                                                            RowCentre(aList, 0).y());
    };
    const QColor selection = form.palette().color(QPalette::Active, QPalette::Highlight);
    const auto nearSelection = [&](const QColor& aColour) {  // the style may shade it a step
      return std::abs(aColour.red() - selection.red()) +
                 std::abs(aColour.green() - selection.green()) +
                 std::abs(aColour.blue() - selection.blue()) <=
             8;
    };
    QVERIFY(nearSelection(shown(focused)));
    QVERIFY(!nearSelection(shown(other)));
    QVERIFY(shown(other) != other->palette().color(QPalette::Base));
  }

  void CancelledOpenKeepsTheLibrary() {
    TMainform& form = *mFixture->Form;
    const QString file =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B"}));
    mFixture->Load(file);
    SetRowText(Controls(form).lb_NewCats, 1, "Bee");
    Controls(form).Button1->click();  // no answer queued: the dialog is cancelled
    QCOMPARE(RowTexts(Controls(form).lb_Cats), (QStringList{"A", "B"}));
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), (QStringList{"A", "Bee"}));
    QCOMPARE(VectorEngine->ItemCount(), std::size_t{2});

    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    Controls(form).Button2->click();
    QCOMPARE(ReadFile(out), ExpectedSave(file, {u"A", u"B"}, {u"A", u"Bee"}));
  }

  void LoadFailuresAreShown_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("rows");
    // What is not read as a library leaves the one loaded before.
    QTest::newRow("missing file") << "missing"
                                  << "could not be opened" << QStringList{"Previous"};
    QTest::newRow("not a library") << "signature"
                                   << "is not a Zembrel library" << QStringList{"Previous"};
    QTest::newRow("wrong version") << "version"
                                   << "is not a Zembrel library" << QStringList{"Previous"};
    QTest::newRow("damaged") << "damaged"
                             << "2 of 3 items" << QStringList{"A", "B"};
    QTest::newRow("bytes after the last item")
        << "trailing"
        << "3 bytes after the last of the 3 items were not read" << QStringList{"A", "B", "C"};
  }
  void LoadFailuresAreShown() {
    QFETCH(QString, kind);
    QFETCH(QString, words);
    QFETCH(QStringList, rows);
    TMainform& form = *mFixture->Form;
    mFixture->Load(
        WriteLibrary(mFixture->Dir.path(), "old.zbl", LibraryWithCategories({"Previous"})));

    TSampleLibrary library = LibraryWithCategories({"A", "B", "C"});
    if (kind == "signature") library.SignatureLength = 7;
    if (kind == "version") library.FileVersion = 2;
    if (kind == "damaged") library.Items[2].DeclaredSize = 100000;
    if (kind == "trailing") library.Trailing = {1, 2, 3};
    QString file = WriteLibrary(mFixture->Dir.path(), "new.zbl", library);
    if (kind == "missing") file = QDir(mFixture->Dir.path()).filePath("absent.zbl");
    mFixture->Load(file);

    QCOMPARE(RowTexts(Controls(form).lb_Cats), rows);
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), rows);
    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
    const TFakeDialogs::TMessage& message = mFixture->Dialogs->Messages.front();
    QCOMPARE(message.Kind, QStringLiteral("warning"));
    // Titled with the program's short name, which a message box shows whole.
    QCOMPARE(message.Title, QGuiApplication::applicationDisplayName());
    QVERIFY2(message.Text.contains(words), qPrintable(message.Text));
    QVERIFY2(message.Text.contains(QDir::toNativeSeparators(file)), qPrintable(message.Text));
  }

  void BusyCursorEndsBeforeAnyQuestion() {
    TMainform& form = *mFixture->Form;
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A"})));
    SetRowText(Controls(form).lb_NewCats, 0, "Edited");
    mFixture->Load(QDir(mFixture->Dir.path()).filePath("absent.zbl"));
    TSampleLibrary damaged = LibraryWithCategories({"B", "C"});
    damaged.Items[1].DeclaredSize = 100000;
    mFixture->Dialogs->UnsavedAnswers.push_back(TUnsavedAnswer::Discard);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "damaged.zbl", damaged));
    const std::vector<TFakeDialogs::TMessage>& messages = mFixture->Dialogs->Messages;
    QCOMPARE(messages.size(), std::size_t{3});  // missing; unsaved edits; damaged
    for (const TFakeDialogs::TMessage& message : messages)
      QVERIFY2(!message.Busy, qPrintable(message.Kind));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  // A save that would lose what the file holds beyond the items read asks
  // first, naming the loss; only "Save anyway" writes.
  void LossySaveAsksFirst_data() {
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("words");
    QTest::newRow("bytes after the last item, saved") << false << true << "2 bytes";
    QTest::newRow("bytes after the last item, cancelled") << false << false << "2 bytes";
    QTest::newRow("damaged, Save anyway writes what was read") << true << true << "2 of 3 items";
    QTest::newRow("damaged, Cancel writes nothing") << true << false << "2 of 3 items";
  }
  void LossySaveAsksFirst() {
    QFETCH(bool, damaged);
    QFETCH(bool, yes);
    QFETCH(QString, words);
    TSampleLibrary library = LibraryWithCategories(damaged ? QList<QByteArray>{"A", "B", "C"}
                                                           : QList<QByteArray>{"A", "B"});
    if (damaged)
      library.Items[2].DeclaredSize = 100000;
    else
      library.Trailing = {9, 9};
    const QString in = WriteLibrary(mFixture->Dir.path(), "in.zbl", library);
    mFixture->Load(in);
    mFixture->Dialogs->Messages.clear();
    mFixture->Dialogs->Asked.clear();
    mFixture->Dialogs->QuestionAnswers.push_back(yes);
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    Controls(*mFixture->Form).Button2->click();

    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
    QCOMPARE(mFixture->Dialogs->Messages.front().Kind, QStringLiteral("question"));
    QVERIFY2(mFixture->Dialogs->Messages.front().Text.contains(words),
             qPrintable(mFixture->Dialogs->Messages.front().Text));
    QCOMPARE(mFixture->Dialogs->Asked.size(), std::size_t{yes ? 1U : 0U});
    QCOMPARE(QFileInfo::exists(out), yes);
    if (yes) QCOMPARE(ReadFile(out), ExpectedSave(in, {u"A", u"B"}, {u"A", u"B"}));
  }

  void EmptyRowRefusesTheSave_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("blanks pass") << QByteArray("  ") << false;
  }
  void EmptyRowRefusesTheSave() {
    QFETCH(QByteArray, category);
    QFETCH(bool, refused);
    TMainform& form = *mFixture->Form;
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl",
                                LibraryWithCategories({"A", "B", category, "D"})));
    SetCurrentRow(Controls(form).lb_Cats, 0);
    mFixture->Dialogs->Asked.clear();
    Controls(form).Button2->click();
    if (refused) {
      QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
      QCOMPARE(mFixture->Dialogs->Messages.front().Kind, QStringLiteral("information"));
      QCOMPARE(mFixture->Dialogs->Messages.front().Text,
               QStringLiteral("Sorry - There is an empty category!"));
      QVERIFY(mFixture->Dialogs->Asked.empty());
      QCOMPARE(CurrentRow(Controls(form).lb_Cats), 2);
      QCOMPARE(CurrentRow(Controls(form).lb_NewCats), 2);
      QVERIFY(RowSelected(Controls(form).lb_NewCats, 2));
    } else {
      QVERIFY(mFixture->Dialogs->Messages.empty());
      QCOMPARE(mFixture->Dialogs->Asked.size(), std::size_t{1});
      QCOMPARE(mFixture->Dialogs->Asked.front().Title, QStringLiteral("Save Library"));
    }
  }

  void SaveWritesWhatTheCoreWrites_data() {
    QTest::addColumn<QList<QByteArray>>("categories");
    QTest::addColumn<QStringList>("newTexts");
    QTest::newRow("nothing loaded") << QList<QByteArray>{} << QStringList{};
    QTest::newRow("renamed") << QList<QByteArray>{"Trees", "Cars", "Trees"}
                             << QStringList{QStringLiteral("B\u00e4ume"), "Autos"};
    QTest::newRow("two onto one") << QList<QByteArray>{"A", "B"} << QStringList{"C", "C"};
    QTest::newRow("unchanged") << QList<QByteArray>{"A", "B"} << QStringList{"A", "B"};
  }
  void SaveWritesWhatTheCoreWrites() {
    QFETCH(QList<QByteArray>, categories);
    QFETCH(QStringList, newTexts);
    TMainform& form = *mFixture->Form;
    QString file;
    if (!categories.isEmpty()) {
      file = WriteLibrary(mFixture->Dir.path(), "in.zbl", LibraryWithCategories(categories));
      mFixture->Load(file);
    }
    std::vector<std::u16string> oldCats, newCats;
    for (int row = 0; row < newTexts.size(); ++row) {
      SetRowText(Controls(form).lb_NewCats, row, newTexts[row]);
      oldCats.push_back(RowText(Controls(form).lb_Cats, row).toStdU16String());
      newCats.push_back(newTexts[row].toStdU16String());
    }
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    // With nothing loaded, the save asks first.
    mFixture->Dialogs->QuestionAnswers.push_back(true);
    Controls(form).Button2->click();
    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{categories.isEmpty() ? 1U : 0U});
    const QByteArray written = ReadFile(out);
    if (categories.isEmpty()) {
      QCOMPARE(written.size(), 24);
      QCOMPARE(written.mid(0, 7), QByteArray("\x06ZmbLib"));
    } else {
      QCOMPARE(written, ExpectedSave(file, oldCats, newCats));
    }
  }

  void FailedSaveSaysWhyAndKeepsTheFile_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("words");
    // The system's reasons in the words of the locale the application runs in.
    const auto reason = [](int aError) { return QString::fromLocal8Bit(std::strerror(aError)); };
    QTest::newRow("missing folder") << "absent/out.zbl"
                                    << "" << reason(ENOENT);
    QTest::newRow("folder in the way") << "folder.zbl"
                                       << "" << reason(EISDIR);
    QTest::newRow("sync fails") << "out.zbl"
                                << "sync" << reason(EIO);
    QTest::newRow("memory runs out") << "out.zbl"
                                     << "memory"
                                     << "not enough memory";
  }
  void FailedSaveSaysWhyAndKeepsTheFile() {
    QFETCH(QString, target);
    QFETCH(QString, failure);
    QFETCH(QString, words);
    const TFileSystemCalls system = fileSystemCalls();
    if (failure == "sync")
      fileSystemCalls().Sync = [](int) {
        errno = EIO;
        return -1;
      };
    if (failure == "memory")
      fileSystemCalls().Write = [](int, const void*, std::size_t) -> ssize_t {
        throw std::bad_alloc();
      };
    const auto restore = qScopeGuard([&] { fileSystemCalls() = system; });
    TMainform& form = *mFixture->Form;
    QVERIFY(QDir(mFixture->Dir.path()).mkdir("folder.zbl"));
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A"})));
    TProgressform progress;
    form.SetProgressform(&progress);
    const QString out = QDir(mFixture->Dir.path()).filePath(target);
    mFixture->Dialogs->Answers.push_back(out);
    Controls(form).Button2->click();
    form.SetProgressform(nullptr);
    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
    const TFakeDialogs::TMessage& message = mFixture->Dialogs->Messages.front();
    QCOMPARE(message.Kind, QStringLiteral("critical"));
    QVERIFY2(message.Text.contains(out), qPrintable(message.Text));
    QVERIFY2(message.Text.contains(words), qPrintable(message.Text));
    QVERIFY(!progress.isVisible());
    QVERIFY(!form.IsSaving());
    QVERIFY(!QFileInfo(out).isFile());
    QCOMPARE(QFileInfo(QDir(mFixture->Dir.path()).filePath("folder.zbl")).isDir(), true);
  }

  void SaveCannotBeDisturbed() {
    TMainform& form = *mFixture->Form;
    const QString in =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B", "C"}));
    mFixture->Load(in);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    TProgressform progress;
    form.SetProgressform(&progress);

    bool disturbed = false;
    std::size_t dialogsDuring = 0;
    bool editorDuring = true;
    bool engineDuring = false;
    bool visibleDuring = false;
    connect(progress.ProgressBar1, &QProgressBar::valueChanged, this, [&](int aValue) {
      if (aValue != 1 || disturbed) return;
      disturbed = true;
      // Queued, so the clicks arrive through the save's own event pumping.
      QMetaObject::invokeMethod(
          this,
          [&] {
            const std::size_t before = mFixture->Dialogs->Asked.size();
            mFixture->Dialogs->Answers.push_back(in);
            Controls(form).Button1->click();
            Controls(form).Button2->click();
            SetCurrentRow(Controls(form).lb_NewCats, 0);
            QTest::mouseDClick(Controls(form).lb_NewCats->viewport(), Qt::LeftButton, {},
                               RowCentre(Controls(form).lb_NewCats, 0));
            form.close();
            dialogsDuring = mFixture->Dialogs->Asked.size() - before;
            editorDuring = form.OpenEditor() != nullptr;
            engineDuring = VectorEngine != nullptr;
            visibleDuring = form.isVisible();
          },
          Qt::QueuedConnection);
    });
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    Controls(form).Button2->click();
    form.SetProgressform(nullptr);

    QVERIFY(disturbed);
    QCOMPARE(dialogsDuring, std::size_t{0});
    QVERIFY(!editorDuring);
    QVERIFY(engineDuring);
    QVERIFY(visibleDuring);
    QCOMPARE(ReadFile(out), ExpectedSave(in, {u"A", u"B", u"C"}, {u"A", u"B", u"C"}));
    // The close asked for during the save happens once it has ended.
    QVERIFY(!form.isVisible());
    QCOMPARE(VectorEngine, nullptr);
  }

  void FailedLoadKeepsTheLibraryAndItsEdits() {
    TMainform& form = *mFixture->Form;
    const QString in =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B"}));
    mFixture->Load(in);
    const TVectorEngine* engine = VectorEngine;
    Edit(form, 1, "Bee");
    mFixture->Load(QDir(mFixture->Dir.path()).filePath("absent.zbl"));
    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});  // the warning alone
    QCOMPARE(VectorEngine, engine);
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), (QStringList{"A", "Bee"}));
    QVERIFY(form.isWindowModified());
    QCOMPARE(form.Document().UndoStack()->count(), 1);
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    Controls(form).Button2->click();
    QCOMPARE(ReadFile(out), ExpectedSave(in, {u"A", u"B"}, {u"A", u"Bee"}));
  }

  // Steps: "row=text" commits an edit; "undo", "redo" and "save" do that.
  void RowMarksAndTitleFollowTheEdits_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("changed");
    QTest::addColumn<bool>("modified");
    QTest::newRow("one edit") << QStringList{"1=Autos"} << QList<int>{1} << true;
    QTest::newRow("edited back") << QStringList{"1=Autos", "1=Cars"} << QList<int>{} << false;
    QTest::newRow("two rows") << QStringList{"0=B\u00e4ume", "2=Wege"} << QList<int>{0, 2} << true;
    QTest::newRow("undone") << QStringList{"1=Autos", "undo"} << QList<int>{} << false;
    QTest::newRow("redone") << QStringList{"1=Autos", "undo", "redo"} << QList<int>{1} << true;
    QTest::newRow("saved") << QStringList{"1=Autos", "save"} << QList<int>{1} << false;
    QTest::newRow("undo after save")
        << QStringList{"1=Autos", "save", "undo"} << QList<int>{} << true;
  }
  void RowMarksAndTitleFollowTheEdits() {
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, changed);
    QFETCH(bool, modified);
    TMainform& form = *mFixture->Form;
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "trees.zbl",
                                LibraryWithCategories({"Trees", "Cars", "Roads"})));
    for (const QString& step : steps) {
      if (step == "undo") form.Document().UndoStack()->undo();
      if (step == "redo") form.Document().UndoStack()->redo();
      if (step == "save") {
        mFixture->Dialogs->Answers.push_back(QDir(mFixture->Dir.path()).filePath("out.zbl"));
        Controls(form).Button2->click();
      }
      if (step.contains('=')) Edit(form, step.section('=', 0, 0).toInt(), step.section('=', 1));
    }
    for (int row = 0; row < RowCount(Controls(form).lb_NewCats); ++row)
      QCOMPARE(NewRowData(form, row, Qt::FontRole).value<QFont>().bold(), changed.contains(row));
    QCOMPARE(form.isWindowModified(), modified);
    const QString status = Controls(form).Label3->text();
    // The status names the file loaded or last saved.
    const QString file = steps.contains("save") ? "out.zbl" : "trees.zbl";
    QVERIFY2(status.contains(file) && status.contains("3 items") &&
                 status.contains(QStringLiteral("%1 changed").arg(changed.size())),
             qPrintable(status));
    VerifyWholeTextInsideWindow(*Controls(form).Label3);
  }

  void UnsavedEditsAskFirst_data() {
    QTest::addColumn<bool>("closing");
    QTest::addColumn<TUnsavedAnswer>("answer");
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<bool>("goesOn");
    using A = TUnsavedAnswer;
    for (const bool closing : {true, false}) {
      const char* what = closing ? "close" : "load";
      QTest::addRow("%s: Discard", what) << closing << A::Discard << false << true;
      QTest::addRow("%s: Cancel", what) << closing << A::Cancel << false << false;
      QTest::addRow("%s: Save", what) << closing << A::Save << true << true;
      QTest::addRow("%s: Save cancelled", what) << closing << A::Save << false << false;
    }
  }
  void UnsavedEditsAskFirst() {
    QFETCH(bool, closing);
    QFETCH(TUnsavedAnswer, answer);
    QFETCH(bool, fileChosen);
    QFETCH(bool, goesOn);
    TMainform& form = *mFixture->Form;
    const QString in =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B"}));
    mFixture->Load(in);
    form.show();
    Edit(form, 0, "Ah");
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->UnsavedAnswers.push_back(answer);
    if (!closing)
      mFixture->Dialogs->Answers.push_back(
          WriteLibrary(mFixture->Dir.path(), "b.zbl", LibraryWithCategories({"N"})));
    mFixture->Dialogs->Answers.push_back(fileChosen ? out : QString());
    if (closing)
      form.close();
    else
      Controls(form).Button1->click();

    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
    QCOMPARE(mFixture->Dialogs->Messages.front().Kind, QStringLiteral("unsaved"));
    QCOMPARE(QFileInfo::exists(out), fileChosen);
    if (fileChosen) QCOMPARE(ReadFile(out), ExpectedSave(in, {u"A", u"B"}, {u"Ah", u"B"}));
    if (closing) {
      QCOMPARE(form.isVisible(), !goesOn);
      QCOMPARE(VectorEngine == nullptr, goesOn);
    } else if (goesOn) {
      QCOMPARE(RowTexts(Controls(form).lb_NewCats), QStringList{"N"});
      QVERIFY(!form.isWindowModified());
    }
    if (!goesOn) {
      QCOMPARE(RowTexts(Controls(form).lb_Cats), (QStringList{"A", "B"}));
      QCOMPARE(RowTexts(Controls(form).lb_NewCats), (QStringList{"Ah", "B"}));
      QVERIFY(form.isWindowModified());
      QCOMPARE(form.Document().UndoStack()->count(), 1);
    }
  }

  // Ways a translator's work was lost or a file damaged, each done as the
  // translator did it.
  void WorkIsKept_data() {
    QTest::addColumn<QString>("scenario");
    QTest::newRow("save under another name: the status and the next dialog name it") << "save as";
    QTest::newRow("close while editing: the text is kept and one close closes") << "close";
    QTest::newRow("right-click while editing: the text is kept and the menu opens")
        << "right-click";
    QTest::newRow("Save with nothing loaded over a library: asked, No keeps the file")
        << "empty save";
  }
  void WorkIsKept() {
    QFETCH(QString, scenario);
    TMainform& form = *mFixture->Form;
    const TControls ui(form);
    TFakeDialogs& dialogs = *mFixture->Dialogs;
    const QString in =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B", "C", "D"}));
    const QByteArray original = ReadFile(in);
    if (scenario == "empty save") {
      dialogs.Answers.push_back(in);
      ui.Button2->click();
      QCOMPARE(dialogs.Messages.size(), std::size_t{1});
      QCOMPARE(dialogs.Messages.front().Text,
               QStringLiteral("No library is loaded. Save an empty library with no items?"));
      QVERIFY(dialogs.Asked.empty());
      QCOMPARE(ReadFile(in), original);
      return;
    }
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    mFixture->Load(in);
    if (scenario == "save as") {
      Edit(form, 1, "Bee");
      const QString other = QDir(mFixture->Dir.path()).filePath("b.zbl");
      dialogs.Answers.push_back(other);
      ui.Button2->click();
      QVERIFY2(ui.Label3->text().startsWith("b.zbl"), qPrintable(ui.Label3->text()));
      ui.Button2->click();  // cancelled
      QCOMPARE(dialogs.Asked.back().FileName, QStringLiteral("b.zbl"));
      QCOMPARE(ReadFile(in), original);
      return;
    }
    SetCurrentRow(ui.lb_NewCats, 1);
    QTest::keyClick(ui.lb_NewCats, Qt::Key_F2);
    QVERIFY(form.OpenEditor());
    QTest::keyClicks(form.OpenEditor(), "Bee");
    if (scenario == "close") {
      dialogs.UnsavedAnswers.push_back(TUnsavedAnswer::Discard);
      QVERIFY(form.close());
      QCOMPARE(dialogs.Messages.size(), std::size_t{1});
      QVERIFY2(dialogs.Messages.front().Text.startsWith("One of the new categories"),
               qPrintable(dialogs.Messages.front().Text));
      QVERIFY(!form.isVisible());
      return;
    }
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                      ui.lb_Cats->viewport()->mapTo(&form, RowCentre(ui.lb_Cats, 3)));
    QCOMPARE(RowText(ui.lb_NewCats, 1), QStringLiteral("Bee"));
    QCOMPARE(form.OpenEditor(), nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    menu->close();
  }

  // With edits pending, the question comes before the library is read: what
  // loads is the file as it is once the question is answered.
  void UnsavedEditsAreAskedAboutBeforeTheRead() {
    TMainform& form = *mFixture->Form;
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A"})));
    Edit(form, 0, "Ah");
    const QString next =
        WriteLibrary(mFixture->Dir.path(), "b.zbl", LibraryWithCategories({"Before"}));
    mFixture->Dialogs->WhileUnsavedAsked = [&] {
      WriteLibrary(mFixture->Dir.path(), "b.zbl", LibraryWithCategories({"After", "Question"}));
    };
    mFixture->Dialogs->UnsavedAnswers.push_back(TUnsavedAnswer::Discard);
    mFixture->Load(next);
    QCOMPARE(RowTexts(Controls(form).lb_Cats), (QStringList{"After", "Question"}));
  }

  // Keys desktop programs have: quitting closes as the close button does,
  // and Shift+F10 opens the lists' menu as the Menu key does.
  void DesktopKeysWork_data() {
    QTest::addColumn<bool>("quit");
    QTest::newRow("Ctrl+Q asks about unsaved edits; Cancel keeps the window") << true;
    QTest::newRow("Shift+F10 opens the lists' menu") << false;
  }
  void DesktopKeysWork() {
    QFETCH(bool, quit);
    TMainform& form = *mFixture->Form;
    QVERIFY(mFixture->LoadRows(3));
    Edit(form, 1, "Changed");
    if (quit) {
      QTest::keyClick(Controls(form).lb_NewCats, Qt::Key_Q, Qt::ControlModifier);
      QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
      QCOMPARE(mFixture->Dialogs->Messages.front().Kind, QStringLiteral("unsaved"));
      QVERIFY(form.isVisible());
      return;
    }
    QTest::keyClick(Controls(form).lb_Cats, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    menu->close();
  }

  void ClosingReleasesTheEngine() {
    TMainform& form = *mFixture->Form;
    QVERIFY(VectorEngine != nullptr);
    form.show();
    QVERIFY(form.close());
    QCOMPARE(VectorEngine, nullptr);
    Controls(form).Button1->click();  // a closed window has no engine to load into
    QVERIFY(mFixture->Dialogs->Asked.empty());
  }

 private:
  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(MainformTest)
#include "MainformTest.moc"
