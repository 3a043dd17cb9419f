#include "BuildProgress.h"

#include "BuildMachine.h"
#include "ProgressDialog.h"

bool BuildMachine(const std::string& scriptPath, const std::string& assetPath, MessageSink& sink,
                  ProgressDialog* dialog) {
    if (!dialog) return BuildMachineWithProgress(scriptPath, assetPath, sink, nullptr);
    BuildProgress progress(*dialog);
    return BuildMachineWithProgress(scriptPath, assetPath, sink, &progress);
}

BuildProgress::BuildProgress(ProgressDialog& dialog) : dialog_(dialog) {
    if (HWND window = dialog_.GetHandle()) owner_ = GetWindow(window, GW_OWNER);
    // EnableWindow answers whether the window was disabled before.
    if (owner_) ownerWasEnabled_ = !EnableWindow(owner_, FALSE);
}

BuildProgress::~BuildProgress() {
    if (owner_ && ownerWasEnabled_) EnableWindow(owner_, TRUE);
}

bool BuildProgress::IsCancelled() {
    if (quitting_) return true;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitting_ = true;
            PostQuitMessage(int(msg.wParam));
            return true;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return dialog_.IsClosed();
}

void BuildProgress::SetStage(int32_t stage) {
    static const int32_t kStagePercents[] = {0, 12, 25, 50};
    if (stage >= 0 && stage < 4) dialog_.SetStepPercent(kStagePercents[stage]);
}

void BuildProgress::SetPercent(int32_t percent) {
    dialog_.SetStepPercent(percent);
}
