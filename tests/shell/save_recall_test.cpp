// The saved-settings file: its exact text, the character reader, saving from a
// chip and recalling into one with the exact bus traffic, the master timer, and
// recall of broken files.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "link/BoardLink.h"
#include "link/BusMonitor.h"
#include "model/RegisterTable.h"
#include "platform/ui/Seams.h"
#include "shell/SavFormat.h"
#include "shell/SavReader.h"
#include "shell/SingleWindows.h"
#include "shell/frmSave.h"
#include "shell/frmSpy.h"
#include "support/Files.h"
#include "support/ShellFixture.h"

using Strings = std::vector<std::string>;
using support::ReadFile;

namespace {

const char* const kCRLF = "\r\n";

int OpenFileDescriptors() { return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size()); }

std::string RegisterLineText(int address, int value, const QString& name) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "0x%02X\t0x%02X\t // %s\r\n", address, value, name.toLatin1().constData());
  return buf;
}

}  // namespace

// ---- Format and reader --------------------------------------------------------

TEST(SavFormat, HeaderLinesWithTheCommentTrimmedOfBlanksOnly) {
  EXPECT_EQ(savfile::Header("12/9/2026", "10:30 AM", "  bench\tone  ").toStdString(),
            std::string("Velmora Inc.\r\nKRV7310 Evaluation Software\r\n\r\nSaved: 12/9/2026 at 10:30 AM\r\n\r\n"
                        "Comment : bench\tone\r\n\r\nKRV7310_Registers()\r\n{\r\n"));
  EXPECT_NE(savfile::Header("d", "t", "   ").indexOf("\r\nComment : \r\n"), -1);
  // Whatever line breaks reach it, the comment stays one line of the header.
  EXPECT_NE(savfile::Header("d", "t", "a{\r\n}b\nc\rd").indexOf("\r\nComment : a{ }b c d\r\n\r\nKRV7310_Registers()"), -1);
}

TEST(SavFormat, RegisterLinesCarryTwoHexDigitsTabsAndTheName) {
  EXPECT_EQ(savfile::RegisterLine(0x21, 0x98, "CS1 Gain Trim"), "0x21\t0x98\t // CS1 Gain Trim\r\n");
  EXPECT_EQ(savfile::RegisterLine(0x0A, 0x05, "Fault Config 3"), "0x0A\t0x05\t // Fault Config 3\r\n");
  EXPECT_EQ(savfile::RegisterLine(0, 0, "Fault 1"), "0x00\t0x00\t // Fault 1\r\n");
  EXPECT_EQ(savfile::FileBytes("}"), QByteArray("}\r\n"));
}

TEST(SavFormat, NinetyTwoRegistersAreSaved) {
  BuildRegisterTable();
  std::vector<int> saved;
  for (int a = 0; a < kRegisterCount; ++a) {
    if (savfile::IsSavedAddress(a)) saved.push_back(a);
  }
  EXPECT_EQ(saved.size(), 92u);
  EXPECT_EQ(saved.front(), 0x00);
  EXPECT_EQ(saved.back(), 0x5D);
  for (int skipped : {0x19, 0x2A, 0x5E, 0x5F, 0x60, 0x68}) {
    EXPECT_FALSE(savfile::IsSavedAddress(skipped)) << std::hex << skipped;
  }
  ResetRegisterTable();
}

