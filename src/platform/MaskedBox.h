// What amount boxes and date boxes share: an edit mask, Enter moving
// to the next control, and a check when the focus leaves the box for another
// control of the window (not when the window itself loses the focus).
#ifndef PLATFORM_MASKEDBOX_H
#define PLATFORM_MASKEDBOX_H

#include <QLineEdit>

class MaskedBox : public QLineEdit {
  Q_OBJECT
 public:
  // editMask as the window states it ("!99/99/00;1;_").
  MaskedBox(const QString& editMask, QWidget* parent);

  // Sets the text; blanks stand for empty positions, so a right-aligned
  // number stays right-aligned. Hides QLineEdit::setText.
  void setText(const QString& text);
  // The text with empty positions as blanks ("12.00" typed into "#####.99"
  // gives "12   .00"), as the window's routines read it.
  QString boxText() const;

  // Runs what leaving the box does, as if the focus had moved on; true when
  // the box accepted its text.
  bool leave();

  // Moving the focus from a box to target (a Cancel button) runs no check:
  // whatever the box holds is about to be thrown away.
  static void leaveUncheckedFor(QWidget* target);

 signals:
  // The focus left the box and the box's own check passed: the window's
  // MaskEdit…Exit handler runs now.
  void exited();

 protected:
  void setDesignMask(const QString& editMask);
  // The box's own check on leaving; false keeps exited() from firing.
  virtual bool onLeave() = 0;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QChar blank_ = '_';
  bool leaving_ = false;
};

#endif  // PLATFORM_MASKEDBOX_H
