#include "platform/EntryTexts.h"

#include <QLineEdit>
#include <QPlainTextEdit>

QStringList EntryTexts(const QWidget* form) {
  QStringList texts;
  for (const QLineEdit* edit : form->findChildren<QLineEdit*>())
    if (!edit->isReadOnly()) texts << edit->text();
  for (const QPlainTextEdit* memo : form->findChildren<QPlainTextEdit*>())
    if (!memo->isReadOnly()) texts << memo->toPlainText();
  return texts;
}
