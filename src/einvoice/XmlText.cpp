#include "einvoice/XmlText.h"

#include <QXmlStreamWriter>

void WriteXmlText(QXmlStreamWriter& w, const QString& text) {
  QString part;
  for (const QChar c : text) {
    if (c == QLatin1Char('\r')) {
      w.writeCharacters(part);
      part.clear();
      w.writeEntityReference(QStringLiteral("#13"));
    } else if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n')) {
      part += QLatin1Char(' ');
    } else {
      part += c;
    }
  }
  w.writeCharacters(part);
}

void WriteXmlTextElement(QXmlStreamWriter& w, const QString& ns, const QString& name, const QString& text) {
  w.writeStartElement(ns, name);
  WriteXmlText(w, text);
  w.writeEndElement();
}
