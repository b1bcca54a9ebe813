// SPDX-License-Identifier: GPL-3.0-or-later
// The installed media type, as a desktop's file manager sees it: the data
// directories are the install prefix's (set by CTest).
#include <QMimeDatabase>
#include <QTest>

#include "SampleLibrary.h"

namespace {

QByteArray sampleLibraryBytes() {
  TSampleLibrary library;
  library.Items.push_back({"Tree 2", "Trees", {1, 2, 3}, 7, {}, {}, {}});
  const std::vector<std::uint8_t> bytes = buildSampleLibrary(library);
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace

class MimeTypeTest : public QObject {
  Q_OBJECT

 private slots:
  void LibrariesAreKnownByNameAndSignature_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("isLibrary");
    const QByteArray library = sampleLibraryBytes();
    QTest::newRow("name and content") << "drawings.zbl" << library << true;
    QTest::newRow("upper-case extension") << "DRAWINGS.ZBL" << library << true;
    QTest::newRow("content without extension") << "drawings" << library << true;
    QTest::newRow("other signature") << "drawings" << QByteArray("\x06ZmbLiX", 7) << false;
    QTest::newRow("signature one byte off") << "drawings" << QByteArray(" \x06ZmbLib", 8) << false;
  }
  void LibrariesAreKnownByNameAndSignature() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, isLibrary);
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(fileName, content);
    QCOMPARE(type.name() == QStringLiteral("application/x-zembrel-library"), isLibrary);
  }
};

QTEST_GUILESS_MAIN(MimeTypeTest)
#include "MimeTypeTest.moc"
