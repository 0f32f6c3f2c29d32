// Screen readers name a field by its label only when the label is the
// field's buddy. NameFieldsByLabels pairs each label of a window's layouts
// with the field beside it (the next cell of its grid row, or the next item
// of its row) and gives the field the label's text as its accessible name,
// so the Alt+letter of the label reaches the field too. Fields that already
// have a name keep it.
#ifndef PLATFORM_FIELDNAMES_H
#define PLATFORM_FIELDNAMES_H

class QWidget;

void NameFieldsByLabels(QWidget* window);

#endif  // PLATFORM_FIELDNAMES_H
