#include "AppState.h"

namespace {
HINSTANCE appInstance = nullptr;
volatile LONG applicationActive = 0;
}  // namespace

HINSTANCE GetAppInstance() { return appInstance ? appInstance : GetModuleHandleA(nullptr); }
void SetAppInstance(HINSTANCE instance) { appInstance = instance; }

LONG GetApplicationActive() { return applicationActive; }
void SetApplicationActive(LONG active) { InterlockedExchange(&applicationActive, active); }
