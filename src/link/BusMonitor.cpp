#include "BusMonitor.h"

#include "BoardLink.h"

QString BusMonitorLine(const BusRecord& record) {
  const bool read = record.kind == BusRecord::Read;
  return (read ? QStringLiteral("Read Dev Addr=") : QStringLiteral("Write Dev Addr=")) + FormatHex(record.chip) +
         QStringLiteral(" Addr Ptr=") + FormatHex(record.reg) +
         (read ? QStringLiteral(" Data In=") : QStringLiteral(" Data Out=")) + FormatHex(record.data);
}
