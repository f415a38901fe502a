#include "DesignPages.h"

#include "PWMGlobals.h"
#include "shell/frmMain.h"

void RegisterDesignPages() {
  // A new session starts without a programmed topology.
  OnMainFormLoad(QStringLiteral("topology"), [] { gTopologyIndex = -1; });
}
