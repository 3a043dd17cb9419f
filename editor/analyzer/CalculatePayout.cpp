#include "CalculatePayout.h"

#include <windows.h>

#include "ChooseFile.h"
#include "MessageList.h"
#include "PayoutAnalyzer.h"
#include "ReportBox.h"
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
        // Counting every combination of stops takes a while: the wait cursor shows meanwhile.
        HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        PayoutAnalyzer analyzer;
        analyzer.Run(scriptPath, messages);
        SetCursor(previous);
    }
    ShowReportBox(owner ? owner->GetHandle() : nullptr, "results", messages.Joined());
}
