// Loads the engine library from its own folder and exits 0 when it loaded, 1 when not.
#include <windows.h>

int main() {
    HMODULE engine = LoadLibraryA("Quor2_5.dll");
    if (!engine) return 1;
    FreeLibrary(engine);
    return 0;
}
