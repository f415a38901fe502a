// Pictures of the program's windows as a user sees them, in simulation mode
// after set-up, written to $SNAPSHOT_DIR when it is set. A window is added by
// one short test: open it as the program does, then Snap it.

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "model/DeviceInfo.h"
#include "model/StartUp.h"
#include "platform/forms/Twips.h"
#include "shell/SingleWindows.h"
#include "shell/frmDevice.h"
#include "shell/frmMultiDevice.h"
#include "shell/frmSplash.h"
#include "support/ShellFixture.h"
#include "support/Snapshot.h"

namespace {

class Screenshots : public support::SimulationFixture {
 protected:
  // The main window as the device picker's OK leaves it, on a desktop-sized
  // screen, with the live values of the block diagram shown.
  frmMain& Session() {
    MultiDeviceForm().Show();
    support::Find<QPushButton>(MultiDeviceForm(), "cmdOK")->click();
    frmMain& main = *gMainForm;
    main.tmrMaster->stop();
    main.Window()->setWindowState(Qt::WindowNoState);
    main.SetSize(19200, 15600);
    QCoreApplication::processEvents();
    for (forms::Form* form : forms::LoadedForms()) {
      if (form->Kind() == forms::WindowKind::Child) CenterInMainForm(*form);
    }
    main.tmrMaster_Timer();
    return main;
  }

  // Checks the window shown and writes its picture (with SNAPSHOT_DIR set).
  void Snap(const forms::Form& form, const QString& name) {
    ASSERT_TRUE(form.IsVisible()) << name.toStdString() << " is not on screen";
    QCoreApplication::processEvents();
    support::Snap(form, name);
  }
};

}  // namespace

TEST_F(Screenshots, Splash) {
  frmSplash& splash = SplashForm();
  splash.Show();
  splash.ShowBarAndStatus();
  splash.SetBarWidth(splash.BarFullWidth() * 0.76);
  splash.ShowStatus(QStringLiteral("Searching for KRV7310 on USB..."));
  Snap(splash, "frmSplash");
}

TEST_F(Screenshots, DevicePicker) {
  MultiDeviceForm().Show();
  Snap(MultiDeviceForm(), "frmMultiDevice");
}

TEST_F(Screenshots, MainWindow) { Snap(Session(), "frmMain"); }

TEST_F(Screenshots, BlockDiagram) {
  Session();
  Snap(*Pages(PageKind::Diagram).At(0), "frmDevice");
}

TEST_F(Screenshots, BlockDiagramWithPointerOverABlock) {
  Session();
  frmDevice& diagram = PageAt<frmDevice>(PageKind::Diagram, 0);
  const forms::LabelItem* filter = diagram.lblSelection[1];
  QTest::mouseMove(diagram.pctDevice, diagram.pctDevice->contentsRect().topLeft() +
                                          QPoint(forms::ToPixels(filter->Left() + 300), forms::ToPixels(filter->Top() + 300)));
  ASSERT_TRUE(diagram.ln[4]->Visible());
  Snap(diagram, "frmDevice-outline");
}
