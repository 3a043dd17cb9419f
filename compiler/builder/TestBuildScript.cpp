#include "TestBuildScript.h"

#include <memory>

#include "Application.h"
#include "BuildProgress.h"
#include "MessageCollector.h"
#include "ProgressDialog.h"
#include "SystemInfo.h"

namespace {

const uint32_t kProgressSprite = 6;

}  // namespace

void TestBuildScript(const std::string& scriptPath, const std::string& machinePath) {
    Window* main = GetMainWindow();
    ProgressDialog dialog(GetBaseDirectory() + "itchy.ast", kProgressSprite, 1, 1);
    dialog.CreateFromResource(main, IDD_PROGRESS_CANCEL);
    dialog.BeginStep(100);
    MessageCollector collector;
    if (BuildMachine(scriptPath, machinePath, collector, &dialog)) {
        dialog.Repaint();
        dialog.Destroy();
        // A machine that was built may still have been warned about (a payout's code that
        // names nothing defined): the warnings are shown.
        if (collector.messages.empty()) return;
        std::string said;
        for (const std::string& message : collector.messages) said += message;
        MessageBoxA(main ? main->GetHandle() : nullptr, said.c_str(), "results", MB_OK);
        return;
    }
    std::string text;
    for (const std::string& message : collector.messages) text += message;
    MessageBoxA(main ? main->GetHandle() : nullptr, text.c_str(), "results", MB_OK);
    dialog.Destroy();
}
