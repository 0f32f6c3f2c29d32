// A box for a small whole number typed into an edit mask ("!9;1;_"): Enter
// moves on, and leaving it tells the window (exited) without a check of its
// own; the window decides what an empty or out-of-range number becomes.
#ifndef LABELS_COUNTBOX_H
#define LABELS_COUNTBOX_H

#include "platform/MaskedBox.h"

class CountBox : public MaskedBox {
  Q_OBJECT
 public:
  CountBox(const QString& editMask, QWidget* parent = nullptr);

  // The number in the box; empty (or no number) gives whenEmpty.
  int number(int whenEmpty) const;
  void setNumber(int n);

 protected:
  bool onLeave() override { return true; }
};

#endif  // LABELS_COUNTBOX_H
