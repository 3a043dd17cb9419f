#include "DecoratedExport.h"
#include "ImageCodecPlugin.h"

FARPROC ImageCodecPlugin::Load(const char* library, const char* entry) {
    Free();
    module_ = LoadLibraryA(library);
    if (!module_) return nullptr;
    entry_ = GetDecoratedProc(module_, entry);
    if (!entry_) Free();
    return entry_;
}

void ImageCodecPlugin::Free() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    entry_ = nullptr;
}
