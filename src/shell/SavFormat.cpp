#include "SavFormat.h"

#include "link/BoardLink.h"
#include "model/RegisterTable.h"

namespace savfile {
namespace {

// The comment is one line of the file, whatever the caller hands over: a line
// break inside it would end the header early and could start a register block.
QString OneLine(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

// Only blanks are trimmed; a tab inside the comment stays as typed.
QString TrimBlanks(const QString& text) {
  int first = 0;
  int last = static_cast<int>(text.size()) - 1;
  while (first <= last && text[first] == QLatin1Char(' ')) ++first;
  while (last >= first && text[last] == QLatin1Char(' ')) --last;
  return text.mid(first, last - first + 1);
}

}  // namespace

QString Header(const QString& date, const QString& time, const QString& comment) {
  return QStringLiteral("Velmora Inc.") + kLineEnd + QStringLiteral("KRV7310 Evaluation Software") + kLineEnd +
         kLineEnd + QStringLiteral("Saved: ") + date + QStringLiteral(" at ") + time + kLineEnd + kLineEnd +
         QStringLiteral("Comment : ") + TrimBlanks(OneLine(comment)) + kLineEnd + kLineEnd +
         QStringLiteral("KRV7310_Registers()") + kLineEnd + QStringLiteral("{") + kLineEnd;
}

QString RegisterLine(int32_t address, int32_t value, const QString& name) {
  return FormatHex(address) + QLatin1Char('\t') + FormatHex(value) + QLatin1Char('\t') + QStringLiteral(" // ") +
         name + kLineEnd;
}

bool IsSavedAddress(int32_t address) {
  return address >= 0 && address <= kLastSavedAddress && gRegTable[static_cast<size_t>(address)].Name != kReservedName;
}

QByteArray FileBytes(const QString& text) { return (text + kLineEnd).toUtf8(); }

}  // namespace savfile
