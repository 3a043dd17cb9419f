#include "TestBuildScript.h"

#include <memory>

#include "Application.h"
#include "BuildProgress.h"
#include "MessageCollector.h"
#include "ProgressDialog.h"
#include "ReportBox.h"
#include "SystemInfo.h"

namespace {

const uint32_t kProgressSprite = 6;

}  // namespace

std::string BuiltMachineReport(const std::string& machinePath, const std::string& warnings) {
    std::string text = "Built the machine file " + machinePath + ".\n";
    if (!warnings.empty()) text += "\n" + warnings;
    return text;
}

void TestBuildScript(const std::string& scriptPath, const std::string& machinePath) {
    Window* main = GetMainWindow();
    ProgressDialog dialog(GetBaseDirectory() + "itchy.ast", kProgressSprite, 1, 1);
    dialog.CreateFromResource(main, IDD_PROGRESS_CANCEL);
    dialog.BeginStep(100);
    MessageCollector collector;
    const bool built = BuildMachine(scriptPath, machinePath, collector, &dialog);
    if (built) dialog.Repaint();
    dialog.Destroy();
    const std::string messages = JoinedLines(collector.messages);
    ShowReportBox(main ? main->GetHandle() : nullptr, "results",
                  built ? BuiltMachineReport(machinePath, messages) : messages);
}
