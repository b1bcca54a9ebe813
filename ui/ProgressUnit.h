// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

/// The small window that shows how far a save has come. It has no logic of
/// its own: the save sets its bar and its text. Closing it only hides it, so
/// one window serves every save.
class TProgressform final : public QWidget {
  Q_OBJECT

 public:
  explicit TProgressform(QWidget* aParent = nullptr);

  /// Sets the label's text; the label keeps its height and fits its width.
  void SetLabelText(const QString& aText);

  QLabel* Label1;
  QProgressBar* ProgressBar1;
};
