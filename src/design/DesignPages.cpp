#include "DesignPages.h"

#include "PWMGlobals.h"
#include "frmDigFilter.h"
#include "shell/frmMain.h"

void RegisterDesignPages() {
  // A new session starts without a programmed topology.
  OnMainFormLoad(QStringLiteral("topology"), [] { gTopologyIndex = -1; });
  RegisterPage(PageKind::DigFilter, [] { return std::make_unique<frmDigFilter>(); });
}
