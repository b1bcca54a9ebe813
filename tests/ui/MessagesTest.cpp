// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the load and save messages that a window test cannot easily
// bring about: memory running out on load, a single trailing byte, and a
// save that fails with something other than a standard exception.
#include <QTest>
#include <exception>

#include "FileLayer.h"
#include "LoadMessages.h"
#include "SaveMessages.h"

Q_DECLARE_METATYPE(std::exception_ptr)

class MessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void LoadWarningNamesWhatHappened_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<qulonglong>("trailing");
    QTest::addColumn<QString>("text");
    QTest::newRow("out of memory")
        << static_cast<int>(TLoadResult::TKind::OutOfMemory) << 0ULL
        << "There is not enough memory to load the library \"/d/a.zbl\".";
    QTest::newRow("name with control characters")
        << static_cast<int>(TLoadResult::TKind::NotALibrary) << 0ULL
        << "The file \"/d/two\\nlines\\x01.zbl\" is not a Zembrel library.";
    QTest::newRow("one byte after the last item")
        << static_cast<int>(TLoadResult::TKind::Loaded) << 1ULL
        << "In the library \"/d/a.zbl\", 1 byte after the last of the 2 items was not read. A "
           "save will not keep it.";
    QTest::newRow("bytes after the last item")
        << static_cast<int>(TLoadResult::TKind::Loaded) << 4096ULL
        << "In the library \"/d/a.zbl\", 4096 bytes after the last of the 2 items were not read. "
           "A save will not keep them.";
  }
  void LoadWarningNamesWhatHappened() {
    QFETCH(int, kind);
    QFETCH(qulonglong, trailing);
    QFETCH(QString, text);
    const QString file = QTest::currentDataTag() == QByteArray("name with control characters")
                             ? QStringLiteral("/d/two\nlines\x01.zbl")
                             : QStringLiteral("/d/a.zbl");
    TLoadResult result;
    result.Kind = static_cast<TLoadResult::TKind>(kind);
    result.TrailingBytes = trailing;
    result.ItemsRead = result.ItemsDeclared = 2;
    QCOMPARE(LoadWarningText(result, file), std::optional<QString>(text));
  }

  void SaveFailureInPlainWords_data() {
    QTest::addColumn<std::exception_ptr>("failure");
    QTest::addColumn<QString>("text");
    QTest::newRow("memory") << std::make_exception_ptr(std::bad_alloc())
                            << "There is not enough memory to save the library to \"/d/a.zbl\". "
                               "The file was left as it was.";
    QTest::newRow("file error naming a file with a newline")
        << std::make_exception_ptr(TFileError("cannot write", "/d/two\nlines.zbl", "Disk full"))
        << "cannot write '/d/two\\nlines.zbl': Disk full";
    QTest::newRow("not a standard exception")
        << std::make_exception_ptr(42) << "The library could not be saved to \"/d/a.zbl\".";
  }
  void SaveFailureInPlainWords() {
    QFETCH(std::exception_ptr, failure);
    QFETCH(QString, text);
    QCOMPARE(SaveFailureText(failure, QStringLiteral("/d/a.zbl")), text);
  }
};

QTEST_MAIN(MessagesTest)
#include "MessagesTest.moc"
