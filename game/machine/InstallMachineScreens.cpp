#include "InstallMachineScreens.h"

#include "BuiltInMachines.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "ScreenTable.h"

namespace {
ScreenWindow* ToolWindowByNumber(Window* mainWindow, int32_t number) {
    return new MachineToolWindow(mainWindow, number);
}
ScreenWindow* ToolWindowByFile(Window* mainWindow, const std::string& machineFile) {
    return MachineToolWindow::OpenMachine(mainWindow, machineFile);
}
Screen* MachineByNumber(int32_t number) { return new MachineScreen(number); }
bool IsBuiltInMachineNumber(int32_t number) { return FindBuiltInScript(number) != nullptr; }
}  // namespace

void InstallMachineScreens() {
    ScreenWindowMakers windows;
    windows.byNumber = &ToolWindowByNumber;
    windows.byFile = &ToolWindowByFile;
    SetScreenWindowMakers(windows);
    ScreenMakers screens = GetScreenMakers();
    screens.machine = &MachineByNumber;
    screens.isBuiltInMachine = &IsBuiltInMachineNumber;
    SetScreenMakers(screens);
}
