#include "WizardFinish.h"

#include <windows.h>

#include "AudioPage.h"
#include "CustomMachines.h"
#include "GeneralSettings.h"
#include "WizardBuild.h"
#include "MachineFileSet.h"
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

void SetSavingDialogResource(int resourceId) { savingDialog = resourceId; }

bool WizardFinish(AudioPage& page, WizardDocument& document)
{
    page.RestoreAmbient();
    SettlePayouts(document);
    MachineFileSet files(document.identifier);
    if (!MayReplace(page, document, files) || !files.SetAside()) {
        page.SilenceAmbient();
        return false;
    }
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
