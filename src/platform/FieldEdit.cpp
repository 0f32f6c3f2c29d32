#include "platform/FieldEdit.h"

#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace {
const char* const kTypingLimit = "typingLimit";
}  // namespace

void SetTypingLimit(QLineEdit* edit, int maxLength) {
  edit->setProperty(kTypingLimit, maxLength);
  edit->setMaxLength(maxLength);
}

void ShowText(QLineEdit* edit, const QString& text) {
  const QVariant limit = edit->property(kTypingLimit);
  const int typing = limit.isValid() ? limit.toInt() : edit->maxLength();
  edit->setMaxLength(std::max(typing, static_cast<int>(text.size())));
  edit->setText(text);
}
