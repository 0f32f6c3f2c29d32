// Texts from the data (the settings' charge-line names, names of records)
// shown as the caption of a button or check box: an "&" in them is an
// ampersand to show, not the mark of a keyboard shortcut.
#ifndef PLATFORM_CAPTION_H
#define PLATFORM_CAPTION_H

#include <QString>

inline QString LiteralCaption(QString text) { return text.replace('&', QStringLiteral("&&")); }

#endif  // PLATFORM_CAPTION_H
