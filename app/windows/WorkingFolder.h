// A top-level window may work in a folder of its own (the machine editor works in its
// script's folder, where the pictures and sounds the script names are found) while the
// program's current directory stays the game's folder: whenever that window or one of its
// child windows handles a message, the current directory is the window's folder, and it
// goes back to what it was when the message is done.
#pragma once
#include <windows.h>

#include <string>

// An empty folder forgets the window's folder (as does the window's destruction, at the
// latest when another window takes its handle's place).
void SetWindowWorkingFolder(HWND topLevel, const std::string& folder);

// While it lives, the current directory is the folder of the window's top-level window,
// when that has one.
class WorkingFolderScope {
public:
    explicit WorkingFolderScope(HWND window);
    ~WorkingFolderScope();
    WorkingFolderScope(const WorkingFolderScope&) = delete;
    WorkingFolderScope& operator=(const WorkingFolderScope&) = delete;

private:
    std::string previous_;
};
