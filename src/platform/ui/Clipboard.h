#pragma once
// The clipboard as the program uses it: cleared, given a picture, asked for
// its picture. The system clipboard by default; tests install a stand-in in
// memory and read what the program left there.

#include <QImage>

namespace ui {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void Clear() = 0;
  virtual void SetImage(const QImage& picture) = 0;
  // The picture on the clipboard; a null image when it holds none.
  virtual QImage Image() const = 0;
};

// A clipboard that lives in the program's memory only.
class MemoryClipboard : public Clipboard {
 public:
  void Clear() override { picture_ = QImage(); }
  void SetImage(const QImage& picture) override { picture_ = picture; }
  QImage Image() const override { return picture_; }

 private:
  QImage picture_;
};

// The clipboard in use: the system's unless a test installed another.
Clipboard& TheClipboard();
void SetClipboard(Clipboard* clipboard);  // not owned; nullptr restores the system clipboard

// Back to the system clipboard.
void ResetClipboard();

}  // namespace ui
