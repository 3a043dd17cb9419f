// The export that hands the host the engine's service table.
#include "ExportShape.h"
#include "ServiceTable.h"

// Plain C calling convention and an undecorated name; no mutex (the host takes the
// painting mutex itself when it draws into engine surfaces).
extern "C" void* __cdecl GetServiceAddress(int32_t number) {
    return RunExport<void*>(Lock::None, [&]() -> void* { return ServiceAddress(number); });
}
