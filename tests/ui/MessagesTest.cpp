// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the load and save messages that a window test cannot easily
// bring about: memory running out on load, a single trailing byte, and a
// save that fails with something other than a standard exception.
#include <QTest>
#include <exception>
#include <stdexcept>

#include "EditMessages.h"
#include "FileLayer.h"
#include "LoadMessages.h"
#include "SaveMessages.h"

Q_DECLARE_METATYPE(std::exception_ptr)

class MessagesTest : public QObject {
  Q_OBJECT

 private slots:
  // Each message names the file (escaped to one line) and the facts that
  // matter; the rest of the wording is free to change.
  void LoadWarningNamesWhatHappened_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<qulonglong>("trailing");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("facts");
    QTest::newRow("out of memory") << static_cast<int>(TLoadResult::TKind::OutOfMemory) << 0ULL
                                   << "/d/a.zbl" << QStringList{"\"/d/a.zbl\"", "memory"};
    QTest::newRow("name with control characters")
        << static_cast<int>(TLoadResult::TKind::NotALibrary) << 0ULL << "/d/two\nlines\x01.zbl"
        << QStringList{"\"/d/two\\nlines\\x01.zbl\""};
    QTest::newRow("one byte after the last item")
        << static_cast<int>(TLoadResult::TKind::Loaded) << 1ULL << "/d/a.zbl"
        << QStringList{"\"/d/a.zbl\"", "1 byte ", "2 items"};
    QTest::newRow("bytes after the last item")
        << static_cast<int>(TLoadResult::TKind::Loaded) << 4096ULL << "/d/a.zbl"
        << QStringList{"\"/d/a.zbl\"", "4096 bytes", "2 items"};
  }
  void LoadWarningNamesWhatHappened() {
    QFETCH(int, kind);
    QFETCH(qulonglong, trailing);
    QFETCH(QString, file);
    QFETCH(QStringList, facts);
    TLoadResult result;
    result.Kind = static_cast<TLoadResult::TKind>(kind);
    result.TrailingBytes = trailing;
    result.ItemsRead = result.ItemsDeclared = 2;
    const std::optional<QString> text = LoadWarningText(result, file);
    QVERIFY(text);
    QVERIFY2(!text->contains(QLatin1Char('\n')), qPrintable(*text));
    for (const QString& fact : facts) QVERIFY2(text->contains(fact), qPrintable(*text));
  }

  void SaveFailureInPlainWords_data() {
    QTest::addColumn<std::exception_ptr>("failure");
    QTest::addColumn<QStringList>("facts");
    QTest::addColumn<bool>("existed");
    QTest::newRow("memory") << std::make_exception_ptr(std::bad_alloc())
                            << QStringList{"\"/d/a.zbl\"", "memory", "left as it was"} << true;
    QTest::newRow("memory, no file there")
        << std::make_exception_ptr(std::bad_alloc())
        << QStringList{"\"/d/a.zbl\"", "memory", "Nothing was written"} << false;
    QTest::newRow("write naming a file with a newline")
        << std::make_exception_ptr(
               TFileError(TFileOperation::Write, "/d/two\nlines.zbl", "Disk full"))
        << QStringList{"\"/d/two\\nlines.zbl\"", "written", "Disk full", "left as it was"} << true;
    QTest::newRow("create")
        << std::make_exception_ptr(TFileError(TFileOperation::Create, "/d/b.zbl", "Is a directory"))
        << QStringList{"\"/d/b.zbl\"", "created", "Is a directory", "Nothing was written"} << false;
    QTest::newRow("descriptor of a process")
        << std::make_exception_ptr(
               TFileError(TFileOperation::Create, "/dev/stdout", TFileProblem::ProcessDescriptor))
        << QStringList{"\"/dev/stdout\"", "descriptor of a process, not a file",
                       "Nothing was written"}
        << false;
    QTest::newRow("replace leaving the temporary file")
        << std::make_exception_ptr(
               TFileError(TFileOperation::Replace, "/d/b.zbl", "Permission denied", "/d/.zbl-x\ty"))
        << QStringList{"\"/d/b.zbl\"", "old one's place", "Permission denied", "\"/d/.zbl-x\\ty\""}
        << true;
    QTest::newRow("not a standard exception")
        << std::make_exception_ptr(42) << QStringList{"\"/d/a.zbl\""} << true;
  }
  void SaveFailureInPlainWords() {
    QFETCH(std::exception_ptr, failure);
    QFETCH(QStringList, facts);
    QFETCH(bool, existed);
    const QString text = SaveFailureText(failure, QStringLiteral("/d/a.zbl"), existed);
    QVERIFY2(!text.contains(QLatin1Char('\n')), qPrintable(text));
    for (const QString& fact : facts) QVERIFY2(text.contains(fact), qPrintable(text));
    // A file that was not there was not left as it was.
    if (!existed) QVERIFY2(!text.contains("left as it was"), qPrintable(text));
  }

  void MapSaveFailureGivesTheLibrarysWords() {
    const QString text = MapSaveFailureText(
        std::make_exception_ptr(std::runtime_error("cannot write\nthe catalogue")), "/d/a.po",
        true);
    QCOMPARE(text, QStringLiteral("The map could not be saved to \"/d/a.po\": cannot "
                                  "write\\nthe catalogue. The file was left as it was."));
  }

  // One question covers everything a save would lose.
  void LossySaveQuestionNamesTheLoss_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("trailing");
    QTest::addColumn<QStringList>("facts");
    const int damaged = int(TLoadResult::TKind::Damaged);
    QTest::newRow("damaged") << damaged << qint64{0} << QStringList{"13 of 30 items", "17"};
    QTest::newRow("damaged, bytes after")
        << damaged << qint64{5} << QStringList{"13 of 30 items", "5 bytes"};
    QTest::newRow("bytes after") << int(TLoadResult::TKind::Loaded) << qint64{1}
                                 << QStringList{"1 byte"};
    QTest::newRow("nothing lost") << int(TLoadResult::TKind::Loaded) << qint64{0} << QStringList{};
  }
  void LossySaveQuestionNamesTheLoss() {
    QFETCH(int, kind);
    QFETCH(qint64, trailing);
    QFETCH(QStringList, facts);
    TLoadResult loaded;
    loaded.Kind = TLoadResult::TKind(kind);
    loaded.ItemsRead = 13;
    loaded.ItemsDeclared = kind == int(TLoadResult::TKind::Damaged) ? 30 : 13;
    loaded.TrailingBytes = std::uint64_t(trailing);
    const std::optional<QString> text = LossySaveQuestion(loaded);
    QCOMPARE(text.has_value(), !facts.isEmpty());
    for (const QString& fact : facts) QVERIFY2(text->contains(fact), qPrintable(*text));
  }
};

QTEST_MAIN(MessagesTest)
#include "MessagesTest.moc"
