// The machine editor opened on a copy of one of our machines (foxfire, as the content
// build makes it with its pictures and sounds, with a region, a button and an arm of its
// own), for the tests that drive it: opening, finding elements, closing with an answer to
// the save question, and reading back what the saved script compiles to.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EditorDriver.h"
#include "MachineScript.h"
#include "MessageSink.h"
#include "TestScreens.h"

inline const char kSaveQuestion[] = "Vellmoor Slots Editor: Save Changes";
inline const char kSaveError[] = "Error updating script";

inline std::string SourceMachine() {
    std::string text = ReadFileBytes(VSL_SOURCE_MACHINES "\\foxfire.txt");
    const std::string before = "    Region BillSlot";
    text.replace(text.find(before), 0, "    Region Lucky { 100, 500 { (0,0) (30,0) (30,20) (0,20) } }\n");
    // The coin drops clear of the regions (on the machine it drops into its slot, under the
    // CoinSlot region, where a press reaches the region first).
    const std::string drop = "Glow = 488, 398";
    text.replace(text.find(drop), drop.size(), "Glow = 510, 280");
    // Buttons and the arm whose animation has its hot spot in the middle, and indicators
    // that the machine can do without.
    const std::string arm = "    Arm { Lever = 460, 110 }";
    text.replace(text.find(arm), arm.size(),
                 "    Button Lamp { Glow = 300, 450 }\n    Button Bell { Glow = 250, 540 }\n    Arm { Glow = 520, 110 }\n"
                 "    Indicator Jackpot { = 20, 560 }\n    Indicator Spare { = 120, 560 }");
    return text;
}

// The lines of a text that differ from the other's, by position (both have as many).
inline std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    std::istringstream a(before), b(after);
    std::vector<std::string> changed;
    std::string lineA, lineB;
    while (std::getline(a, lineA)) {
        if (!std::getline(b, lineB)) lineB = "<none>";
        if (lineA != lineB) changed.push_back(lineB);
    }
    if (std::getline(b, lineB)) changed.push_back("<extra> " + lineB);
    return changed;
}

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterMainWindowClass(nullptr);
        InitCommonControls();
        folder_ = ::testing::TempDir() + "editor_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        CopyMachineFiles(folder_);
        script_ = folder_ + "\\foxfire.txt";
        DeleteFileA((folder_ + "\\foxfire.old.txt").c_str());
        RemoveDirectoryA((folder_ + "\\foxfire.new.txt").c_str());
        original_ = SourceMachine();
        WriteFileBytes(script_, original_);
    }
    void TearDown() override { editor_.reset(); }

    void Open() {
        editor_ = std::make_unique<EditorWindow>(nullptr, script_);
        ASSERT_EQ(1, editor_->Create());
        editor_->Show();
        page_ = editor_->GetGraphicsPage();
        ASSERT_NE(nullptr, page_);
        PumpMessages();
    }
    template <class Element>
    Element* Find(const std::string& name) {
        for (const ElementRef& element : page_->GetLayout().GetElements())
            if (auto* found = dynamic_cast<Element*>(element.Get()))
                if (found->GetDisplayText().find(name) == 0) return found;
        return nullptr;
    }
    // Closes with the answer to the save question; the editor's answer to the close.
    int CloseAnswering(int button) {
        BoxAnswer answer(kSaveQuestion, button);
        const int closes = editor_->CanClose();
        EXPECT_TRUE(answer.Seen());
        return closes;
    }
    ScriptRect CompiledReel(const std::string& path, int reel) {
        MachineScript saved;
        saved.Compile(path, nullptr, nullptr);
        EXPECT_TRUE(saved.IsCompiled());
        return saved.IsCompiled() ? saved.GetReelPosition(reel).rectangle : ScriptRect();
    }

    // The saved script, compiled again.
    std::unique_ptr<MachineScript> Compiled() {
        struct Messages : MessageSink {
            void AddMessage(const std::string& text) override { all += text; }
            std::string all;
        } messages;
        auto saved = std::make_unique<MachineScript>();
        saved->Compile(script_, &messages, nullptr);
        std::string changed = messages.all + "\n";
        for (const std::string& line : ChangedLines(original_, ReadFileBytes(script_))) changed += line + "\n";
        EXPECT_TRUE(saved->IsCompiled()) << changed;
        return saved;
    }
    // The original script, compiled.
    std::unique_ptr<MachineScript> CompiledOriginal() {
        const std::string path = folder_ + "\\original.txt";
        WriteFileBytes(path, original_);
        auto original = std::make_unique<MachineScript>();
        original->Compile(path, nullptr, nullptr);
        EXPECT_TRUE(original->IsCompiled());
        return original;
    }

    std::string folder_, script_, original_;
    std::unique_ptr<EditorWindow> editor_;
    GraphicsPage* page_ = nullptr;
};

inline std::vector<Point> CompiledNodes(const std::string& path, const std::string& region, Point* origin) {
    MachineScript saved;
    saved.Compile(path, nullptr, nullptr);
    EXPECT_TRUE(saved.IsCompiled());
    const auto regions = saved.GetRegions();
    if (!regions.count(region)) return {};
    const Region& found = regions.at(region).region.region;
    *origin = Point{found.originX, found.originY};
    return found.vertices;
}

