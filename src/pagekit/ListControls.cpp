#include "ListControls.h"

#include "model/NumberText.h"

namespace pagekit {

void FillList(forms::ComboBox* box, const QStringList& items) {
  for (const QString& item : items) box->AddItem(item);
}

void ShowPosition(forms::ComboBox* box, int position) {
  if (position >= 0 && position < box->ListCount()) box->SetListIndex(position);
}

int ShownPosition(const forms::ComboBox* box) {
  if (box->ListIndex() < 0) return -1;
  return box->FindExact(box->Text());
}

int ShownNumber(const forms::ComboBox* box) {
  if (box->ListIndex() < 0) return -1;
  return numtext::RoundToInt(numtext::Val(box->Text()));
}

}  // namespace pagekit
