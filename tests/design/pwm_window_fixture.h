#pragma once
// The PWM editor's tests: the window opened as the Device menu opens it, its
// buttons and boxes clicked by name, and mouse events sent to a row picture
// at positions in twips.

#include <QTest>

#include "design/frmPWM.h"
#include "support/PageFixture.h"
#include "support/PictureMouse.h"
#include "support/Widgets.h"

class PwmWindow : public support::PageFixture {
 protected:
  frmPWM& OpenPWM(int index = 0) { return Open<frmPWM>(PageKind::PWM, index); }

  // The edge registers of rows 0-6, the disable register and 0x5D, as a board holds them.
  static void SetEdges(usb::EmulatedBoard& board, int row, int ta, int sa, int tb, int sb, int chip = 0x48) {
    board.SetReg(chip, 0x41 + 4 * row, static_cast<uint8_t>(ta));
    board.SetReg(chip, 0x42 + 4 * row, static_cast<uint8_t>(sa));
    board.SetReg(chip, 0x43 + 4 * row, static_cast<uint8_t>(tb));
    board.SetReg(chip, 0x44 + 4 * row, static_cast<uint8_t>(sb));
  }

  static void Press(frmPWM& page, const QString& button) {
    auto* b = support::Find<forms::CommandButton>(page, button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
  }
  static void Tick(frmPWM& page, const QString& box) {
    auto* b = support::Find<forms::CheckBox>(page, box);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
  }
  static forms::PictureBox* Row(frmPWM& page, int row) {
    return support::Find<forms::PictureBox>(page, QStringLiteral("pctPWM(%1)").arg(row));
  }
  template <typename T>
  static T* Item(frmPWM& page, int row, const QString& name) {
    return support::Find<T>(Row(page, row), name);
  }
  static QString Caption(frmPWM& page, int row, const QString& label) {
    auto* l = Item<forms::LabelItem>(page, row, label);
    return l ? l->Caption() : QString();
  }
  static float LineX(frmPWM& page, int row, int line) {
    return Item<forms::LineItem>(page, row, QStringLiteral("Ln(%1)").arg(line))->X1();
  }

  // A mouse event at a point of a row picture given in twips, no button held on a move.
  static void Mouse(frmPWM& page, int row, QEvent::Type type, double x, double y = 500) {
    support::MouseAt(Row(page, row), type, QPointF(x, y));
  }
  static void Click(frmPWM& page, int row, double x) {
    Mouse(page, row, QEvent::MouseButtonPress, x);
    Mouse(page, row, QEvent::MouseButtonRelease, x);
  }
  static void Move(frmPWM& page, int row, double x) { Mouse(page, row, QEvent::MouseMove, x); }
};
