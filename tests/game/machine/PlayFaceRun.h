// The play face under test: a main window with the machine screens, a player with cash in
// the test prefix's registry, listed random draws, the engine's frames turning the reels,
// and script errors collected instead of shown; Glass Harbor built by vslc.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FrameListeners.h"
#include "MachineHost.h"
#include "PlayFace.h"
#include "PlayFakes.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegistryHelpers.h"
#include "ScriptFakes.h"
#include "ScriptedHarbor.h"
#include "ShowScreen.h"
#include "SlotFiles.h"

namespace play_face_run {

inline const std::string kFrontDesk = MakeSectionPath("FrontDesk");
inline const int32_t kStartCash = 100000;

inline PlayerRoster* roster = nullptr;
inline ListedRandom* draws = nullptr;
inline FaceScriptSetup* scriptSetup = nullptr;

inline MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster, draws, *scriptSetup); }

class PlayFaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // the pictures' decoder, as the game has it
        files_ = new MachineFiles;
        slot_ = BuildSlot(*files_, GlassHarbor(), "harbor.slot");
    }
    static void TearDownTestSuite() { delete files_; }

    void SetUp() override {
        WriteOnePlayer(kFrontDesk, "Ada Lovelace", DWORD(kStartCash), 8122026);
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        draws = &random_;
        scriptSetup_.errors = &errors_;
        scriptSetup = &scriptSetup_;
        host_ = std::make_unique<MachineHost>(&MakeTestFace);
        ASSERT_NE(nullptr, host_->Main());
        // The reels turn on the engine's frames, as under the game's window.
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    void TearDown() override {
        SetFrameCallback(nullptr);
        host_.reset();
        roster_.reset();
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
    }

    MachineScreen* OpenMachine(const std::string& slot = slot_) {
        if (!ShowNamedScreen(slot)) return nullptr;
        MachineToolWindow* window = MachineHost::Current();
        pane_ = window && window->GetPane() ? window->GetPane()->GetHandle() : nullptr;
        return MachineHost::CurrentMachine();
    }
    // A left click at a point of the machine's art (the camera is at its top).
    void ClickAt(POINT at) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageA(pane_, WM_MOUSEMOVE, 0, where);
        SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageA(pane_, WM_LBUTTONUP, 0, where);
        PumpMessages();
    }
    void ClickButton(MachineScreen& screen, const char* name) {
        const ElementRecord* record = screen.Records().FindElement(name);
        ASSERT_NE(record, nullptr) << name;
        ClickAt(POINT{record->rect.left + 2, record->rect.top + 2});
    }
    static bool WaitIdle(PlayFace& face) {
        const DWORD deadline = GetTickCount() + 30000;
        while (!face.GetSpin().IsIdle() && GetTickCount() < deadline) {
            PumpMessages();
            Sleep(5);
        }
        return face.GetSpin().IsIdle();
    }

    static inline MachineFiles* files_ = nullptr;
    static inline std::string slot_;
    std::unique_ptr<PlayerRoster> roster_;
    ListedRandom random_;
    CollectedErrors errors_;
    FaceScriptSetup scriptSetup_;
    std::unique_ptr<MachineHost> host_;
    HWND pane_ = nullptr;
};

inline DWORD StoredCash() {
    DWORD cash = 0;
    EXPECT_TRUE(ReadRegistryDword(kFrontDesk, "Player1Cash", &cash));
    return cash;
}

}  // namespace play_face_run
using namespace play_face_run;
