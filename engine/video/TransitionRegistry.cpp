#include "TransitionRegistry.h"

#include "DecoratedExport.h"
#include <memory>
#include <vector>

#include "LibraryContext.h"

extern "C" void* __cdecl GetServiceAddress(int32_t number);

namespace {
// Never destroyed: the frame thread mixes through the plug-ins up to the end of the
// process; unloading frees them (Clear).
std::vector<std::unique_ptr<TransitionPlugin>>& Plugins() {
    static auto* plugins = new std::vector<std::unique_ptr<TransitionPlugin>>;
    return *plugins;
}
}  // namespace

namespace TransitionRegistry {

int32_t Register(const char* library) {
    if (!library) Errors().Raise(ErrNullArgument);
    auto& plugins = Plugins();
    for (size_t i = 0; i < plugins.size(); ++i)
        if (plugins[i]->name == library) return int32_t(i + 1);
    auto p = std::make_unique<TransitionPlugin>();
    p->name = library;
    p->module = LoadLibraryA(library);
    if (!p->module) Errors().Raise(ErrLoadLibraryFailed);
    struct Entry {
        const char* name;
        FARPROC* slot;
    } entries[] = {
        {"_queryService@0", reinterpret_cast<FARPROC*>(&p->queryService)},
        {"_establishQUORServiceConnection@4", reinterpret_cast<FARPROC*>(&p->establishConnection)},
        {"_initialize@8", reinterpret_cast<FARPROC*>(&p->initialize)},
        {"_mixBitmaps@4", reinterpret_cast<FARPROC*>(&p->mixBitmaps)},
        {"_cleanup@4", reinterpret_cast<FARPROC*>(&p->cleanup)},
    };
    for (const Entry& e : entries) {
        *e.slot = GetDecoratedProc(p->module, e.name);
        if (!*e.slot) {
            FreeLibrary(p->module);
            Errors().Raise(ErrWrongKind);
        }
    }
    p->establishConnection(reinterpret_cast<void*>(&GetServiceAddress));
    plugins.push_back(std::move(p));
    return int32_t(plugins.size());
}

TransitionPlugin& Find(int32_t id) {
    auto& plugins = Plugins();
    if (id < 1 || size_t(id) > plugins.size()) Errors().Raise(ErrBadTransition, id);
    return *plugins[size_t(id) - 1];
}

void Clear() {
    for (auto& p : Plugins())
        if (p->module) FreeLibrary(p->module);
    Plugins().clear();
}

}  // namespace TransitionRegistry
