#include "WindowSystemSeams.h"

#include <QFileDialog>
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

QString RealChooseFile(const FileDialogRequest& request) {
  const QString filter = QtFilter(request.filter);
  return request.save ? QFileDialog::getSaveFileName(nullptr, QString(), request.initialDir, filter)
                      : QFileDialog::getOpenFileName(nullptr, QString(), request.initialDir, filter);
}

}  // namespace

void InstallWindowSystemSeams() { SetWindowSystem(&RealMsgBox, &RealChooseFile); }

}  // namespace ui
