#pragma once
// Reads a saved-settings file one character at a time, the way recall walks it.
// Every read past the last character throws PastEnd, so no loop can outrun the file.

#include <QIODevice>
#include <cstdint>

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
