// The main window's Edit Machine command makes its editor here.
#pragma once
#include <string>

class GameWindow;
class Window;

// A new editor window (not yet created) on the script, owned by the game window.
Window* MakeEditorWindow(GameWindow* game, const std::string& scriptPath);
