#include "FreeEditorEvent.h"

#include <QLineEdit>

TFreeEditorEvent::TFreeEditorEvent(QLineEdit* aEditor) : QEvent(kType), mEditor(aEditor) {}
