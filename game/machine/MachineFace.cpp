#include "MachineFace.h"

namespace {
MachineFaceMaker& Maker() {
    static MachineFaceMaker maker = nullptr;
    return maker;
}
}  // namespace

MachineFaceMaker SetMachineFaceMaker(MachineFaceMaker maker) {
    const MachineFaceMaker previous = Maker();
    Maker() = maker;
    return previous;
}

MachineFaceMaker GetMachineFaceMaker() { return Maker(); }
