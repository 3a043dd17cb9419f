#include "PlayFace.h"

#include "ActionCallback.h"
#include "GeneralSettings.h"
#include "MachineScreen.h"
#include "MachineSpinLayout.h"
#include "PlayFaceMessage.h"
#include "PlayerRoster.h"
#include "Window.h"

PlayFace::PlayFace(MachineScreen& screen, PlayerRoster& roster, RandomSource* random, const FaceScriptSetup& script)
    : screen_(screen),
      wallet_(roster),
      random_(random ? *random : static_cast<RandomSource&>(ownRandom_)),
      setting_(GetDenominationSetting()),
      script_(script),
      layout_(MachineSpinLayout(screen.Records())) {}

// The script goes first: its objects stand for the items, reels and rules below.
PlayFace::~PlayFace() { script_.Stop(); }

bool PlayFace::Build(MachineScreen& screen) {
    if (!layout_.Problem().empty()) return false;
    view_ = screen.GetView() ? screen.GetView()->GetHandle() : nullptr;
    notices_ = std::make_unique<FaceNotices>(view_);
    buttons_ = std::make_unique<FaceButtons>(screen);
    indicators_ = std::make_unique<FaceIndicators>(screen);
    const CoinAcceptor& coin = screen.Records().coin;
    meterPanel_ = std::make_unique<FaceMeterPanel>(*indicators_, coin.coinImage ? coin.denominationIndicator : -1);
    reels_ = std::make_unique<FaceReels>(screen, static_cast<ReelOwner&>(*this));
    reelSet_ = std::make_unique<FaceReelSet>(*reels_);
    BuildPlay();
    BindButtons();
    PlaceReelsAtRandom();
    rules_->DisableAll();
    meters_->ShowDenominationIndex(money_->GetDenominationIndex());
    script_.Start(screen, FaceScriptItems{*indicators_, *buttons_, *reels_, {}},
                  ScriptFaceParts{screen.Records(), *spin_, *money_, *meters_, random_});
    BindPlayFaceMessage(screen, kReelStoppedMessage,
                        [](PlayFace& face, LPARAM reel) { face.OnReelStopMessage(int(reel)); });
    return true;
}

void PlayFace::BuildPlay() {
    meters_ = std::make_unique<MachineMeters>(*meterPanel_, wallet_, setting_, screen_.GetDenomination());
    rules_ = std::make_unique<ButtonRules>(*meters_, *buttons_, screen_.Records().maxBet);
    spin_ = std::make_unique<SpinController>(layout_, screen_.Records().payTable,
                                             SpinParts{*reelSet_, script_, *meters_, *rules_, *notices_, random_, &lock_});
    money_ = std::make_unique<MachineMoney>(
        MoneyParts{*meters_, *rules_, wallet_, *notices_, *spin_, script_, setting_, &lock_}, screen_.Records().denominationMask);
}

void PlayFace::BindButtons() {
    buttons_->Bind(Button::BetOne, new ActionCallback<PlayFace>(this, &PlayFace::OnBetOne));
    buttons_->Bind(Button::BetMax, new ActionCallback<PlayFace>(this, &PlayFace::OnBetMax));
    buttons_->Bind(Button::CashOut, new ActionCallback<PlayFace>(this, &PlayFace::OnCashOut));
    buttons_->Bind(Button::Spin, new ActionCallback<PlayFace>(this, &PlayFace::OnSpin));
}

// Every reel shows a weighted result from the start, placed without a spin.
void PlayFace::PlaceReelsAtRandom() {
    const MachineRecords& records = screen_.Records();
    const int32_t stops = records.stopCount;
    for (int reel = 0; reel < reels_->Count(); ++reel) {
        const int32_t k = (records.stopOffset + spin_->ChooseStop(reel)) % stops;
        reels_->Place(reel, ReelAim{(stops - 1 - k) * records.symbolHeight, k, false});
    }
}

void PlayFace::OnEnter(MachineScreen& screen) {
    if (screen.GetView()) view_ = screen.GetView()->GetHandle();
    script_.ShowHeldErrors();
}

bool PlayFace::CanEnd(MachineScreen&) {
    if (!money_->CanEnd()) return false;
    script_.Stop();
    return true;
}

void PlayFace::OnReelStopMessage(int reel) {
    if (reel >= 0 && reel < reels_->Count()) spin_->OnReelStopped(reel);
}

// The Spin button spins only what is bet on an idle machine.
void PlayFace::OnSpin(FaceElement&) {
    if (spin_->IsIdle() && meters_->Bet() > 0) spin_->OnSpin();
}

void PlayFace::OnBetOne(FaceElement&) { money_->OnBetOne(); }

void PlayFace::OnBetMax(FaceElement&) { money_->OnBetMax(); }

void PlayFace::OnCashOut(FaceElement&) { money_->OnCashOut(); }

void PlayFace::OnReelStopped(int32_t reelNumber) { PostReelStopped(view_, reelNumber); }

void PlayFace::SetReelStop(int32_t reelNumber, int32_t stop) { spin_->SetReelStop(reelNumber, stop); }

int32_t PlayFace::ChooseReelStop(int32_t reelNumber) { return spin_->MarkReel(reelNumber); }

MachineFace* MakePlayFace(MachineScreen& screen) { return new PlayFace(screen, PlayerRoster::Instance()); }
