// The monkey: the real shell with its five windows on the offscreen platform,
// played for MONKEY_SECONDS (default 1800) with seeded random input. After
// every event the world's rules are checked; a broken rule, a sanitizer
// report or an event loop that does not come back for 10 s ends the run with a
// non-zero exit. MONKEY_SEED replays a run's choices.
//
//   monkey: seed 1234 (replay with MONKEY_SEED=1234), 1800 s, typing 30x faster
//   ...
//   monkey: 251234 events, 8812 commands, 640 missions, 0 crashes

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/qt_application.h"
#include "app/qt_main_menu.h"
#include "app/qt_shell.h"
#include "commands/qt_compiler_window.h"
#include "hostile_files.h"
#include "mission_scratch_folder.h"
#include "missions/qt_editor_window.h"
#include "monkey_clock.h"
#include "monkey_input.h"
#include "sim/qt_status_window.h"
#include "terminal/qt_game_window.h"
#include "world_invariants.h"

namespace qv::monkey {
namespace {

std::uint32_t seedFromEnvironment() {
  if (const char* text = std::getenv("MONKEY_SEED"); text && *text) {
    return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
  }
  return static_cast<std::uint32_t>(nowMs());
}

int secondsFromEnvironment() {
  const char* text = std::getenv("MONKEY_SECONDS");
  const int seconds = text && *text ? std::atoi(text) : 1800;
  return seconds > 0 ? seconds : 1800;
}

class Monkey {
 public:
  Monkey(std::uint32_t seed, int seconds)
      : seed_(seed),
        seconds_(seconds),
        watchdog_(10'000, [this] { hang(); }),
        pace_(watchdog_),
        input_(seed),
        shell_(ShellOptions{&pace_, [this] { programEnded_ = true; }}) {
    samples_ = sampleMissions();
  }

  int run() {
    start_ms_ = nowMs();
    shell_.start();
    // Qt never runs a timer's slot inside itself: while an action waits in a
    // dialog's own event loop, the second timer answers the dialog.
    QTimer actions;
    QTimer answers;
    actions.setInterval(2);
    answers.setInterval(5);
    QObject::connect(&actions, &QTimer::timeout, [this] { step(false); });
    QObject::connect(&answers, &QTimer::timeout, [this] { step(true); });
    actions.start();
    answers.start();
    QApplication::exec();
    std::printf("monkey: %lld events, %lld commands, %lld missions, 0 crashes\n", events_.load(),
                commands_, missions_);
    return 0;
  }

 private:
  // One event: an answer when a dialog is open, else a player's action.
  // Opening a dialog runs a nested event loop in which the answering timer
  // closes it; the action goes on when it does.
  void step(bool answering) {
    watchdog_.beat();
    if (nowMs() - start_ms_ >= seconds_ * 1000LL) return finish();
    QWidget* modal = QApplication::activeModalWidget();
    if (answering != (modal != nullptr)) return;
    ++depth_;
    ++events_;
    if (modal) {
      answer(modal);
    } else {
      act();
    }
    checkWorld();
    --depth_;
  }

  void finish() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      return;
    }
    if (depth_ == 0) QApplication::exit(0);
  }

  // ---- the player's actions ---------------------------------------------

  void act() {
    if (programEnded_) return restartProgram();
    QWidget* window = someVisibleWindow();
    if (!window) return shell_.start();
    switch (input_.below(20)) {
      case 0:
      case 1:
      case 2:
        return clickSomewhere(window);
      case 3:
      case 4:
        return clickSomeControl(window);
      case 5:
      case 6:
      case 7:
      case 8:
        return pressSomeKey(window);
      case 9:
      case 10:
      case 11:
        return enterCommand();
      case 12:
        return paste(window);
      case 13:
        return compile();
      case 14:
        return terminateAndStartAgain();
      case 15:
      case 16:
        return useEditor();
      case 17:
        window->close();  // the title bar's close button
        return;
      default:
        return showSomeWindow();
    }
  }

  // Closing the menu ends the program; the monkey starts it again, with the
  // windows as a fresh start leaves them.
  void restartProgram() {
    programEnded_ = false;
    for (QWidget* window : windows()) window->hide();
    shell_.start();
  }

