#include "WizardFinish.h"

#include <windows.h>

#include "AudioPage.h"
#include "CustomMachines.h"
#include "GeneralSettings.h"
#include "MachineDescriptionFile.h"
#include "MachineFileSet.h"
#include "WizardBuild.h"
#include "ProgressDialog.h"
#include "Quor2_5.h"
#include "ShowScreen.h"
#include "WizardDocument.h"

namespace {

const char kAnimationFile[] = "itchy.ast";
const uint32_t kAnimationAsset = 6;
int savingDialog = IDD_PROGRESS_CANCEL;

// The progress dialog under the caption the build shows.
class SavingDialog : public ProgressDialog {
public:
    SavingDialog() : ProgressDialog(kAnimationFile, kAnimationAsset, 3, 1) {}
    int OnCreate() override
    {
        SetWindowTextA(GetHandle(), "Saving");
        return ProgressDialog::OnCreate();
    }
};

// The payout state for the choices, and its report to the debugger output.
void SettlePayouts(WizardDocument& document)
{
    document.LookupStops();
    document.ComputeProbabilities();
    document.ComputeTotals();
    OutputDebugStringA(document.PayoutReport().c_str());
}

// The gallery's picks as asset numbers, once for this build.
int32_t OpenGalleryForBuild(WizardDocument& document)
{
    const int32_t gallery = OpenAssetFile((GetClipArtPathSetting().Get() + "\\gallery.ast").c_str());
    document.TranslateGalleryPicks(gallery);
    return gallery;
}

bool MayReplace(AudioPage& page, const WizardDocument& document, const MachineFileSet& files)
{
    if (!files.Exists())
        return true;
    const std::string text = ReplaceMachineText(document.name, files.MachinePath());
    return MessageBoxA(page.GetHandle(), text.c_str(), "Machine exists", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Every check that can refuse the machine, before anything is written: the name, the
// question about an earlier machine, and the earlier machine's files set aside.
bool ReadyToBuild(AudioPage& page, const WizardDocument& document, MachineFileSet& files)
{
    const std::string problem = MachineNameProblem(document);
    if (!problem.empty()) {
        MessageBoxA(page.GetHandle(), problem.c_str(), "Machine Not Finished", MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!MayReplace(page, document, files))
        return false;
    if (files.SetAside())
        return true;
    MessageBoxA(page.GetHandle(), SetAsideFailedText(files.StuckPath()).c_str(), "Machine not saved", MB_OK | MB_ICONSTOP);
    return false;
}

// Runs the worker under the modal dialog; the outcome once the worker is through.
BuildOutcome RunBuild(AudioPage& page, WizardDocument& document, const MachineFileSet& files, int32_t gallery)
{
    SavingDialog dialog;
    document.errorText.clear();
    WizardBuild build(document, dialog, files, gallery);
    if (!build.Start()) {
        BuildOutcome failed;
        failed.errorText = failed.errorCaption = "Error saving award card";
        return failed;
    }
    if (dialog.DoModalFromResource(page.GetSheet(), savingDialog) == -1)
        build.Abandon();
    return build.WaitDone();
}

// The files as the outcome leaves them, and the custom machines listed again.
void SettleFiles(MachineFileSet& files, const BuildOutcome& outcome)
{
    if (outcome.success)
        files.Keep();
    else if (outcome.cancelled)
        files.DiscardCancelled();
    else
        files.RestoreAfterFailure();
    ScanCustomMachines();
}

}  // namespace

std::string ReplaceMachineText(const std::string& name, const std::string& machineFile)
{
    return "A machine named \"" + name + "\" already exists (" + machineFile +
           ").\nDo you want to replace it with the new machine?";
}

std::string SetAsideFailedText(const std::string& earlierFile)
{
    return "The earlier machine's file " + earlierFile +
           " cannot be moved out of the way, so the new machine is not saved.";
}

void SetSavingDialogResource(int resourceId) { savingDialog = resourceId; }

bool WizardFinish(AudioPage& page, WizardDocument& document)
{
    page.RestoreAmbient();
    MachineFileSet files(document.identifier);
    if (!ReadyToBuild(page, document, files)) {
        page.SilenceAmbient();
        return false;
    }
    SettlePayouts(document);
    const int32_t gallery = OpenGalleryForBuild(document);
    const BuildOutcome outcome = RunBuild(page, document, files, gallery);
    if (gallery != -1)
        CloseAssetFile(uint32_t(gallery));
    SettleFiles(files, outcome);
    if (!outcome.errorText.empty())
        MessageBoxA(page.GetHandle(), outcome.errorText.c_str(), outcome.errorCaption.c_str(), MB_OK | MB_ICONSTOP);
    if (outcome.success) {
        ShowNamedScreen(files.MachinePath());
        return true;
    }
    page.SilenceAmbient();
    return false;
}
