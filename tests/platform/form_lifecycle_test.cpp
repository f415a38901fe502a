#include <QApplication>
#include <QTest>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormRegistry.h"
#include "support/Fixture.h"
#include "support/Snapshot.h"
#include "support/Widgets.h"

namespace {

std::vector<std::string> gUnloadOrder;

// A small window with a few controls, counting its load and unload handlers.
class SampleForm : public forms::Form {
 public:
  explicit SampleForm(std::string name = "sample", forms::WindowKind kind = forms::WindowKind::TopLevel)
      : forms::Form(kind), name_(std::move(name)) {}

  QPointer<forms::CheckBox> chkOption;
  QPointer<forms::ComboBox> cmbChoice;
  QPointer<forms::CommandButton> cmdClose;
  QPointer<forms::Label> lblInfo;
  QPointer<forms::CommandButton> cmdCount;
  int counted = 0;
  int loads = 0;
  int unloads = 0;
  int mKept = 0;  // a member: survives an unload

 protected:
  void Form_Load() override {
    ++loads;
    SetCaption(QStringLiteral("Sample Window"));
    SetSize(4500, 3000);
    QWidget* client = Client();
    chkOption = forms::Make<forms::CheckBox>(client, "chkOption", 240, 240, 2400, 300, QStringLiteral("Option"));
    cmbChoice = forms::Make<forms::ComboBox>(client, "cmbChoice", 240, 720, 2400, 315);
    cmbChoice->AddItem(QStringLiteral("First"));
    cmbChoice->AddItem(QStringLiteral("Second"));
    lblInfo = forms::Make<forms::Label>(client, "lblInfo", 240, 1200, 3600, 300, QStringLiteral("Loaded"));
    cmdClose = forms::Make<forms::CommandButton>(client, "cmdClose", 3000, 2100, 1200, 375, QStringLiteral("Close"));
    cmdClose->onClick = [this] { cmdClose_Click(); };
    SetCancelButton(cmdClose);
    cmdCount = forms::Make<forms::CommandButton>(client, "cmdCount", 240, 2100, 1200, 375, QStringLiteral("Count"));
    cmdCount->onClick = [this] { ++counted; };
  }
  void Form_Unload() override {
    ++unloads;
    gUnloadOrder.push_back(name_);
  }

 public:
  void cmdClose_Click() {
    Unload();
    // The handler goes on after the unload, with its own controls still there.
    mKept += 100;
    controlsAliveInHandler = !cmdClose.isNull() && !lblInfo.isNull();
    if (lblInfo) lblInfo->SetCaption(QStringLiteral("Closed"));
  }
  bool controlsAliveInHandler = false;

 private:
  std::string name_;
};

class FormLifecycle : public support::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    gUnloadOrder.clear();
  }
};

TEST_F(FormLifecycle, CreatedUnloadedAndLoadRunsFormLoadOnce) {
  SampleForm form;
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.Window(), nullptr);
  EXPECT_EQ(form.loads, 0);

  form.Load();
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(form.loads, 1);
  QWidget* window = form.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(form.IsVisible()) << "loaded is not shown";

  form.chkOption->SetValue(1);
  form.Load();
  EXPECT_EQ(form.loads, 1) << "loading a loaded form changes nothing";
  EXPECT_EQ(form.Window(), window);
  EXPECT_EQ(form.chkOption->Value(), 1);
}

TEST_F(FormLifecycle, ShowLoadsFirst) {
  SampleForm form;
  form.Show();
  EXPECT_EQ(form.loads, 1);
  EXPECT_TRUE(form.IsVisible());
  form.Show();
  EXPECT_EQ(form.loads, 1);
  support::SaveSnapshot(form.Window(), QStringLiteral("form-model-sample"));
}

TEST_F(FormLifecycle, UnloadRunsFormUnloadAndDestroysEveryControl) {
  SampleForm form;
  form.Show();
  QPointer<QWidget> window = form.Window();
  form.Unload();
  EXPECT_EQ(form.unloads, 1);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(form.IsVisible());
  EXPECT_EQ(form.Window(), nullptr);
  FlushDeletes();
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(form.chkOption.isNull());
  EXPECT_TRUE(form.cmbChoice.isNull());
  EXPECT_TRUE(form.cmdClose.isNull());
  EXPECT_TRUE(form.lblInfo.isNull());

  form.Unload();
  EXPECT_EQ(form.unloads, 1) << "unloading an unloaded form changes nothing";
}

