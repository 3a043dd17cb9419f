#include "MachineDescriptionFile.h"

#include <fstream>
#include <locale>

#include "MachineIdentifier.h"
#include "MachineScriptText.h"
#include "MachineText.h"

std::string MachineNameProblem(const WizardChoices& document)
{
    if (document.name.empty())
        return "The machine needs a name.";
    if (document.identifier.empty())
        return "The machine's name gives no file name: use letters or digits in it.";
    return std::string();
}

bool WriteMachineDescription(WizardChoices& document, const std::string& clipArt,
                             GenerationProgress* progress)
{
    const std::string problem = MachineNameProblem(document);
    if (!problem.empty()) {
        document.errorText = problem;
        return false;
    }
    const std::string path = document.identifier + ".txt";
    std::ofstream out(path, std::ios::out | std::ios::trunc);
    if (!out) {
        document.errorText = "Disk error creating file \"" + path + "\"";
        return false;
    }
    out.imbue(std::locale::classic());
    // A double quote would end the Title's string: the title is the name as shown.
    out << "Title \"" << DisplayNameFor(document.name) << "\"\n";
    if (!GenerateMachineText(document, out))
        return false;
    if (progress)
        progress->SetPercent(33);
    if (progress && progress->IsCancelled())
        return true;
    if (!GenerateMachineScript(document, clipArt, out))
        return false;
    // The builder reads the file next: one that could not be written whole (a full disk)
    // is a disk error here, not a script that fails to compile.
    out.close();
    if (!out) {
        document.errorText = "Disk error writing file \"" + path + "\"";
        return false;
    }
    if (progress)
        progress->SetPercent(100);
    return true;
}
