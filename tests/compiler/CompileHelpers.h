// Sinks that record what a compile reports, a one-call compile of script text, and the
// scripts and checks that the tests of Art statements share.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

// A three-reel machine (reel symbols Cherry, Lemon and Plum) whose Art block holds the
// statement on line 11 between "Art {" and "}" on lines 9, 10 and 12.
inline std::string ArtHeader() {
    return "Title \"Art\"\nReels 3 2\n{\n  Reel { Cherry Lemon }\n  Reel { Lemon Plum }\n"
           "  Reel { Plum Cherry }\n}\nPayLines 1 MaxBet 1 Payouts BestMatch\n{ all Plum 1 }\n";
}

inline std::string ArtStatementScript(const std::string& statement) {
    return ArtHeader() + "Art\n{\n" + statement + "\n}\n";
}

// The one message of a compile, or the number of messages when there are more or none.
inline std::string OnlyMessage(const std::string& script, PictureProbe* probe = nullptr) {
    MachineDescription md;
    md.SetPictureProbe(probe);
    RecordingSink sink;
    CompileText(md, script, sink);
    if (sink.messages.size() != 1) return "(" + std::to_string(sink.messages.size()) + " messages)";
    return sink.messages[0];
}

// A case of a statement that fails: the message and the line the driver quotes (indexed
// from 0; the message counts from 1).
struct ArtErrorCase {
    std::string statement;  // on line 11
    std::string message;
    int line = 11;          // the line the error is reported on, with its text
};

inline void ExpectArtErrors(const std::vector<ArtErrorCase>& cases,
                            PictureProbe* probe = nullptr) {
    for (const ArtErrorCase& c : cases) {
        SCOPED_TRACE(c.statement);
        const std::string quoted = c.line == 11 ? c.statement : "}";
        EXPECT_EQ(OnlyMessage(ArtStatementScript(c.statement), probe),
                  c.message + " on line " + std::to_string(c.line + 1) + ": " + quoted);
    }
}

// Picture sizes for the tests: a bitmap file "wN.bmp" is N wide and 12 high, any other
// file 20 by 12 and an empty path 0 by 0; library asset N has a first frame N by 2N, and
// asset 9 is missing.
class TableProbe : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override {
        if (path.empty()) return PictureSize();
        if (path[0] == 'w') return PictureSize{std::atoi(path.c_str() + 1), 12};
        return PictureSize{20, 12};
    }
    PictureSize GetAssetFrameSize(const std::string& file, int32_t number) override {
        if (number == 9) throw std::runtime_error("No asset #9 in " + file);
        return PictureSize{number, number * 2};
    }
};

inline void ExpectSpan(const SourceSpan& span, int32_t start, int32_t end, bool insert = false) {
    EXPECT_EQ(span.start, start);
    EXPECT_EQ(span.end, end);
    EXPECT_EQ(span.insert != 0, insert);
}

// One Art block (statements from line 11 on) compiled with the table probe, and where
// texts stand in the script.
struct CompiledArt {
    explicit CompiledArt(const std::string& statements) : text(ArtStatementScript(statements)) {
        md.SetPictureProbe(&probe);
        CompileText(md, text, sink);
    }
    int32_t At(const std::string& what, int nth = 0) const { return PositionOf(text, what, nth); }
    ButtonPart Button(const std::string& name) { return md.GetButtons().at(name).button; }
    IndicatorPart Indicator(const std::string& name) {
        return md.GetIndicators().at(name).indicator;
    }

    std::string text;
    TableProbe probe;
    MachineDescription md;
    RecordingSink sink;
};

// The files that the example machine MoonlitOrchard.vsl's Animations and Sounds name; its
// compile opens them, so tests put empty stand-ins for them in the current folder.
inline std::vector<std::string> ExampleMachineFiles() {
    return {"orchard_glow1.bmp",  "orchard_glow2.bmp", "orchard_lever1.bmp", "orchard_lever2.bmp",
            "orchard_lever3.bmp", "orchard_chime.wav", "orchard_drop.wav"};
}
