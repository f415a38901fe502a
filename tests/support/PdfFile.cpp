#include "PdfFile.h"

#include <QRegularExpression>

#include "support/Files.h"

namespace support {

std::unique_ptr<QPrinter> PdfPrinter(const QString& path, const QPageSize& size) {
  auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
  device->setOutputFormat(QPrinter::PdfFormat);
  device->setOutputFileName(path);
  device->setPageSize(size);
  return device;
}

QByteArray ReadPdf(const QString& path) { return ReadFile(path); }

QString PdfPageContent(const QByteArray& pdf) {
  QString content;
  for (qsizetype at = pdf.indexOf("/FlateDecode"); at >= 0; at = pdf.indexOf("/FlateDecode", at + 1)) {
    const qsizetype start = pdf.indexOf("stream\n", at) + 7;
    const qsizetype end = pdf.indexOf("\nendstream", start);
    // Qt's unpacking wants the size ahead of the packed bytes; a generous guess will do.
    const QByteArray packed = QByteArray::fromHex("00100000") + pdf.mid(start, end - start);
    content += QString::fromLatin1(qUncompress(packed));
  }
  return content;
}

PlacedPicture FindPlacedPicture(const QString& content, int resolution) {
  // "sx 0 0 sy x y cm" then "w 0 0 -h 0 h cm /Im.. Do": device units of the printer.
  static const QRegularExpression drawn(
      QStringLiteral(R"(([\d.]+) 0 0 ([\d.]+) ([\d.-]+) ([\d.-]+) cm\s+(\d+) 0 0 -(\d+) 0 \d+ cm /Im)"));
  const QRegularExpressionMatch m = drawn.match(content);
  PlacedPicture placed;
  if (!m.hasMatch()) return placed;
  const double twips = 1440.0 / resolution;
  placed.width = m.captured(1).toDouble() * m.captured(5).toDouble() * twips;
  placed.height = m.captured(2).toDouble() * m.captured(6).toDouble() * twips;
  placed.left = m.captured(3).toDouble() * twips;
  placed.top = m.captured(4).toDouble() * twips;
  return placed;
}

}  // namespace support
