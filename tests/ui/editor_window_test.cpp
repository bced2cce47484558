#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "mission_scratch_folder.h"
#include "missions/mission_file.h"
#include "missions/qt_editor_window.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_text.h"

namespace qv {
namespace {

// Answers the next modal file dialog. Polls every 10 ms; a watchdog fails the
// test and closes the dialog instead of hanging when the answer never comes.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(QFileDialog*)> answer) : answer_(std::move(answer)) {
    poll_.setInterval(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        poll_.stop();
        answered_ = true;
        answer_(dialog);
      }
    });
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      poll_.stop();
      if (auto* modal = QApplication::activeModalWidget()) modal->close();
      ADD_FAILURE() << "no file dialog appeared";
    });
    poll_.start();
    watchdog_.start(5000);
  }
  bool answered() const { return answered_; }

 private:
  std::function<void(QFileDialog*)> answer_;
  QTimer poll_;
  QTimer watchdog_;
  bool answered_ = false;
};

// Types a name into the dialog's own file name box and accepts, as a user would.
std::function<void(QFileDialog*)> typeName(const std::string& path) {
  return [path](QFileDialog* dialog) {
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText(QString::fromUtf8(path));
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it, QDialog does not
  };
}

void cancel(QFileDialog* dialog) {
  dialog->reject();
}

class EditorWindow : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm4>([this] { ++menuShown_; });
    form_->beep = [this] { ++beeps_; };
    setErrorBoxHook([this](const QString& text) { boxes_ << text; });
  }
  void TearDown() override {
    setErrorBoxHook(nullptr);
    form_.reset();
  }

  std::string path(const std::string& name) const { return folder_.path(name); }
  static std::string contents(const std::string& file) {
    return test::ScratchFolder::contents(file);
  }
  static void put(const std::string& file, const std::string& bytes) {
    test::ScratchFolder::put(file, bytes);
  }

  void saveAs(const std::string& typed) {
    DialogDriver driver(typeName(typed));
    form_->SaveBtn->click();
    EXPECT_TRUE(driver.answered());
  }
  void load(const std::string& typed) {
    DialogDriver driver(typeName(typed));
    form_->Openbtn->click();
    EXPECT_TRUE(driver.answered());
  }
  QRadioButton* typeItem(int index) const { return RadioGroup1Items().at(index); }
  QList<QRadioButton*> RadioGroup1Items() const {
    return form_->RadioGroup1->findChildren<QRadioButton*>();
  }

  test::ScratchFolder folder_;
  std::unique_ptr<TForm4> form_;
  int beeps_ = 0;
  int menuShown_ = 0;
  QStringList boxes_;
};