struct ByteCase {
  const char* text;
  int value;
  friend void PrintTo(const ByteCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};
class SavReadByte : public ::testing::TestWithParam<ByteCase> {};

TEST_P(SavReadByte, TakesTheLeadingHexDigitsOfTwoCharacters) {
  QByteArray data(GetParam().text);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  SavReader reader(buffer);
  EXPECT_EQ(reader.ReadByte(), GetParam().value);
  EXPECT_EQ(buffer.pos(), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, SavReadByte,
                         ::testing::Values(ByteCase{"0A", 10}, ByteCase{"ff", 255}, ByteCase{"FF\t", 255},
                                           ByteCase{"7\t", 7}, ByteCase{"G1", 0}, ByteCase{"\t3", 0},
                                           ByteCase{" 3", 0}, ByteCase{"\xff" "1", 0}));

TEST(SavReaderTest, ReadsCharacterByCharacterAndThrowsPastTheEnd) {
  QByteArray data("ab}x\r\nz");
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  SavReader reader(buffer);
  EXPECT_EQ(reader.ReadChar(2), 'b');
  EXPECT_TRUE(reader.IsEndOfFile());
  EXPECT_FALSE(reader.IsEndOfFile());  // consumed the "x" either way
  reader.SkipToLineEnd();
  EXPECT_EQ(reader.ReadChar(1), 'z');
  EXPECT_THROW(reader.ReadChar(1), SavReader::PastEnd);
  EXPECT_THROW(reader.SkipToLineEnd(), SavReader::PastEnd);
  EXPECT_THROW(reader.ReadByte(), SavReader::PastEnd);
}

// ---- The window ---------------------------------------------------------------

namespace {

// Notes, for every write, whether the master timer was running.
class TimerWatch : public BusMonitorSink {
 public:
  bool ShowReads() const override { return true; }
  bool ShowWrites() const override { return true; }
  void AddRecord(const BusRecord&) override { running.push_back(gMainForm->tmrMaster->isActive()); }
  std::vector<bool> running;
};

class SaveRecall : public support::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    ASSERT_TRUE(dir_.isValid());
  }
  frmSave& Open(const std::vector<int>& chips = {0x48}) {
    StartWithChips(chips);
    OpenMainWindow();
    gMainForm->Action("mnuSave")->trigger();
    return SaveForm();
  }
  QString PathOf(const QString& name) const { return dir_.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  // The next dialog answers with this path and notes what it was asked.
  void Choose(const QString& path) {
    ui::SetFileDialogHandler([this, path](const ui::FileDialogRequest& request) {
      requests_.push_back(request);
      timerDuringDialog_ = gMainForm->tmrMaster->isActive();
      return path;
    });
  }
  // Recalls a file into chip 0x48 and gives the writes it made. A file that
  // writes nothing must say so, and only such a file.
  Strings Recall(const QByteArray& bytes, bool nothingFound = false) {
    const QString path = Write("in.sav", bytes);
    Choose(path);
    ClearBus();
    const int fds = OpenFileDescriptors();
    const size_t asked = MsgBoxes().size();
    if (nothingFound) AnswerMsgBox(ui::vbOK);
    SaveForm().cmdRecall->click();
    EXPECT_EQ(OpenFileDescriptors(), fds) << "recall left its file open";
    EXPECT_EQ(gSaveFileNum, nullptr);
    EXPECT_TRUE(gMainForm->tmrMaster->isActive());
    EXPECT_EQ(Bus().empty(), nothingFound);
    if (nothingFound && MsgBoxes().size() == asked + 1) {
      EXPECT_EQ(MsgBoxes().back().prompt, "No register settings were found in " + path + ".");
      EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbExclamation);
    }
    EXPECT_EQ(MsgBoxes().size(), asked + (nothingFound ? 1 : 0));
    return Bus();
  }

  QTemporaryDir dir_;
  std::vector<ui::FileDialogRequest> requests_;
  bool timerDuringDialog_ = true;
};

}  // namespace

