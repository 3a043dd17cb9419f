// One build of a wizard machine on a worker thread: the award card, the machine script
// and the machine file, step by step under the progress dialog, which the user-interface
// thread runs modally meanwhile. The worker writes its outcome before it sets the done
// event; the user-interface thread reads it only after that.
#pragma once
#include <windows.h>

#include <string>

#include "Win32Event.h"

class ProgressDialog;
class WizardDocument;
class MachineFileSet;

struct BuildOutcome {
    bool success = false;
    bool cancelled = false;
    std::string errorText;
    std::string errorCaption;
};

class WizardBuild {
public:
    WizardBuild(WizardDocument& document, ProgressDialog& dialog, const MachineFileSet& files,
                 int32_t galleryFile);
    ~WizardBuild();
    WizardBuild(const WizardBuild&) = delete;
    WizardBuild& operator=(const WizardBuild&) = delete;

    // Starts the worker; false when no thread could be made.
    bool Start();
    // The progress dialog will not come: the worker gives up waiting for it.
    void Abandon() { abandon_.Signal(); }
    // Waits until the worker is through (it always gets there: it waits for nothing
    // that cannot come), then answers its outcome.
    const BuildOutcome& WaitDone();

private:
    friend void WizardBuildWorker(WizardBuild& build);
    static unsigned __stdcall ThreadStart(void* build);
    bool WaitForDialog();
    bool RunSteps();
    void Fail(const std::string& text, const std::string& caption);
    bool UserCancelled();
    void CloseDialog();

    WizardDocument& document_;
    ProgressDialog& dialog_;
    const MachineFileSet& files_;
    int32_t galleryFile_;
    BuildOutcome outcome_;
    Win32Event done_;
    Win32Event abandon_;
    HANDLE thread_ = nullptr;
};

// The worker thread's body.
void WizardBuildWorker(WizardBuild& build);
