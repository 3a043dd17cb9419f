#include "ScreenTable.h"

#include "ScreenNumbers.h"

namespace {
const NumberedScreen kNoNumberedScreens[] = {{-1, nullptr}};

ScreenMakers& Makers() {
    static ScreenMakers makers = [] {
        ScreenMakers defaults;
        defaults.table = kNoNumberedScreens;
        return defaults;
    }();
    return makers;
}

Screen* Make(ScreenMaker maker, int32_t number) { return maker ? maker(number) : nullptr; }
}  // namespace

ScreenMakers SetScreenMakers(const ScreenMakers& makers) {
    ScreenMakers previous = Makers();
    Makers() = makers;
    return previous;
}

const ScreenMakers& GetScreenMakers() { return Makers(); }

Screen* CreateScreenByNumber(int32_t number) {
    const ScreenMakers& makers = Makers();
    if (number < 0) return Make(makers.machine, number);
    if (number == kCreditsScreenNumber) return Make(makers.credits, number);
    if (makers.isBuiltInMachine && makers.isBuiltInMachine(number)) return Make(makers.machine, number);
    if (!makers.table) return nullptr;
    for (const NumberedScreen* row = makers.table; row->make; ++row)
        if (row->number == number) return row->make(number);
    return nullptr;
}
