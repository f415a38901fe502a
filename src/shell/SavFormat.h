#pragma once
// The text of a saved-settings (.sav) file: a header, one line per register
// (address, TAB, value, TAB, " // ", name), and a closing "}". Lines end in CR LF.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace savfile {

inline const QString kLineEnd = QStringLiteral("\r\n");
// Registers 0x00 to this address are saved, unless their name is "Reserved".
constexpr int32_t kLastSavedAddress = 0x5F;

// Lines 1 to 9: maker, program, date and time, the comment on one line without
// its outer blanks, "{".
QString Header(const QString& date, const QString& time, const QString& comment);
// One register line with its line end: "0x21\t0x98\t // CS1 Gain Trim\r\n".
QString RegisterLine(int32_t address, int32_t value, const QString& name);
// True for an address whose register goes into the file.
bool IsSavedAddress(int32_t address);
// The whole text as it goes to disk (UTF-8, so the register lines stay plain
// ASCII whatever the comment holds), with a line end after the last line.
QByteArray FileBytes(const QString& text);

}  // namespace savfile
