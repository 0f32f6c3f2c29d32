#include "data/StorableText.h"

#include <QCoreApplication>

#include "data/Cp1252.h"
#include "platform/Ui.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(StorableText)
};
}  // namespace

QString UnstorableQuestion(const QString& unstorable) {
  QStringList each;
  for (char32_t c : unstorable.toUcs4()) each << QString::fromUcs4(&c, 1);
  //: %1: the characters, each followed by a blank
  return Tr::tr("These characters cannot be stored and will become \"?\": %1").arg(each.join(' ')) +
         "\r\n" + Tr::tr("Save anyway?");
}

bool ConfirmStorable(const QStringList& texts) {
  const QString unstorable = Unstorable(texts);
  if (unstorable.isEmpty()) return true;
  return Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                           UnstorableQuestion(unstorable));
}
