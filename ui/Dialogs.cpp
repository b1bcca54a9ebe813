// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct Dialogs {
  Q_DECLARE_TR_FUNCTIONS(Dialogs)
};

}  // namespace

std::unique_ptr<QFileDialog> CreateFileDialog(const TFileDialogSetup& aSetup, QWidget* aParent) {
  auto dialog = std::make_unique<QFileDialog>(aParent, aSetup.Title);
  const bool save = aSetup.Mode == TFileDialogSetup::TMode::Save;
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A name that does not exist yet is accepted in both; a load reports it.
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilter(aSetup.Filter);
  dialog->setDefaultSuffix(aSetup.DefaultExt);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  if (!aSetup.Directory.isEmpty()) dialog->setDirectory(aSetup.Directory);
  if (!aSetup.FileName.isEmpty()) dialog->selectFile(aSetup.FileName);
  return dialog;
}

TFileDialogSetup StartingAt(TFileDialogSetup aSetup, const QString& aFile, bool aWithName) {
  if (aFile.isEmpty()) return aSetup;
  const QFileInfo file(aFile);
  aSetup.Directory = file.absolutePath();
  if (aWithName) aSetup.FileName = file.fileName();
  return aSetup;
}

std::optional<QString> TQtDialogs::Execute(const TFileDialogSetup& aSetup, QWidget* aParent) {
  const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(aSetup, aParent);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

void TQtDialogs::Information(QWidget* aParent, const QString& aTitle, const QString& aText) {
  QMessageBox::information(aParent, aTitle, aText, QMessageBox::Ok);
}

void TQtDialogs::Warning(QWidget* aParent, const QString& aTitle, const QString& aText) {
  QMessageBox::warning(aParent, aTitle, aText, QMessageBox::Ok);
}

void TQtDialogs::Critical(QWidget* aParent, const QString& aTitle, const QString& aText) {
  QMessageBox::critical(aParent, aTitle, aText, QMessageBox::Ok);
}

bool TQtDialogs::SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) {
  QMessageBox box(QMessageBox::Warning, aTitle, aText, QMessageBox::Cancel, aParent);
  QPushButton* save = box.addButton(Dialogs::tr("Save anyway"), QMessageBox::AcceptRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  return box.clickedButton() == save;
}

TUnsavedAnswer TQtDialogs::Unsaved(QWidget* aParent, const QString& aTitle, const QString& aText) {
  switch (QMessageBox::warning(aParent, aTitle, aText,
                               QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                               QMessageBox::Save)) {
    case QMessageBox::Save:
      return TUnsavedAnswer::Save;
    case QMessageBox::Discard:
      return TUnsavedAnswer::Discard;
    default:
      return TUnsavedAnswer::Cancel;
  }
}

bool TQtDialogs::Ask(QWidget* aParent, const QString& aTitle, const QString& aText) {
  return QMessageBox::question(aParent, aTitle, aText, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

std::optional<TLanguagePair> TQtDialogs::Languages(QWidget* aParent, const QString& aTitle,
                                                   const QString& aText,
                                                   const QStringList& aOffered,
                                                   const TLanguagePair& aDefault, bool aAnyTag) {
  QDialog dialog(aParent);
  dialog.setWindowTitle(aTitle);
  auto* layout = new QFormLayout(&dialog);
  auto* text = new QLabel(aText, &dialog);
  text->setWordWrap(true);
  layout->addRow(text);
  const auto choice = [&](const QString& aLabel, const QString& aChosen) {
    auto* box = new QComboBox(&dialog);
    box->setEditable(aAnyTag);
    box->addItems(aOffered);
    if (box->findText(aChosen) < 0 && !aChosen.isEmpty()) box->addItem(aChosen);
    box->setCurrentText(aChosen);
    layout->addRow(aLabel, box);
    return box;
  };
  QComboBox* source = choice(Dialogs::tr("Language of the old texts:"), aDefault.Source);
  QComboBox* target = choice(Dialogs::tr("Language of the new texts:"), aDefault.Target);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // Two languages, each named and not the same.
  const auto update = [&] {
    const QString from = source->currentText().trimmed(), to = target->currentText().trimmed();
    buttons->button(QDialogButtonBox::Ok)
        ->setEnabled(!from.isEmpty() && !to.isEmpty() && from.compare(to, Qt::CaseInsensitive) != 0);
  };
  for (QComboBox* box : {source, target})
    QObject::connect(box, &QComboBox::currentTextChanged, &dialog, update);
  update();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TLanguagePair{source->currentText().trimmed(), target->currentText().trimmed()};
}
