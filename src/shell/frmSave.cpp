#include "frmSave.h"

#include "FormStuff.h"

// Work in progress: the save and recall window comes with its own work.

void frmSave::Form_Load() {
  SetCaption(QStringLiteral("Save/Recall Settings"));
  SetSize(4290, 5205);
  CenterInMainForm(*this);
}
