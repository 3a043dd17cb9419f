// desktop_keeper: holds the Wine desktop of the test prefix open while the tests run.
// Asking for the desktop window makes Wine start the desktop (explorer.exe /desktop) now,
// from this program, whose standard error goes nowhere, and returns once it is up; the
// program then says so on its output and stays one of the desktop's programs until its
// input ends. cmake/desktop-keeper.sh starts it and waits for that word.
#include <windows.h>

int main() {
    if (!GetDesktopWindow()) return 1;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "keeper-up\r\n", 11, &written, nullptr);
    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    return 0;
}
