#pragma once
// The program's vocabulary of the KRV7310 register set: a name for each of the
// 105 register addresses 0x00 to 0x68. "Reserved" marks an address without a register.

#include <QString>
#include <array>
#include <cstdint>

struct RegisterInfo {
  QString Name;
  int32_t Reserved1 = 0;
  int32_t Reserved2 = 0;
  int32_t Address = 0;
};

constexpr int kRegisterCount = 105;
extern std::array<RegisterInfo, kRegisterCount> gRegTable;

inline const QString kReservedName = QStringLiteral("Reserved");

// Fills every name and address; running it again leaves the same table.
void BuildRegisterTable();
void ResetRegisterTable();
