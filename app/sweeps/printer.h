// The printer object of the printouts: pages that take text and lines at positions in twips
// (1440 to the inch, 15 to a pixel at 96 dpi), from the top left of the printable area, with a
// current position that each printed line moves down. Font sizes are in points.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace pitchlog {

inline constexpr double kTwipsPerInch = 1440;

// One thing drawn, in twips on its page; what a printout is checked against.
struct PrintedItem {
  enum class Kind { Text, Line };
  Kind kind = Kind::Text;
  int page = 1;
  double x = 0, y = 0;    // text: its top left; line: its start
  double x2 = 0, y2 = 0;  // line: its end
  QString text;
  double width = 0;  // text: as the printer measured it
  double font_size = 0;
  bool bold = false;
  bool underline = false;
  QColor colour;
};

class Printer {
 public:
  // Starts the document on the device, which must outlive the printer, as a job of that name.
  // Throws when the device cannot print (no printer, a file that cannot be written).
  explicit Printer(QPagedPaintDevice* device, const QString& job_name = QString());
  // A document not ended is abandoned: a printer drops the job.
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // The font; a font sized in pixels is taken at its size on a 96 dpi screen.
  void SetFont(const QFont& font);
  const QFont& Font() const { return font_; }
  void SetFontSize(double points);
  void SetFontBold(bool on);
  void SetFontUnderline(bool on);
  QColor ForeColor = Qt::black;

  double CurrentX = 0;
  double CurrentY = 0;

  // The printable area.
  double ScaleWidth() const;
  double ScaleHeight() const;
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;

  // The text at the current position in the fore colour; then the start of the next line.
  void Print(const QString& text = QString());
  // A thin black line.
  void Line(double x1, double y1, double x2, double y2);
  void NewPage();
  // Ends the document: the pages go to the printer. Throws when they cannot.
  void EndDoc();

  int Page() const { return page_; }
  // Everything drawn so far, page by page.
  const std::vector<PrintedItem>& Drawn() const { return drawn_; }

 private:
  double ToDeviceX(double twips) const;
  double ToDeviceY(double twips) const;
  void Require() const;

  QPagedPaintDevice* device_;
  QPainter painter_;
  QFont font_;
  int page_ = 1;
  bool ended_ = false;
  std::vector<PrintedItem> drawn_;
};

// The printer dialog: print to file and print selection are not offered, and the printer chosen
// is offered first the next time. Null when the user cancels.
std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent);

// The header every printout starts with, printed at the current position: bold, two blank lines
// and the heading in 16 points, then "Printed on " and today's date in date_points.
void PrintHeading(Printer& printer, const QString& heading, double date_points);

// The page's number at its top right, and on a page after the first the printout's title at its
// top left, with the current position under them; on the first page, which opens with its
// heading, the current position is kept.
void PrintPageHead(Printer& printer, const QString& title);

// The message after a printout failed.
void ShowPrinterError();

// For tests: the printer dialog answered in place of the user (a PDF printer, or null for Cancel),
// and what the last printout drew before it ended (cleared by each new answer).
namespace printing_seam {
void AnswerPrinterDialog(std::function<std::unique_ptr<QPrinter>()> answer);
const std::vector<PrintedItem>& LastPrintout();
// The job name the last printout went to the printer under.
const QString& LastJobName();
}  // namespace printing_seam

}  // namespace pitchlog
