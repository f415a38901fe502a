#include "SettingsPages.h"

#include "frmCurrentSense.h"
#include "frmGeneral.h"
#include "frmLimits.h"
#include "frmOrFET.h"
#include "frmShare.h"
#include "frmVoltageSense.h"
#include "shell/FormStuff.h"

void RegisterSettingsPages() {
  RegisterPage(PageKind::Share, [] { return std::make_unique<frmShare>(); });
  RegisterPage(PageKind::CurrentSense, [] { return std::make_unique<frmCurrentSense>(); });
  RegisterPage(PageKind::VoltageSense, [] { return std::make_unique<frmVoltageSense>(); });
  RegisterPage(PageKind::General, [] { return std::make_unique<frmGeneral>(); });
  RegisterPage(PageKind::OrFET, [] { return std::make_unique<frmOrFET>(); });
  RegisterPage(PageKind::Limits, [] { return std::make_unique<frmLimits>(); });
}
