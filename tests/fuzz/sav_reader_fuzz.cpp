// Feeds arbitrary bytes to recall's walk of a settings file. It must end, stay
// inside its buffer and hand over only whole register bytes.

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "shell/SavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer file(&bytes);
  file.open(QIODevice::ReadOnly);
  bool found = false;
  int handed = 0;
  const int written = RecallRegisterBlock(
      file, [&] { found = true; },
      [&](int32_t reg, int32_t value) {
        // Two hex digits can say no more than a byte.
        if (!found || reg < 0 || reg > 0xFF || value < 0 || value > 0xFF) std::abort();
        ++handed;
      });
  // Every register line costs at least the end test and two fields of an "x" and two characters.
  if (written != handed || static_cast<size_t>(written) * 7 > size) std::abort();
  return 0;
}
