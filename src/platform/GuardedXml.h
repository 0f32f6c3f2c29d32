// XML from outside (received invoices, bank statements, orders) read
// through one guard over QXmlStreamReader. Nothing in the file is obeyed:
// a document type declaration is refused before anything in it is used, so
// no entity is expanded and no outside file is read; the document is at
// most `largest` bytes and `deepest` elements deep. A refusal or a
// well-formedness error ends the reading with one sentence in the user's
// language.
#ifndef PLATFORM_GUARDEDXML_H
#define PLATFORM_GUARDEDXML_H

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

class GuardedXml {
 public:
  static constexpr qsizetype kLargest = 50 * 1024 * 1024;
  static constexpr int kDeepest = 256;

  enum class Failure { None, Malformed, Refused, TooLarge };

  explicit GuardedXml(const QByteArray& bytes, qsizetype largest = kLargest, int deepest = kDeepest);

  // The next token; Invalid, with failure() and error() set, when the
  // document is refused or not well-formed (and every call after that).
  // A DTD token is never returned.
  QXmlStreamReader::TokenType readNext();
  bool atEnd() const { return failure_ != Failure::None || xml_.atEnd(); }

  // The token just read: name, namespace, attributes, text.
  const QXmlStreamReader& xml() const { return xml_; }
  // Elements open around the token just read (1 inside the root).
  int depth() const { return depth_; }

  Failure failure() const { return failure_; }
  // Why the reading ended early, one sentence starting in lower case
  // ("it is not well-formed XML (...)"); empty when it did not.
  const QString& error() const { return error_; }

  // The reason a file of size bytes is refused as too large; empty when
  // it is not. For readers that bound a file before they read it.
  static QString TooLargeReason(qsizetype size, qsizetype largest = kLargest);

 private:
  void fail(Failure failure, const QString& why);

  QXmlStreamReader xml_;
  int deepest_;
  int depth_ = 0;
  Failure failure_ = Failure::None;
  QString error_;
};

#endif  // PLATFORM_GUARDEDXML_H