TEST_F(FormLifecycle, MembersSurviveAndControlsReturnInTheirStartState) {
  SampleForm form;
  form.Load();
  form.mKept = 7;
  form.chkOption->SetValue(1);
  form.cmbChoice->SetListIndex(1);
  form.lblInfo->SetCaption(QStringLiteral("Changed"));
  form.Unload();
  FlushDeletes();

  form.Load();
  EXPECT_EQ(form.loads, 2);
  EXPECT_EQ(form.mKept, 7);
  EXPECT_EQ(form.chkOption->Value(), 0);
  EXPECT_EQ(form.cmbChoice->ListIndex(), -1);
  EXPECT_EQ(form.lblInfo->Caption(), "Loaded");
}

TEST_F(FormLifecycle, ClosingByTheCloseBoxIsAnUnload) {
  for (forms::WindowKind kind : {forms::WindowKind::TopLevel, forms::WindowKind::Child, forms::WindowKind::MdiParent}) {
    SampleForm form("sample", kind);
    form.Show();
    QPointer<QWidget> window = form.Window();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.IsLoaded());
    FlushDeletes();
    EXPECT_TRUE(window.isNull());
    form.Show();
    EXPECT_EQ(form.loads, 2) << "a closed window comes back by loading anew";
  }
}

TEST_F(FormLifecycle, UnloadFromInsideAControlsOwnHandlerIsSafe) {
  SampleForm form;
  form.Show();
  QPointer<forms::CommandButton> button = form.cmdClose;
  button->click();  // the handler unloads the form, then goes on
  EXPECT_EQ(form.unloads, 1);
  EXPECT_EQ(form.mKept, 100);
  EXPECT_TRUE(form.controlsAliveInHandler) << "the widgets go when the handler has returned";
  EXPECT_FALSE(form.IsLoaded());
  FlushDeletes();
  EXPECT_TRUE(button.isNull());
}

TEST_F(FormLifecycle, UnloadAllFormsUnloadsInLoadOrder) {
  SampleForm a("a"), b("b"), c("c"), never("never");
  b.Load();
  c.Show();
  a.Show();
  c.Unload();
  c.Load();
  ASSERT_EQ(forms::LoadedForms(), (std::vector<forms::Form*>{&b, &a, &c}));
  forms::UnloadAllForms();
  EXPECT_EQ(gUnloadOrder, (std::vector<std::string>{"c", "b", "a", "c"}));
  EXPECT_TRUE(forms::LoadedForms().empty());
  EXPECT_EQ(never.unloads, 0);
}

TEST_F(FormLifecycle, AFormThatIsDestroyedLeavesTheLoadedList) {
  auto form = std::make_unique<SampleForm>();
  form->Show();
  ASSERT_EQ(forms::LoadedForms().size(), 1u);
  form.reset();
  EXPECT_TRUE(forms::LoadedForms().empty());
}

// A window still alive when the process ends, held where static destruction
// reaches it last, after the statics of the form library.
std::unique_ptr<SampleForm> gAliveAtExit;

