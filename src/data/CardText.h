// The card or check text of an invoice as it is shown and printed: a card
// number in it keeps only its last four digits ("4111111111111111 x9/28"
// becomes "************1111 x9/28"). Only the invoice editor's card field
// and the card export (Batchin.dat) see the whole number.
#ifndef DATA_CARDTEXT_H
#define DATA_CARDTEXT_H

#include <QString>

// Every card number in text with all but its last four digits replaced by
// "*". A card number is a run of at least 12 digits (the shortest a card
// carries), which may be split into groups by short runs (up to three) of
// anything but letters and digits ("4111 1111 1111 1111", "4111.1111...",
// "41 11 11 ...", "4111--1111..."); the separators stay where they are. An
// expiry written after the number ("... 9/28") is not part of it. Shorter
// numbers (check numbers, "4111 x9/28") are left as they are. Longer runs
// are masked alike: better a reference hidden than a card shown.
QString MaskedCardText(const QString& text);

// True for the field that holds an invoice's card text (INV5's IMemo),
// table and field matched without regard to case. What leaves the program
// (exports, the data tool's dump) shows it masked.
bool HoldsCardText(const QString& table, const QString& field);

#endif  // DATA_CARDTEXT_H
