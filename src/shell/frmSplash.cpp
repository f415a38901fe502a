#include "frmSplash.h"

#include <QApplication>
#include <QPainter>

#include "ToolbarIcons.h"
#include "model/Version.h"
#include "platform/ui/Seams.h"

namespace {

constexpr int kBarLeft = 480;
constexpr int kBarTop = 3600;
constexpr int kBarFullWidth = 6240;
constexpr int kBarHeight = 240;

// A switching waveform over a ground line: the second picture of the splash.
QPixmap WaveformPicture(int width, int height) {
  QPixmap pixmap = TransparentPixmap(width, height);
  QPainter g(&pixmap);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(QColor(0, 0, 160), 2));
  QPolygonF wave;
  const double period = width / 4.0;
  for (int i = 0; i < 4; ++i) {
    const double x = i * period;
    wave << QPointF(x, height - 4) << QPointF(x, 6) << QPointF(x + period * 0.45, 6)
         << QPointF(x + period * 0.45, height - 4) << QPointF(x + period, height - 4);
  }
  g.drawPolyline(wave);
  return pixmap;
}

}  // namespace

void frmSplash::Form_Load() {
  QWidget* client = Client();
  client->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  client->setObjectName(QStringLiteral("frmSplash"));
  client->setWindowTitle(ui::kAppTitle);
  SetSize(7200, 4320);
  SetLeft(2000);
  SetTop(2000);

  auto* frame = forms::Make<forms::Frame>(client, QStringLiteral("Frame1"), 120, 60, 6960, 4200);
  frame->setStyleSheet(QStringLiteral("QGroupBox { border: 2px solid #404040; margin: 0px; }"));

  auto* picture1 = forms::Make<forms::Label>(client, QStringLiteral("imgLogo"), 480, 360, 1200, 1200);
  picture1->setPixmap(ChipPicture(80));
  auto* picture2 = forms::Make<forms::Label>(client, QStringLiteral("imgWave"), 480, 2280, 6240, 600);
  picture2->setPixmap(WaveformPicture(416, 40));

  lblProductName = forms::Make<forms::Label>(client, QStringLiteral("lblProductName"), 1920, 420, 5040, 960);
  forms::SetPointSize(lblProductName, 16, true);
  lblProductName->SetForeColor(QColor(0, 0, 128));
  lblProductName->SetCaption(ui::kAppTitle);

  lblVersion = forms::Make<forms::Label>(client, QStringLiteral("lblVersion"), 1920, 1560, 2880, 300);
  forms::SetPointSize(lblVersion, 10, true);
  lblVersion->SetCaption(QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));

  lblPlatform = forms::Make<forms::Label>(client, QStringLiteral("lblPlatform"), 1920, 1860, 2880, 300,
                                          QStringLiteral("Windows XP/2000"));
  forms::SetPointSize(lblPlatform, 10, true);

  lblProgInfo = forms::Make<forms::Label>(client, QStringLiteral("lblProgInfo"), kBarLeft, 3180, kBarFullWidth, 300);
  lblProgInfo->setVisible(false);

  lblProgress = forms::Make<forms::Label>(client, QStringLiteral("lblProgress"), kBarLeft, kBarTop, kBarFullWidth,
                                          kBarHeight);
  lblProgress->SetBackColor(QColor(0, 0, 160));
  lblProgress->setVisible(false);
  mBarWidth = kBarFullWidth;
}

double frmSplash::BarFullWidth() const { return kBarFullWidth; }

void frmSplash::SetBarWidth(double twips) {
  mBarWidth = twips;
  if (!lblProgress) return;
  lblProgress->resize(forms::ToPixels(twips), lblProgress->height());
  lblProgress->repaint();
}

void frmSplash::ShowStatus(const QString& text) {
  if (!lblProgInfo) return;
  lblProgInfo->SetCaption(text);
  lblProgInfo->repaint();
}

void frmSplash::ShowBarAndStatus() {
  if (lblProgress) lblProgress->setVisible(true);
  if (lblProgInfo) lblProgInfo->setVisible(true);
}

void frmSplash::ProcessEvents() { QCoreApplication::processEvents(); }
