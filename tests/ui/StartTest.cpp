// SPDX-License-Identifier: GPL-3.0-or-later
// How the window program starts: its arguments, and a library named on the
// command line or dropped on the window.
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "ChildProcess.h"
#include "StartArguments.h"
#include "TempDir.h"
#include "TestLibraries.h"

using TKind = TStartArguments::TKind;
Q_DECLARE_METATYPE(TKind)

class StartTest : public QObject {
  Q_OBJECT

 private slots:
  void ArgumentsAreRead_data() {
    QTest::addColumn<QList<QByteArray>>("args");
    QTest::addColumn<TKind>("kind");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("none") << QList<QByteArray>{} << TKind::Plain << QByteArray();
    QTest::newRow("a library") << QList<QByteArray>{"a.zbl"} << TKind::OpenFile
                               << QByteArray("a.zbl");
    QTest::newRow("bytes that are not UTF-8")
        << QList<QByteArray>{"dir/in\xff.zbl"} << TKind::OpenFile << QByteArray("dir/in\xff.zbl");
    QTest::newRow("two files") << QList<QByteArray>{"a.zbl", "b.zbl"} << TKind::Usage
                               << QByteArray();
    QTest::newRow("help") << QList<QByteArray>{"--help"} << TKind::Help << QByteArray();
    QTest::newRow("help, short") << QList<QByteArray>{"-h"} << TKind::Help << QByteArray();
    QTest::newRow("version") << QList<QByteArray>{"--version"} << TKind::Version << QByteArray();
    QTest::newRow("help beside a file")
        << QList<QByteArray>{"--help", "a.zbl"} << TKind::Usage << QByteArray();
    QTest::newRow("another option")
        << QList<QByteArray>{"--verbose"} << TKind::Usage << QByteArray();
    QTest::newRow("standard input") << QList<QByteArray>{"-"} << TKind::Usage << QByteArray();
    QTest::newRow("empty name") << QList<QByteArray>{""} << TKind::Usage << QByteArray();
  }
  void ArgumentsAreRead() {
    QFETCH(QList<QByteArray>, args);
    QFETCH(TKind, kind);
    QFETCH(QByteArray, file);
    std::vector<const char*> argv{"zbl-translator"};
    for (const QByteArray& arg : args) argv.push_back(arg.constData());
    const TStartArguments parsed = ParseStartArguments(static_cast<int>(argv.size()), argv.data());
    QCOMPARE(parsed.Kind, kind);
    QCOMPARE(parsed.File, file);
  }

  // As zbl does: help and the version on standard output, and success.
  void ProgramAnswersHelpAndVersion_data() {
    QTest::addColumn<QByteArray>("option");
    QTest::addColumn<QByteArray>("starts");
    QTest::newRow("--help") << QByteArray("--help") << QByteArray(StartUsageText());
    QTest::newRow("-h") << QByteArray("-h") << QByteArray(StartUsageText());
    QTest::newRow("--version") << QByteArray("--version")
                               << QByteArray("zbl-translator " ZBL_VERSION "\n");
  }
  void ProgramAnswersHelpAndVersion() {
    QFETCH(QByteArray, option);
    QFETCH(QByteArray, starts);
    const TChildResult program = runProgram(ZBL_APP_PROGRAM, {option.toStdString()});
    QCOMPARE(program.ExitCode, 0);
    QVERIFY2(QByteArray::fromStdString(program.Out).startsWith(starts), program.Out.c_str());
    // An answer that cannot be written is no success.
    const TChildResult full = runProgram(
        "/bin/sh", {"-c", std::string("exec ") + ZBL_APP_PROGRAM + " " + option.toStdString() +
                              " > /dev/full"});
    QCOMPARE(full.ExitCode, 1);
    QCOMPARE(full.Err, std::string("zbl-translator: standard output: cannot write\n"));
  }

  void ProgramRefusesOtherArguments() {
    const TChildResult program = runProgram(ZBL_APP_PROGRAM, {"one.zbl", "two.zbl"});
    QCOMPARE(program.ExitCode, 2);
    // Qt itself may warn first (a missing runtime directory, say).
    const QByteArray err = QByteArray::fromStdString(program.Err);
    QVERIFY2(err.endsWith(StartUsageText()), err.constData());
    QVERIFY2(program.Out.empty(), program.Out.c_str());
  }

  // The name's bytes reach the file system as given, UTF-8 or not.
  void NamedLibraryLoadsAsIfPicked() {
    // A std::filesystem directory: Qt could not remove a name that is not UTF-8.
    const TTempDir dir;
    const std::string named = dir.File("in\xff.zbl");
    std::filesystem::copy_file(ZBL_EXAMPLES_DIR "/sample.zbl", named);
    TMainformFixture fixture;
    fixture.Form->OpenLibrary(QByteArray::fromStdString(named));
    QCOMPARE(RowCount(Controls(*fixture.Form).lb_Cats), 6);
    QCOMPARE(RowTexts(Controls(*fixture.Form).lb_NewCats),
             RowTexts(Controls(*fixture.Form).lb_Cats));
    QVERIFY(fixture.Dialogs->Messages.empty());
  }

