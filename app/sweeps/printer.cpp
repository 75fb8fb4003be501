#include "app/sweeps/printer.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPrinter>

#include "app/kit/msg_box.h"
#include "platform/component/error.h"

namespace pitchlog {
namespace {

constexpr double kScreenDpi = 96;
constexpr double kLineTwips = 15;  // one screen pixel

std::function<std::unique_ptr<QPrinter>()>& DialogAnswer() {
  static std::function<std::unique_ptr<QPrinter>()> answer;
  return answer;
}

std::vector<PrintedItem>& LastDrawn() {
  static std::vector<PrintedItem> drawn;
  return drawn;
}

QString& LastJob() {
  static QString name;
  return name;
}

// The printer the user chose last, offered first by the next dialog of the run.
QString& LastPrinterName() {
  static QString name;
  return name;
}

[[noreturn]] void Fail(const char* what) { throw kelvane::Error(kelvane::ErrorKind::Other, what); }

}  // namespace

Printer::Printer(QPagedPaintDevice* device, const QString& job_name) : device_(device) {
  // The print queue shows the job by this name.
  if (auto* printer = dynamic_cast<QPrinter*>(device_); printer && !job_name.isEmpty()) printer->setDocName(job_name);
  if (!device_ || !painter_.begin(device_)) Fail("the printer cannot start a document");
  SetFont(QFont());
}

Printer::~Printer() {
  if (ended_ || !painter_.isActive()) return;
  if (auto* printer = dynamic_cast<QPrinter*>(device_)) printer->abort();
  painter_.end();
}

void Printer::Require() const {
  if (ended_ || !painter_.isActive()) Fail("the printer's document has ended");
}

double Printer::ToDeviceX(double twips) const { return twips * device_->logicalDpiX() / kTwipsPerInch; }
double Printer::ToDeviceY(double twips) const { return twips * device_->logicalDpiY() / kTwipsPerInch; }

void Printer::SetFont(const QFont& font) {
  font_ = font;
  if (font_.pointSizeF() <= 0) font_.setPointSizeF(font.pixelSize() * 72.0 / kScreenDpi);
}

void Printer::SetFontSize(double points) { font_.setPointSizeF(points); }
void Printer::SetFontBold(bool on) { font_.setBold(on); }
void Printer::SetFontUnderline(bool on) { font_.setUnderline(on); }

double Printer::ScaleWidth() const { return device_->width() * kTwipsPerInch / device_->logicalDpiX(); }
double Printer::ScaleHeight() const { return device_->height() * kTwipsPerInch / device_->logicalDpiY(); }

double Printer::TextWidth(const QString& text) const {
  return QFontMetricsF(font_, device_).horizontalAdvance(text) * kTwipsPerInch / device_->logicalDpiX();
}

double Printer::TextHeight(const QString& text) const {
  Q_UNUSED(text);  // one line of the font, whatever it holds
  return QFontMetricsF(font_, device_).height() * kTwipsPerInch / device_->logicalDpiY();
}

void Printer::Print(const QString& text) {
  Require();
  if (!text.isEmpty()) {
    painter_.setFont(font_);
    painter_.setPen(ForeColor);
    const QFontMetricsF metrics(font_, device_);
    painter_.drawText(QPointF(ToDeviceX(CurrentX), ToDeviceY(CurrentY) + metrics.ascent()), text);
    drawn_.push_back({PrintedItem::Kind::Text, page_, CurrentX, CurrentY, 0, 0, text, TextWidth(text),
                      font_.pointSizeF(), font_.bold(), font_.underline(), ForeColor});
  }
  CurrentX = 0;
  CurrentY += TextHeight(text);
}

void Printer::Line(double x1, double y1, double x2, double y2) {
  Require();
  QPen pen(Qt::black);
  pen.setWidthF(ToDeviceX(kLineTwips));
  painter_.setPen(pen);
  painter_.drawLine(QPointF(ToDeviceX(x1), ToDeviceY(y1)), QPointF(ToDeviceX(x2), ToDeviceY(y2)));
  drawn_.push_back({PrintedItem::Kind::Line, page_, x1, y1, x2, y2, QString(), 0, 0, false, false, Qt::black});
}

void Printer::NewPage() {
  Require();
  if (!device_->newPage()) Fail("the printer cannot start a new page");
  ++page_;
  CurrentX = 0;
  CurrentY = 0;
}

void Printer::EndDoc() {
  Require();
  ended_ = true;
  if (!painter_.end()) Fail("the printer did not take the document");
  LastDrawn() = drawn_;
  const auto* printer = dynamic_cast<const QPrinter*>(device_);
  LastJob() = printer ? printer->docName() : QString();
}

std::unique_ptr<QPrinter> ChoosePrinter(QWidget* parent) {
  if (DialogAnswer()) return DialogAnswer()();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!LastPrinterName().isEmpty()) printer->setPrinterName(LastPrinterName());
  QPrintDialog dialog(printer.get(), parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  LastPrinterName() = printer->printerName();
  return printer;
}

void PrintHeading(Printer& printer, const QString& heading, double date_points) {
  printer.SetFontBold(true);
  printer.SetFontSize(16);
  printer.Print(QStringLiteral(" "));
  printer.Print(QStringLiteral(" "));
  printer.Print(heading);
  printer.SetFontSize(date_points);
  printer.Print(QStringLiteral("Printed on ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void PrintPageHead(Printer& printer, const QString& title) {
  const QFont font = printer.Font();
  const QColor colour = printer.ForeColor;
  const double kept = printer.CurrentY;
  const double top = 0;
  printer.SetFontBold(false);
  printer.SetFontUnderline(false);
  printer.SetFontSize(8);
  printer.ForeColor = Qt::black;
  const bool later = printer.Page() > 1;
  printer.CurrentY = top;
  if (later) {
    printer.CurrentX = 0;
    printer.Print(title);
    printer.CurrentY = top;
  }
  const QString number = QStringLiteral("Page %1").arg(printer.Page());
  printer.CurrentX = printer.ScaleWidth() - printer.TextWidth(number);
  printer.Print(number);
  printer.CurrentY = later ? top + 2 * printer.TextHeight(number) : kept;
  printer.CurrentX = 0;
  printer.SetFont(font);
  printer.ForeColor = colour;
}

void ShowPrinterError() {
  MsgBox(QStringLiteral("Printer error occured. Please ensure that your default printer has been setup correctly "
                        "and that all cables are attached and your printer is switched on and is online."),
         msgbox::Critical);
}

namespace printing_seam {

void AnswerPrinterDialog(std::function<std::unique_ptr<QPrinter>()> answer) {
  DialogAnswer() = std::move(answer);
  LastDrawn().clear();
  LastJob().clear();
}

const std::vector<PrintedItem>& LastPrintout() { return LastDrawn(); }

const QString& LastJobName() { return LastJob(); }

}  // namespace printing_seam

}  // namespace pitchlog
