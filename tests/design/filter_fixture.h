#pragma once
// What the tests of the filter window share: a board whose chips hold a valid
// filter set at 125 kHz, the window opened as the menus open it, and clicks and
// pointer moves at twips of its chart.

#include <QTest>

#include "design/frmDigFilter.h"
#include "filter_chart.h"
#include "support/PageFixture.h"
#include "support/PictureMouse.h"

namespace filtertest {

// The four codes of one set, as the chip holds them.
struct Codes {
  int lf, zero, pole, hf;
};
constexpr Codes kDefaultCodes{0x03, 0xEE, 0x96, 0x0F};
constexpr Codes kDCMCodes{0x05, 0xE0, 0x80, 0x20};

class FilterPage : public support::PageFixture {
 protected:
  // Chips whose 0x5D holds AUX bits 0xA and the main index 3 (125 kHz), both sets valid.
  usb::EmulatedBoard& StartFilterBoard(const std::vector<int>& chips = {0x48}) {
    usb::EmulatedBoard& board = StartBoard(chips);
    for (int chip : chips) {
      board.SetReg(chip, 0x5D, 0xA3);
      board.SetReg(chip, 0x40, 0x80);
      SetSet(board, chip, filter::kCCM, kDefaultCodes);
      SetSet(board, chip, filter::kDCM, kDCMCodes);
    }
    return board;
  }
  static void SetSet(usb::EmulatedBoard& board, int chip, int mode, const Codes& c) {
    board.SetReg(chip, filter::LFGainReg(mode), static_cast<uint8_t>(c.lf));
    board.SetReg(chip, filter::ZeroReg(mode), static_cast<uint8_t>(c.zero));
    board.SetReg(chip, filter::PoleReg(mode), static_cast<uint8_t>(c.pole));
    board.SetReg(chip, filter::HFGainReg(mode), static_cast<uint8_t>(c.hf));
  }
  frmDigFilter& OpenFilter(int index = 0) { return Open<frmDigFilter>(PageKind::DigFilter, index); }

  // A press on a button, or on the box of a check box or option.
  static void Press(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
  }
  static void PressButton(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

  // Mouse events on the chart at a point in twips, between pixels where need be.
  static void Mouse(frmDigFilter& page, QEvent::Type type, double x, double y) {
    support::MouseAt(page.pctFilter, type, QPointF(x, y));
  }
  static void ClickAt(frmDigFilter& page, double x, double y) {
    Mouse(page, QEvent::MouseButtonPress, x, y);
    Mouse(page, QEvent::MouseButtonRelease, x, y);
  }
  static void MoveTo(frmDigFilter& page, double x, double y) { Mouse(page, QEvent::MouseMove, x, y); }
  // Click-to-pick at one point, follow the pointer to another, click to drop far from every handle.
  static void Drag(frmDigFilter& page, QPointF from, QPointF to) {
    ClickAt(page, from.x(), from.y());
    MoveTo(page, to.x(), to.y());
    ClickAt(page, 9000, 6000);
  }

  // A register write as the bus log shows it.
  static std::string WriteLine(int reg, int code) {
    char line[32];
    std::snprintf(line, sizeof line, "write 0x%02X = 0x%02X", reg, code);
    return line;
  }

  static QPointF Centre(const forms::BoxItem* box) { return support::Centre(*box); }
  // The integrator line's height at x.
  static double IntegratorAt(frmDigFilter& page, double x) {
    const forms::LineItem* line = page.lnIstSlope;
    return line->Y1() + (line->Y2() - line->Y1()) / (line->X2() - line->X1()) * (x - line->X1());
  }
};

}  // namespace filtertest
