#pragma once
// The per-device window scheme: which window serves which chip, how a page is
// opened and finds its chip again and talks to it, and the open flags the
// master timer reads. The session the device picker starts is in Session.h.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/forms/Form.h"

// Open flags: set when a live window is set up or loaded, cleared when it unloads.
extern std::array<bool, 2> gDiagramOpen;
extern std::array<bool, 2> gLimitsOpen;
extern std::array<bool, 2> gVoltageSenseOpen;
extern std::array<bool, 2> gPWMOpen;
extern bool gRegMapOpen;
// Set from the register map: the master timer skips the poll and every refresh but the map's own.
extern bool gPollingDisabled;

// The chip address a page caption carries: the hexadecimal number after its
// first lower-case "x" ("Share Bus Settings (0x48)" gives 0x48); -1 without an "x".
int32_t AddressFromCaption(const QString& caption);

// A window that works on one chip, found from its own caption.
class DevicePage : public forms::Form {
 public:
  // A live window names the open flags the master timer reads: MarkOpen sets
  // its entry and the unload clears it.
  explicit DevicePage(std::array<bool, 2>* openFlags = nullptr)
      : forms::Form(forms::WindowKind::Child), openFlags_(openFlags) {}
  // Reads the chip into the controls; called after the caption is set.
  virtual void SetupFormAfterLoad() = 0;
  // Refreshes of the live windows, called by the master timer.
  virtual void DisplayValues() {}
  virtual void PlotData() {}
  virtual void DisplayData() {}
  virtual void UpdateFlags() {}

  int32_t ChipAddress() const { return AddressFromCaption(Caption()); }
  // Records, open flags and window pairs: 0 for device 1's address, 1 otherwise.
  int DeviceIndex() const;
  // 0 or 1 for device 1's or 2's address, -1 for neither.
  int MatchingIndex() const;

 protected:
  // One register of the chip the caption names.
  int Read(int reg) const;
  void Write(int reg, int value) const;
  // Sets the window's open flag, when it has one and the caption names a chip.
  void MarkOpen() { SetOpen(true); }
  void Form_Unload() override { SetOpen(false); }

 private:
  void SetOpen(bool open) const;

  std::array<bool, 2>* openFlags_;
};

// The per-device window types. Each has two instances, index 0 for device 1.
enum class PageKind { Diagram, PWM, DigFilter, Limits, Share, CurrentSense, VoltageSense, OrFET, General };
constexpr int kPageKindCount = 9;

// Two window instances of one page type, each created on first use.
class PagePair {
 public:
  using Factory = std::function<std::unique_ptr<DevicePage>()>;
  void SetFactory(Factory factory) { factory_ = std::move(factory); }
  bool Available() const { return static_cast<bool>(factory_); }
  // The instance for a device index, created when its slot is empty; nullptr when the type has no windows.
  DevicePage* At(int index);
  // The instance for a device index if it was ever created, else nullptr.
  DevicePage* Existing(int index) const;
  void Clear();

 private:
  Factory factory_;
  std::array<std::unique_ptr<DevicePage>, 2> slots_;
};

PagePair& Pages(PageKind kind);
// A page type's windows become available to menus and hot areas.
void RegisterPage(PageKind kind, PagePair::Factory factory);

template <typename T>
T& PageAt(PageKind kind, int index) {
  return static_cast<T&>(*Pages(kind).At(index));
}

// The loaded window of a page type for a device index, as its own type, or
// nullptr when that window is not loaded. Creates none.
template <typename T>
T* LoadedPage(PageKind kind, int index) {
  DevicePage* page = Pages(kind).Existing(index);
  return page && page->IsLoaded() ? static_cast<T*>(page) : nullptr;
}

// The title the main window's menus give a page.
QString MenuTitle(PageKind kind);
// The caption of a page for a chip: title, " (0x", address in hexadecimal, ")".
QString PageCaption(const QString& title, int32_t address);

// Loads the page for a device index, captions it, sets it up and shows it.
void OpenDevicePage(PageKind kind, int index, const QString& title, int32_t address);
// The menus' way: the device's own address and the menu title.
void OpenDevicePage(PageKind kind, int index);
// Loads, captions and shows the block diagram of a device, and only then sets it up.
void OpenBlockDiagram(int index);

// Places a child window centred in the main window, 1000 twips above its middle.
void CenterInMainForm(forms::Form& frm);
