#pragma once
// The splash window shown while the program looks for the evaluation board;
// discovery reports its progress on it.

#include <QPointer>

#include "model/StartUp.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class frmSplash : public forms::Form, public StartUpProgress {
 public:
  frmSplash() : forms::Form(forms::WindowKind::TopLevel) {}

  QPointer<forms::Label> lblVersion;
  QPointer<forms::Label> lblProductName;
  QPointer<forms::Label> lblPlatform;
  QPointer<forms::Label> lblProgInfo;
  QPointer<forms::Label> lblProgress;

  double BarFullWidth() const override;
  void SetBarWidth(double twips) override;
  void ShowStatus(const QString& text) override;
  void ShowBarAndStatus() override;
  void ProcessEvents() override;

  // The bar's width as last set, in twips.
  double BarWidth() const { return mBarWidth; }

 protected:
  void Form_Load() override;

 private:
  double mBarWidth = 0;
};
