// The user's conventions, set once at start: the locale decides the short
// date format and the decimal separator.
#ifndef PLATFORM_USERLOCALE_H
#define PLATFORM_USERLOCALE_H

// A machine without a locale setting (the "C" locale) gets the conventions
// of en_US.
void UseUserLocale();

#endif  // PLATFORM_USERLOCALE_H
