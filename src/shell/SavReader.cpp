#include "SavReader.h"

#include "model/NumberText.h"

char SavReader::Next() {
  char c;
  if (!file_.getChar(&c)) throw PastEnd{};
  return c;
}

char SavReader::ReadChar(int16_t Count) {
  char last = 0;
  for (int16_t i = 0; i < Count; ++i) last = Next();
  return last;
}

bool SavReader::IsEndOfFile() { return ReadChar(1) == '}'; }

int32_t SavReader::ReadByte() {
  const char c1 = ReadChar(1);
  const char c2 = ReadChar(1);
  const char pair[2] = {c1, c2};
  return numtext::HexVal(QString::fromLatin1(pair, 2));
}

void SavReader::SkipToLineEnd() {
  while (ReadChar(1) != '\n') {
  }
}

void SavReader::SkipPast(char wanted) {
  while (ReadChar(1) != wanted) {
  }
}

int RecallRegisterBlock(QIODevice& file, const std::function<void()>& blockFound,
                        const std::function<void(int32_t reg, int32_t data)>& write) {
  SavReader reader(file);
  int written = 0;
  try {
    reader.SkipPast('{');
    reader.SkipToLineEnd();
    blockFound();
    // The first character of a line is the end test; the register field is found by its "x".
    while (!reader.IsEndOfFile()) {
      reader.SkipPast('x');
      const int32_t reg = reader.ReadByte();
      reader.SkipPast('x');
      const int32_t data = reader.ReadByte();
      write(reg, data);
      ++written;
      reader.SkipToLineEnd();
    }
  } catch (const SavReader::PastEnd&) {
    // A block without its closing "}" keeps what was written before the end of the file.
  }
  return written;
}
