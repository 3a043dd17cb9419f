// The commands of the Tools, Options and Help menus: compiling, editing and analyzing
// machine scripts, the New Machine Wizard, the options dialog and the help files.
#include <windows.h>

#include <direct.h>
#include <shellapi.h>

#include "BuiltInMachines.h"
#include "CalculatePayout.h"
#include "ChooseFile.h"
#include "CustomMachines.h"
#include "GameWindow.h"
#include "GameWindowServices.h"
#include "MachinePaths.h"
#include "ScreenSlots.h"
#include "ScriptFolder.h"

namespace {
const char kScriptFilter[] = "Text files (*.txt)\0*.txt\0";

std::string CurrentDirectory() {
    char folder[MAX_PATH + 1] = {};
    return _getcwd(folder, MAX_PATH) ? std::string(folder) : std::string();
}

// The wait cursor while it lives.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

// A machine file that comes with the game is replaced only when the user says so.
bool MayWriteMachineFile(HWND owner, const std::string& machinePath) {
    std::string folder, name;
    SplitPath(machinePath, folder, name);
    if (!IsBuiltInMachine(name) || GetFileAttributesA(machinePath.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    const std::string text = name + " is one of the game's own machines.\n\nReplace it with the compiled script?";
    return MessageBoxA(owner, text.c_str(), "Compile Script", MB_YESNO | MB_ICONQUESTION) == IDYES;
}
}  // namespace

void GameWindow::OnCompileScript(int, int) {
    SetCurrentDirectoryA(baseDirectory_.c_str());
    const std::string remembered = CurrentDirectory();
    std::string script;
    if (ChooseFileToOpen(this, script, compileFolder_, kScriptFilter, "Choose script to compile")) {
        const std::string machine = MachineFileForScript(script, remembered);
        const GameWindowServices& services = GetGameWindowServices();
        if (services.testBuild && MayWriteMachineFile(GetHandle(), machine)) {
            WaitCursor wait;
            // The script's pictures and sounds are found beside it.
            const InScriptFolder folder(script);
            services.testBuild(folder.ScriptPath(), machine);
        }
    }
    SetCurrentDirectoryA(remembered.c_str());
    ScanCustomMachines();
}

void GameWindow::OnCalculatePayout(int, int) {
    SetCurrentDirectoryA(baseDirectory_.c_str());
    const std::string remembered = CurrentDirectory();
    CalculatePayout(this);
    SetCurrentDirectoryA(remembered.c_str());
}

void GameWindow::OnEditMachine(int, int) {
    const GameWindowServices& services = GetGameWindowServices();
    if (!services.makeEditor || !CloseCurrentScreen()) return;
    if (editor_ && !editor_->CanClose()) return;
    std::string script;
    if (!ChooseFileToOpen(this, script, editFolder_, "Scripts (*.txt)\0*.txt\0", "Select Script to Edit")) return;
    DestroyEditor();
    // The editor works in the script's folder, where its pictures and sounds are, while it
    // handles its messages; the game goes on in its own folder, where it opens its files
    // by their names.
    SetCurrentDirectoryA(baseDirectory_.c_str());
    editor_ = services.makeEditor(this, WholePath(script));
    if (editor_) {
        editor_->Create();
        editor_->Show();
    }
    SetCurrentDirectoryA(baseDirectory_.c_str());
}

void GameWindow::OnCreateMachine(int id, int code) {
    const GameWindowServices& services = GetGameWindowServices();
    if (services.runWizard) services.runWizard(this, WPARAM(id), LPARAM(code));
}

void GameWindow::OnOptions(int, int) {
    const GameWindowServices& services = GetGameWindowServices();
    if (services.runOptions) services.runOptions(this);
}

void GameWindow::OnMilestoneNotes(int, int) {
    SetCurrentDirectoryA(baseDirectory_.c_str());
    ShellExecuteA(GetHandle(), "open", "VevuVura.doc", nullptr, nullptr, SW_SHOW);
}

bool GameWindow::HelpContents(const char* file) {
    helpUsed_ = WinHelpA(GetHandle(), file, HELP_CONTENTS, 0) != FALSE;
    return helpUsed_;
}

void GameWindow::OnViraduDocs(int, int) { HelpContents("viradu.hlp"); }
void GameWindow::OnHelpContents(int, int) { HelpContents("vS_HELP.hlp"); }
