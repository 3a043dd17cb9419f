// The game program's entry: one running copy, the program's folder as the current
// directory, the engine's image decoders, the first player's record, the caption painter,
// then the application.
#include <windows.h>
#include <mmsystem.h>

#include <cctype>

#include "CaptionPainter.h"
#include "FirstPlayer.h"
#include "FloorScreens.h"
#include "GalleryDialogs.h"
#include "GameApplication.h"
#include "GameWindow.h"
#include "GameWindowServices.h"
#include "InstallMachineScreens.h"
#include "NewMachineWizard.h"
#include "OpenEditor.h"
#include "OptionsDialog.h"
#include "PlayFace.h"
#include "ProgramFolder.h"
#include "Quor2_5.h"

namespace {
const char kInstanceMutex[] = "{9DD08520-4D16-11d2-8C33-00400536B4C4}";
const uint32_t kBitmapDecoderKind = 0x50414D42u;  // 'BMAP'

void MoveToProgramFolder() {
    char path[1024] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
    const std::string folder = ProgramFolderFromPath(std::string(path, length < sizeof path ? length : 0));
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
}

// The main window's Options, Create Machine and Edit Machine commands reach the options
// dialog, the New Machine Wizard and the machine editor, which the program links beside
// the application library.
void RunOptions(GameWindow* game) {
    OptionsDialog dialog;
    dialog.Run(game);
}
void RunWizard(GameWindow* game, WPARAM, LPARAM) { NewMachineWizard(game); }

void ConnectMenuServices() {
    GameWindowServices services = GetGameWindowServices();
    services.runOptions = RunOptions;
    services.runWizard = RunWizard;
    services.makeEditor = MakeEditorWindow;
    SetGameWindowServices(services);
    InstallGalleryDialogs();
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    MoveToProgramFolder();

    HANDLE mutex = CreateMutexA(nullptr, FALSE, kInstanceMutex);
    if (!mutex) return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        MessageBoxA(nullptr, "VELLMOOR(tm) Slots is already running.", "Error", MB_TASKMODAL);
        CloseHandle(mutex);
        return 0;
    }

    static char emptyLine[1] = "";
    char* line = commandLine ? commandLine : emptyLine;
    for (char* c = line; *c; ++c) *c = char(std::tolower(static_cast<unsigned char>(*c)));
    {
        GameApplication application(instance, GetModuleHandleA(nullptr), line);
        SetApplication(&application);

        timeBeginPeriod(1);
        // A decoder that is not there is simply not used.
        RegisterDecoder(kBitmapDecoderKind, 1, "ZORUDOR.DLL");
        RegisterDecoder(kBitmapDecoderKind, 2, "BMJPEG.DLL");

        LoadSettings();
        ConnectMenuServices();
        InstallMachineScreens();
        SetMachineFaceMaker(&MakePlayFace);
        InstallFloorScreens();

        // The painter of the tool windows' captions lives as long as the program runs.
        CaptionPainter captions;
        SetCaptionPainter(&captions);
        application.Run();
        SetCaptionPainter(nullptr);
        SetApplication(nullptr);
    }
    CloseHandle(mutex);
    return 0;
}