TEST_F(SaveRecall, LoadShowsTheChipsAndTheDesignedCaptions) {
  frmSave& save = Open({0x48, 0x4A});
  EXPECT_EQ(save.Caption(), "Save/Recall Settings");
  EXPECT_EQ(save.Width(), 4290);
  EXPECT_EQ(save.Height(), 5205);
  EXPECT_EQ(save.cmbDevAddr->ListCount(), 2);
  EXPECT_EQ(save.cmbDevAddr->List(1), "4Ah");
  EXPECT_EQ(save.cmbDevAddr->Text(), "48h");
  EXPECT_EQ(save.cmdsave->text(), "Save  Current Configuration");
  EXPECT_EQ(save.cmdRecall->text(), "Recall Previous Configuration");
  EXPECT_EQ(save.cmdClose->text(), "Close");
  EXPECT_EQ(support::Find<QGroupBox>(save, "fraFileIO")->title(), "File I/O");
  save.cmdClose->click();
  EXPECT_FALSE(save.IsLoaded());
}

TEST_F(SaveRecall, SaveInSimulationWritesExactlyTheSettingsFile) {
  StartInSimulation();
  OpenMainWindow();
  for (int a = 0; a < 256; ++a) gRegShadow[static_cast<size_t>(a)] = static_cast<uint8_t>((a * 37 + 5) & 0xFF);
  gMainForm->Action("mnuSave")->trigger();
  frmSave& save = SaveForm();
  save.txtComment->SetText("  first board, 48 V  ");
  const QString path = PathOf("saved.sav");
  Choose(path);
  save.cmdsave->click();

  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_TRUE(requests_[0].save);
  EXPECT_EQ(requests_[0].initialDir, QCoreApplication::applicationDirPath());
  EXPECT_EQ(requests_[0].filter, "Text Files (*.sav)|*.sav");
  EXPECT_FALSE(timerDuringDialog_);
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());

  const std::string text = ReadFile(path).toStdString();
  std::vector<std::string> lines;
  for (size_t start = 0;;) {
    const size_t end = text.find(kCRLF, start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(text.find('\n'), text.find(kCRLF) + 1) << "every line ends in CR LF";
  ASSERT_EQ(lines.size(), 9u + 92u + 1u + 1u);
  const Strings header = {"Velmora Inc.", "KRV7310 Evaluation Software", "", "Saved: 12/9/2026 at 10:30 AM", "",
                          "Comment : first board, 48 V", "", "KRV7310_Registers()", "{"};
  EXPECT_EQ(Strings(lines.begin(), lines.begin() + 9), header);
  int line = 9;
  for (int a = 0; a <= 0x5D; ++a) {
    if (a == 0x19 || a == 0x2A) continue;
    const std::string expected = RegisterLineText(a, (a * 37 + 5) & 0xFF, gRegTable[static_cast<size_t>(a)].Name);
    EXPECT_EQ(lines[static_cast<size_t>(line++)] + kCRLF, expected);
  }
  EXPECT_EQ(lines[101], "}");
  EXPECT_EQ(lines[102], "") << "the file ends with a line end after the brace";
  EXPECT_EQ(lines[9], "0x00\t0x05\t // Fault 1");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 102);
}

TEST_F(SaveRecall, SaveReadsTheChosenChipLiveInAscendingOrder) {
  frmSave& save = Open({0x48, 0x4A});
  save.cmbDevAddr->SetText("4Ah");
  Choose(PathOf("b.sav"));
  ClearBus();
  save.cmdsave->click();
  Strings expected;
  for (int a = 0; a <= 0x5D; ++a) {
    if (a == 0x19 || a == 0x2A) continue;
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x4A read 0x%02X", a);
    expected.push_back(buf);
  }
  EXPECT_EQ(Bus(true), expected);
}

TEST_F(SaveRecall, ACancelledSaveHasReadTheChipAndWritesNothing) {
  frmSave& save = Open();
  Choose(QString());
  ClearBus();
  save.cmdsave->click();
  EXPECT_EQ(Bus().size(), 92u);
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());
}