TEST(FormLifecycleDeathTest, AWindowStillAliveWhenTheProcessEndsIsDestroyedCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        gAliveAtExit = std::make_unique<SampleForm>();
        gAliveAtExit->Show();
        // As when main returns: the application object goes, then the statics.
        qApp->~QApplication();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(FormLifecycle, CaptionIsTheWindowTitleAndSettingItLoads) {
  SampleForm form;
  EXPECT_EQ(form.Caption(), "");
  form.SetCaption(QStringLiteral("Share Bus Settings (0x48)"));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(form.Caption(), "Share Bus Settings (0x48)");
  EXPECT_EQ(form.Window()->windowTitle(), "Share Bus Settings (0x48)");
}

TEST_F(FormLifecycle, GeometryIsInTwipsFifteenToThePixel) {
  EXPECT_EQ(forms::kTwipsPerPixel, 15);
  EXPECT_EQ(forms::ToPixels(6240), 416);
  EXPECT_EQ(forms::ToPixels(7), 0);
  EXPECT_EQ(forms::ToPixels(8), 1);
  EXPECT_EQ(forms::ToTwips(3), 45);
  EXPECT_EQ(forms::ToPixels(120, 240, 1500, 315), QRect(8, 16, 100, 21));

  SampleForm form;
  form.Load();
  form.SetSize(6240, 6675);
  EXPECT_EQ(form.Window()->size(), QSize(416, 445));
  EXPECT_EQ(form.Width(), 6240);
  EXPECT_EQ(form.Height(), 6675);
  form.SetLeft(2000);
  form.SetTop(3000);
  EXPECT_EQ(form.Window()->pos(), QPoint(133, 200));
  EXPECT_EQ(form.Left(), 1995);
  EXPECT_EQ(form.Top(), 3000);
  EXPECT_EQ(form.chkOption->geometry(), QRect(16, 16, 160, 20));
  forms::PlaceAt(form.lblInfo, 300, 450);
  EXPECT_EQ(form.lblInfo->pos(), QPoint(20, 30));
}

TEST_F(FormLifecycle, ChildFormsLiveInTheDocumentArea) {
  QMdiArea area;
  forms::SetMdiArea(&area);
  SampleForm form("child", forms::WindowKind::Child);
  form.Show();
  ASSERT_EQ(area.subWindowList().size(), 1);
  EXPECT_EQ(area.subWindowList()[0], form.Window());
  EXPECT_NE(form.Client(), form.Window());
  EXPECT_EQ(static_cast<QMdiSubWindow*>(form.Window())->widget(), form.Client());
  form.Unload();
  EXPECT_TRUE(area.subWindowList().isEmpty());
  FlushDeletes();
  forms::SetMdiArea(nullptr);
}

// Escape presses the window's Close wherever the focus is; Enter presses only the focused button.
TEST_F(FormLifecycle, EscapeClosesAndEnterPressesTheFocusedButton) {
  QMdiArea area;
  forms::SetMdiArea(&area);
  area.show();
  for (forms::WindowKind kind : {forms::WindowKind::TopLevel, forms::WindowKind::Child}) {
    SCOPED_TRACE(kind == forms::WindowKind::Child ? "child" : "top level");
    SampleForm form("keys", kind);
    form.Show();
    QApplication::setActiveWindow(kind == forms::WindowKind::Child ? static_cast<QWidget*>(&area) : form.Window());
    form.cmdCount->setFocus();
    QTest::keyClick(form.cmdCount, Qt::Key_Return);
    QTest::keyClick(form.cmdCount, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.counted, 2);
    form.chkOption->setFocus();
    QTest::keyClick(form.chkOption, Qt::Key_Return);
    EXPECT_EQ(form.counted, 2) << "no default button";
    EXPECT_EQ(form.chkOption->Value(), 0);
    // An open list's popup takes the first Escape for itself; the next one closes the window.
    const struct {
      const char* name;
      bool popup;
    } targets[] = {{"cmbChoice", false}, {"chkOption", false}, {"cmbChoice", true}};
    for (const auto& t : targets) {
      SCOPED_TRACE(t.popup ? "open list" : t.name);
      form.Show();
      QApplication::setActiveWindow(kind == forms::WindowKind::Child ? static_cast<QWidget*>(&area) : form.Window());
      auto* focus = support::Find<QWidget>(form, t.name);
      focus->setFocus();
      if (t.popup) {
        form.cmbChoice->showPopup();
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_TRUE(form.IsLoaded()) << "Escape closed the window under its open list";
      }
      QTest::keyClick(focus, Qt::Key_Escape);
      EXPECT_FALSE(form.IsLoaded());
      FlushDeletes();
    }
    EXPECT_EQ(form.unloads, 3);
  }
  forms::SetMdiArea(nullptr);
}

TEST_F(FormLifecycle, MousePointerShapes) {
  SampleForm form;
  form.Load();
  form.SetMousePointer(forms::vbSizeWE);
  EXPECT_EQ(form.MousePointer(), 9);
  EXPECT_EQ(form.Client()->cursor().shape(), Qt::SizeHorCursor);
  form.SetMousePointer(forms::vbSizeNS);
  EXPECT_EQ(form.Client()->cursor().shape(), Qt::SizeVerCursor);
  form.SetMousePointer(forms::vbSizeAll);
  EXPECT_EQ(form.Client()->cursor().shape(), Qt::SizeAllCursor);
  form.SetMousePointer(forms::vbArrow);
  EXPECT_EQ(form.Client()->cursor().shape(), Qt::ArrowCursor);
  form.SetMousePointer(forms::vbDefault);
  EXPECT_EQ(form.MousePointer(), 0);
}

TEST_F(FormLifecycle, ControlsAreFoundByTheirNames) {
  SampleForm form;
  form.Load();
  EXPECT_EQ(support::Find<forms::ComboBox>(form, "cmbChoice"), form.cmbChoice.data());
  EXPECT_EQ(support::Find<forms::CheckBox>(form, "chkOption"), form.chkOption.data());
}

}  // namespace
