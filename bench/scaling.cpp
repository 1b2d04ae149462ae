#include "table.h"

namespace bench {

void registerScaling() {}

}  // namespace bench