TEST_F(SaveRecall, SaveReplacesAnExistingFileAndSaysWhereItCannotWrite) {
  frmSave& save = Open();
  const QString path = Write("old.sav", QByteArray(5000, 'z'));
  Choose(path);
  save.cmdsave->click();
  EXPECT_TRUE(ReadFile(path).startsWith("Velmora Inc.\r\n"));
  EXPECT_TRUE(ReadFile(path).endsWith("}\r\n"));

  EXPECT_TRUE(MsgBoxes().empty());

  // A folder that does not exist, a folder in place of the file, and (where the
  // test does not run as the superuser, who may write anywhere) a read-only file.
  QStringList unwritable = {PathOf("no/such/folder/x.sav"), dir_.path()};
  const QString readOnly = Write("readonly.sav", "kept");
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
  if (QFileInfo(readOnly).isWritable() == false) unwritable << readOnly;
  for (const QString& target : unwritable) {
    SCOPED_TRACE(target.toStdString());
    Choose(target);
    const int fds = OpenFileDescriptors();
    AnswerMsgBox(ui::vbOK);
    save.cmdsave->click();
    EXPECT_EQ(OpenFileDescriptors(), fds);
    EXPECT_TRUE(gMainForm->tmrMaster->isActive());
    ASSERT_FALSE(MsgBoxes().empty());
    const QString prefix = "The settings could not be saved to " + target + ": ";
    EXPECT_TRUE(MsgBoxes().back().prompt.startsWith(prefix)) << MsgBoxes().back().prompt.toStdString();
    EXPECT_GT(MsgBoxes().back().prompt.size(), prefix.size()) << "the reason is missing";
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbCritical);
  }
  EXPECT_FALSE(QFile::exists(PathOf("no/such/folder/x.sav")));
  EXPECT_EQ(ReadFile(readOnly), "kept");
}

// Runs `act` on the next modal window of type T, inside the event loop that
// shows it; deleting the returned timer calls it off.
template <typename T>
QTimer* OnModal(std::function<void(T*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    T* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!window) return;
    poll->stop();
    poll->deleteLater();
    act(window);
  });
  poll->start(10);
  return poll;
}

// The real save dialog, in the folder it opens with: a name typed and Enter
// pressed; `question` answers the dialog's question, and without it none may come.
// A dialog that stays open to show a folder gives it to `shown` and is cancelled.
void TypeInSaveDialog(const QString& name, std::function<void(QMessageBox*)> question = {},
                      QString* shown = nullptr) {
  OnModal<QFileDialog>([name, question, shown](QFileDialog* dialog) {
    auto* edit = support::Find<QLineEdit>(dialog, QStringLiteral("fileNameEdit"));
    // The dialog follows the typing only while the box has the focus, as it has for a user.
    if (!edit || !QTest::qWaitForWindowActive(dialog)) return dialog->reject();
    edit->setFocus();
    edit->setCompleter(nullptr);  // its list pops up once the folder has been read, and would take the Enter
    edit->clear();
    QTest::keyClicks(edit, name);
    const QPointer<QTimer> answer = OnModal<QMessageBox>([question](QMessageBox* box) {
      if (!question) ADD_FAILURE() << "unexpected question: " << box->text().toStdString();
      question ? question(box) : box->reject();
    });
    QTest::keyClick(edit, Qt::Key_Return);
    delete answer.data();
    if (!dialog->isVisible()) return;
    if (shown) {
      *shown = dialog->directory().absolutePath();
      return dialog->reject();
    }
    if (question) return QTest::keyClick(edit, Qt::Key_Escape);
    ADD_FAILURE() << "the dialog is still open with " << edit->text().toStdString();
    dialog->reject();
  });
}

