#include "FormStuff.h"

#include <algorithm>
#include <cmath>

#include "SingleWindows.h"
#include "frmDevice.h"
#include "frmMain.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "model/RegisterTable.h"
#include "model/Telemetry.h"
#include "platform/forms/Twips.h"

#include <QTimer>

std::unique_ptr<frmMain> gMainForm;
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

}  // namespace

int32_t AddressFromCaption(const QString& caption) {
  const int x = caption.indexOf(QLatin1Char('x'));
  if (x < 0) return -1;
  return numtext::HexVal(caption.mid(x + 1).section(QLatin1Char('x'), 0, 0));
}

int DeviceIndexOf(int32_t address) { return address == gDevAddr[0] ? 0 : 1; }

int MatchingDeviceIndex(int32_t address) {
  if (address == gDevAddr[0]) return 0;
  if (address == gDevAddr[1]) return 1;
  return -1;
}

DevicePage* PagePair::At(int index) {
  if (index < 0 || index > 1) return nullptr;
  if (!slots_[index] && factory_) slots_[index] = factory_();
  return slots_[index].get();
}

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
  page->Show();
}

void OpenDevicePage(PageKind kind, int index) {
  OpenDevicePage(kind, index, MenuTitle(kind), gDevAddr[static_cast<size_t>(index)]);
}

void OpenBlockDiagram(int index) {
  DevicePage* diagram = Pages(PageKind::Diagram).At(index);
  if (!diagram) return;
  diagram->Load();
  diagram->SetCaption(QStringLiteral("KRV7310 at SMBus Address = 0x") +
                      numtext::Hex(gDevAddr[static_cast<size_t>(index)]));
  diagram->Show();
  diagram->SetupFormAfterLoad();
}

void CenterInMainForm(forms::Form& frm) {
  if (!gMainForm || !gMainForm->IsLoaded()) return;
  // The main window's outer size, its frame and title bar included.
  const QRect outer = gMainForm->Window()->frameGeometry();
  const float mainWidth = static_cast<float>(forms::ToTwips(outer.width()));
  const float mainHeight = static_cast<float>(forms::ToTwips(outer.height()));
  const float left = mainWidth / 2 - static_cast<float>(frm.Width()) / 2;
  const float top = mainHeight / 2 - static_cast<float>(frm.Height()) / 2 - 1000;
  // A window whose title bar starts above the document area could never be moved back.
  frm.SetLeft(std::max(0, numtext::RoundToInt(left)));
  frm.SetTop(std::max(0, numtext::RoundToInt(top)));
}

void InitSession() {
  BuildRegisterTable();
  SetReadingFullScales();
  if (gMainForm && gMainForm->tmrMaster) gMainForm->tmrMaster->start();
  DeviceInfo& first = gDevices[0];
  first.L = 10;
  first.C = 5000;
  first.ESR = 12;
  first.Rload = 0.5f;
  gDevices[1].L = first.L;
  gDevices[1].C = first.C;
  gDevices[1].ESR = first.ESR;
  gDevices[1].Rload = first.Rload;
}

void ConfigureMenusForDeviceCount() {
  if (gDeviceCount != 1 || !gMainForm) return;
  if (QAction* menu = gMainForm->Action(QStringLiteral("mnuDevice2"))) menu->setEnabled(false);
  if (QAction* button = gMainForm->ToolbarButton(7)) button->setEnabled(false);
}

void ResetShellState() {
  forms::UnloadAllForms();
  for (PagePair& pair : gPages) pair.Clear();
  ResetSingleWindows();
  gMainForm.reset();
  gDiagramOpen = {};
  gLimitsOpen = {};
  gVoltageSenseOpen = {};
  gPWMOpen = {};
  gRegMapOpen = false;
  gPollingDisabled = false;
}
