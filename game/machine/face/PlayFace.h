// The face that makes a loaded machine playable: the sprite items and play buttons, the
// indicators, the regions with the coin acceptor, the arm, the reels, the falling coins and
// the progressive jackpot, and the play rules (spin, pay table, bets, credit and cash-out)
// connected to them, with the current player's money kept by the roster, and the machine's
// script running over them (FaceScript).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ButtonRules.h"
#include "DenominationSettingControl.h"
#include "EngineSceneLock.h"
#include "FaceArm.h"
#include "FaceButtons.h"
#include "FaceCoinAcceptor.h"
#include "FaceCoinDrop.h"
#include "FaceDenominationListener.h"
#include "FaceFrame.h"
#include "FaceIndicators.h"
#include "FaceMeterPanel.h"
#include "FaceNotices.h"
#include "FaceProgressive.h"
#include "FaceReelSet.h"
#include "FaceReels.h"
#include "FaceRegions.h"
#include "FaceScript.h"
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
    // where script errors go and the type library; spinScript: what the spin tells and asks
    // in place of the machine's script (null: the machine's script).
    PlayFace(MachineScreen& screen, PlayerRoster& roster, RandomSource* random = nullptr,
             const FaceScriptSetup& script = FaceScriptSetup(), SpinScript* spinScript = nullptr);
    ~PlayFace() override;

    bool Build(MachineScreen& screen) override;
    void OnEnter(MachineScreen& screen) override;
    bool CanEnd(MachineScreen& screen) override;

    // A reel's stop message reached the screen (user-interface thread).
    void OnReelStopMessage(int reel);
    // The frame-tick message reached the screen (user-interface thread): the progressive
    // grows and the script's timeouts that are due run.
    void OnTick();

    SpinController& GetSpin() { return *spin_; }
    MachineMoney& GetMoney() { return *money_; }
    MachineMeters& GetMeters() { return *meters_; }
    FaceButtons& GetButtons() { return *buttons_; }
    FaceIndicators& GetIndicators() { return *indicators_; }
    FaceReels& GetReels() { return *reels_; }
    FaceRegions& GetRegions() { return *regions_; }
    FaceArm& GetArm() { return *arm_; }
    // Null when the machine has no coin image, or no progressive.
    FaceCoinDrop* GetCoinDrop() { return coinDrop_.get(); }
    FaceProgressive* GetProgressive() { return progressive_.get(); }
    FaceScript& GetScript() { return script_; }

private:
    // The button actions.
    void OnSpin(FaceElement&);
    void OnBetOne(FaceElement&);
    void OnBetMax(FaceElement&);
    void OnCashOut(FaceElement&);
    void OnCashOutRefused(FaceElement&);
    void OnSpinRefused(FaceElement&);

    void BuildCoinsAndProgressive();
    void BuildPlay();
    void BindButtons();
    void BuildArmAndCoinAcceptor();
    void PlaceReelsAtRandom();
    void StartScript(MachineScreen& screen);
    std::string MachineName() const;

    // What the reels ask (ReelOwner); OnReelStopped runs on the engine's frame thread.
    void OnReelStopped(int32_t reelNumber) override;
    void SetReelStop(int32_t reelNumber, int32_t stop) override;
    int32_t ChooseReelStop(int32_t reelNumber) override;
    void OnReelClick(int32_t reelNumber) override { script_.OnReelClick(reelNumber); }

    MachineScreen& screen_;
    HWND view_ = nullptr;
    PlayerRoster& roster_;
    RosterWallet wallet_;
    RandomGenerator ownRandom_;
    RandomSource& random_;
    DenominationSettingControl setting_;
    FaceScript script_;
    SpinScript& spinScript_;
    EngineSceneLock lock_;
    SpinLayout layout_;
    std::unique_ptr<FaceNotices> notices_;
    std::unique_ptr<FaceIndicators> indicators_;
    std::unique_ptr<FaceMeterPanel> meterPanel_;
    std::unique_ptr<FaceProgressive> progressive_;
    std::unique_ptr<FaceCoinDrop> coinDrop_;
    std::unique_ptr<FaceRegions> regions_;
    std::unique_ptr<FaceButtons> buttons_;
    std::unique_ptr<FaceReels> reels_;
    std::unique_ptr<FaceReelSet> reelSet_;
    std::unique_ptr<MachineMeters> meters_;
    std::unique_ptr<ButtonRules> rules_;
    std::unique_ptr<SpinController> spin_;
    std::unique_ptr<MachineMoney> money_;
    std::unique_ptr<FaceCoinAcceptor> coinAcceptor_;
    std::unique_ptr<FaceArm> arm_;
    std::unique_ptr<FaceDenominationListener> denominationListener_;
    // Last: no frame moves the coins once the face goes.
    std::unique_ptr<FaceFrame> frame_;
};

// The face maker the program installs: a play face over the game's player roster.
MachineFace* MakePlayFace(MachineScreen& screen);
