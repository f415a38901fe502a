#include "frmSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include "FormStuff.h"
#include "SavFormat.h"
#include "Session.h"
#include "SavReader.h"
#include "frmMain.h"
#include "link/BoardLink.h"
#include "model/DeviceInfo.h"
#include "model/NumberText.h"
#include "model/RegisterTable.h"
#include "platform/ui/Seams.h"

QFileDevice* gSaveFileNum = nullptr;

namespace {

const QString kFilter = QStringLiteral("Text Files (*.sav)|*.sav");

// Marks a file as the one save or recall has open, for as long as the scope lasts.
class OpenSettingsFile {
 public:
  explicit OpenSettingsFile(QFileDevice& file) { gSaveFileNum = &file; }
  ~OpenSettingsFile() { gSaveFileNum = nullptr; }
  OpenSettingsFile(const OpenSettingsFile&) = delete;
  OpenSettingsFile& operator=(const OpenSettingsFile&) = delete;
};

// No telemetry poll may interleave with a file transfer.
void StopMasterTimer() {
  if (gMainForm && gMainForm->tmrMaster) gMainForm->tmrMaster->stop();
}
void StartMasterTimer() {
  if (gMainForm && gMainForm->tmrMaster) gMainForm->tmrMaster->start();
}

ui::FileDialogRequest SettingsDialog(bool save) {
  ui::FileDialogRequest request;
  request.save = save;
  request.initialDir = QCoreApplication::applicationDirPath();
  request.filter = kFilter;
  // A name saved without it would be missing from the recall dialog's list.
  if (save) request.defaultSuffix = QStringLiteral("sav");
  return request;
}

// Writes the text in one piece. A failed write leaves an existing file as it
// was; the reason for the failure, or an empty text when the file was written.
QString WriteSettingsFile(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const OpenSettingsFile open(file);
  const QByteArray bytes = savfile::FileBytes(text);
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  // The data reaches the disk only here: a full disk shows up now, not at write().
  if (!file.commit()) return file.errorString();
  return QString();
}

// Why a path cannot be read as a settings file, or an empty text when it can be opened.
// Only a plain file: a pipe or device could block or never end.
QString OpenForRecall(const QString& path, QFile& file) {
  const QFileInfo info(path);
  if (info.exists() && info.isDir()) return QStringLiteral("This is a folder, not a file");
  if (info.exists() && !info.isFile()) return QStringLiteral("This is not a plain file");
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  return QString();
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

void frmSave::Form_Load() {
  using forms::Make;
  SetCaption(QStringLiteral("Save/Recall Settings"));
  SetSize(4290, 5205);
  CenterInMainForm(*this);

  auto* frame = Make<forms::Frame>(Client(), QStringLiteral("fraFileIO"), 120, 120, 3915, 4500,
                                   QStringLiteral("File I/O"));
  Make<forms::Label>(frame, QStringLiteral("Label1"), 240, 360, 3435, 255, QStringLiteral("Select Device Address"));
  cmbDevAddr = Make<forms::ComboBox>(frame, QStringLiteral("cmbDevAddr"), 240, 660, 1335, 330);
  Make<forms::Label>(frame, QStringLiteral("Label2"), 240, 1200, 3435, 255, QStringLiteral("Comment"));
  txtComment = Make<forms::TextBox>(frame, QStringLiteral("txtComment"), 240, 1500, 3435, 330);
  cmdsave = Make<forms::CommandButton>(frame, QStringLiteral("cmdsave"), 240, 2160, 3435, 495,
                                       QStringLiteral("Save  Current Configuration"));
  cmdsave->onClick = [this] { cmdsave_Click(); };
  cmdRecall = Make<forms::CommandButton>(frame, QStringLiteral("cmdRecall"), 240, 2880, 3435, 495,
                                         QStringLiteral("Recall Previous Configuration"));
  cmdRecall->onClick = [this] { cmdRecall_Click(); };
  cmdClose = Make<forms::CommandButton>(frame, QStringLiteral("cmdClose"), 240, 3600, 3435, 495,
                                        QStringLiteral("Close"));
  cmdClose->onClick = [this] { cmdClose_Click(); };
  SetCancelButton(cmdClose);

  cmbDevAddr->AddItem(numtext::Hex(gDevAddr[0]) + QLatin1Char('h'));
  if (HasSecondChip()) cmbDevAddr->AddItem(numtext::Hex(gDevAddr[1]) + QLatin1Char('h'));
  if (cmbDevAddr->ListCount() > 0) cmbDevAddr->SetText(cmbDevAddr->List(0));
}

int32_t frmSave::ChipAddress() const { return cmbDevAddr ? numtext::HexVal(cmbDevAddr->Text()) : 0; }

void frmSave::cmdsave_Click() {
  if (!IsLoaded()) return;
  QString text = savfile::Header(ui::DateText(), ui::TimeText(), txtComment->Text());
  StopMasterTimer();
  // The chip is read live, one register at a time, before the file is chosen.
  for (int32_t address = 0; address <= savfile::kLastSavedAddress; ++address) {
    if (!savfile::IsSavedAddress(address)) continue;
    const int32_t value = ReadRegister(ChipAddress(), address);
    text += savfile::RegisterLine(address, value, gRegTable[static_cast<size_t>(address)].Name);
  }
  text += QLatin1Char('}');
  const QString path = ui::ChooseFile(SettingsDialog(true));
  const QString failure = path.isEmpty() ? QString() : WriteSettingsFile(path, text);
  StartMasterTimer();
  if (!failure.isEmpty()) {
    ui::MsgBox(QStringLiteral("The settings could not be saved to ") + Shown(path) + QStringLiteral(": ") + failure,
               ui::vbOKOnly | ui::vbCritical);
  }
}

void frmSave::cmdRecall_Click() {
  if (!IsLoaded()) return;
  const QString path = ui::ChooseFile(SettingsDialog(false));
  if (path.isEmpty()) return;
  QFile file(path);
  const QString failure = OpenForRecall(path, file);
  if (!failure.isEmpty()) {
    StartMasterTimer();
    ui::MsgBox(QStringLiteral("The settings could not be read from ") + Shown(path) + QStringLiteral(": ") + failure,
               ui::vbOKOnly | ui::vbCritical);
    return;
  }
  int written = 0;
  {
    const OpenSettingsFile open(file);
    written = RecallRegisterBlock(
        file, [] { StopMasterTimer(); }, [this](int32_t reg, int32_t data) { WriteRegister(ChipAddress(), reg, data); });
  }
  file.close();
  StartMasterTimer();
  if (written == 0) {
    ui::MsgBox(QStringLiteral("No register settings were found in ") + Shown(path) + QStringLiteral("."),
               ui::vbOKOnly | ui::vbExclamation);
  }
}

void frmSave::cmdClose_Click() { Unload(); }
