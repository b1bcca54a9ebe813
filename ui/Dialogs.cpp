#include "Dialogs.h"

#include <QMessageBox>

std::unique_ptr<QFileDialog> CreateFileDialog(const TFileDialogSpec& aSpec, QWidget* aParent) {
  auto dialog = std::make_unique<QFileDialog>(aParent, aSpec.Title);
  const bool save = aSpec.Mode == TFileDialogSpec::TMode::Save;
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A name that does not exist yet is accepted in both; a load reports it.
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilter(aSpec.Filter);
  dialog->setDefaultSuffix(aSpec.DefaultExt);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  return dialog;
}

std::optional<QString> TQtDialogs::Execute(const TFileDialogSpec& aSpec, QWidget* aParent) {
  const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(aSpec, aParent);
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
