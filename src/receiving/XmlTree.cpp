#include "receiving/XmlTree.h"

#include <QCoreApplication>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(XmlTree)
};

// A tree costs about a hundred bytes an element: 50 MB of empty elements
// would take gigabytes. An invoice of 10 000 lines has about 400 000.
constexpr qsizetype kMostElements = 1000000;

void Collect(const XmlElement& from, const QList<QStringView>& steps, qsizetype step,
             QList<const XmlElement*>* found, bool firstOnly) {
  for (const XmlElement& child : from.children) {
    if (child.name != steps[step]) continue;
    if (step + 1 == steps.size())
      found->append(&child);
    else
      Collect(child, steps, step + 1, found, firstOnly);
    if (firstOnly && !found->isEmpty()) return;
  }
}

QList<const XmlElement*> Find(const XmlElement& from, QStringView path, bool firstOnly) {
  QList<const XmlElement*> found;
  const QList<QStringView> steps = path.split(u'/');
  Collect(from, steps, 0, &found, firstOnly);
  return found;
}

}  // namespace

const XmlElement* XmlElement::at(QStringView path) const {
  const QList<const XmlElement*> found = Find(*this, path, true);
  return found.isEmpty() ? nullptr : found.first();
}

QList<const XmlElement*> XmlElement::all(QStringView path) const { return Find(*this, path, false); }

QString XmlElement::textAt(QStringView path) const {
  const XmlElement* e = at(path);
  return e ? (e->text.isNull() ? QStringLiteral("") : e->text) : QString();
}

QString XmlElement::attribute(QStringView name) const {
  for (const auto& [key, value] : attributes)
    if (key == name) return value.isNull() ? QStringLiteral("") : value;
  return QString();
}

XmlTreeRead ReadXmlTree(const QByteArray& bytes) {
  XmlTreeRead read;
  GuardedXml xml(bytes);
  // The open elements, the root first; each lives in its parent's
  // children, which grow only while it is closed.
  std::vector<XmlElement*> open;
  qsizetype elements = 0;
  while (!xml.atEnd()) {
    switch (xml.readNext()) {
      case QXmlStreamReader::StartElement: {
        if (++elements > kMostElements) {
          read.failure = GuardedXml::Failure::TooLarge;
          //: %1 the number of elements read at most.
          read.error = Tr::tr("it has more than %1 elements, the most that is read").arg(kMostElements);
          return read;
        }
        XmlElement* element = &read.root;
        if (!open.empty()) {
          open.back()->children.emplace_back();
          element = &open.back()->children.back();
        }
        element->name = xml.xml().name().toString();
        element->ns = xml.xml().namespaceUri().toString();
        for (const QXmlStreamAttribute& a : xml.xml().attributes())
          element->attributes.append({a.name().toString(), a.value().toString()});
        open.push_back(element);
        break;
      }
      case QXmlStreamReader::EndElement:
        open.back()->text = open.back()->text.trimmed();
        open.pop_back();
        break;
      case QXmlStreamReader::Characters:
        if (!open.empty()) open.back()->text += xml.xml().text();
        break;
      default: break;
    }
  }
  read.failure = xml.failure();
  read.error = xml.error();
  return read;
}
