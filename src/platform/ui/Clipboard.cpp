#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/globals/ProgramGlobals.h"

namespace ui {
namespace {

class SystemClipboard : public Clipboard {
 public:
  void Clear() override { QGuiApplication::clipboard()->clear(); }
  void SetImage(const QImage& picture) override { QGuiApplication::clipboard()->setImage(picture); }
  QImage Image() const override { return QGuiApplication::clipboard()->image(); }
};

Clipboard* gClipboard = nullptr;

}  // namespace

Clipboard& TheClipboard() {
  static SystemClipboard system;
  return gClipboard ? *gClipboard : system;
}

void SetClipboard(Clipboard* clipboard) { gClipboard = clipboard; }

void ResetClipboard() { gClipboard = nullptr; }
[[maybe_unused]] const bool kClipboardResetRegistered = globals::RegisterReset(globals::ResetStage::Seams, &ResetClipboard);

}  // namespace ui
