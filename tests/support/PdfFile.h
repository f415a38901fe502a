#pragma once
// Printing in tests: a printer that writes a PDF file, and what tests read back
// from that file (its bytes, its drawing instructions, where a picture landed).

#include <QByteArray>
#include <QPrinter>
#include <QString>
#include <memory>

namespace support {

// An A4 printer at 1200 dpi writing to a PDF file; a page size in points may replace A4.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path, const QPageSize& size = QPageSize(QPageSize::A4));

QByteArray ReadPdf(const QString& path);
// The drawing instructions of every page, unpacked.
QString PdfPageContent(const QByteArray& pdf);

// Where a picture landed on the page, from the drawing instructions, in twips.
struct PlacedPicture {
  double left = -1, top = -1, width = -1, height = -1;
};
PlacedPicture FindPlacedPicture(const QString& content, int resolution);

}  // namespace support
