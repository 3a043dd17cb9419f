#include "CalculatePayout.h"

#include <windows.h>

#include "ChooseFile.h"
#include "MessageList.h"
#include "PayoutAnalyzer.h"
#include "Window.h"

void CalculatePayout(Window* owner) {
    std::string path, folder;
    if (!ChooseFileToOpen(owner, path, folder, "Text files (*.txt)\0*.txt\0",
                          "Choose script to analyze"))
        return;
    ShowPayoutResults(owner, path);
}

void ShowPayoutResults(Window* owner, const std::string& scriptPath) {
    MessageList messages;
    {
        PayoutAnalyzer analyzer;
        analyzer.Run(scriptPath, messages);
    }
    MessageBoxA(owner ? owner->GetHandle() : nullptr, messages.Joined().c_str(), "results", MB_OK);
}
