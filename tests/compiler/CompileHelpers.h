// Sinks that record what a compile reports, and a one-call compile of script text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "MachineDescription.h"
#include "MessageSink.h"
#include "ProgressSink.h"
#include "ScriptFile.h"

class RecordingSink : public MessageSink {
public:
    void AddMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// Records the stages; answers "cancelled" at the given call of IsCancelled (1 = first).
class RecordingProgress : public ProgressSink {
public:
    explicit RecordingProgress(int cancelAtCall = 0) : cancelAtCall_(cancelAtCall) {}
    bool IsCancelled() override { return ++calls == cancelAtCall_; }
    void SetStage(int32_t stage) override { stages.push_back(stage); }
    std::vector<int32_t> stages;
    int calls = 0;

private:
    int cancelAtCall_;
};

// Compiles the text as a script file; the messages are in sink.messages.
inline void CompileText(MachineDescription& md, const std::string& text, RecordingSink& sink,
                        ProgressSink* progress = nullptr) {
    ScriptFile file(text);
    md.Compile(file.Path(), &sink, progress);
}

// The one-based position of the n-th (from 0) occurrence of what in text.
inline int32_t PositionOf(const std::string& text, const std::string& what, int nth = 0) {
    size_t at = text.find(what);
    while (nth-- > 0 && at != std::string::npos) at = text.find(what, at + 1);
    return at == std::string::npos ? -1 : static_cast<int32_t>(at) + 1;
}

// An Art block with what every playable machine needs, for a machine of these reel
// symbols: backdrop, the four buttons and three indicators with pictures, one reel window
// and a file for every symbol (the checks open none of these files). `more` goes in
// before the closing brace.
inline std::string PlayableArt(const std::vector<std::string>& symbols,
                               const std::string& more = std::string()) {
    std::string art = "Art {\n  Backdrop \"back.bmp\"\n  ReelPosition 0 = 10, 10, 50 x 90\n";
    for (const char* button : {"BetMax", "BetOne", "CashOut", "Spin"})
        art += std::string("  Button ") + button + " { \"button.bmp\" = 0, 0 }\n";
    for (const char* indicator : {"Bet", "Credit", "WinnerPaid"})
        art += std::string("  Indicator ") + indicator + " { \"digit.bmp\" = 0, 0 }\n";
    for (const std::string& symbol : symbols) art += "  Symbol " + symbol + " \"symbol.bmp\"\n";
    return art + more + "}\n";
}
