#pragma once

#include <QString>
#include <Qt>
#include <cstdint>

#include "world/random.h"
#include "world/records.h"

namespace qv::monkey {

struct Key {
  int code;
  Qt::KeyboardModifiers modifiers;
  QString text;
};

// The monkey's random choices: every draw comes from one seeded generator,
// so a seed replays the same choices.
class Input {
 public:
  explicit Input(std::uint32_t seed) { random_.seed = seed; }

  // 0 .. n-1.
  int below(int n) { return n > 0 ? random_(n) : 0; }
  int below(std::size_t n) { return below(static_cast<int>(n)); }
  int below(qsizetype n) { return below(static_cast<int>(n)); }

  Qt::MouseButton mouseButton();
  Qt::KeyboardModifiers modifiers();
  // A printable Latin-1 or non-Latin character, or an editing, navigation
  // or function key, with random modifiers now and then.
  Key key();
  // A line of the interpreter's table with an argument, often mutated.
  QString commandLine(const World& world);
  // A compiler keyword line, sometimes with an argument or mutated.
  QString keywordLine();
  // Several lines of commands, keywords and random text.
  QString pastedText();

 private:
  QString someText(int maxLength);
  QString mutated(QString line);
  QString argumentFor(const World& world);

  Random random_;
};

}  // namespace qv::monkey
