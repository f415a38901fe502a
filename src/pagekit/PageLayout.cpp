#include "PageLayout.h"

#include "ListControls.h"

namespace pagekit {

QString CaptionName(const QString& controlName) {
  const QString base = controlName.mid(3);
  const int index = base.indexOf(QLatin1Char('('));
  if (index < 0) return QStringLiteral("lbl") + base + QStringLiteral("Caption");
  return QStringLiteral("lbl") + base.left(index) + QStringLiteral("Caption") + base.mid(index);
}

forms::Label* AddCaption(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                         int width, Qt::Alignment horizontal) {
  auto* label = forms::Make<forms::Label>(parent, name, left, top, width, kListHeight, caption);
  // A caption beside a list stays on one line; a caption too long for its place shows as cut, not wrapped.
  label->setWordWrap(false);
  label->setAlignment(horizontal | Qt::AlignVCenter);
  return label;
}

forms::ComboBox* AddListRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                            const QString& caption) {
  AddCaption(parent, CaptionName(name), caption, grid.labelLeft, grid.Top(row), grid.labelWidth);
  return forms::Make<forms::ComboBox>(parent, name, grid.listLeft, grid.Top(row), grid.listWidth, kListHeight);
}

forms::ComboBox* AddListRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                            const QString& caption, const QStringList& items) {
  forms::ComboBox* list = AddListRow(parent, grid, row, name, caption);
  FillList(list, items);
  return list;
}

forms::CheckBox* AddCheckRow(QWidget* parent, const RowGrid& grid, int row, const QString& name,
                             const QString& caption) {
  const int width = grid.listLeft + grid.listWidth - grid.labelLeft;
  return forms::Make<forms::CheckBox>(parent, name, grid.labelLeft, grid.Top(row), width, kListHeight, caption);
}

forms::CommandButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                std::function<void()> onClick, int width) {
  auto* button = forms::Make<forms::CommandButton>(parent, name, left, top, width, kButtonHeight, caption);
  button->onClick = std::move(onClick);
  return button;
}

forms::Label* AddValueBox(QWidget* parent, const QString& name, int left, int top, int width) {
  auto* box = forms::Make<forms::Label>(parent, name, left, top, width, kListHeight);
  box->setWordWrap(false);
  box->setAlignment(Qt::AlignCenter);
  box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  return box;
}

forms::PictureBox* AddPicture(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* picture = forms::Make<forms::PictureBox>(parent, name, left, top, width, height);
  picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  picture->SetBackColor(Qt::white);
  return picture;
}

ButtonPlaces RowEndingAt(int right, int top) {
  return {right - 3 * kButtonWidth - 2 * kButtonGap, top, kButtonWidth + kButtonGap, 0};
}

void OkApplyClose::Build(forms::Form& page, const ButtonPlaces& at, Closing closing, std::function<void()> onApply) {
  QWidget* client = page.Client();
  auto place = [&](int n, const QString& name, const QString& caption, std::function<void()> onClick) {
    return AddButton(client, name, caption, at.left + n * at.stepLeft, at.top + n * at.stepTop, std::move(onClick),
                     at.width);
  };
  const QString closeCaption = closing == Closing::Cancel ? QStringLiteral("Cancel") : QStringLiteral("Close");
  ok = place(0, QStringLiteral("cmdOK"), QStringLiteral("OK"), [&page, onApply] {
    if (onApply) onApply();
    page.Unload();
  });
  apply = place(1, QStringLiteral("cmdApply"), QStringLiteral("Apply"), onApply);
  close = place(2, QStringLiteral("cmd") + closeCaption, closeCaption, [&page] { page.Unload(); });
  page.SetCancelButton(close);
}

}  // namespace pagekit
