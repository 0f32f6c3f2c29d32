// The labels as the main window starts them: the print dialog (stock,
// starting column and row), then the selection the kind asks for (the
// customer pick list, the date span picker, the group picker), then the
// labels on the current printer.
#ifndef LABELS_LABELMENUS_H
#define LABELS_LABELMENUS_H

class Canvas;

// One kind (LabelKind) from the print dialog to the end of the print job on
// the current printer. A PDF file is written beside its target and put in
// its place once complete ("Unable to save to: " otherwise). True when
// labels were printed.
bool PrintLabels(int kind);
// The same on canvas; true when a label was collected (the caller then ends
// the print job).
bool PrintLabels(int kind, Canvas& canvas);
// "Print Batch Labels": kind 6 when the batch label file exists; otherwise
// "Unable to save to: " and the file name. True when labels were printed.
bool PrintBatchLabels();

#endif  // LABELS_LABELMENUS_H
