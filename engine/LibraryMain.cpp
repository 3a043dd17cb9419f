// The platform loader's entry: the library context lives from attach to detach.
#include <windows.h>

#include <new>

#include "LibraryContext.h"
#include "MutexPair.h"
#include "NotificationQueue.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: {
        DisableThreadLibraryCalls(instance);
        Mutexes().Open();
        Notifications();
        LibraryContext* ctx = new (std::nothrow) LibraryContext(instance);
        if (!ctx) return FALSE;
        if (!ctx->constructed) {
            delete ctx;
            Mutexes().Close();
            return FALSE;
        }
        SetContext(ctx);
        return TRUE;
    }
    case DLL_PROCESS_DETACH: {
        LibraryContext* ctx = Context();
        if (!ctx) return TRUE;
        const bool processExit = reserved != nullptr;
        ctx->Teardown(processExit);
        if (!processExit) {
            SetContext(nullptr);
            delete ctx;
            Notifications().Clear();
            Mutexes().Close();
        }
        return TRUE;
    }
    default:
        return TRUE;
    }
}
