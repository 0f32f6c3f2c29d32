#include "platform/StorableEntries.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "data/StorableText.h"

bool ConfirmStorableEntries(const QWidget* form, const QStringList& more) {
  QStringList texts = more;
  for (const QLineEdit* edit : form->findChildren<QLineEdit*>())
    if (!edit->isReadOnly()) texts << edit->text();
  for (const QPlainTextEdit* memo : form->findChildren<QPlainTextEdit*>())
    if (!memo->isReadOnly()) texts << memo->toPlainText();
  return ConfirmStorable(texts);
}
