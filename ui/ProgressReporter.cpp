#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "ProgressUnit.h"

TProgressReporter::TProgressReporter(TProgressform& aForm) : mForm(aForm) {}

void TProgressReporter::SetMaximum(int aMaximum) { mForm.ProgressBar1->setMaximum(aMaximum); }

void TProgressReporter::SetPosition(int aPosition) { mForm.ProgressBar1->setValue(aPosition); }

void TProgressReporter::Show() { mForm.show(); }

void TProgressReporter::SetLabelText(const std::string& aText) {
  mForm.SetLabelText(QString::fromStdString(aText));
}

void TProgressReporter::RepaintBar() { mForm.ProgressBar1->repaint(); }

void TProgressReporter::RepaintLabel() { mForm.Label1->repaint(); }

void TProgressReporter::ProcessEvents() { QCoreApplication::processEvents(); }

void TProgressReporter::Close() { mForm.close(); }
