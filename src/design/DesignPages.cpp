#include "DesignPages.h"

#include "PWMGlobals.h"
#include "frmDigFilter.h"
#include "frmPWM.h"
#include "shell/FormStuff.h"
#include "shell/frmMain.h"

void RegisterDesignPages() {
  RegisterPage(PageKind::PWM, [] { return std::make_unique<frmPWM>(); });
  RegisterPage(PageKind::DigFilter, [] { return std::make_unique<frmDigFilter>(); });
  // A new session starts without a programmed topology.
  OnMainFormLoad(QStringLiteral("topology"), [] { gTopologyIndex = -1; });
}
