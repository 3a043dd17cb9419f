// Loads the engine library from this program's folder: exit code 0 when it loaded, 1 when
// it refused to.
#include <windows.h>

int main() {
    HMODULE engine = LoadLibraryA("Quor2_5.dll");
    if (!engine) return 1;
    FreeLibrary(engine);
    return 0;
}