  std::vector<QWidget*> windows() {
    return {&shell_.form1(), &shell_.form2(), &shell_.form4(), &shell_.form3(), &shell_.form5()};
  }

  QWidget* someVisibleWindow() {
    std::vector<QWidget*> visible;
    for (QWidget* window : windows()) {
      if (window->isVisible()) visible.push_back(window);
    }
    if (visible.empty()) return nullptr;
    return visible[input_.below(static_cast<int>(visible.size()))];
  }

  void clickSomewhere(QWidget* window) {
    click(window, QPoint(input_.below(window->width() + 1), input_.below(window->height() + 1)));
  }

  // Buttons, radio items, spin fields and text areas get more clicks than
  // their share of the window's area would give them.
  void clickSomeControl(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (child->isVisible() && child->focusPolicy() != Qt::NoFocus) controls.push_back(child);
    }
    if (controls.empty()) return clickSomewhere(window);
    QWidget* control = controls[input_.below(static_cast<int>(controls.size()))];
    const QPoint inside(input_.below(control->width() + 1), input_.below(control->height() + 1));
    click(window, control->mapTo(window, inside));
  }

  void click(QWidget* window, QPoint at) {
    QWidget* target = window->childAt(at);
    if (!target) target = window;
    const QPointF local = target->mapFrom(window, at);
    const QPointF global = target->mapToGlobal(local);
    const Qt::MouseButton button = input_.mouseButton();
    const Qt::KeyboardModifiers modifiers = input_.modifiers();
    QPointer<QWidget> alive(target);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, modifiers);
    QApplication::sendEvent(target, &press);
    if (!alive) return;
    if (input_.below(8) == 0) {
      QMouseEvent twice(QEvent::MouseButtonDblClick, local, global, button, button, modifiers);
      QApplication::sendEvent(target, &twice);
      if (!alive) return;
    }
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, modifiers);
    QApplication::sendEvent(target, &release);
  }

  void pressSomeKey(QWidget* window) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const Key key = input_.key();
    sendKey(target, key.code, key.modifiers, key.text);
  }

  static void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text) {
    QPointer<QWidget> alive(target);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    if (!alive) return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
  }

  // A whole line into the game window's input area, then Return.
  void enterCommand() {
    if (!shell_.form2().isVisible()) return showSomeWindow();
    typeLineAndReturn(shell_.form2().Memo1, input_.commandLine(shell_.game().world));
  }

  void typeLineAndReturn(QPlainTextEdit* area, const QString& line) {
    area->moveCursor(QTextCursor::End);
    area->insertPlainText(line);
    ++commands_;
    sendKey(area, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  }

  // Several lines at once through the clipboard into the focused text area.
  void paste(QWidget* window) {
    QApplication::clipboard()->setText(input_.pastedText());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    sendKey(target, Qt::Key_V, Qt::ControlModifier, {});
  }

  // Keyword lines into the compiler window, closed by ":end" and Return.
  void compile() {
    TForm3& compiler = shell_.form3();
    if (!compiler.isVisible()) {
      if (!shell_.form2().isVisible()) return showSomeWindow();
      return typeLineAndReturn(shell_.form2().Memo1, input_.below(2)
                                                         ? QStringLiteral("//create virus deleter")
                                                         : QStringLiteral("//create virus thief"));
    }
    const int lines = input_.below(5);
    for (int i = 0; i < lines; ++i) {
      compiler.Console->moveCursor(QTextCursor::End);
      compiler.Console->insertPlainText(input_.keywordLine());
      sendKey(compiler.Console, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    }
    typeLineAndReturn(compiler.Console,
                      input_.below(4) ? QStringLiteral(":end") : QStringLiteral(":END"));
  }

  void terminateAndStartAgain() {
    if (shell_.form2().isVisible())
      typeLineAndReturn(shell_.form2().Memo1, QStringLiteral("//terminate"));
    if (shell_.form1().isVisible()) shell_.form1().NewGameBtn->click();
  }

  void useEditor() {
    TForm4& editor = shell_.form4();
    if (!editor.isVisible()) {
      if (shell_.form1().isVisible()) shell_.form1().MissionEdBtn->click();
      return;
    }
    if (input_.below(2) == 0) {
      editor.Openbtn->click();
    } else {
      editor.SaveBtn->click();
    }
  }

  void showSomeWindow() {
    QWidget* window = windows()[input_.below(5)];
    // Only the program's own paths show the game window: a start needs the menu.
    if (window == &shell_.form2() && !shell_.form2().isVisible()) {
      if (shell_.form1().isVisible()) shell_.form1().NewGameBtn->click();
      return;
    }
    showWindow(*window);
  }

  // ---- dialogs ------------------------------------------------------------

  void answer(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return closeBox(box);
    if (auto* nameBox = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      return answerFileDialog(static_cast<QDialog*>(modal), nameBox);
    }
    modal->close();
  }

  // As a player would: the OK button, Return, Escape or the close button.
  void closeBox(QMessageBox* box) {
    switch (input_.below(4)) {
      case 0:
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) return ok->click();
        box->close();
        return;
      case 1:
        return sendKey(box, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
      case 2:
        return sendKey(box, Qt::Key_Escape, Qt::NoModifier, {});
      default:
        box->close();
        return;
    }
  }

  // The editor's file dialogs and the game's mission dialog alike.
  void answerFileDialog(QDialog* dialog, QLineEdit* nameBox) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    const bool saving = files && files->acceptMode() == QFileDialog::AcceptSave;
    const int choice = input_.below(8);
    if (choice == 0) return dialog->reject();
    std::string path;
    bool vanish = false;
    if (choice <= 3 && !saving) {
      path = samples_[input_.below(static_cast<int>(samples_.size()))];
      ++missions_;
    } else if (choice <= 3) {
      path = scratch_.path(input_.below(2) ? "saved.qmf" : "other.qmf");
    } else if (choice == 4) {
      path = scratch_.path("absent.qmf");
    } else {
      const auto kind = test::kHostileFiles[input_.below(test::kHostileFiles.size())];
      path = test::makeHostile(scratch_.dir(), kind);
      vanish = kind == test::Hostile::DeletedAfterChoice;
    }
    nameBox->setText(QFile::decodeName(path.c_str()));
    if (vanish) std::filesystem::remove(path);
    dialog->QDialog::accept();  // as the dialog's own Open button
  }

  static std::vector<std::string> sampleMissions() {
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(QV_SAMPLE_MISSIONS)) {
      paths.push_back(entry.path().string());
    }
    return paths;
  }

  // ---- findings -----------------------------------------------------------

  void checkWorld() {
    const std::string fault = test::worldFault(shell_.game().world);
    if (fault.empty()) return;
    std::fprintf(stderr, "monkey: broken world after event %lld: %s (seed %u)\n", events_.load(),
                 fault.c_str(), seed_);
    std::fflush(stderr);
    std::_Exit(1);
  }

  void hang() {
    std::fprintf(stderr,
                 "monkey: the event loop has not come back for 10 s after event %lld (seed %u)\n",
                 events_.load(), seed_);
    std::fflush(stderr);
    std::abort();
  }

  const std::uint32_t seed_;
  const int seconds_;
  Watchdog watchdog_;
  ShortTypingPace pace_;
  Input input_;
  test::ScratchFolder scratch_;
  Shell shell_;
  std::vector<std::string> samples_;
  std::int64_t start_ms_ = 0;
  int depth_ = 0;
  bool programEnded_ = false;
  std::atomic<long long> events_{0};  // read by the watchdog too
  long long commands_ = 0;
  long long missions_ = 0;
};

}  // namespace
}  // namespace qv::monkey

namespace {

// The offscreen platform says on every window shown that it cannot raise it.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) {
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(quietPlatformNotes);
  const std::uint32_t seed = qv::monkey::seedFromEnvironment();
  const int seconds = qv::monkey::secondsFromEnvironment();
  // The seed comes first, before anything can go wrong.
  std::printf("monkey: seed %u (replay with MONKEY_SEED=%u), %d s, typing %dx faster\n", seed, seed,
              seconds, qv::monkey::ShortTypingPace::kDivisor);
  std::fflush(stdout);
  qv::Application app(argc, argv);
  qv::monkey::Monkey monkey(seed, seconds);
  return monkey.run();
}
