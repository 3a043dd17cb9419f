#include "BuildMachine.h"

#include <windows.h>

#include <cstdio>
#include <exception>

#include "AssetBuilder.h"
#include "BuildProgressSink.h"
#include "CompileStopNote.h"
#include "EnginePayoutChecker.h"
#include "EnginePictureProbe.h"
#include "MachineBuild.h"
#include "MachineScript.h"
#include "MessageCollector.h"
#include "MessageSink.h"

namespace {

// Writes the file beside its final name first and moves it there only once it is whole,
// so that a failed write never leaves a half-written machine file. The writer's messages
// name the final file.
bool WriteMachineFile(AssetBuilder& builder, const std::string& path, MessageSink& sink) {
    const std::string temporary = path + ".part";
    MessageCollector writer;
    const bool written = builder.Write(temporary, &writer);
    for (std::string text : writer.messages) {
        const size_t at = text.find(temporary);
        if (at != std::string::npos) text.replace(at, temporary.size(), path);
        sink.AddMessage(text);
    }
    if (written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    std::remove(temporary.c_str());
    if (written) sink.AddMessage("Couldn't open " + path);
    return false;
}

bool BuildCompiled(MachineScript& script, const std::string& assetPath, MessageSink& sink,
                               BuildProgressSink* progress) {
    AssetBuilder builder;
    MachineBuild(script, builder, progress).Run();
    if (!WriteMachineFile(builder, assetPath, sink)) return false;
    if (progress) progress->SetPercent(100);
    return true;
}

}  // namespace

bool BuildMachineWithProgress(const std::string& scriptPath, const std::string& assetPath, MessageSink& sink,
                              BuildProgressSink* progress) {
    EnginePictureProbe probe;
    EnginePayoutChecker payouts;
    MachineScript script;
    script.SetPictureProbe(&probe);
    script.SetPayoutChecker(&payouts);
    script.Compile(scriptPath, &sink, progress);
    if (!script.IsCompiled()) {
        const std::string note = CompileStopNote(script, "The machine was not built");
        if (!note.empty()) sink.AddMessage(note);
        return false;
    }
    try {
        return BuildCompiled(script, assetPath, sink, progress);
    } catch (const Cancellation&) {
        sink.AddMessage("Cancelled");
    } catch (const BuildRefusal& refusal) {
        sink.AddMessage(refusal.what());
    } catch (const ElementNameTooLong& refusal) {
        sink.AddMessage(refusal.what());
    } catch (const std::exception& e) {
        sink.AddMessage("Exception occurred ");
        sink.AddMessage(e.what());
    }
    return false;
}
