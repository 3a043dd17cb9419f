#include "WizardBuild.h"

#include <process.h>

#include <exception>

#include "BuildProgress.h"
#include "MachineFileSet.h"
#include "MessageSink.h"
#include "ProgressDialog.h"
#include "WizardDocument.h"

namespace {

// Every message of the build, in order, as one text.
class JoinedMessages : public MessageSink {
public:
    void AddMessage(const std::string& text) override { joined += text; }
    std::string joined;
};

}  // namespace

WizardBuild::WizardBuild(WizardDocument& document, ProgressDialog& dialog, const MachineFileSet& files,
                           int32_t galleryFile)
    : document_(document), dialog_(dialog), files_(files), galleryFile_(galleryFile)
{
}

WizardBuild::~WizardBuild()
{
    if (thread_ != nullptr) {
        Abandon();
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
}

bool WizardBuild::Start()
{
    thread_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &WizardBuild::ThreadStart, this, 0, nullptr));
    return thread_ != nullptr;
}

unsigned __stdcall WizardBuild::ThreadStart(void* build)
{
    WizardBuildWorker(*static_cast<WizardBuild*>(build));
    return 0;
}

const BuildOutcome& WizardBuild::WaitDone()
{
    WaitForSingleObject(done_.Get(), INFINITE);
    return outcome_;
}

// The dialog's window is up, or it will never be.
bool WizardBuild::WaitForDialog()
{
    const HANDLE either[2] = {dialog_.GetReadyEvent(), abandon_.Get()};
    return WaitForMultipleObjects(2, either, FALSE, INFINITE) == WAIT_OBJECT_0;
}

void WizardBuild::CloseDialog()
{
    if (HWND window = dialog_.GetHandle())
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

void WizardBuild::Fail(const std::string& text, const std::string& caption)
{
    outcome_.success = false;
    outcome_.errorText = text;
    outcome_.errorCaption = caption;
    CloseDialog();
}

bool WizardBuild::UserCancelled()
{
    if (!dialog_.IsClosed())
        return false;
    outcome_.success = false;
    outcome_.cancelled = true;
    return true;
}

// False when a step failed or the user cancelled; the outcome says which.
bool WizardBuild::RunSteps()
{
    dialog_.BeginStep(25);
    if (!document_.ComposeAwardCard(galleryFile_, &dialog_)) {
        Fail("Error saving award card", "Error saving award card");
        return false;
    }
    if (UserCancelled())
        return false;
    dialog_.BeginStep(50);
    if (!document_.WriteMachineDescription(&dialog_)) {
        Fail(document_.errorText, "Error generating machine script");
        return false;
    }
    if (UserCancelled())
        return false;
    dialog_.BeginStep(85);
    JoinedMessages messages;
    if (!BuildMachine(files_.ScriptPath(), files_.MachinePath(), messages, nullptr)) {
        Fail(messages.joined, "Errors compiling machine");
        return false;
    }
    return !UserCancelled();
}

// The worker's exceptions end here: they become the build's error, on our side of the
// thread's start routine.
void WizardBuildWorker(WizardBuild& build)
{
    try {
        if (!build.WaitForDialog()) {
            build.outcome_.cancelled = true;
        } else if (build.RunSteps()) {
            build.dialog_.BeginStep(100);
            build.dialog_.EndStep();
            build.outcome_.success = true;
            build.CloseDialog();
        }
    } catch (const std::exception& error) {
        build.Fail(std::string("Exception occurred ") + error.what(), "Errors compiling machine");
    } catch (...) {
        build.Fail("Exception occurred", "Errors compiling machine");
    }
    build.done_.Signal();
}
