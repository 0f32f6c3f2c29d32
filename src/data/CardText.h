// The card or check text of an invoice as it is shown and printed: a card
// number in it keeps only its last four digits ("4111111111111111 x9/28"
// becomes "************1111 x9/28"). Only the invoice editor's card field
// and the card export see the whole number.
#ifndef DATA_CARDTEXT_H
#define DATA_CARDTEXT_H

#include <QString>

// Every card number in text with all but its last four digits replaced by
// "*". A card number is a run of at least 12 digits (the shortest a card
// carries), which may be split into groups by single blanks or dashes
// ("4111 1111 1111 1111"); the separators stay. Shorter numbers (check
// numbers, "4111 x9/28") are left as they are.
QString MaskedCardText(const QString& text);

#endif  // DATA_CARDTEXT_H
