#pragma once
// The shared geometry of the per-device pages, in twips: rows of a caption
// beside its list, check-box rows, command buttons and the OK/Apply/Close row,
// so every page lines up alike.

#include <QString>
#include <functional>

#include "platform/forms/Controls.h"

namespace pagekit {

constexpr int kListHeight = 330;    // a drop-down list, 22 pixels
constexpr int kButtonWidth = 1140;  // 76 pixels
constexpr int kButtonHeight = 390;  // 26 pixels
constexpr int kButtonGap = 90;      // between buttons side by side

// Where the captions and lists of one group go, relative to the group.
struct RowGrid {
  int labelLeft;
  int labelWidth;
  int listLeft;
  int listWidth;
  int firstTop;
  int pitch;
  int Top(int row) const { return firstTop + row * pitch; }
};

// The object name of the caption beside a control: "cmbOffset" gives
// "lblOffsetCaption", "cmbTrim(1)" gives "lblTrimCaption(1)".
QString CaptionName(const QString& controlName);

// A one-line caption, vertically centred on a list's row.
forms::Label* AddCaption(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                         int width, Qt::Alignment horizontal = Qt::AlignLeft);
// A caption and its drop-down list on one row of a group.
forms::ComboBox* AddListRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                            const QString& caption);
// A check box on one row of a group, starting where the captions start.
forms::CheckBox* AddCheckRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                             const QString& caption);
forms::CommandButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                std::function<void()> onClick, int width = kButtonWidth);

// OK, Apply and a closing button ("Cancel" or "Close") side by side, the last one ending at `right`.
struct ButtonRow {
  forms::CommandButton* ok;
  forms::CommandButton* apply;
  forms::CommandButton* close;
};
ButtonRow AddOkApplyCloseRow(QWidget* parent, int right, int top, const QString& closeName,
                             const QString& closeCaption, std::function<void()> onOK, std::function<void()> onApply,
                             std::function<void()> onClose);

}  // namespace pagekit
