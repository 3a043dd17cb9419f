// What the play face demos stand on: a machine built by the builder from a script into a
// folder of their own, the player Ada Lovelace with 1,000 dollars kept in memory, and the
// game's application over a black main view with the machine screens and the demo's face
// installed, the engine's frames running, the demo's steps every 700 ms and the end after
// the lifetime.
#pragma once
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "BuildMachine.h"
#include "CDFolders.h"
#include "FrameListeners.h"
#include "GameApplication.h"
#include "InstallMachineScreens.h"
#include "MachineFiles.h"
#include "MachineScreen.h"
#include "MachineToolWindow.h"
#include "MemoryPlayerStore.h"
#include "MessageCollector.h"
#include "PlayFace.h"
#include "PlayerRoster.h"
#include "ScreenSlots.h"
#include "TestScreens.h"

class PlayDemo {
public:
    PlayDemo() {
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
        store_.slots[0].name = "Ada Lovelace";
        store_.slots[0].cash = 100000;
        store_.slots[0].active = true;
        roster_ = std::make_unique<PlayerRoster>(store_);
    }

    MachineFiles& Files() { return files_; }
    PlayerRoster& Roster() { return *roster_; }
    const std::string& MachineFile() const { return machineFile_; }

    // Builds the script (its "@" standing for the folder) into the slot file of the name;
    // false, with the builder's messages printed, when it cannot be built.
    bool Build(const std::string& scriptText, const char* slotName) {
        const std::string script = files_.Script(scriptText);
        machineFile_ = files_.Output(slotName);
        MessageCollector sink;
        if (BuildMachineWithProgress(script, machineFile_, sink, nullptr)) return true;
        for (const std::string& message : sink.messages) std::printf("%s\n", message.c_str());
        return false;
    }

    // Runs the application until the lifetime is over; its result.
    int Run(MachineFaceMaker face, TIMERPROC steps, UINT lifetime) {
        TestScreenTable table;
        Plans()[0].colour = RGB(0, 0, 0);
        Plans()[0].text = "";
        InstallMachineScreens();
        SetMachineFaceMaker(face);
        static char line[1] = "";
        GameApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
        SetApplication(&application);
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
        SetTimer(nullptr, 0, 700, steps);
        SetTimer(nullptr, 0, lifetime, OnEnd);
        // No one answers a CD prompt here: without the CD's movie the demo goes on without it.
        SetSkippingCD(true);
        const int result = application.Run();
        SetFrameCallback(nullptr);
        if (Window* current = GetCurrentScreen()) current->Destroy();
        DeleteParkedScreen();
        SetApplication(nullptr);
        return result;
    }

    // The face of the machine in the current screen tool window, or null; the window.
    static PlayFace* CurrentFace(MachineToolWindow** window = nullptr) {
        auto* tool = dynamic_cast<MachineToolWindow*>(GetCurrentScreen());
        auto* screen = tool ? dynamic_cast<MachineScreen*>(tool->GetPane()->GetHost().GetScreen()) : nullptr;
        if (window) *window = tool;
        return screen ? dynamic_cast<PlayFace*>(screen->GetFace()) : nullptr;
    }

private:
    static void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

    MachineFiles files_;
    std::string machineFile_;
    MemoryPlayerStore store_;
    std::unique_ptr<PlayerRoster> roster_;
};
