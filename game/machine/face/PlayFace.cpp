#include "PlayFace.h"

#include "ActionCallback.h"
#include "Denominations.h"
#include "GeneralSettings.h"
#include "MachineScreen.h"
#include "MachineSpinLayout.h"
#include "PendingSpin.h"
#include "PlayFaceMessage.h"
#include "PlayerRoster.h"
#include "Window.h"

PlayFace::PlayFace(MachineScreen& screen, PlayerRoster& roster, RandomSource* random, const FaceScriptSetup& script,
                   SpinScript* spinScript)
    : screen_(screen),
      roster_(roster),
      wallet_(roster),
      random_(random ? *random : static_cast<RandomSource&>(ownRandom_)),
      setting_(GetDenominationSetting()),
      script_(script),
      spinScript_(spinScript ? *spinScript : static_cast<SpinScript&>(script_)),
      layout_(MachineSpinLayout(screen.Records())) {}

// The script goes first: its objects stand for the items, reels and rules below. A machine
// taken down with coins bet gives back its count of the setting's lock, so that the
// denomination can change again.
PlayFace::~PlayFace() {
    script_.Stop();
    if (meters_) meters_->ReleaseLock();
}

bool PlayFace::Build(MachineScreen& screen) {
    if (!layout_.Problem().empty()) return false;
    // Play needs a player whose cash it moves.
    roster_.BeginPlay();
    view_ = screen.GetView() ? screen.GetView()->GetHandle() : nullptr;
    const CoinAcceptor& coin = screen.Records().coin;
    notices_ = std::make_unique<FaceNotices>(view_, coin.coinSound < 0 ? 0 : screen.File().Asset(uint32_t(coin.coinSound)));
    buttons_ = std::make_unique<FaceButtons>(screen);
    indicators_ = std::make_unique<FaceIndicators>(screen);
    regions_ = std::make_unique<FaceRegions>(screen);
    meterPanel_ = std::make_unique<FaceMeterPanel>(*indicators_, coin.coinImage ? coin.denominationIndicator : -1);
    BuildCoinsAndProgressive();
    reels_ = std::make_unique<FaceReels>(screen, static_cast<ReelOwner&>(*this));
    reelSet_ = std::make_unique<FaceReelSet>(*reels_);
    BuildPlay();
    BindButtons();
    BuildArmAndCoinAcceptor();
    frame_ = std::make_unique<FaceFrame>(view_, coinDrop_ ? &coinDrop_->Drop() : nullptr);
    PlaceReelsAtRandom();
    rules_->DisableAll();
    meters_->ShowDenominationIndex(money_->GetDenominationIndex());
    denominationListener_ = std::make_unique<FaceDenominationListener>(GetDenominationSetting(), *money_);
    StartScript(screen);
    // With the script running and before anything else happens on the machine.
    PayPendingSpin(roster_, *spin_, MachineName());
    BindPlayFaceMessage(screen, kReelStoppedMessage,
                        [](PlayFace& face, LPARAM reel) { face.OnReelStopMessage(int(reel)); });
    BindPlayFaceMessage(screen, kFrameTickMessage, [](PlayFace& face, LPARAM) { face.OnTick(); });
    return true;
}

// The script sees the indicators, sprite items, regions and reels, and the play rules
// through the "machine" object.
void PlayFace::StartScript(MachineScreen& screen) {
    std::vector<NamedRegion> regions;
    regions_->ForEach([&](const std::string& name, RegionItem& item) { regions.push_back({name, &item}); });
    ProgressiveMeter* progressive = progressive_ ? &progressive_->Meter() : nullptr;
    const IndicatorDisplay* jackpot = progressive_ ? &progressive_->Display() : nullptr;
    script_.Start(screen, FaceScriptItems{*indicators_, *buttons_, *reels_, regions, jackpot},
                  ScriptFaceParts{screen.Records(), *spin_, *money_, *meters_, random_, progressive});
}

std::string PlayFace::MachineName() const {
    const std::string& path = screen_.File().GetPath();
    return path.substr(path.find_last_of("\\/") + 1);
}

