#include "FormStuff.h"

#include <QMdiArea>
#include <algorithm>

#include "frmDevice.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "platform/forms/Twips.h"
#include "platform/globals/ProgramGlobals.h"

std::array<bool, 2> gDiagramOpen{};
std::array<bool, 2> gLimitsOpen{};
std::array<bool, 2> gVoltageSenseOpen{};
std::array<bool, 2> gPWMOpen{};
bool gRegMapOpen = false;
bool gPollingDisabled = false;

namespace {

// The block diagram belongs to this library; the other page types register themselves.
std::array<PagePair, kPageKindCount> MakePages() {
  std::array<PagePair, kPageKindCount> pages;
  pages[static_cast<int>(PageKind::Diagram)].SetFactory([] { return std::make_unique<frmDevice>(); });
  return pages;
}

std::array<PagePair, kPageKindCount> gPages = MakePages();

// The windows go, their types stay registered.
void ResetPageScheme() {
  for (PagePair& pair : gPages) pair.Clear();
  gDiagramOpen = {};
  gLimitsOpen = {};
  gVoltageSenseOpen = {};
  gPWMOpen = {};
  gRegMapOpen = false;
  gPollingDisabled = false;
}

[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::Windows, &ResetPageScheme);

}  // namespace

int32_t AddressFromCaption(const QString& caption) {
  const int x = caption.indexOf(QLatin1Char('x'));
  if (x < 0) return -1;
  return numtext::HexVal(caption.mid(x + 1).section(QLatin1Char('x'), 0, 0));
}

int DevicePage::DeviceIndex() const { return DeviceRecordIndex(ChipAddress()); }

int DevicePage::MatchingIndex() const { return MatchingDeviceIndex(ChipAddress()); }

int DevicePage::Read(int reg) const { return ReadRegister(ChipAddress(), reg); }

void DevicePage::Write(int reg, int value) const { WriteRegister(ChipAddress(), reg, value); }

void DevicePage::SetOpen(bool open) const {
  const int index = MatchingIndex();
  if (openFlags_ && IsDeviceIndex(index)) (*openFlags_)[static_cast<std::size_t>(index)] = open;
}

DevicePage* PagePair::At(int index) {
  if (!IsDeviceIndex(index)) return nullptr;
  if (!slots_[index] && factory_) slots_[index] = factory_();
  return slots_[index].get();
}

DevicePage* PagePair::Existing(int index) const { return IsDeviceIndex(index) ? slots_[index].get() : nullptr; }

void PagePair::Clear() {
  for (auto& slot : slots_) slot.reset();
}

PagePair& Pages(PageKind kind) {
  return gPages[static_cast<int>(kind)];
}

void RegisterPage(PageKind kind, PagePair::Factory factory) {
  gPages[static_cast<int>(kind)].SetFactory(std::move(factory));
}

QString MenuTitle(PageKind kind) {
  switch (kind) {
    case PageKind::PWM: return QStringLiteral("PWM Output Control");
    case PageKind::DigFilter: return QStringLiteral("Filter Settings");
    case PageKind::Limits: return QStringLiteral("Limits and Graphs");
    case PageKind::Share: return QStringLiteral("Share Bus Settings");
    case PageKind::CurrentSense: return QStringLiteral("Current Sensing");
    case PageKind::VoltageSense: return QStringLiteral("Voltage Sensing");
    case PageKind::OrFET: return QStringLiteral("OrFET Control");
    case PageKind::General: return QStringLiteral("General Settings");
    case PageKind::Diagram: break;
  }
  return QString();
}

QString PageCaption(const QString& title, int32_t address) {
  return title + QStringLiteral(" (0x") + numtext::Hex(address) + QStringLiteral(")");
}

void OpenDevicePage(PageKind kind, int index, const QString& title, int32_t address) {
  DevicePage* page = Pages(kind).At(index);
  if (!page) return;
  page->Load();
  page->SetCaption(PageCaption(title, address));
  page->SetupFormAfterLoad();
  // A page that closed itself during set-up (the user declined what it offered) stays closed.
  if (page->IsLoaded()) page->Show();
}

void OpenDevicePage(PageKind kind, int index) {
  OpenDevicePage(kind, index, MenuTitle(kind), DeviceAddress(index));
}

void OpenBlockDiagram(int index) {
  DevicePage* diagram = Pages(PageKind::Diagram).At(index);
  if (!diagram) return;
  diagram->Load();
  diagram->SetCaption(QStringLiteral("KRV7310 at SMBus Address = 0x") +
                      numtext::Hex(DeviceAddress(index)));
  diagram->Show();
  diagram->SetupFormAfterLoad();
}

void CenterInMainForm(forms::Form& frm) {
  // The document area lives exactly as long as the main window's load.
  QMdiArea* area = forms::MdiArea();
  if (!area) return;
  // The main window's outer size, its frame and title bar included.
  const QRect outer = area->window()->frameGeometry();
  const float mainWidth = static_cast<float>(forms::ToTwips(outer.width()));
  const float mainHeight = static_cast<float>(forms::ToTwips(outer.height()));
  const float left = mainWidth / 2 - static_cast<float>(frm.Width()) / 2;
  const float top = mainHeight / 2 - static_cast<float>(frm.Height()) / 2 - 1000;
  // A window whose title bar starts above the document area could never be moved back.
  frm.SetLeft(std::max(0, numtext::RoundToInt(left)));
  frm.SetTop(std::max(0, numtext::RoundToInt(top)));
}
