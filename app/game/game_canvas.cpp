#include "app/game/game_canvas.h"

#include <QFontMetricsF>
#include <QPainter>

namespace pitchlog {
namespace {

constexpr double kScale = GameCanvas::kPixelsPerUnit;
// A pen width counts in the old window's pixels, about one a unit.
constexpr double kUnitsPerPenPixel = 1.0;

QPainter& Prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.scale(kScale, kScale);
  return painter;
}

QPen Pen(int width, const QColor& colour) {
  QPen pen(colour);
  pen.setWidthF(width <= 1 ? 0.0 : width * kUnitsPerPenPixel);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

}  // namespace

GameCanvas::GameCanvas()
    : image_((kUnitsWide + 1) * kPixelsPerUnit, (kUnitsHigh + 1) * kPixelsPerUnit, QImage::Format_RGB32) {
  // Bold 10 points on a window of about one pixel a unit: a line of text is about 16 units.
  font_.setBold(true);
  font_.setPixelSize(13 * kPixelsPerUnit);
  font_.setStyleStrategy(QFont::NoAntialias);
  image_.fill(kGameBlack);
}

void GameCanvas::Cls() {
  image_.fill(kGameBlack);
  CurrentX = 0;
  CurrentY = 0;
}

void GameCanvas::Line(int x0, int y0, int x1, int y1, const QColor& colour) {
  QPainter painter(&image_);
  Prepare(painter).setPen(Pen(draw_width_, colour));
  painter.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void GameCanvas::FilledBox(int x0, int y0, int x1, int y1, const QColor& colour) {
  QPainter painter(&image_);
  Prepare(painter).fillRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)).normalized(), colour);
}

void GameCanvas::Dot(double x, double y, int width, const QColor& colour) {
  QPainter painter(&image_);
  Prepare(painter).setPen(Qt::NoPen);
  painter.setBrush(colour);
  const double r = width * kUnitsPerPenPixel / 2;
  painter.drawEllipse(QPointF(x, y), r, r);
}

double GameCanvas::TextWidth(const QString& text) const {
  return QFontMetricsF(font_).horizontalAdvance(text) / kScale;
}

double GameCanvas::TextHeight(const QString& text) const {
  Q_UNUSED(text);
  return QFontMetricsF(font_).height() / kScale;
}

void GameCanvas::Print(const QString& text, const QColor& colour) {
  if (!text.isEmpty()) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(colour);
    const QFontMetricsF metrics(font_);
    painter.drawText(QPointF(CurrentX * kScale, CurrentY * kScale + metrics.ascent()), text);
  }
  CurrentX = 0;
  CurrentY += TextHeight(text);
}

void GameCanvas::PrintAt(double x, double y, const QString& text, const QColor& colour) {
  CurrentX = x;
  CurrentY = y;
  Print(text, colour);
}

}  // namespace pitchlog
