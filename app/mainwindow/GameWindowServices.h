// What the main window's commands reach in code made outside the main window: the machine
// editor, the New Machine Wizard, the options dialog, the test build of a script and the
// reader of machine titles. The machine builder's test build and title reader are in
// place from the start; the others are put here by their own code, and a command whose
// service is missing does nothing.
#pragma once
#include <windows.h>

#include <string>

class GameWindow;
class Window;

struct GameWindowServices {
    // A new machine editor window (not yet created) on the script.
    Window* (*makeEditor)(GameWindow* game, const std::string& scriptPath) = nullptr;
    // Runs the New Machine Wizard with the game window as owner.
    void (*runWizard)(GameWindow* game, WPARAM wParam, LPARAM lParam) = nullptr;
    // Runs the options dialog.
    void (*runOptions)(GameWindow* game) = nullptr;
    // Builds the script into the machine file and shows the results.
    void (*testBuild)(const std::string& scriptPath, const std::string& machinePath) = nullptr;
    // The title of a machine file; empty when it has none or cannot be read.
    std::string (*readTitle)(const std::string& machinePath) = nullptr;
};

// The services in force; the previous ones are returned.
GameWindowServices SetGameWindowServices(const GameWindowServices& services);
const GameWindowServices& GetGameWindowServices();