  // A library dropped is loaded and a map imported; anything else dropped
  // is answered with what the window takes.
  void DropsAreTakenOrAnswered_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("libraryFirst");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("said");  // what the message says, empty for none
    const QString dir = QDir(mDir.path()).absolutePath();
    const QUrl library = QUrl::fromLocalFile(
        WriteLibrary(dir, QStringLiteral("dropped.ZBL"), LibraryWithCategories({"Dropped"})));
    QFile map(dir + QStringLiteral("/map.tsv"));
    QVERIFY(map.open(QIODevice::WriteOnly) && map.write("Cars\tAutos\n") > 0);
    map.close();
    const QUrl mapUrl = QUrl::fromLocalFile(map.fileName());
    const QUrl other = QUrl::fromLocalFile(dir + QStringLiteral("/notes.odt"));
    QTest::newRow("one library") << QList<QUrl>{library} << false << QStringList{"Dropped"}
                                 << QString();
    QTest::newRow("a map, with a library loaded")
        << QList<QUrl>{mapUrl} << true << QStringList{"Autos"} << "changed 1 category";
    QTest::newRow("a map, with none loaded")
        << QList<QUrl>{mapUrl} << false << QStringList{} << ".zbl";
    QTest::newRow("two files") << QList<QUrl>{library, library} << true << QStringList{"Cars"}
                               << ".zbl";
    QTest::newRow("another kind of file")
        << QList<QUrl>{other} << true << QStringList{"Cars"} << ".zbl";
    QTest::newRow("not a local file")
        << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.zbl"))} << false << QStringList{}
        << ".zbl";
  }
  void DropsAreTakenOrAnswered() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, libraryFirst);
    QFETCH(QStringList, rows);
    QFETCH(QString, said);
    TMainformFixture fixture;
    TMainform& form = *fixture.Form;
    if (libraryFirst)
      fixture.Load(WriteLibrary(fixture.Dir.path(), "cars.zbl", LibraryWithCategories({"Cars"})));
    fixture.Dialogs->Messages.clear();
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = form.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    QCOMPARE(RowTexts(Controls(form).lb_NewCats), rows);
    QCOMPARE(fixture.Dialogs->Messages.size(), std::size_t{said.isEmpty() ? 0U : 1U});
    if (!said.isEmpty())
      QVERIFY2(fixture.Dialogs->Messages.front().Text.contains(said),
               qPrintable(fixture.Dialogs->Messages.front().Text));
  }

  // The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG as desktop
  // programs do; Qt's own buttons follow with it.
  void ButtonsSpeakTheDesktopsLanguage_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("shown");
    const QByteArray english = "Load Library\nSave Library\nCancel\n";
    const QByteArray german = "Bibliothek laden\nBibliothek speichern\nAbbrechen\n";
    const QByteArray polish = "Wczytaj bibliotek\u0119\nZapisz bibliotek\u0119\nAnuluj\n";
    QTest::newRow("LANGUAGE=de") << QStringList{"LANGUAGE=de", "LANG=en_US.UTF-8"} << german;
    QTest::newRow("LC_ALL=C") << QStringList{"LC_ALL=C"} << english;
    QTest::newRow("LC_ALL=C over LANGUAGE")
        << QStringList{"LANGUAGE=de", "LC_ALL=C", "LANG=pl_PL.UTF-8"} << english;
    QTest::newRow("first of LANGUAGE with a translation")
        << QStringList{"LANGUAGE=eo:pl:de", "LANG=en_US.UTF-8"} << polish;
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LC_ALL=de_AT.UTF-8", "LANG=pl_PL.UTF-8"} << german;
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList{"LC_MESSAGES=pl_PL.UTF-8", "LANG=de_DE.UTF-8"} << polish;
    QTest::newRow("a language with no translation") << QStringList{"LANG=ja_JP.UTF-8"} << english;
    QTest::newRow("nothing set") << QStringList{} << english;
  }
  void ButtonsSpeakTheDesktopsLanguage() {
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, shown);
    std::vector<std::string> args{"-i", "QT_QPA_PLATFORM=offscreen"};
    for (const QString& variable : environment) args.push_back(variable.toStdString());
    args.emplace_back(ZBL_SHOWN_TEXTS);
    const TChildResult program = runProgram("/usr/bin/env", args);
    QCOMPARE(program.ExitCode, 0);
    QCOMPARE(QByteArray::fromStdString(program.Out), shown);
  }

 private:
  QTemporaryDir mDir;
};

QTEST_MAIN(StartTest)
#include "StartTest.moc"
