// The example machine compiled for edits, written back and compiled again.
#pragma once
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "CompileHelpers.h"
#include "MachineDescription.h"
#include "ScriptFile.h"

// Moonlit Orchard compiled from a copy of its text (with CRLF line ends when asked), with
// stand-ins for the files its compile opens and the table probe's picture sizes.
class ExampleSession {
public:
    explicit ExampleSession(const std::string& extraFiles = std::string(), bool crlf = false)
        : files_(Files(extraFiles)), text_(Text(crlf)), script_(text_) {
        md.SetPictureProbe(&probe_);
        md.Compile(script_.Path(), &sink, nullptr);
    }

    const std::string& Text() const { return text_; }
    const std::string& Path() const { return script_.Path(); }

    // The edited script: written to a file of its own and read back.
    std::string Written() {
        ScriptFile out("");
        EXPECT_TRUE(md.WriteScript(out.Path())) << md.GetWriteError();
        return ReadFileBytes(out.Path());
    }

    // The edited script compiled afresh; fails the test when the compile does not succeed.
    std::unique_ptr<MachineDescription> Recompiled() {
        ScriptFile out(Written());
        auto again = std::make_unique<MachineDescription>();
        again->SetPictureProbe(&probe_);
        RecordingSink messages;
        again->Compile(out.Path(), &messages, nullptr);
        EXPECT_TRUE(again->IsCompiled()) << ::testing::PrintToString(messages.messages);
        return again;
    }

    MachineDescription md;
    RecordingSink sink;

private:
    static std::vector<std::string> Files(const std::string& extra) {
        std::vector<std::string> files = ExampleMachineFiles();
        if (!extra.empty()) files.push_back(extra);
        return files;
    }
    static std::string Text(bool crlf) {
        const std::string lf = ReadFileBytes(ExampleScriptDir() + "MoonlitOrchard.vsl");
        return crlf ? WithCrlf(lf) : lf;
    }

    StandInFiles files_;
    std::string text_;
    ScriptFile script_;
    TableProbe probe_;
};
