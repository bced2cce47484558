#pragma once

#include <QIcon>
#include <functional>

class QPainter;

namespace qv {

// An icon drawn in code and sharp at every scale: `draw` paints it on a square
// of `size` logical pixels, once for a plain screen, once for one scaled by two
// and once more at the pixel ratio the program's screens have, where that is
// another (1.5, say). A button then shows the drawing made for its screen,
// never one stretched from another size.
QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw);

}  // namespace qv
