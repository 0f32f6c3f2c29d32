// A received XML document as a small tree of elements, read through the
// guard (platform/GuardedXml): what the readers of the invoice formats walk.
// Elements are named by their local names; the namespace is kept beside.
#ifndef RECEIVING_XMLTREE_H
#define RECEIVING_XMLTREE_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>
#include <vector>

#include "platform/GuardedXml.h"

struct XmlElement {
  QString name;  // local name
  QString ns;
  QList<std::pair<QString, QString>> attributes;  // local name, value
  QString text;  // the element's own character data, trimmed
  std::vector<XmlElement> children;

  // The first element at path ("A/B/C", local names from here), or null.
  const XmlElement* at(QStringView path) const;
  // Every element at path, in the document's order.
  QList<const XmlElement*> all(QStringView path) const;
  // The text at path; a null string when there is no such element.
  QString textAt(QStringView path) const;
  // An attribute by local name; null when absent.
  QString attribute(QStringView name) const;
};

struct XmlTreeRead {
  GuardedXml::Failure failure = GuardedXml::Failure::None;
  QString error;  // one sentence, when failure is not None
  XmlElement root;
};

XmlTreeRead ReadXmlTree(const QByteArray& bytes);

#endif  // RECEIVING_XMLTREE_H
