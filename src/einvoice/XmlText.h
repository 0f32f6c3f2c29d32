// Text as the e-invoice XML carries it, so that a reader gets back what the
// tables hold as far as XML can say it: a control character XML 1.0 cannot
// hold (below U+0020, but TAB, LF and CR) becomes a blank, and a CR is
// written as the reference "&#13;", since a reader turns a CR written as it
// is into a line feed.
#ifndef EINVOICE_XMLTEXT_H
#define EINVOICE_XMLTEXT_H

#include <QString>

class QXmlStreamWriter;

void WriteXmlText(QXmlStreamWriter& w, const QString& text);
// The same as the whole content of an element of its own.
void WriteXmlTextElement(QXmlStreamWriter& w, const QString& ns, const QString& name, const QString& text);

#endif  // EINVOICE_XMLTEXT_H
