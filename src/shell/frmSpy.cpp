#include "frmSpy.h"

#include "FormStuff.h"

// Work in progress: the bus monitor window comes with its own work.

void frmSpy::Form_Load() {
  SetCaption(QStringLiteral("Device I/O  Monitor"));
  SetSize(6240, 6675);
  CenterInMainForm(*this);
}
