#include "CompileStopNote.h"

#include "MachineScript.h"

std::string CompileStopNote(const MachineScript& script, const std::string& stopped) {
    if (script.WasCancelled()) return std::string();
    if (!script.IsReadWhole()) return stopped + ": the script has the error above.\n";
    const std::vector<std::string>& missing = script.GetMissingFiles();
    if (missing.empty()) return stopped + ": the script has the warnings above.\n";
    std::string note = stopped + ": " + std::to_string(missing.size()) +
                       (missing.size() == 1 ? " picture or sound file" : " picture and sound files") +
                       " that the script names cannot be found beside it:";
    for (size_t i = 0; i < missing.size(); ++i) note += (i == 0 ? " " : ", ") + missing[i];
    return note +
           ".\nA machine's script needs its pictures and sounds in its own folder. The game's CD holds every "
           "built-in machine so, each in a folder of its own under \"machines\": copy a machine's whole folder "
           "to change it.\n";
}
