// What the machine screen tests stand on: a main window with the machine screens
// installed, the test's face maker in force and the "Denomination" setting at 25 cents;
// everything is put back when the host goes. Also the screen tool window in front and the
// machine screen in it.
#pragma once
#include <windows.h>

#include <memory>

#include "Application.h"
#include "GeneralSettings.h"
#include "InstallMachineScreens.h"
#include "MachineFace.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "ScreenSlots.h"
#include "TestScreens.h"

class MachineHost {
public:
    explicit MachineHost(MachineFaceMaker face) : main_(MakeHostFrame(RECT{100, 50, 900, 650})) {
        SetMainWindow(main_.get());
        previousWindows_ = GetScreenWindowMakers();
        previousScreens_ = GetScreenMakers();
        InstallMachineScreens();
        previousFace_ = SetMachineFaceMaker(face);
        denomination_ = GetDenominationSetting().Get();
        GetDenominationSetting().Set(25);
    }
    ~MachineHost() {
        CloseAll();
        SetMachineFaceMaker(previousFace_);
        SetScreenWindowMakers(previousWindows_);
        SetScreenMakers(previousScreens_);
        GetDenominationSetting().Set(denomination_);
        SetMainWindow(nullptr);
    }
    MachineHost(const MachineHost&) = delete;
    MachineHost& operator=(const MachineHost&) = delete;

    HostFrame* Main() const { return main_.get(); }

    static void CloseAll() {
        if (Window* current = GetCurrentScreen()) current->Destroy();
        DeleteParkedScreen();
        PumpMessages();
    }
    static MachineToolWindow* Current() { return dynamic_cast<MachineToolWindow*>(GetCurrentScreen()); }
    static MachineScreen* CurrentMachine() {
        MachineToolWindow* window = Current();
        return window && window->GetPane() ? dynamic_cast<MachineScreen*>(window->GetPane()->GetHost().GetScreen())
                                           : nullptr;
    }

private:
    std::unique_ptr<HostFrame> main_;
    ScreenWindowMakers previousWindows_;
    ScreenMakers previousScreens_;
    MachineFaceMaker previousFace_ = nullptr;
    int32_t denomination_ = 0;
};
