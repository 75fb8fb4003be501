// Answers the printer dialog of the code under test: with a printer that writes a PDF file into
// a temporary folder, with one that cannot print (its file cannot be written), or with Cancel.
// Reads back what the last printout drew.
#pragma once

#include <vector>

#include <QStringList>
#include <QTemporaryDir>

#include "app/sweeps/printer.h"

namespace app_testing {

class PrintCapture {
 public:
  enum class Answer { Print, Fail, Cancel };
  explicit PrintCapture(Answer answer = Answer::Print);
  ~PrintCapture();
  PrintCapture(const PrintCapture&) = delete;
  PrintCapture& operator=(const PrintCapture&) = delete;

  // How often the dialog was shown.
  int Dialogs() const { return dialogs_; }
  // The PDF file of the last printout; empty while nothing was printed.
  QByteArray Pdf() const;
  QString PdfPath() const;

  // What the last printout drew, and its texts in the order drawn.
  static const std::vector<pitchlog::PrintedItem>& Drawn();
  static QStringList Texts();
  // The first text drawn that reads exactly so; null when there is none.
  static const pitchlog::PrintedItem* FindText(const QString& text);

 private:
  QTemporaryDir dir_;
  int dialogs_ = 0;
};

// A printer that writes a PDF file.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path);

}  // namespace app_testing
