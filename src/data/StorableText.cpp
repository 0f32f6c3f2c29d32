#include "data/StorableText.h"

#include "data/Cp1252.h"
#include "platform/Ui.h"

QString UnstorableQuestion(const QString& unstorable) {
  QStringList each;
  for (char32_t c : unstorable.toUcs4()) each << QString::fromUcs4(&c, 1);
  return QStringLiteral("These characters cannot be stored and will become \"?\": ") +
         each.join(' ') + QStringLiteral("\r\nSave anyway?");
}

bool ConfirmStorable(const QStringList& texts) {
  const QString unstorable = Unstorable(texts);
  if (unstorable.isEmpty()) return true;
  return Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                           UnstorableQuestion(unstorable));
}
