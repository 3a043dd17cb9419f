// Finish of the New Machine Wizard: settles the payouts, asks before a machine of the same
// name is replaced, builds the machine on a worker thread under the modal "Saving"
// dialog, reports what went wrong, and opens the new machine in the game.
#pragma once
#include <string>

class AudioPage;
class WizardDocument;

// True lets the wizard close (the machine was built and opened); false keeps it open on
// the audio page.
bool WizardFinish(AudioPage& page, WizardDocument& document);

// The question asked before an earlier machine of the same name is replaced.
std::string ReplaceMachineText(const std::string& name, const std::string& machineFile);

// The box shown when a file of the earlier machine cannot be moved aside for the build.
std::string SetAsideFailedText(const std::string& earlierFile);

// The dialog resource that the build runs under; a test may name one that cannot be made.
void SetSavingDialogResource(int resourceId);
