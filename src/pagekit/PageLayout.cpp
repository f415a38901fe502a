#include "PageLayout.h"

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

ButtonRow AddOkApplyCloseRow(QWidget* parent, int right, int top, const QString& closeName,
                             const QString& closeCaption, std::function<void()> onOK, std::function<void()> onApply,
                             std::function<void()> onClose) {
  const int left = right - 3 * kButtonWidth - 2 * kButtonGap;
  const int step = kButtonWidth + kButtonGap;
  ButtonRow row{};
  row.ok = AddButton(parent, QStringLiteral("cmdOK"), QStringLiteral("OK"), left, top, std::move(onOK));
  row.apply = AddButton(parent, QStringLiteral("cmdApply"), QStringLiteral("Apply"), left + step, top,
                        std::move(onApply));
  row.close = AddButton(parent, closeName, closeCaption, left + 2 * step, top, std::move(onClose));
  return row;
}

}  // namespace pagekit
