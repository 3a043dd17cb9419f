// Turns a machine script into a machine file: compiles it, builds its pictures, sounds and
// regions into an asset file and adds the machine chunk as the file's last asset.
#pragma once
#include <string>

class BuildProgressSink;
class MessageSink;

// True when the machine file was written. Every problem goes to the sink: the compile's
// errors, "Cancelled", a refusal of the machine, "Exception occurred " followed by the
// exception's text, or a failed write. Nothing is left under the machine file's name
// unless the whole file was written. `progress` may be null.
bool BuildMachineWithProgress(const std::string& scriptPath, const std::string& assetPath, MessageSink& sink,
                              BuildProgressSink* progress);
