#include "printing/ReportFontFit.h"

#include "platform/Canvas.h"

QFont FitReportFont(Canvas& canvas, const QFont& font, int lineWidth, int width,
                    int minPointSize) {
  QFont fitted = font;
  canvas.setFont(fitted);
  while (fitted.pointSize() > minPointSize &&
         lineWidth * canvas.textWidth(QStringLiteral("B")) > width) {
    fitted.setPointSize(fitted.pointSize() - 1);
    canvas.setFont(fitted);
  }
  return fitted;
}
