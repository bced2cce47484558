#include "assets/qt_assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerAssets() {
  Q_INIT_RESOURCE(assets);
}

namespace qv {

void ensureAssetsLoaded() {
  static const bool registered = (registerAssets(), true);
  (void)registered;
}

}  // namespace qv
