// ReadAssetFileTitle on a file of raw bytes: the title shown for a machine file under
// Custom, read without the engine. A title is never longer than its 128-byte field.
#include "AssetFileTitle.h"
#include "FuzzTarget.h"
#include "MachineChunk.h"
#include "ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string title = ReadAssetFileTitle(WriteScratchFile(data, size, ".slot"));
    if (title.size() >= kChunkTitleBytes) __builtin_trap();
    return 0;
}
