#include "frmMultiDevice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>

#include "FormStuff.h"
#include "Session.h"
#include "ToolbarIcons.h"
#include "frmMain.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "platform/ui/Seams.h"

void frmMultiDevice::Form_Load() {
  QWidget* client = Client();
  client->setWindowTitle(QStringLiteral("KRV7310 Devices Found"));
  client->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  SetSize(5520, 3480);

  auto* picture = forms::Make<forms::Label>(client, QStringLiteral("Picture1"), 240, 360, 960, 960);
  picture->setPixmap(ChipPicture(60));
  forms::Make<forms::Label>(client, QStringLiteral("Label1"), 1440, 360, 3840, 300,
                            QStringLiteral("The following devices have  been detected:"));

  lstDevices = new QListWidget(client);
  lstDevices->setObjectName(QStringLiteral("lstDevices"));
  forms::Place(lstDevices, 1440, 720, 3840, 1560);
  auto line = [](int index) {
    return QStringLiteral("KRV7310 at address 0x") + numtext::Hex(DeviceAddress(index));
  };
  lstDevices->addItem(line(0));
  if (HasSecondChip()) lstDevices->addItem(line(1));

  auto* ok = forms::Make<forms::CommandButton>(client, QStringLiteral("cmdOK"), 2520, 2520, 1215, 375,
                                               QStringLiteral("OK"));
  ok->setDefault(true);
  ok->onClick = [this] { cmdOK_Click(); };
  auto* cancel = forms::Make<forms::CommandButton>(client, QStringLiteral("cmdCancel"), 3960, 2520, 1215, 375,
                                                   QStringLiteral("Cancel"));
  cancel->onClick = [this] { cmdCancel_Click(); };
  // The picker is no dialog box, so its default button alone does not answer the keys;
  // the focus starts on the list, which would swallow them. A focused button is the
  // one Enter presses, Cancel too.
  for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(key, client);
    QObject::connect(shortcut, &QShortcut::activated, ok, [ok, cancel] {
      (cancel->hasFocus() ? cancel : ok)->click();
    });
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), client);
  QObject::connect(escape, &QShortcut::activated, cancel, &QPushButton::click);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    client->move(area.center() - QPoint(client->width() / 2, client->height() / 2));
  }
}

void frmMultiDevice::Form_Unload() {
  // Closed before the main window exists, the picker was the program's last window.
  if (!gMainForm || !gMainForm->IsLoaded()) QCoreApplication::quit();
}

void frmMultiDevice::cmdOK_Click() {
  StartSession();
  OpenBlockDiagram(0);
  Unload();
}

void frmMultiDevice::cmdCancel_Click() {
  Unload();
  ui::End();
}
