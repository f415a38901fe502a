#pragma once
// Drop-down lists as views of register fields: filled from a list of texts,
// showing a field's position, and giving back the position or number shown.

#include <QStringList>

#include "platform/forms/Controls.h"

namespace pagekit {

// Adds the items after those the list already has; runs no handler.
void FillList(forms::ComboBox* box, const QStringList& items);
// Chooses the item at a position (its handler runs when the choice changes);
// -1 or a position past the end leaves the list as it was.
void ShowPosition(forms::ComboBox* box, int position);
// The position of the shown text in the list, first exact match from the top;
// -1 when nothing is chosen.
int ShownPosition(const forms::ComboBox* box);
// The number at the start of the shown text ("17" gives 17); -1 when nothing is
// chosen. In the lists of plain numbers it equals the position.
int ShownNumber(const forms::ComboBox* box);

}  // namespace pagekit
