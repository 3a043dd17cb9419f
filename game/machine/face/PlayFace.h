// The face that makes a loaded machine playable: the sprite items and play buttons, the
// indicators, the reels, and the play rules (spin, pay table, bets, credit and cash-out)
// connected to them, with the current player's money kept by the roster, and the machine's
// script running over them (FaceScript).
#pragma once
#include <windows.h>

#include <memory>

#include "ButtonRules.h"
#include "DenominationSettingControl.h"
#include "EngineSceneLock.h"
#include "FaceButtons.h"
#include "FaceScript.h"
#include "FaceIndicators.h"
#include "FaceMeterPanel.h"
#include "FaceNotices.h"
#include "FaceReelSet.h"
#include "FaceReels.h"
#include "MachineFace.h"
#include "MachineMeters.h"
#include "MachineMoney.h"
#include "RandomGenerator.h"
#include "ReelOwner.h"
#include "RosterWallet.h"
#include "SpinController.h"

class FaceElement;
class PlayerRoster;

class PlayFace : public MachineFace, private ReelOwner {
public:
    // random: the draws of the reels' stops (null: a generator of the face's own); script:
    // where script errors go and the type library.
    PlayFace(MachineScreen& screen, PlayerRoster& roster, RandomSource* random = nullptr,
             const FaceScriptSetup& script = FaceScriptSetup());
    ~PlayFace() override;

    bool Build(MachineScreen& screen) override;
    void OnEnter(MachineScreen& screen) override;
    bool CanEnd(MachineScreen& screen) override;

    // A reel's stop message reached the screen (user-interface thread).
    void OnReelStopMessage(int reel);

    SpinController& GetSpin() { return *spin_; }
    MachineMoney& GetMoney() { return *money_; }
    MachineMeters& GetMeters() { return *meters_; }
    FaceButtons& GetButtons() { return *buttons_; }
    FaceIndicators& GetIndicators() { return *indicators_; }
    FaceReels& GetReels() { return *reels_; }
    FaceScript& GetScript() { return script_; }

private:
    // The button actions.
    void OnSpin(FaceElement&);
    void OnBetOne(FaceElement&);
    void OnBetMax(FaceElement&);
    void OnCashOut(FaceElement&);

    void BuildPlay();
    void BindButtons();
    void PlaceReelsAtRandom();

    // What the reels ask (ReelOwner); OnReelStopped runs on the engine's frame thread.
    void OnReelStopped(int32_t reelNumber) override;
    void SetReelStop(int32_t reelNumber, int32_t stop) override;
    int32_t ChooseReelStop(int32_t reelNumber) override;
    void OnReelClick(int32_t reelNumber) override { script_.OnReelClick(reelNumber); }

    MachineScreen& screen_;
    HWND view_ = nullptr;
    RosterWallet wallet_;
    RandomGenerator ownRandom_;
    RandomSource& random_;
    DenominationSettingControl setting_;
    FaceScript script_;
    EngineSceneLock lock_;
    SpinLayout layout_;
    std::unique_ptr<FaceNotices> notices_;
    std::unique_ptr<FaceIndicators> indicators_;
    std::unique_ptr<FaceMeterPanel> meterPanel_;
    std::unique_ptr<FaceButtons> buttons_;
    std::unique_ptr<FaceReels> reels_;
    std::unique_ptr<FaceReelSet> reelSet_;
    std::unique_ptr<MachineMeters> meters_;
    std::unique_ptr<ButtonRules> rules_;
    std::unique_ptr<SpinController> spin_;
    std::unique_ptr<MachineMoney> money_;
};

// The face maker the program installs: a play face over the game's player roster.
MachineFace* MakePlayFace(MachineScreen& screen);
