// The font the program's windows are laid out for: the application's font
// at 8 points. The report font starts from it where the settings name no
// font or size, in the windows and on the command line alike, so both
// print the same report in the same font.
#ifndef PLATFORM_WINDOWFONT_H
#define PLATFORM_WINDOWFONT_H

#include <QFont>

QFont WindowFont();

#endif  // PLATFORM_WINDOWFONT_H
