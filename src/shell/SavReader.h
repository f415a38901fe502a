#pragma once
// Reads a saved-settings file one character at a time, the way recall walks it.
// Every read past the last character throws PastEnd, so no loop can outrun the file.

#include <QIODevice>
#include <cstdint>
#include <functional>

class SavReader {
 public:
  struct PastEnd {};

  explicit SavReader(QIODevice& file) : file_(file) {}

  // Reads Count characters and returns the last one read.
  char ReadChar(int16_t Count);
  // Reads one character: true when it is "}".
  bool IsEndOfFile();
  // Reads two characters; the value of their leading hex digits (0 when the first is none).
  int32_t ReadByte();
  // Reads up to and including the next line feed.
  void SkipToLineEnd();
  // Reads up to and including the next `wanted` character.
  void SkipPast(char wanted);

 private:
  char Next();
  QIODevice& file_;
};

// Walks a settings file as recall does: up to the first "{" and the end of its
// line, then `blockFound`, then one register line after another, each handed to
// `write` as soon as it is read, up to a line that starts with "}" or the end of
// the file. Returns the number of lines handed over.
int RecallRegisterBlock(QIODevice& file, const std::function<void()>& blockFound,
                        const std::function<void(int32_t reg, int32_t data)>& write);
