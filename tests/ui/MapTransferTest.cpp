// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <algorithm>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QUndoStack>

#include "LoaderSaver.h"
#include "MapApply.h"
#include "MapIo.h"
#include "SaveMessages.h"
#include "TestLibraries.h"

namespace {

const QByteArray kPoHeader =
    "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";

}  // namespace

class MapTransferTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->Dir.isValid());
  }
  void cleanup() { mFixture.reset(); }

  void EntriesWaitForALibrary() {
    TMainform& form = *mFixture->Form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(mFixture->Dialogs->Asked.empty());
    QVERIFY(!Action(form, "ExportMapAction")->isEnabled() &&
            !Action(form, "ImportMapAction")->isEnabled());
    LoadCarsTreesBoats();
    QTest::keyClick(&form, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(mFixture->Dialogs->Asked.back().Filter.startsWith("Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)"));
    QCOMPARE(mFixture->Dialogs->Asked.back().Directory, mFixture->Dir.path());
    // In the editor too, which keeps its text first.
    QTest::keyClick(Controls(form).lb_NewCats, Qt::Key_F2);
    QVERIFY(form.OpenEditor());
    QTest::keyClicks(form.OpenEditor(), "Autos");
    QTest::keyClick(form.OpenEditor(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(mFixture->Dialogs->Asked.back().Mode, TFileDialogSetup::TMode::Save);
    QCOMPARE(RowText(Controls(form).lb_NewCats, 0), QStringLiteral("Autos"));
  }

  void ExportReadsBackAsTheLists_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("gettext") << QStringLiteral("a.po");
    QTest::newRow("tab-separated") << QStringLiteral("a.tsv");
  }
  void ExportReadsBackAsTheLists() {
    QFETCH(QString, name);
    TMainform& form = *mFixture->Form;
    LoadCarsTreesBoats();
    Edit(form, 1, QStringLiteral("B\u00e4ume \"alt\"\tneu"));
    const QString file = QDir(mFixture->Dir.path()).filePath(name);
    mFixture->Dialogs->Answers.push_back(file);
    Action(form, "ExportMapAction")->trigger();

    QCOMPARE(mFixture->Dialogs->Asked.back().FileName, QStringLiteral("cars.po"));
    const TMapRead read = readMap(QFile::encodeName(file).toStdString());
    QVERIFY(!read.Refusal);
    TCategoryMap map = form.Document().Model()->CategoryMap();
    map.NewCats = map.OldCats;
    QVERIFY(applyMap(read.Lines, map).empty());
    QCOMPARE(map.NewCats, form.Document().Model()->CategoryMap().NewCats);
  }

  void ExportFailureIsReported() {
    LoadCarsTreesBoats();
    mFixture->Dialogs->Answers.push_back(QDir(mFixture->Dir.path()).filePath("no/a.tsv"));
    Action(*mFixture->Form, "ExportMapAction")->trigger();
    QCOMPARE(mFixture->Dialogs->Messages.at(0).Kind, QStringLiteral("critical"));
  }

  // Not even over the library loaded, whatever the name the dialog gives.
  void ExportNeverReplacesALibrary() {
    LoadCarsTreesBoats();
    const QString library = mFixture->Form->Document().File();
    const QByteArray before = ReadFile(library);
    mFixture->Dialogs->Answers.push_back(library);
    Action(*mFixture->Form, "ExportMapAction")->trigger();
    QCOMPARE(mFixture->Dialogs->Messages.at(0).Text, MapOverLibraryText(library));
    QCOMPARE(ReadFile(library), before);
  }

  // A catalogue cannot hold an EOT; the export says which category holds
  // one and leaves the file as it was.
  void ExportToACatalogueRefusesAnEot() {
    mFixture->Form->ChooseCodePage(TCodePage::Western);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "cars.zbl",
                                LibraryWithCategories({"Cars",
                                                       "Tr\x04"
                                                       "ees"})));
    const QString file = QDir(mFixture->Dir.path()).filePath("a.po");
    QFile before(file);
    QVERIFY(before.open(QIODevice::WriteOnly) && before.write("previous") == 8);
    before.close();
    mFixture->Dialogs->Answers.push_back(file);
    Action(*mFixture->Form, "ExportMapAction")->trigger();
    QCOMPARE(mFixture->Dialogs->Messages.at(0).Kind, QStringLiteral("critical"));
    QVERIFY2(LastMessage().contains("the category \"Tr\\x04ees\" holds an EOT"),
             qPrintable(LastMessage()));
    QVERIFY2(LastMessage().endsWith("The file was left as it was."), qPrintable(LastMessage()));
    QVERIFY(before.open(QIODevice::ReadOnly));
    QCOMPARE(before.readAll(), QByteArray("previous"));
  }

  void ImportAppliesExactMatches_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("warned");
    QTest::addColumn<QString>("message");
    QTest::newRow("tab-separated, letter case counts")
        << "m.tsv" << QByteArray("Cars\tAutos\ntrees\tB\xc3\xa4ume\nShips\tSchiffe\nBoats\tBoote\n")
        << QStringList{"Autos", "Trees", "Boote"} << QList<int>{}
        << "The map \"m.tsv\" changed 2 categories. 2 of its entries are not categories of this "
           "library: \"trees\", \"Ships\".";
    QByteArray twelve = "Cars\tAutos\n";
    for (int i = 1; i <= 12; ++i) twelve += "Entry " + QByteArray::number(i) + "\tx\n";
    QTest::newRow("the first ten entries that are no category named")
        << "m.tsv" << twelve << QStringList{"Autos", "Trees", "Boats"} << QList<int>{}
        << "The map \"m.tsv\" changed 1 category. 12 of its entries are not categories of this "
           "library: \"Entry 1\", \"Entry 2\", \"Entry 3\", \"Entry 4\", \"Entry 5\", \"Entry 6\", "
           "\"Entry 7\", \"Entry 8\", \"Entry 9\", \"Entry 10\", and 2 more.";
    QTest::newRow("gettext, fuzzy and untranslated entries")
        << "m.po"
        << kPoHeader +
               "msgid \"Cars\"\nmsgstr \"Autos\"\n\n#, fuzzy\nmsgid \"Trees\"\nmsgstr "
               "\"B\xc3\xa4ume\"\n\nmsgid \"Boats\"\nmsgstr \"\"\n"
        << QStringList{"Autos", "Trees", "Boats"} << QList<int>{}
        << "The map \"m.po\" changed 1 category. 1 entry marked fuzzy was not applied.";
    QTest::newRow("gettext, plural and NUL escape entries named with their lines")
        << "m.po"
        << kPoHeader +
               "msgid \"Cars\"\nmsgstr \"Autos\"\n\nmsgid \"Trees\"\nmsgid_plural \"T\"\n"
               "msgstr[0] \"B\"\n\nmsgid \"Boats\"\nmsgstr \"Bo\\0ote\"\n"
        << QStringList{"Autos", "Trees", "Boats"} << QList<int>{}
        << "The map \"m.po\" changed 1 category. Not applied: line 7, the plural entry \"Trees\" "
           "(a category has no plural forms); line 11, the entry \"Boats\" (it holds a NUL "
           "escape, which ends a text in a catalogue).";
    QTest::newRow("XLIFF, a unit without a target and one with inline codes named")
        << "m.xlf"
        << QByteArray("<?xml version=\"1.0\"?>\n"
                      "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\">\n"
                      "<file original=\"cars.zbl\" source-language=\"en\" datatype=\"plaintext\">"
                      "<body>\n<trans-unit id=\"1\"><source>Cars</source>"
                      "<target>Autos</target></trans-unit>\n"
                      "<trans-unit id=\"2\"><source>Trees</source></trans-unit>\n"
                      "<trans-unit id=\"3\"><source>Boats</source><target>B<ph id=\"1\">x</ph>"
                      "</target></trans-unit>\n</body></file></xliff>\n")
        << QStringList{"Autos", "Trees", "Boats"} << QList<int>{}
        << "The map \"m.xlf\" changed 1 category. Not applied: line 5, the unit \"Trees\" (it "
           "has no target text); line 6, the unit \"Boats\" (it holds inline codes, formatting of "
           "another kind of document, which a category cannot carry).";
    QTest::newRow("text not stored as given is marked")
        << "m.tsv" << QByteArray("Boats\tGda\xc5\x84sk\nTrees\tTrees\n")
        << QStringList{"Cars", "Trees", "Gda\u0144sk"} << QList<int>{2}
        << "The map \"m.tsv\" changed 1 category.";
  }
  void ImportAppliesExactMatches() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, warned);
    QFETCH(QString, message);
    TMainform& form = *mFixture->Form;
    LoadCarsTreesBoats();
    Import(name, contents);

    QCOMPARE(RowTexts(Controls(form).lb_NewCats), rows);
    QCOMPARE(LastMessage(), message);
    QVERIFY(form.isWindowModified());
    for (int row = 0; row < rows.size(); ++row) {
      QCOMPARE(NewRowData(form, row, Qt::FontRole).value<QFont>().bold(),
               rows[row] != RowText(Controls(form).lb_Cats, row));
      QCOMPARE(NewRowData(form, row, Qt::DecorationRole).isValid(), warned.contains(row));
    }
    // One step of the history, which undo and redo take whole.
    form.Document().UndoStack()->undo();
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), (QStringList{"Cars", "Trees", "Boats"}));
    form.Document().UndoStack()->redo();
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), rows);
  }

  void RefusedImportChangesNothing_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("why");
    QTest::newRow("empty new text")
        << QByteArray("Cars\tAutos\nTrees\t\n") << "/m.tsv:2: Sorry - There is an empty category!";
    QTest::newRow("another library's map")
        << QByteArray("Ships\tSchiffe\nPlanes\tFlugzeuge\n")
        << "None of the 2 entries of \"m.tsv\" is a category of \"cars.zbl\".";
  }
  // A map made while the library was read in another code page names no
  // category here; the message says in which code page it would.
  void ImportNamesTheCodePageTheMapWasMadeIn() {
    mFixture->Form->ChooseCodePage(TCodePage::Western);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl",
                                LibraryWithCategories({"B\xe4ume", "\xc4\xee\xec"})));
    Import("m.tsv", QByteArray("B\xd0\xb4ume\tB\xc3\xa4ume\n\xd0\x94\xd0\xbe\xd0\xbc\tHaus\n"));
    QCOMPARE(mFixture->Dialogs->Messages.back().Kind, QStringLiteral("warning"));
    QVERIFY2(LastMessage().contains("Cyrillic (Windows-1251)"), qPrintable(LastMessage()));
  }

  void RefusedImportChangesNothing() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, why);
    TMainform& form = *mFixture->Form;
    LoadCarsTreesBoats();
    Import("m.tsv", contents);
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), (QStringList{"Cars", "Trees", "Boats"}));
    QCOMPARE(form.Document().UndoStack()->count(), 0);
    QCOMPARE(mFixture->Dialogs->Messages.size(), std::size_t{1});
    QVERIFY2(LastMessage().contains(why), qPrintable(LastMessage()));
  }

  void TmxAndXliffExportsAskTheLanguagesOnce() {
    TMainform& form = *mFixture->Form;
    LoadCarsTreesBoats();
    Edit(form, 1, QStringLiteral("Drzewa"));
    const QDir dir(mFixture->Dir.path());
    TFakeDialogs& dialogs = *mFixture->Dialogs;
    // Cancelled, nothing is written.
    dialogs.Answers.push_back(dir.filePath("a.xlf"));
    dialogs.LanguageAnswers.push_back(std::nullopt);
    Action(form, "ExportMapAction")->trigger();
    QVERIFY(!QFile::exists(dir.filePath("a.xlf")));
    dialogs.Answers.push_back(dir.filePath("a.xlf"));
    dialogs.LanguageAnswers.push_back(TLanguagePair{"en", "pl-PL"});
    Action(form, "ExportMapAction")->trigger();
    QVERIFY(ReadFile(dir.filePath("a.xlf")).contains("target-language=\"pl-PL\""));
    // The next export offers the last choice first.
    dialogs.Answers.push_back(dir.filePath("a.tmx"));
    Action(form, "ExportMapAction")->trigger();
    QCOMPARE(dialogs.LanguagesOffered, (TLanguagePair{"en", "pl-PL"}));
    for (const char* name : {"a.xlf", "a.tmx"}) {
      const TMapRead read = readMap(QFile::encodeName(dir.filePath(name)).toStdString());
      QVERIFY(!read.Refusal);
      TCategoryMap map = form.Document().Model()->CategoryMap();
      map.NewCats = map.OldCats;
      applyMap(read.Lines, map);
      QCOMPARE(map.NewCats, form.Document().Model()->CategoryMap().NewCats);
    }
  }

  void ATmxOfThreeLanguagesAsksWhichToImport() {
    LoadCarsTreesBoats();
    mFixture->Dialogs->LanguageAnswers.push_back(TLanguagePair{"en", "pl"});
    Import("three.tmx",
           "<?xml version=\"1.0\"?><tmx version=\"1.4\"><header srclang=\"en\" "
           "segtype=\"phrase\" datatype=\"plaintext\" adminlang=\"en\" o-tmf=\"x\" "
           "creationtool=\"x\" creationtoolversion=\"1\"/><body><tu>"
           "<tuv xml:lang=\"en\"><seg>Trees</seg></tuv><tuv xml:lang=\"de\"><seg>B\xC3\xA4ume</seg>"
           "</tuv><tuv xml:lang=\"pl\"><seg>Drzewa</seg></tuv></tu></body></tmx>");
    const auto asked = std::find_if(mFixture->Dialogs->Messages.begin(),
                                    mFixture->Dialogs->Messages.end(),
                                    [](const auto& aMessage) { return aMessage.Kind == "languages"; });
    QVERIFY(asked != mFixture->Dialogs->Messages.end());
    QVERIFY(asked->Text.endsWith("\nen\nde\npl"));
    QCOMPARE(RowText(Controls(*mFixture->Form).lb_NewCats, 1), QStringLiteral("Drzewa"));
  }

 private:
  void LoadCarsTreesBoats() {
    mFixture->Form->ChooseCodePage(TCodePage::Western);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "cars.zbl",
                                LibraryWithCategories({"Cars", "Trees", "Boats"})));
  }
  void Import(const QString& aName, const QByteArray& aContents) {
    const QString file = QDir(mFixture->Dir.path()).filePath(aName);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(aContents) == aContents.size());
    out.close();
    mFixture->Dialogs->Answers.push_back(file);
    Action(*mFixture->Form, "ImportMapAction")->trigger();
  }
  QString LastMessage() const {
    return mFixture->Dialogs->Messages.empty() ? QString()
                                               : mFixture->Dialogs->Messages.back().Text;
  }

  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(MapTransferTest)
#include "MapTransferTest.moc"
