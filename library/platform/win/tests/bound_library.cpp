#include "bound_library.h"

namespace qzwin {

HMODULE library() {
    static const HMODULE module = LoadLibraryA("qztalvex");
    return module;
}

}  // namespace qzwin
