#pragma once
// The shared geometry of the per-device pages, in twips: rows of a caption
// beside its list, check-box rows, sunken value boxes, command buttons and the
// OK/Apply/Close row, so every page lines up and behaves alike.

#include <QPointer>
#include <QString>
#include <functional>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"

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
// The same, filled with a list's items.
forms::ComboBox* AddListRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                            const QString& caption, const QStringList& items);
// A check box on one row of a group, starting where the captions start.
forms::CheckBox* AddCheckRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                             const QString& caption);
forms::CommandButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                std::function<void()> onClick, int width = kButtonWidth);

// A value the page shows, one line centred in a sunken box as tall as a list.
forms::Label* AddValueBox(QWidget* parent, const QString& name, int left, int top, int width);

// A white picture in a sunken frame, for a page's drawing of its circuit.
forms::PictureBox* AddPicture(QWidget* parent, const QString& name, int left, int top, int width, int height);

// Where a page's OK, Apply and closing buttons go: the first one's top-left
// corner, the step from one button to the next, and their width.
struct ButtonPlaces {
  int left;
  int top;
  int stepLeft;
  int stepTop;
  int width = kButtonWidth;
};
// Side by side at the kit's width and gap, the last one ending at `right`.
ButtonPlaces RowEndingAt(int right, int top);

// The closing button's caption; its name is "cmd" and the caption.
enum class Closing { Cancel, Close };

// OK, Apply and the closing button of a page, in this tab order. Apply runs the
// page's apply (none: it does nothing), OK runs it and then unloads the page,
// and the closing button unloads the page; Escape presses the closing button.
struct OkApplyClose {
  QPointer<forms::CommandButton> ok;
  QPointer<forms::CommandButton> apply;
  QPointer<forms::CommandButton> close;

  // Builds the three in the page's client area; called from its Form_Load.
  void Build(forms::Form& page, const ButtonPlaces& at, Closing closing, std::function<void()> onApply);
};

}  // namespace pagekit