TEST_F(EditorWindow, LooksAsDrawn) {
  TForm4& f = *form_;
  EXPECT_EQ(f.windowTitle(), "Mission Editor");
  EXPECT_EQ(f.pos(), QPoint(408, 517));
  EXPECT_EQ(f.minimumSize(), QSize(442, 291));  // fixed, so tiling desktops float it
  EXPECT_EQ(f.maximumSize(), QSize(442, 291));
  f.show();  // the window's face is loaded when it is first shown
  EXPECT_EQ(f.font().pixelSize(), 11);
  EXPECT_EQ(QFontInfo(f.font()).family(), "Arimo");
  EXPECT_EQ(f.Label4->width(), f.Label4->sizeHint().width());
  f.hide();

  EXPECT_EQ(f.MissionNameEd->geometry(), QRect(0, 16, 233, 21));
  EXPECT_EQ(f.ServernameEd->geometry(), QRect(0, 56, 233, 21));
  EXPECT_EQ(f.Edit2->geometry(), QRect(0, 96, 137, 21));
  EXPECT_EQ(f.MoneyEdit->geometry(), QRect(144, 96, 89, 22));
  EXPECT_EQ(f.SaveBtn->geometry(), QRect(0, 120, 113, 25));
  EXPECT_EQ(f.Openbtn->geometry(), QRect(112, 120, 121, 25));
  EXPECT_EQ(f.SpinEdit1->geometry(), QRect(256, 16, 121, 22));
  EXPECT_EQ(f.RadioGroup1->geometry(), QRect(232, 40, 209, 105));
  EXPECT_EQ(f.Memo1->geometry(), QRect(0, 144, 441, 145));
  EXPECT_EQ(f.Label1->pos(), QPoint(0, 0));
  EXPECT_EQ(f.Label4->pos(), QPoint(0, 40));
  EXPECT_EQ(f.Label2->pos(), QPoint(0, 80));
  EXPECT_EQ(f.Label3->pos(), QPoint(160, 80));
  EXPECT_EQ(f.Label5->pos(), QPoint(256, 0));

  EXPECT_EQ(f.Label1->text(), "Mission Name:");
  EXPECT_TRUE(f.Label4->text().startsWith("The Name of the targer server ("));
  EXPECT_EQ(f.Label2->text(), "Goal status (down, destroyed):");
  EXPECT_EQ(f.Label3->text(), "Amount:");
  EXPECT_EQ(f.Label5->text(), "Mission time in seconds:");
  EXPECT_EQ(f.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(f.Label4->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(f.Label2->palette().color(QPalette::WindowText), QColor(Qt::cyan));
  EXPECT_EQ(f.Label3->palette().color(QPalette::WindowText), QColor(Qt::yellow));
  EXPECT_FALSE(f.Label1->autoFillBackground());

  EXPECT_EQ(f.MissionNameEd->text(), "Name of the mission goes here");
  EXPECT_EQ(f.ServernameEd->text(), f.ServernameEd->text().toUpper());
  EXPECT_EQ(f.Edit2->text(), "down");
  EXPECT_EQ(f.MoneyEdit->value(), 0);
  EXPECT_EQ(f.SpinEdit1->value(), 0);
  EXPECT_EQ(f.MoneyEdit->minimum(), INT32_MIN);
  EXPECT_EQ(f.SpinEdit1->maximum(), INT32_MAX);
  EXPECT_EQ(f.SaveBtn->text(), "Save Mission");
  EXPECT_EQ(f.Openbtn->text(), "Load Mission");
  EXPECT_FALSE(f.SaveBtn->icon().isNull());
  EXPECT_FALSE(f.Openbtn->icon().isNull());
  EXPECT_EQ(f.Memo1->toPlainText(),
            "Type the description of the mission here. You can disclose information if you "
            "want.");
  EXPECT_EQ(f.Save()->nameFilters(), QStringList{"Quorvexer Mission File (*.qmf)"});
  EXPECT_EQ(f.Save()->defaultSuffix(), "qmf");
  EXPECT_TRUE(f.Save()->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(f.Open()->defaultSuffix(), "");
  EXPECT_EQ(f.RadioGroup1->title(), "Mission Type");
  const auto items = RadioGroup1Items();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "change server status");
  EXPECT_EQ(items[1]->text(), "download file");
  EXPECT_EQ(items[2]->text(), "trasfer money from server");
  EXPECT_TRUE(items[0]->isChecked());
}

TEST_F(EditorWindow, TabOrderStartsAtTheDescription) {
  TForm4& f = *form_;
  const QList<QWidget*> order = {f.Memo1,     f.MissionNameEd, f.Edit2,
                                 typeItem(0), f.MoneyEdit,     f.ServernameEd,
                                 f.SaveBtn,   f.Openbtn,       f.SpinEdit1};
  for (qsizetype i = 1; i < order.size(); ++i) {
    QWidget* next = order[i - 1]->nextInFocusChain();
    while (next->focusProxy() != nullptr || next->focusPolicy() == Qt::NoFocus) {
      next = next->nextInFocusChain();
    }
    // A spin field's inner line edit stands for the field itself.
    if (next->parentWidget() == order[i]) next = order[i];
    EXPECT_EQ(next, order[i]) << i;
  }
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  EXPECT_EQ(f.focusWidget(), f.Memo1);
  f.close();
}

TEST_F(EditorWindow, GoalLabelFollowsTheTypeClicks) {
  typeItem(1)->click();
  EXPECT_EQ(form_->Label2->text(), "Name of file:");
  typeItem(2)->click();
  EXPECT_EQ(form_->Label2->text(), "Name of file:");
  typeItem(0)->click();
  EXPECT_EQ(form_->Label2->text(), "Goal status (down, destroyed):");
}

TEST_F(EditorWindow, SavesTheExactBytesWithOneBeep) {
  TForm4& f = *form_;
  f.MissionNameEd->setText("Lights Out");
  f.ServernameEd->setText("WWW.ZORBLAX.COM");
  f.MoneyEdit->setValue(999);  // written as 0 for this type
  f.Memo1->setPlainText("Take the grid offline.");
  f.SpinEdit1->setValue(300);
  saveAs(path("lights"));  // typed without an extension
  EXPECT_EQ(contents(path("lights.qmf")),
            "Lights Out\r\nserverstatus\r\nWWW.ZORBLAX.COM\r\ndown\r\n\r\n0\r\n"
            "Take the grid offline.\r\n300\r\n");
  EXPECT_EQ(beeps_, 1);
  EXPECT_TRUE(boxes_.isEmpty());

  // Saving again over the same name replaces it without asking.
  typeItem(2)->click();
  saveAs(path("lights.qmf"));
  EXPECT_NE(contents(path("lights.qmf")).find("aquiremoney\r\n"), std::string::npos);
  EXPECT_EQ(beeps_, 2);
}

TEST_F(EditorWindow, PathsKeepTheFileSystemEncoding) {
  const std::string folder = path("caf\xC3\xA9");  // UTF-8, as the file system names it
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  saveAs(folder + "/m");
  EXPECT_EQ(contents(folder + "/m.qmf"), writeMission(form_->mission()));
  load(folder + "/m.qmf");
  EXPECT_TRUE(boxes_.isEmpty()) << boxes_.join('|').toStdString();
}

TEST_F(EditorWindow, CancelledOrFailedSaveDoesNotBeep) {
  {
    DialogDriver driver(cancel);
    form_->SaveBtn->click();
  }
  saveAs(path("missing-folder/m.qmf"));
  EXPECT_EQ(beeps_, 0);
  ASSERT_EQ(boxes_.size(), 1);
  EXPECT_TRUE(boxes_[0].endsWith("cannot be saved: No such file or directory."))
      << boxes_[0].toStdString();
}

TEST_F(EditorWindow, EveryTypeRoundTripsThroughTheDialogs) {
  TForm4& f = *form_;
  for (int type = 0; type < 3; ++type) {
    SCOPED_TRACE(type);
    typeItem(type)->click();
    f.MissionNameEd->setText(QStringLiteral("Caf\u00e9 job %1").arg(type));
    f.Edit2->setText("goal.txt");
    f.MoneyEdit->setValue(-42);
    f.Memo1->setPlainText("Brief.");
    f.SpinEdit1->setValue(INT32_MAX);
    const EditorMission saved = f.mission();
    saveAs(path("round.qmf"));

    f.showMission(EditorMission());
    load(path("round.qmf"));
    EXPECT_EQ(f.MissionNameEd->text(), QStringLiteral("Caf\u00e9 job %1").arg(type));
    EXPECT_TRUE(typeItem(type)->isChecked());
    EXPECT_EQ(f.Edit2->text(), type == 2 ? "down" : "goal.txt");
    EXPECT_EQ(f.MoneyEdit->value(), type == 2 ? -42 : 0);
    EXPECT_EQ(f.Memo1->toPlainText(), "Brief.");
    EXPECT_EQ(f.SpinEdit1->value(), INT32_MAX);
    EXPECT_EQ(f.Label2->text(), type == 1 ? "Name of file:" : "Goal status (down, destroyed):");
  }
  EXPECT_EQ(beeps_, 3);  // loading never beeps
  EXPECT_TRUE(boxes_.isEmpty());
}

TEST_F(EditorWindow, LoadThenSaveKeepsEveryByte) {
  std::string text;  // every byte a text item holds: a lone LF too, no CR, no end mark
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != 0x1A) text += static_cast<char>(b);
  }
  std::string name;
  while (name.size() < 40000) name += text;
  form_->Edit2->setText(QStringLiteral("kept \u03A9"));  // outside the code page
  for (int type : {2, 0, 1}) {
    SCOPED_TRACE(type);
    const std::string file = name + "\r\n" + kMissionTypeKeywords[type] + "\r\n" + text + "\r\n" +
                             (type == 0 ? text : "") + "\r\n" + (type == 1 ? text : "") + "\r\n" +
                             (type == 2 ? "-7" : "0") + "\r\n" + text + "\r\n" + "2147483647\r\n";
    put(path("every.qmf"), file + "\x1A after the end mark");
    load(path("every.qmf"));
    saveAs(path("saved.qmf"));
    EXPECT_TRUE(contents(path("saved.qmf")) == file);  // too long to print
    if (type == 2) {
      EXPECT_EQ(form_->Edit2->text(), QStringLiteral("kept \u03A9"));
    }
  }
  EXPECT_TRUE(boxes_.isEmpty());
}

