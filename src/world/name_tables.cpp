#include "world/name_tables.h"

namespace qv {

NameTables NameTables::initial() { return {}; }

}  // namespace qv
