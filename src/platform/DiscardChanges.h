// Escape and the window's close button leave an editor without saving; when
// the person changed something since the editor was shown, they ask first
// (No by default, so a stray Enter keeps the work). The Cancel button closes
// without asking: pressing it says what the person wants.
#ifndef PLATFORM_DISCARDCHANGES_H
#define PLATFORM_DISCARDCHANGES_H

#include <QString>

class QWidget;

// The values of every input control under form (texts, choices, ticks, grid
// cells) in one text, to compare with the same taken at the showing.
QString ControlsState(const QWidget* form);

// True when nothing changed (loaded == now) or the person agrees to question.
bool MayDiscard(const QString& loaded, const QString& now, const QString& question);

#endif  // PLATFORM_DISCARDCHANGES_H