// The falling coins need the coin image; the progressive, an indicator of its own.
void PlayFace::BuildCoinsAndProgressive() {
    const MachineRecords& records = screen_.Records();
    const Money denomination = screen_.GetDenomination();
    if (records.coin.coinImage)
        coinDrop_ = std::make_unique<FaceCoinDrop>(screen_, GetDenominationIndex(denomination, records.denominationMask));
    const bool ownIndicator = !records.coin.coinImage || records.progressiveIndicator != records.coin.denominationIndicator;
    IndicatorDisplay* display = ownIndicator ? indicators_->At(records.progressiveIndicator) : nullptr;
    if (!display) return;
    // The jackpot is money in cents: its digits get the decimal point and the thousands
    // separators, of which showing it again leaves only those its value reaches.
    if (display->HasSpriteCells()) {
        display->CreateSeparators(screen_.GetStage());
        display->Show();
    }
    progressive_ = std::make_unique<FaceProgressive>(*display, ownRandom_, denomination);
}

void PlayFace::BuildPlay() {
    meters_ = std::make_unique<MachineMeters>(*meterPanel_, wallet_, setting_, screen_.GetDenomination());
    rules_ = std::make_unique<ButtonRules>(*meters_, *buttons_, screen_.Records().maxBet);
    ProgressiveMeter* progressive = progressive_ ? &progressive_->Meter() : nullptr;
    spin_ = std::make_unique<SpinController>(
        layout_, screen_.Records().payTable,
        SpinParts{*reelSet_, spinScript_, *meters_, *rules_, *notices_, random_, &lock_, progressive, MachineName(),
                  &screen_.Records().payoutLines});
    money_ = std::make_unique<MachineMoney>(MoneyParts{*meters_, *rules_, wallet_, *notices_, *spin_, spinScript_, setting_,
                                                       &lock_, progressive, coinDrop_ ? &coinDrop_->Drop() : nullptr},
                                            screen_.Records().denominationMask);
}

void PlayFace::BindButtons() {
    buttons_->Bind(Button::BetOne, new ActionCallback<PlayFace>(this, &PlayFace::OnBetOne));
    buttons_->Bind(Button::BetMax, new ActionCallback<PlayFace>(this, &PlayFace::OnBetMax));
    buttons_->Bind(Button::CashOut, new ActionCallback<PlayFace>(this, &PlayFace::OnCashOut),
                   new ActionCallback<PlayFace>(this, &PlayFace::OnCashOutRefused));
    buttons_->Bind(Button::Spin, new ActionCallback<PlayFace>(this, &PlayFace::OnSpin),
                   new ActionCallback<PlayFace>(this, &PlayFace::OnSpinRefused));
}

void PlayFace::BuildArmAndCoinAcceptor() {
    Window* owner = screen_.GetView();
    coinAcceptor_ = std::make_unique<FaceCoinAcceptor>(*regions_, *money_, owner);
    arm_ = std::make_unique<FaceArm>(screen_, ArmParts{*money_, *meters_, *spin_});
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
    frame_->SetWindow(view_);
    if (progressive_) {
        progressive_->Meter().ResetGrowth();
        progressive_->StartDisplay();
    }
    script_.ShowHeldErrors();
}

void PlayFace::OnTick() {
    if (progressive_) progressive_->Meter().Tick();
    arm_->OnTick();
    script_.OnFrameTick();
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

void PlayFace::OnCashOutRefused(FaceElement&) { money_->OnCashOutRefused(); }

void PlayFace::OnSpinRefused(FaceElement&) { money_->OnSpinRefused(); }

void PlayFace::OnReelStopped(int32_t reelNumber) { PostReelStopped(view_, reelNumber); }

void PlayFace::SetReelStop(int32_t reelNumber, int32_t stop) { spin_->SetReelStop(reelNumber, stop); }

int32_t PlayFace::ChooseReelStop(int32_t reelNumber) { return spin_->MarkReel(reelNumber); }

MachineFace* MakePlayFace(MachineScreen& screen) { return new PlayFace(screen, PlayerRoster::Instance()); }
