#include "WindowSystemSeams.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

#include "Seams.h"

namespace ui {
namespace {

int RealMsgBox(const QString& prompt, int style, const QString& title) {
  QMessageBox box;
  box.setWindowTitle(title);
  box.setText(prompt);
  switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (style & 0x0F) {
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return vbOK;
  }
}

// "Text Files (*.sav)|*.sav" pairs become Qt's "Text Files (*.sav)".
QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList names;
  for (int i = 0; i + 1 < parts.size(); i += 2) names << parts[i];
  return names.join(QStringLiteral(";;"));
}

// A typed folder's name opens the folder. Qt's default suffix would otherwise
// go behind it: it looks for the folder in the working folder, not the
// dialog's, and takes "folder/" for a bare name, saving a hidden "folder/.sav".
class FileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

 protected:
  void accept() override {
    auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit && !edit->text().isEmpty()) {
      const QFileInfo typed(directory().absoluteFilePath(edit->text()));
      if (typed.isDir()) {
        setDirectory(typed.absoluteFilePath());
        edit->clear();
        return;
      }
    }
    QFileDialog::accept();
  }
};

QString RealChooseFile(const FileDialogRequest& request) {
  FileDialog dialog(nullptr, QString(), request.initialDir, QtFilter(request.filter));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultSuffix.isEmpty()) {
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A desktop's own dialog would ask about replacing the name as typed, and the
    // suffix would come only after it: a file could be replaced unasked.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
  }
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

void InstallWindowSystemSeams() { SetWindowSystem(&RealMsgBox, &RealChooseFile); }

}  // namespace ui