// A briefing of several lines loads back whole in the editor and in the game,
// and the editor's dialog opens where it saved, whatever dialog came between.
TEST_F(EditorWindow, MultiLineDescriptionLoadsBackWholeInItsFolder) {
  const QString brief = QStringLiteral("First line.\nSecond line.\n\n2 more lines.");
  form_->Memo1->setPlainText(brief);
  form_->SpinEdit1->setValue(300);
  saveAs(path("brief.qmf"));
  form_->showMission(EditorMission());
  QFileDialog(nullptr, QString(), QStringLiteral("/"));  // the game's mission dialog
  QString openedAt;
  DialogDriver driver([&](QFileDialog* dialog) {
    openedAt = dialog->directory().absolutePath();
    typeName(path("brief.qmf"))(dialog);
  });
  form_->Openbtn->click();
  EXPECT_EQ(openedAt, QString::fromStdString(folder_.dir().string()));
  EXPECT_EQ(form_->Memo1->toPlainText(), brief);
  EXPECT_EQ(form_->SpinEdit1->value(), 300);
  TMission game;
  readMissionInto(game, contents(path("brief.qmf")));
  EXPECT_EQ(toQString(game.description), brief);
  EXPECT_EQ(game.time, 300);
  EXPECT_TRUE(boxes_.isEmpty()) << boxes_.join('|').toStdString();
}

