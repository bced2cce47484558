#include "app/qt_shell.h"

#include <QApplication>

#include "app/qt_activation.h"
#include "app/qt_main_menu.h"
#include "app/qt_window_cycle.h"
#include "app/qt_window_group.h"
#include "commands/qt_compiler_window.h"
#include "missions/lifecycle.h"
#include "missions/qt_editor_window.h"
#include "sim/qt_status_window.h"
#include "sim/status.h"
#include "terminal/qt_game_window.h"
#include "toolkit/qt_announcer.h"
#include "toolkit/qt_guard.h"
#include "toolkit/qt_look.h"

namespace qv {

Shell::Shell(ShellOptions options)
    : game_(Ports{console_, jumpLog_, fileLog_, compiler_, status_,
                  options.pace ? *options.pace : realPace_, timers_, windows_}) {
  // Every window's own face is the pinned sans, and so is the default of the
  // controls and dialogs that set none: the platform's default face would be
  // looked up through fontconfig's substitutions, which differ from machine
  // to machine and cost a millisecond before the first text area is built.
  QApplication::setFont(sansFont(11));
  // Only the main menu's closing ends the program; the other windows hide.
  QApplication::setQuitOnLastWindowClosed(false);
  std::function<void()> endProgram = options.endProgram;
  if (!endProgram) endProgram = [] { QCoreApplication::exit(0); };

  form1_ = std::make_unique<TForm1>(TForm1::Actions{
      .showGameWindow = [this] { showWindow(*form2_); },
      .showMissionEditor = [this] { showWindow(*form4_); },
      .endProgram = std::move(endProgram),
  });
  form2_ = std::make_unique<TForm2>(game_);
  form4_ = std::make_unique<TForm4>([this] { showWindow(*form1_); }, nullptr,
                                    TForm4::Build::OnFirstShow);
  form3_ = std::make_unique<TForm3>(game_);
  form5_ = std::make_unique<TForm5>(game_);
  // The game's mission dialog opens where the editor last saved or loaded.
  form4_->onMissionFile = [this](const std::string& path) { windows_.rememberMission(path); };
  attachPorts();
  windowGroup_ = std::make_unique<WindowGroupPlacer>(form2_.get(), form3_.get(), form5_.get(),
                                                     TForm2::kInputHeight);
  windows_.offerMission(std::move(options.offeredMission));

  activation_ = std::make_unique<ActivationTracker>(
      form2_.get(),
      std::vector<QWidget*>{form1_.get(), form2_.get(), form4_.get(), form3_.get(), form5_.get()},
      [this] { return guard([this] { FormActivate(game_); }); });
  form2_->onShown = [this] { activation_->gameWindowShown(); };
  // The game's windows in F6 order: while the game window is open (the menu
  // and the editor are then hidden) the game, the status, the compiler, so
  // F6 in the compiler, where the player lands when a program is ordered,
  // always goes back to the game. In the game window the keyboard lands on
  // the input line, where the player types; in the other two on their one
  // text.
  windowCycle_ = std::make_unique<WindowCycle>(std::vector<WindowCycle::Stop>{
      {form1_.get(), {}},
      {form2_.get(), [this] { return form2_->Memo1; }},
      {form4_.get(), {}},
      {form5_.get(), [this] { return form5_->Memo1; }},
      {form3_.get(), [this] { return form3_->Console; }},
  });
}

Shell::~Shell() {
  // The windows go first: nothing may reach the game once it is gone.
  windowCycle_.reset();
  windowGroup_.reset();
  activation_.reset();
  console_.speakLinesThrough(nullptr);
  compiler_.speakLinesThrough(nullptr);
  form5_.reset();
  form3_.reset();
  form4_.reset();
  form2_.reset();
  form1_.reset();
}

void Shell::attachPorts() {
  // The text areas exist once each window is first shown.
  form2_->onContentBuilt = [this] {
    console_.attach(form2_->console, PlainTextPane::Follow::EndAndTyping);
    jumpLog_.attach(form2_->Memo2);
    fileLog_.attach(form2_->Memo3);
  };
  form3_->onContentBuilt = [this] { compiler_.attach(form3_->Console); };
  form5_->onContentBuilt = [this] {
    status_.attach(form5_->Memo1);
    guard([this] { InfoTimerTimer(game_); });
  };
  consoleVoice_ = std::make_unique<LineAnnouncer>(form2_.get());
  console_.speakLinesThrough(consoleVoice_.get());
  installChatterKey(form2_.get());
  compilerVoice_ = std::make_unique<LineAnnouncer>(form3_.get());
  compiler_.speakLinesThrough(compilerVoice_.get());
  timers_.bind(TimerId::JumpTimer, form2_->JumpTimer);
  timers_.bind(TimerId::ChatTimer, form2_->ChatTimer);
  timers_.bind(TimerId::Userfiletimer, form2_->Userfiletimer);
  timers_.bind(TimerId::CodeTimer, form3_->CodeTimer);
  windows_.attach(form1_.get(), form2_.get(), form3_.get(), form5_.get());
}

void Shell::start() {
  showWindow(*form1_);
}

int Shell::gameActivations() const {
  return activation_->activations();
}

}  // namespace qv
