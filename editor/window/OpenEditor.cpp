#include "OpenEditor.h"

#include "EditorWindow.h"
#include "GameWindow.h"

Window* MakeEditorWindow(GameWindow* game, const std::string& scriptPath) {
    return new EditorWindow(game, scriptPath);
}