TEST_F(EditorWindow, FailedLoadKeepsWhatWasReadAndShowsTheBox) {
  put(path("bad.qmf"), "Half\r\ndownloadfile\r\nSRV\r\ngoal\r\nfile.txt\r\n0\r\nFirst\r\nword\r\n");
  form_->SpinEdit1->setValue(77);
  load(path("bad.qmf"));
  EXPECT_EQ(boxes_, QStringList{"Invalid numeric input."});
  EXPECT_EQ(form_->MissionNameEd->text(), "Half");
  EXPECT_TRUE(typeItem(1)->isChecked());
  EXPECT_EQ(form_->Label2->text(), "Name of file:");
  EXPECT_EQ(form_->Edit2->text(), "file.txt");
  EXPECT_EQ(form_->Memo1->toPlainText(), "First");
  EXPECT_EQ(form_->SpinEdit1->value(), 77);
  EXPECT_EQ(beeps_, 0);
}

TEST_F(EditorWindow, MissingOrHostileFileChangesNothing) {
  const EditorMission before = form_->mission();
  load(path("absent.qmf"));
  load("/dev/zero");
  EXPECT_EQ(boxes_, (QStringList{"File not found.", "'/dev/zero' is not a regular file."}));
  EXPECT_EQ(writeMission(form_->mission()), writeMission(before));
}

TEST_F(EditorWindow, NonNumberInASpinFieldCountsAsZero) {
  auto* text = form_->SpinEdit1->findChild<QLineEdit*>();
  ASSERT_NE(text, nullptr);
  form_->SpinEdit1->setValue(5);
  text->setText("-");
  EXPECT_EQ(form_->mission().time, 0);
}

// The close box, and the keys that do the same where there is no close box,
// pressed wherever the keyboard is.
TEST_F(EditorWindow, ClosingShowsTheMenuAndKeepsTheContents) {
  TForm4& f = *form_;
  const std::pair<QWidget*, QKeyCombination> ways[] = {{nullptr, {}},  // the close box
                                                       {f.Memo1, Qt::Key_Escape},
                                                       {f.MoneyEdit, Qt::Key_Escape},
                                                       {f.SaveBtn, Qt::Key_Escape},
                                                       {f.Edit2, Qt::ControlModifier | Qt::Key_W}};
  for (const auto& [focus, key] : ways) {
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.MissionNameEd->setText("Kept");
    typeItem(1)->click();
    menuShown_ = 0;
    if (focus) QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    if (!focus) f.close();
    EXPECT_EQ(menuShown_, 1) << (focus ? focus->accessibleName().toStdString() : "close box");
    EXPECT_FALSE(f.isVisible());
    f.show();
    EXPECT_EQ(f.MissionNameEd->text(), "Kept");
    EXPECT_EQ(f.Label2->text(), "Name of file:");
    f.close();
  }
}

}  // namespace
}  // namespace qv
