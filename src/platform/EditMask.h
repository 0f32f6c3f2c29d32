// Edit masks as the windows state them ("!#####.99;1;_", "!99/99/00;1;_")
// translated to Qt input masks.
//
//   edit    Qt   meaning
//   0       0    digit, required
//   9       9    digit, optional
//   #       #    digit or sign, optional
//   L / l   A/a  letter, required / optional
//   A / a   N/n  letter or digit, required / optional
//   C / c   X/x  any character, required / optional
//   > <     > <  upper / lower case from here
//   \x      \x   x as it stands
//   _       ' '  a blank in the text
//   !            dropped: our boxes right-align numbers themselves
//   ;1 / ;0      dropped: Qt's text() always holds the literals
//   ;_           the character shown for an empty position (default "_")
// Any other character is a literal, escaped where Qt would read it as a
// mask character.
#ifndef PLATFORM_EDITMASK_H
#define PLATFORM_EDITMASK_H

#include <QString>

QString QtInputMask(const QString& editMask);

// The blank character of an edit mask ("_" when it names none).
QChar MaskBlank(const QString& editMask);

#endif  // PLATFORM_EDITMASK_H
