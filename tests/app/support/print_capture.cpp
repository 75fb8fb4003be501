#include "tests/app/support/print_capture.h"

#include <QFile>
#include <QPrinter>

namespace app_testing {

std::unique_ptr<QPrinter> PdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

PrintCapture::PrintCapture(Answer answer) {
  const QString path = PdfPath();
  QFile::remove(path);
  pitchlog::printing_seam::AnswerPrinterDialog([this, answer, path]() -> std::unique_ptr<QPrinter> {
    ++dialogs_;
    if (answer == Answer::Cancel) return nullptr;
    if (answer == Answer::Fail) return PdfPrinter(dir_.filePath(QStringLiteral("no such folder/printout.pdf")));
    return PdfPrinter(path);
  });
}

PrintCapture::~PrintCapture() { pitchlog::printing_seam::AnswerPrinterDialog(nullptr); }

QString PrintCapture::PdfPath() const { return dir_.filePath(QStringLiteral("printout.pdf")); }

QByteArray PrintCapture::Pdf() const {
  QFile file(PdfPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const std::vector<pitchlog::PrintedItem>& PrintCapture::Drawn() { return pitchlog::printing_seam::LastPrintout(); }

QStringList PrintCapture::Texts() {
  QStringList texts;
  for (const pitchlog::PrintedItem& item : Drawn())
    if (item.kind == pitchlog::PrintedItem::Kind::Text) texts << item.text;
  return texts;
}

const pitchlog::PrintedItem* PrintCapture::FindText(const QString& text) {
  for (const pitchlog::PrintedItem& item : Drawn())
    if (item.kind == pitchlog::PrintedItem::Kind::Text && item.text == text) return &item;
  return nullptr;
}

}  // namespace app_testing
