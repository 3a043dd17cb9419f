// Transition plug-ins: libraries that blend two pictures for a video mixer. A transition
// id is the 1-based place of its library in the registry.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>

struct MixerShared;
struct TransitionBinding;

typedef int(__stdcall* QueryServiceEntry)();
typedef int(__stdcall* ConnectEntry)(void* serviceAccessor);
typedef int(__stdcall* InitializeEntry)(MixerShared* shared, TransitionBinding* binding);
typedef int(__stdcall* MixEntry)(TransitionBinding* binding);
typedef int(__stdcall* CleanupEntry)(TransitionBinding* binding);

struct TransitionPlugin {
    std::string name;
    HMODULE module = nullptr;
    QueryServiceEntry queryService = nullptr;
    ConnectEntry establishConnection = nullptr;
    InitializeEntry initialize = nullptr;
    MixEntry mixBitmaps = nullptr;
    CleanupEntry cleanup = nullptr;
};

// What a bound mixer and its plug-in share.
struct TransitionBinding {
    MixerShared* shared;
    TransitionPlugin* plugin;
};

namespace TransitionRegistry {
// The id of the library (loading it the first time its exact name is seen); raises.
int32_t Register(const char* library);
// The plug-in of an id; raises ErrBadTransition.
TransitionPlugin& Find(int32_t id);
void Clear();
}  // namespace TransitionRegistry
