// The dialogs that the editor's pages open to ask the author for a name or for files,
// reached through one process-wide table so that the editor can plug its own in (and
// driven tests can answer them). Each answers false when the author cancels.
#pragma once
#include <functional>
#include <string>
#include <vector>

class Window;

struct PageDialogs {
    // A new name for a thing of the kind ("Sound"), starting from the current one: the
    // editor's Rename dialog. Without one, pages gray their rename commands.
    std::function<bool(Window* owner, const std::string& kind, std::string& name)> askName;
    // One file to open; the path comes back full.
    std::function<bool(Window* owner, std::string& path, const char* filter, const char* title)> chooseFile;
    // Several files to open, in the order chosen.
    std::function<bool(Window* owner, std::vector<std::string>& paths, const char* filter, const char* title)>
        chooseFiles;
};

// The table; it starts with the Rename dialog and the common open-file dialogs.
PageDialogs& GetPageDialogs();
