// The surface that the game draws on: the field of 319 by 239 units, black, with a pen and a
// print position as the old toolkit's window had. Nothing is anti-aliased, so that drawing the
// same thing again in black erases it exactly.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace pitchlog {

inline const QColor kGameCyan{0, 255, 255};  // the colour value FFFF00, red in the low byte
inline const QColor kGameBlack{0, 0, 0};

class GameCanvas {
 public:
  static constexpr int kUnitsWide = 319;
  static constexpr int kUnitsHigh = 239;
  static constexpr int kPixelsPerUnit = 2;

  GameCanvas();

  const QImage& Image() const { return image_; }

  // Clears to black and puts the print position at the top-left corner.
  void Cls();
  // A line in the pen width; width 1 is a hairline.
  void Line(int x0, int y0, int x1, int y1, const QColor& colour);
  void FilledBox(int x0, int y0, int x1, int y1, const QColor& colour);
  // A round dot of the given pen width centred on (x, y).
  void Dot(double x, double y, int width, const QColor& colour);
  void SetDrawWidth(int width) { draw_width_ = width; }
  int DrawWidth() const { return draw_width_; }

  void SetItalic(bool italic) { font_.setItalic(italic); }
  // In field units.
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;
  double CurrentX = 0;
  double CurrentY = 0;
  // Prints at the print position, then moves it to the start of the next line.
  void Print(const QString& text, const QColor& colour);
  void PrintAt(double x, double y, const QString& text, const QColor& colour);

 private:
  QImage image_;
  QFont font_;
  int draw_width_ = 1;
};

}  // namespace pitchlog
