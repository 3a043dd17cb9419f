#include "CalculatePayout.h"

#include <windows.h>

#include "ChooseFile.h"
#include "CompileStopNote.h"
#include "EnginePayoutChecker.h"
#include "MessageList.h"
#include "PayoutAnalyzer.h"
#include "ReportBox.h"
#include "ScriptFolder.h"
#include "Window.h"

void CalculatePayout(Window* owner) {
    std::string path, folder;
    if (!ChooseFileToOpen(owner, path, folder, "Text files (*.txt)\0*.txt\0",
                          "Choose script to analyze"))
        return;
    // The script's pictures and sounds are found beside it.
    const InScriptFolder inFolder(path);
    ShowPayoutResults(owner, inFolder.ScriptPath());
}

void ShowPayoutResults(Window* owner, const std::string& scriptPath) {
    MessageList messages;
    {
        // Counting every combination of stops takes a while: the wait cursor shows meanwhile.
        HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        PayoutAnalyzer analyzer;
        // A payout the machine's JScript cannot read stops the analysis, as it stops a build.
        EnginePayoutChecker payouts;
        analyzer.SetPayoutChecker(&payouts);
        if (!analyzer.Run(scriptPath, messages))
            messages.AddMessage(CompileStopNote(analyzer, "No payout report was made"));
        SetCursor(previous);
    }
    ShowReportBox(owner ? owner->GetHandle() : nullptr, "results", messages.Joined());
}
