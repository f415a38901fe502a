#pragma once
// What the register map knows about a register address without any window:
// which addresses hold a two-read reading and how it decodes, which bit a bit
// label shows, and the keys of the register tree.

#include <QString>
#include <QStringList>
#include <cstdint>

// 0x10 to 0x1A: read twice, shown in 16 bits.
bool IsReadingRegister(int32_t address);
// 0x11, 0x12, 0x13 and 0x18: the two bytes are one 16-bit value.
bool Is16BitRegister(int32_t address);

// The value of a two-read reading from its bytes: b1 x 256 + b2 for a 16-bit
// register, b1 x 16 + b2 / 16 rounded half to even for a 12-bit one.
int32_t ReadingValue(int32_t address, int32_t b1, int32_t b2);

// The bit of the value that bit label `label` (0 to 15) shows; -1 when it shows none.
int BitShownByLabel(int label, bool reading);

// The byte the first eight bit captions make: bit i set when caption i is not "0".
int32_t ByteFromBitCaptions(const QStringList& captions);

// The byte a typed data text names: hexadecimal digits, an "h" after them if
// any, blanks around; false for any other text or a value above FFh.
bool DataByteFromText(const QString& text, int32_t& value);

// "CS1 Gain Trim,21": the name, a comma, the address in hex.
QString RegisterNodeKey(const QString& name, int32_t address);
// The address after the comma of a register node's key; false when the key has no comma.
bool AddressFromNodeKey(const QString& key, int32_t& address);
// The name before the comma.
QString NameFromNodeKey(const QString& key);
