#include <QTest>
#include <QWidget>

#include "platform/forms/Controls.h"
#include "support/Fixture.h"

namespace {

class ControlsTest : public support::Fixture {
 protected:
  QWidget parent;
};

class ComboBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    box = new forms::ComboBox(&parent);
    box->onClick = [this] {
      ++clicks;
      seen.push_back(box->ListIndex());
    };
    for (const char* item : {"100 kHz", "200 kHz", "300 kHz"}) box->AddItem(QString::fromLatin1(item));
  }
  forms::ComboBox* box = nullptr;
  int clicks = 0;
  std::vector<int> seen;
};

TEST_F(ComboBoxTest, FillingRunsNoHandlerAndChoosesNothing) {
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box->ListIndex(), -1);
  EXPECT_EQ(box->Text(), "");
  EXPECT_EQ(box->ListCount(), 3);
  EXPECT_EQ(box->List(1), "200 kHz");
  EXPECT_FALSE(box->isEditable()) << "a drop-down list: its text is always one of its items";
}

TEST_F(ComboBoxTest, ChoosingFromCodeRunsTheHandlerOncePerChange) {
  box->SetListIndex(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(box->Text(), "200 kHz");
  box->SetListIndex(1);
  box->SetText(QStringLiteral("200 kHz"));
  EXPECT_EQ(clicks, 1) << "the same choice again is no change";
  box->SetText(QStringLiteral("300 kHz"));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(seen, (std::vector<int>{1, 2})) << "the handler sees the new choice";
}

TEST_F(ComboBoxTest, TextThatIsNoItemChangesNothing) {
  box->SetText(QStringLiteral("200 kHz"));
  box->SetText(QStringLiteral("250 kHz"));
  box->SetText(QStringLiteral("200 khz"));
  box->SetText(QStringLiteral(""));
  EXPECT_EQ(box->Text(), "200 kHz");
  EXPECT_EQ(clicks, 1);
}

TEST_F(ComboBoxTest, OutOfRangeIndexChangesNothingAndMinusOneClearsSilently) {
  box->SetListIndex(0);
  box->SetListIndex(3);
  box->SetListIndex(-2);
  EXPECT_EQ(box->ListIndex(), 0);
  box->SetListIndex(-1);
  EXPECT_EQ(box->ListIndex(), -1);
  EXPECT_EQ(box->Text(), "");
  EXPECT_EQ(clicks, 1);
}

TEST_F(ComboBoxTest, FindExactIsTheFirstExactMatchFromTheTop) {
  box->AddItem(QStringLiteral("200 kHz"));
  EXPECT_EQ(box->FindExact(QStringLiteral("200 kHz")), 1);
  EXPECT_EQ(box->FindExact(QStringLiteral("200")), -1);
  EXPECT_EQ(box->FindExact(QStringLiteral("200 KHZ")), -1);
  box->SetText(QStringLiteral("200 kHz"));
  EXPECT_EQ(box->ListIndex(), 1);
}

TEST_F(ComboBoxTest, AddingAfterAChoiceKeepsItAndClearRunsNoHandler) {
  box->SetListIndex(2);
  box->AddItem(QStringLiteral("400 kHz"));
  EXPECT_EQ(box->ListIndex(), 2);
  box->Clear();
  EXPECT_EQ(box->ListCount(), 0);
  EXPECT_EQ(box->ListIndex(), -1);
  box->AddItem(QStringLiteral("only"));
  EXPECT_EQ(box->ListIndex(), -1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ComboBoxTest, UserChoiceRunsTheHandler) {
  parent.show();
  box->SetListIndex(0);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(box->ListIndex(), 1);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ComboBoxTest, NoHandlerSetIsFine) {
  box->onClick = nullptr;
  box->SetListIndex(1);
  EXPECT_EQ(box->ListIndex(), 1);
}

TEST_F(ControlsTest, CheckBoxHoldsZeroOrOneAndRunsItsHandlerOnChange) {
  auto* chk = new forms::CheckBox(QStringLiteral("Enable"), &parent);
  std::vector<int> values;
  chk->onClick = [&] { values.push_back(chk->Value()); };
  EXPECT_EQ(chk->Value(), 0);
  chk->SetValue(1);
  chk->SetValue(1);
  EXPECT_EQ(chk->Value(), 1);
  chk->SetValue(0);
  chk->SetValue(0);
  chk->SetValue(5);  // any non-zero value ticks it
  EXPECT_EQ(chk->Value(), 1);
  chk->click();  // the user
  EXPECT_EQ(values, (std::vector<int>{1, 0, 1, 0}));
  EXPECT_EQ(chk->text(), "Enable");
}

TEST_F(ControlsTest, OptionButtonsOfOneParentExcludeEachOther) {
  auto* ccm = new forms::OptionButton(QStringLiteral("CCM settings"), &parent);
  auto* dcm = new forms::OptionButton(QStringLiteral("DCM settings"), &parent);
  std::vector<std::string> clicked;
  ccm->onClick = [&] { clicked.push_back("ccm"); };
  dcm->onClick = [&] { clicked.push_back("dcm"); };
  ccm->SetValue(true);
  EXPECT_TRUE(ccm->Value());
  dcm->SetValue(true);
  EXPECT_TRUE(dcm->Value());
  EXPECT_FALSE(ccm->Value());
  dcm->SetValue(true);
  ccm->click();
  EXPECT_EQ(clicked, (std::vector<std::string>{"ccm", "dcm", "ccm"})) << "only the newly chosen button runs";

  ccm->SetValue(false);
  EXPECT_FALSE(ccm->Value());
  EXPECT_FALSE(dcm->Value());
  dcm->SetValue(true);
  EXPECT_TRUE(dcm->Value());
  EXPECT_FALSE(ccm->Value()) << "still one group after a clear";
}

TEST_F(ControlsTest, TextBoxRunsItsChangeHandlerWheneverTheTextChanges) {
  parent.show();
  auto* txt = new forms::TextBox(&parent);
  std::vector<QString> texts;
  txt->onChange = [&] { texts.push_back(txt->Text()); };
  txt->SetText(QStringLiteral("12.5"));
  txt->SetText(QStringLiteral("12.5"));
  txt->setFocus();
  txt->end(false);
  QTest::keyClicks(txt, QStringLiteral("0"));
  EXPECT_EQ(texts, (std::vector<QString>{"12.5", "12.50"}));
}

TEST_F(ControlsTest, CommandButtonRunsItsHandler) {
  auto* cmd = new forms::CommandButton(QStringLiteral("Apply"), &parent);
  int clicks = 0;
  cmd->onClick = [&] { ++clicks; };
  cmd->click();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(cmd->autoDefault()) << "Enter in a text box must not press a button";
}

TEST_F(ControlsTest, LabelCaptionAndColours) {
  auto* lbl = new forms::Label(QStringLiteral("Vin"), &parent);
  EXPECT_EQ(lbl->Caption(), "Vin");
  lbl->SetCaption(QStringLiteral(" 120"));
  EXPECT_EQ(lbl->text(), " 120");
  lbl->SetForeColor(QColor(255, 0, 0));
  lbl->SetBackColor(QColor(0, 255, 0));
  EXPECT_EQ(lbl->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(lbl->palette().color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_TRUE(lbl->autoFillBackground());
}

TEST_F(ControlsTest, MakeNamesAndPlacesInTwips) {
  auto* frame = forms::Make<forms::Frame>(&parent, QStringLiteral("fraLimits"), 150, 150, 3000, 1500,
                                          QStringLiteral("Limits"));
  auto* label = forms::Make<forms::Label>(frame, QStringLiteral("lblTrim(2)"), 120, 300, 900, 240);
  EXPECT_EQ(frame->objectName(), "fraLimits");
  EXPECT_EQ(frame->title(), "Limits");
  EXPECT_EQ(frame->geometry(), QRect(10, 10, 200, 100));
  EXPECT_EQ(label->objectName(), "lblTrim(2)");
  EXPECT_EQ(label->parentWidget(), frame);
  EXPECT_EQ(label->geometry(), QRect(8, 20, 60, 16));
  forms::SetPointSize(label, 10, true);
  EXPECT_EQ(label->font().pointSizeF(), 10.0);
  EXPECT_TRUE(label->font().bold());
}

}  // namespace
