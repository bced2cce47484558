#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
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

// The faces the windows were drawn in, each pinned to one installed face by
// its exact name, with a fallback of the same kind where that face is missing.
QFont courierFont(int pixelSize);
QFont sansFont(int pixelSize);
QFont computerFont(int pixelSize);

// The pinned faces this machine lacks, each with the package that holds it.
QStringList missingFaces();
// One line on stderr naming the missing faces, if any.
void reportMissingFaces();

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
// manager adds its own frame around the client area. The window is kept on
// its screen (see keepOnScreen); a fixed window keeps its client size.
struct OuterFrame {
  int width;
  int height;
  bool resizable;
};
constexpr OuterFrame kSizeableFrame{8, 27, true};
constexpr OuterFrame kFixedFrame{6, 25, false};
void placeWindow(QWidget* window, QPoint outerTopLeft, QSize outerSize, OuterFrame frame);

// Where placeWindow was asked to put a window, before any fitting to a small
// screen: the outer top left, and the client size it was drawn with.
QRect drawnPlace(const QWidget* window);

// Where a window's outer rectangle goes on a screen's available area. Where
// the area holds it, it stays exactly; otherwise it moves the least distance
// that puts it wholly inside, and a resizable window larger than the area
// shrinks to it. A fixed window larger than the area shows its top left.
QRect fitOnScreen(const QRect& outer, const QRect& area, bool resizable);

// Fits a window or dialog (frame included) into the available area of its
// screen each time it is shown: the positions the windows were drawn at
// assume a taller screen than many laptops have.
void keepOnScreen(QWidget* window);

}  // namespace qv
