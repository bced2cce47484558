#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <functional>

class QPlainTextEdit;
class QWidget;

namespace qv {

// The colours of the classic desktop scheme the windows were drawn in.
namespace colours {
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kRed{0xFF, 0x00, 0x00};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kGrey{0x80, 0x80, 0x80};
inline const QColor kGreen{0x00, 0x80, 0x00};
}  // namespace colours

// Fonts by the face the windows ask for, with a fallback of the same kind
// where the face is missing.
QFont courierFont(int pixelSize);
QFont sansFont(int pixelSize);
QFont computerFont(int pixelSize);

struct TextAreaLook {
  QColor background = colours::kBlack;
  QColor text = colours::kSilver;
  QFont font = courierFont(11);
  bool wordWrap = true;
  bool verticalScrollBar = false;
  bool readOnly = false;
};

// Loading a face takes a few milliseconds, and most windows stay hidden
// while the menu is painted for the first time. This gives a widget its font
// only when it is first shown (before it is painted), then runs whenShown.
void setFontOnFirstShow(QWidget* widget, const QFont& font, std::function<void()> whenShown = {});

// Gives a text area its look (its font on first show). Undo is off: no area of the game offers it,
// and it would keep every typed step of a long game.
void styleTextArea(QPlainTextEdit* area, const TextAreaLook& look);

// Sizes and places a top-level window by its outer frame. The client area is
// the outer size less the frame the windows were designed with; a window
// manager adds its own frame around the client area.
struct OuterFrame {
  int width;
  int height;
};
constexpr OuterFrame kSizeableFrame{8, 27};
constexpr OuterFrame kFixedFrame{6, 25};
void placeWindow(QWidget* window, QPoint outerTopLeft, QSize outerSize, OuterFrame frame);

}  // namespace qv