TEST_F(SaveRecall, ANameTypedWithoutSuffixIsSavedAsSavAndReplacingItIsAskedFirst) {
  frmSave& save = Open();
  ui::SetFileDialogHandler(nullptr);
  // The dialog opens in the program's folder; names of this run only, gone afterwards.
  const QString name = QStringLiteral("savetest%1").arg(QCoreApplication::applicationPid());
  const QDir folder(QCoreApplication::applicationDirPath());
  const QString sav = folder.filePath(name + ".sav");
  const QString txt = folder.filePath(name + "notes.txt");
  const QString sub = folder.filePath(name + "dir");
  struct Remove {
    QStringList paths;
    ~Remove() {
      for (const QString& p : paths) QFileInfo(p).isDir() ? QDir(p).removeRecursively() : QFile::remove(p);
    }
  } remove{{sav, txt, folder.filePath(name), sub, sub + ".sav"}};
  auto saveWithComment = [&](const char* comment) {
    save.txtComment->SetText(QString::fromLatin1(comment));
    QTest::mouseClick(save.cmdsave, Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  };
  TypeInSaveDialog(name);
  saveWithComment("first");
  EXPECT_FALSE(QFile::exists(folder.filePath(name)));
  EXPECT_TRUE(ReadFile(sav).contains("Comment : first\r\n"));

  // The same name again: the dialog asks; No keeps the file and the dialog, which is then cancelled.
  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    QString asked;
    TypeInSaveDialog(name, [&asked, answer](QMessageBox* box) {
      asked = box->text();
      box->button(answer)->click();
    });
    saveWithComment(answer == QMessageBox::No ? "second" : "third");
    EXPECT_EQ(asked, name + ".sav already exists.\nDo you want to replace it?");
    EXPECT_TRUE(ReadFile(sav).contains(answer == QMessageBox::No ? "Comment : first\r\n" : "Comment : third\r\n"));
  }

  // A name with a suffix of its own keeps it.
  TypeInSaveDialog(name + "notes.txt");
  saveWithComment("fourth");
  EXPECT_TRUE(ReadFile(txt).contains("Comment : fourth\r\n"));
  EXPECT_FALSE(QFile::exists(txt + ".sav"));

  // A folder's name, with or without a separator after it, opens the folder and saves nothing.
  ASSERT_TRUE(folder.mkdir(name + "dir"));
  for (const QString& typed : {name + "dir", name + "dir/"}) {
    SCOPED_TRACE(typed.toStdString());
    QString shown;
    TypeInSaveDialog(typed, {}, &shown);
    saveWithComment("fifth");
    EXPECT_EQ(shown.toStdString(), sub.toStdString());
    EXPECT_TRUE(QDir(sub).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(QFile::exists(sub + ".sav"));
  }
  EXPECT_TRUE(MsgBoxes().empty());
}

TEST_F(SaveRecall, RecallIntoTheOtherChipWritesTheSameValuesInFileOrder) {
  frmSave& save = Open({0x48, 0x4A});
  QRandomGenerator random(7310);
  for (int a = 0; a < 0x69; ++a) Board().SetReg(0x48, a, static_cast<uint8_t>(random.bounded(256)));
  const QString path = PathOf("chip1.sav");
  Choose(path);
  save.cmdsave->click();

  save.cmbDevAddr->SetText("4Ah");
  Choose(path);
  ClearBus();
  TimerWatch watch;
  SetBusMonitorSink(&watch);
  gSpyOpen = true;
  save.cmdRecall->click();
  gSpyOpen = false;
  SetBusMonitorSink(nullptr);

  Strings expected;
  for (int a = 0; a <= 0x5D; ++a) {
    if (a == 0x19 || a == 0x2A) continue;
    char buf[48];
    std::snprintf(buf, sizeof buf, "0x4A write 0x%02X = 0x%02X", a, Board().Reg(0x48, a));
    expected.push_back(buf);
    EXPECT_EQ(Board().Reg(0x4A, a), Board().Reg(0x48, a)) << std::hex << a;
  }
  EXPECT_EQ(Bus(true), expected);
  EXPECT_EQ(requests_.size(), 2u);
  EXPECT_FALSE(requests_[1].save);
  EXPECT_EQ(requests_[1].filter, "Text Files (*.sav)|*.sav");
  EXPECT_EQ(requests_[1].initialDir, QCoreApplication::applicationDirPath());
  EXPECT_TRUE(timerDuringDialog_) << "the timer stops only once the block is found";
  EXPECT_EQ(watch.running, std::vector<bool>(92, false));
  EXPECT_TRUE(gMainForm->tmrMaster->isActive());
}

TEST_F(SaveRecall, ABraceInTheCommentMovesTheBlockStartToIt) {
  frmSave& save = Open();
  for (int a = 0; a < 0x69; ++a) Board().SetReg(0x48, a, static_cast<uint8_t>(a + 1));
  save.txtComment->SetText("set {max} here");
  const QString path = PathOf("brace.sav");
  Choose(path);
  save.cmdsave->click();
  // The rest of the comment line is skipped; the first "x" after it starts a register field.
  const Strings writes = Recall(ReadFile(path));
  ASSERT_EQ(writes.size(), 92u);
  EXPECT_EQ(writes[0], "write 0x00 = 0x01");
  EXPECT_EQ(writes[91], "write 0x5D = 0x5E");

  EXPECT_EQ(Recall("Comment : {oops\r\njunk x10 then x20 here\r\n0x21\t0x98\t // CS1 Gain Trim\r\n}\r\n"),
            (Strings{"write 0x10 = 0x20", "write 0x21 = 0x98"}));
}

TEST_F(SaveRecall, PastedLineBreaksInTheCommentBecomeBlanksAndTheFileStillRecalls) {
  frmSave& save = Open();
  for (int a = 0; a < 0x69; ++a) Board().SetReg(0x48, a, static_cast<uint8_t>(0x80 + a));
  const std::pair<const char*, const char*> cases[] = {{"a{\r\n}b", "a{ }b"}, {"{\r\n0x00\t0x00", "{ 0x00\t0x00"},
                                                       {"one\ntwo\rthree", "one two three"}};
  for (const auto& [pasted, kept] : cases) {
    SCOPED_TRACE(pasted);
    save.txtComment->clear();
    QGuiApplication::clipboard()->setText(pasted);
    save.txtComment->paste();
    EXPECT_EQ(save.txtComment->Text(), kept);
    const QString path = PathOf("pasted.sav");
    Choose(path);
    save.cmdsave->click();
    EXPECT_TRUE(ReadFile(path).contains("\r\nComment : " + QByteArray(kept) + "\r\n\r\nKRV7310_Registers()\r\n{\r\n"));
    // Every register comes back from its own line, none from the comment.
    const Strings writes = Recall(ReadFile(path));
    ASSERT_EQ(writes.size(), 92u);
    EXPECT_EQ(writes.front(), "write 0x00 = 0x80");
    EXPECT_EQ(writes.back(), "write 0x5D = 0xDD");
  }
}

TEST_F(SaveRecall, ALineStartingWithABraceEndsRecall) {
  Open();
  EXPECT_EQ(Recall("x\r\n{\r\n0x21\t0x98\t // a\r\n}\r\n0x22\t0x11\t // b\r\n"), Strings{"write 0x21 = 0x98"});
  EXPECT_EQ(Recall("{\r\n}0x21\t0x98\r\n", true), Strings{});
}

TEST_F(SaveRecall, AMissingClosingBraceKeepsEveryCompleteLine) {
  Open();
  EXPECT_EQ(Recall("{\r\n0x21\t0x98\t // a\r\n0x22\t0x0A\t // b\r\n"),
            (Strings{"write 0x21 = 0x98", "write 0x22 = 0x0A"}));
  // A last line without its line end is still written before the end is found.
  EXPECT_EQ(Recall("{\r\n0x21\t0x98"), Strings{"write 0x21 = 0x98"});
  // The reader takes exactly two characters after an "x": one left is the end of the file.
  EXPECT_EQ(Recall("{\r\n0x21\t0x9", true), Strings{});
}

TEST_F(SaveRecall, BrokenFilesEndRecallWithTheirFileClosedAndSayWhenNothingWasFound) {
  Open();
  QByteArray binary(1 << 16, '\0');
  QRandomGenerator random(42);
  for (char& c : binary) c = static_cast<char>(random.bounded(256));
  QByteArray longLine = "{\r\n0" + QByteArray(1000000, 'a') + "x21 x98\r\n}\r\n";

  EXPECT_EQ(Recall("", true), Strings{});
  EXPECT_EQ(Recall("no brace at all, x12 x34\r\n", true), Strings{});
  EXPECT_EQ(Recall("{\r\n0x", true), Strings{});
  EXPECT_EQ(Recall("{\r\n0x21\tx", true), Strings{});
  EXPECT_EQ(Recall("{", true), Strings{});
  EXPECT_EQ(Recall(longLine), Strings{"write 0x21 = 0x98"});
  EXPECT_EQ(Recall("{" + QByteArray(1000000, 'q'), true), Strings{});
  EXPECT_FALSE(Recall(binary).empty()) << "this noise holds a brace and x's";
}

TEST_F(SaveRecall, FilesThatCannotBeReadAreReportedAndACancelledDialogWritesNothing) {
  frmSave& save = Open();
  const std::pair<QString, QString> cases[] = {{PathOf("missing.sav"), "No such file or directory"},
                                               {dir_.path(), "This is a folder, not a file"}};
  for (const auto& [path, reason] : cases) {
    Choose(path);
    ClearBus();
    AnswerMsgBox(ui::vbOK);
    save.cmdRecall->click();
    EXPECT_TRUE(Bus().empty());
    EXPECT_TRUE(gMainForm->tmrMaster->isActive());
    ASSERT_FALSE(MsgBoxes().empty());
    EXPECT_EQ(MsgBoxes().back().prompt, "The settings could not be read from " + path + ": " + reason);
    EXPECT_EQ(MsgBoxes().back().style, ui::vbOKOnly | ui::vbCritical);
  }
  gMainForm->tmrMaster->stop();
  Choose(QString());
  save.cmdRecall->click();
  EXPECT_TRUE(Bus().empty());
  EXPECT_FALSE(gMainForm->tmrMaster->isActive()) << "a cancel ends before the timer is touched";
}

TEST_F(SaveRecall, AFailedWriteDuringRecallEndsTheProgramWithTheFileClosedAndTheMonitorsLogWhole) {
  Open();
  gMainForm->Action("mnuSpy")->trigger();
  SpyForm().chkWrites->SetValue(1);
  Choose(Write("in.sav", "{\r\n0x21\t0x98\t // a\r\n0x22\t0x11\t // b\r\n0x23\t0x05\t // c\r\n}\r\n"));
  Board().FailRequestNumber(Board().RequestCount() + 3);
  // What the monitor holds when the message comes: every write before the failed one, and only those.
  QStringList logged;
  ui::SetMsgBoxHandler([&logged](const QString&, int, const QString&) {
    for (int i = 0; i < SpyForm().lstSpy->ListCount(); ++i) logged << SpyForm().lstSpy->List(i);
    return int(ui::vbOK);
  });
  const int fds = OpenFileDescriptors();
  ClearBus();
  EXPECT_THROW(SaveForm().cmdRecall_Click(), support::ProgramEnded);
  EXPECT_EQ(OpenFileDescriptors(), fds);
  EXPECT_EQ(gSaveFileNum, nullptr);
  EXPECT_EQ(Bus().size(), 3u);
  EXPECT_EQ(logged, (QStringList{"Write Dev Addr=0x48 Addr Ptr=0x21 Data Out=0x98",
                                 "Write Dev Addr=0x48 Addr Ptr=0x22 Data Out=0x11"}));
  EXPECT_FALSE(SpyForm().IsLoaded());
}
