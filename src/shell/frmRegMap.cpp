#include "frmRegMap.h"

#include "FormStuff.h"

// Work in progress: the register map window comes with its own work.

void frmRegMap::Form_Load() {
  SetCaption(QStringLiteral("RegisterAccess"));
  SetSize(9285, 7950);
  CenterInMainForm(*this);
  gRegMapOpen = true;
}

void frmRegMap::Form_Unload() { gRegMapOpen = false; }

void frmRegMap::cmdRead_Click() {}

bool frmRegMap::ContinuousReadTicked() const { return false; }
