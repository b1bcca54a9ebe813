// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "Dialogs.h"
#include "TestLibraries.h"

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void DialogsAreConfigured_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("OpenDialog1") << false;
    QTest::newRow("SaveDialog1") << true;
  }
  void DialogsAreConfigured() {
    QFETCH(bool, save);
    TMainformFixture fixture;
    const TFileDialogSetup& setup = save ? fixture.Form->SaveDialog1 : fixture.Form->OpenDialog1;
    const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(setup, fixture.Form.get());
    QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Zembrel Library (*.zbl)")});
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("zbl"));
    QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
    // Replacing a file is asked about first.
    QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
  }

  void DialogStartsBesideTheLibrary() {
    QTemporaryDir dir;
    const QString library = QDir(dir.path()).filePath(QStringLiteral("library.zbl"));
    TMainformFixture fixture;
    const std::unique_ptr<QFileDialog> dialog =
        CreateFileDialog(StartingAt(fixture.Form->SaveDialog1, library, true), nullptr);
    QCOMPARE(dialog->directory(), QDir(dir.path()));
    QCOMPARE(dialog->selectedFiles(), QStringList{library});
  }

  void WindowStartsItsDialogsBesideTheLibrary() {
    TMainformFixture fixture;
    const std::vector<TFileDialogSetup>& asked = fixture.Dialogs->Asked;
    Controls(*fixture.Form).Button1->click();
    fixture.Load(WriteLibrary(fixture.Dir.path(), "rows.zbl", LibraryWithCategories({"Trees"})));
    Controls(*fixture.Form).Button1->click();
    Controls(*fixture.Form).Button2->click();
    const QString folder = QFileInfo(fixture.Dir.path()).absoluteFilePath();
    QCOMPARE(asked[0].Directory + asked[0].FileName, QString());
    QCOMPARE(asked[2].Directory + '|' + asked[2].FileName, folder + '|');
    QCOMPARE(asked[3].Directory + '|' + asked[3].FileName, folder + "|rows.zbl");
  }

  void TypedNameGetsTheDefaultExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("bare name") << "library"
                               << "library.zbl";
    QTest::newRow("own extension") << "library.lib"
                                   << "library.lib";
    QTest::newRow("already zbl") << "library.zbl"
                                 << "library.zbl";
  }
  void TypedNameGetsTheDefaultExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    TMainformFixture fixture;
    const std::unique_ptr<QFileDialog> dialog =
        CreateFileDialog(fixture.Form->SaveDialog1, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDirectory(dir.path());
    dialog->show();
    dialog->selectFile(typed);
    static_cast<QDialog*>(dialog.get())->accept();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->selectedFiles(), QStringList{QDir(dir.path()).filePath(chosen)});
  }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
