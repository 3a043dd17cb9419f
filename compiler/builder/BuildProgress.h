// The progress of a machine build shown in a progress dialog. While the build asks whether
// to cancel, the thread's window messages are dispatched so that the dialog stays alive
// and its Cancel button works; the dialog's owner is disabled for the build's length, so
// that no second build can start and the main window cannot be closed under the build.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "BuildProgressSink.h"

class MessageSink;
class ProgressDialog;

// A machine build (see BuildMachineWithProgress) whose progress the dialog shows; without
// a dialog nothing shows and nothing can cancel it.
bool BuildMachine(const std::string& scriptPath, const std::string& assetPath, MessageSink& sink,
                  ProgressDialog* dialog);

class BuildProgress : public BuildProgressSink {
public:
    explicit BuildProgress(ProgressDialog& dialog);
    ~BuildProgress() override;
    BuildProgress(const BuildProgress&) = delete;
    BuildProgress& operator=(const BuildProgress&) = delete;

    // Dispatches every waiting message, then answers whether the dialog was closed. A quit
    // message cancels the build and is posted again for the message loop that ends the
    // program; after it nothing more is dispatched.
    bool IsCancelled() override;
    // Compile stages 0 to 3 show as 0, 12, 25 and 50 percent; other stages show nothing.
    void SetStage(int32_t stage) override;
    void SetPercent(int32_t percent) override;

private:
    ProgressDialog& dialog_;
    HWND owner_ = nullptr;
    bool ownerWasEnabled_ = false;
    bool quitting_ = false;
};
