// An amount box: money amounts, quantities, percentages, measurements.
// It takes its mask as the window states it, with "." standing for the
// user's decimal separator ("!#####.99;1;_"), and its printf format
// ("%8.2f"). When the focus leaves it, and when the decimal separator is
// typed (before that key is handled), its text is set out again with the
// format; a text without a number is reported in the error box and kept.
// Its text is red while it holds "-", judged at every key on the text
// before the key, and on leaving.
#ifndef PLATFORM_AMOUNTBOX_H
#define PLATFORM_AMOUNTBOX_H

#include <QByteArray>

#include "platform/MaskedBox.h"

class AmountBox : public MaskedBox {
  Q_OBJECT
 public:
  AmountBox(const QString& editMask, const char* format, QWidget* parent = nullptr);

  // Shows text (a number set out by the format); a number longer than the
  // mask's digit positions widens the mask rather than losing digits, and
  // the next shorter one returns the box to its own mask.
  void setText(const QString& text);
  // Shows value with the box's format.
  void setValue(double value);
  // The number in the box; throws ConversionError when there is none.
  double value() const;

  const char* format() const { return format_.constData(); }
  // Label dimensions are set out without the red colouring.
  void setRedWhenNegative(bool red);
  bool isRed() const { return red_; }

  // Sets the text out with the format; false (after the error box) when the
  // text holds no number.
  bool reformat();

 protected:
  bool onLeave() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void applyMask(int integerPositions);
  void judgeColour();
  // A number wider than the box's designed width widens the box so every
  // digit is in view; a number that fits returns it to that width.
  void fitWidth();

  QString editMask_;  // with "." for the decimal separator
  QByteArray format_;
  int integerPositions_ = 0;
  bool colouring_ = true;
  bool red_ = false;
  bool widened_ = false;
  int designedMin_ = 0, designedMax_ = 0;
};

#endif  // PLATFORM_AMOUNTBOX_H
