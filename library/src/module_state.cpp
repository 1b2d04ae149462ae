#include "module_state.h"

namespace qz {

constinit ModuleState moduleState;

}  // namespace qz
