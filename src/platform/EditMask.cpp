#include "platform/EditMask.h"

#include <QStringList>

namespace {

// Characters that Qt reads as mask characters but an edit mask does not.
const QString kQtOnlyMeta = QStringLiteral("NnXxHhBbDd[]{}");

QString Translate(const QString& mask) {
  QString out;
  for (int i = 0; i < mask.size(); ++i) {
    const QChar c = mask[i];
    switch (c.unicode()) {
      case '!': break;
      case '0': case '9': case '#': case '>': case '<': out += c; break;
      case 'L': out += 'A'; break;
      case 'l': out += 'a'; break;
      case 'A': out += 'N'; break;
      case 'a': out += 'n'; break;
      case 'C': out += 'X'; break;
      case 'c': out += 'x'; break;
      case '_': out += ' '; break;
      case '\\':
        if (i + 1 < mask.size()) out += QStringLiteral("\\") + mask[++i];
        break;
      default:
        if (kQtOnlyMeta.contains(c)) out += '\\';
        out += c;
    }
  }
  return out;
}

}  // namespace

QString QtInputMask(const QString& editMask) {
  const QStringList parts = editMask.split(';');
  return Translate(parts[0]) + ';' + MaskBlank(editMask);
}

QChar MaskBlank(const QString& editMask) {
  const QStringList parts = editMask.split(';');
  return parts.size() >= 3 && !parts[2].isEmpty() ? parts[2][0] : QChar('_');
}
