#include "LobbyScreen.h"

#include "AmbientPlayer.h"
#include "Application.h"
#include "GeneralSettings.h"
#include "LobbyHotspots.h"
#include "LobbyMachineOpener.h"
#include "LobbyRooms.h"
#include "ScreenNumbers.h"
#include "ScreenTable.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"
#include "Window.h"

namespace {
const double kRadius = 1024.0, kHorizon = 150.0;
const double kCylinderFactor = 0.6 * 6.283185;
const int32_t kHighlightDepth = 5;
}  // namespace

class LobbyScreen::Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

LobbyScreen::LobbyScreen(int32_t number) : Screen(number), control_(*this) { InitializeCriticalSection(&lock_); }

LobbyScreen::~LobbyScreen() {
    if (listening_) GetDenominationSetting().RemoveListener(denominationCookie_);
    RemoveFrameListener(this);
    RemoveElement(&control_, true);
    RemoveElement(&zone_, true);
    {
        ThreadSyncToken token;
        stage_.DropBackdrop();
        if (stage_.stage) SelectBackdrop(stage_.stage, 0);
        backdrop_.reset();
        highlight_.Reset(0);
    }
    if (panoramaLoaded_) UnloadAsset(assetFile_ | kPanoramaAsset);
    if (assetFileOpen_) CloseAssetFile(assetFile_);
    DeleteCriticalSection(&lock_);
}

bool LobbyScreen::CreateBackdrop(const RECT& area) {
    if (Window* main = GetMainWindow()) SetWindowTextA(main->GetHandle(), "Vellmoor(tm) Slots");
    const int32_t file = OpenAssetFile("lobbyassets.ast");
    if (file == -1) return false;
    assetFile_ = uint32_t(file);
    assetFileOpen_ = true;
    panoramaLoaded_ = LoadAsset(assetFile_ | kPanoramaAsset, 1) != 0;
    backdrop_.reset(new LobbyBackdrop(assetFile_ | kPanoramaAsset, area.right - area.left, area.bottom - area.top,
                                      kCylinderFactor));
    if (!backdrop_->IsValid()) return false;
    width_ = backdrop_->PanoramaWidth();
    const int32_t room = RoomOfDenomination(GetDenominationSetting().Get());
    scrollX_ = kLobbyRoomWidth * (room < 0 ? 0 : room);
    backdrop_->Draw(scrollX_, 0, false, true);
    control_.SetScrollX(scrollX_);
    return SelectBackdrop(stage_.stage, backdrop_->GetBackdrop()) != 0;
}

bool LobbyScreen::Build() {
    {
        ThreadSyncToken token;
        CreateAnimSpriteAt(stage_, highlight_, assetFile_ | kHighlightAsset, 0, 0, kHighlightDepth, false);
        if (!zone_.Create(stage_, assetFile_ | kScrollAsset)) return false;
        zone_.SetState(1);
        AddElement(&zone_, true);
    }
    AddFrameListener(this);
    control_.SetGeometry(kRadius, kHorizon, width_);
    control_.SetHotspots(LobbyHotspotTable());
    AddElement(&control_, true);
    return true;
}

int LobbyScreen::GetMenuId() { return kLobbyMenuId; }

int32_t LobbyScreen::GetShownRoom() const {
    return (GetScrollX() + kLobbyRoomWidth / 2) / kLobbyRoomWidth % kLobbyRooms;
}

// The lobby is left at the room it shows, where the player may only have scrolled to: the
// screen that follows (the credits) plays at that room's denomination, and the lobby opens
// there again.
bool LobbyScreen::CanEnd() {
    const int32_t cents = kLobbyRoomDenominations[GetShownRoom()];
    DenominationSetting& setting = GetDenominationSetting();
    if (setting.Get() != cents) {
        InterlockedExchange(&guard_, 1);
        setting.Set(cents);
        InterlockedExchange(&guard_, 0);
    }
    return true;
}

bool LobbyScreen::OnEnter() {
    denominationCookie_ = GetDenominationSetting().AddListener(this, &LobbyScreen::OnDenominationChanged);
    listening_ = true;
    GetAmbientPlayer().Play("slot_alt.cwv");
    if (Window* main = GetMainWindow()) PostMessageA(main->GetHandle(), kLobbyEnteredMessage, 0, 0);
    return true;
}

void LobbyScreen::UpdateScrollSpeed(int32_t elapsedFrames) {
    Lock hold(lock_);
    state_.Update(zone_.GetZone(), elapsedFrames);
    ScrollLocked(state_.speed);
}

void LobbyScreen::Scroll(int32_t step) {
    ThreadSyncToken token;
    Lock hold(lock_);
    ScrollLocked(step);
}

void LobbyScreen::ScrollLocked(int32_t step) {
    if (!backdrop_) return;
    if (step == 0) {
        if (state_.fullQuality) backdrop_->Draw(scrollX_, 0, false, true);
        state_.fullQuality = false;
        return;
    }
    scrollX_ += step;
    if (scrollX_ < 0) scrollX_ += width_;
    if (scrollX_ > width_) scrollX_ -= width_;
    const bool fast = step > 1 || step < -1;
    backdrop_->Draw(scrollX_, 0, fast, false);
    if (fast) state_.fullQuality = false;
    control_.SetScrollX(scrollX_);
    if (highlighted_ != -1) EnterLocked(highlighted_);
}

LobbyPoint LobbyScreen::ProjectPoint(LobbyPoint panorama) const { return control_.Projection().ToView(panorama); }

void LobbyScreen::OnHotspotEnter(int32_t id) {
    ThreadSyncToken token;
    Lock hold(lock_);
    EnterLocked(id);
}

void LobbyScreen::EnterLocked(int32_t id) {
    const LobbyHotspot* spot = FindHotspot(LobbyHotspotTable(), id);
    if (!spot) return;
    const LobbyPoint corner = ProjectPoint(LobbyPoint{spot->polygon[0], spot->polygon[1]});
    PlaceHeldSprite(highlight_, POINT{corner.x, corner.y}, kHighlightDepth);
    if (id != highlighted_) {
        AnimateSprite(highlight_.Get(), 0, uint32_t(spot->frame), 0);
        MakeSpriteVisible(highlight_.Get(), 1);
    }
    highlighted_ = id;
}

void LobbyScreen::OnHotspotLeave(int32_t) {
    ThreadSyncToken token;
    Lock hold(lock_);
    MakeSpriteVisible(highlight_.Get(), 0);
    highlighted_ = -1;
}

// The point rectangle at the mean of the hot spot's projected corners.
RECT LobbyScreen::ClickRect(int32_t id) const {
    const LobbyHotspot* spot = FindHotspot(LobbyHotspotTable(), id);
    int64_t x = 0, y = 0;
    int32_t n = 0;
    for (; spot && spot->polygon[2 * n] != -1; ++n) {
        const LobbyPoint p = ProjectPoint(LobbyPoint{spot->polygon[2 * n], spot->polygon[2 * n + 1]});
        x += p.x;
        y += p.y;
    }
    const LONG cx = n ? LONG(x / n) : 0, cy = n ? LONG(y / n) : 0;
    return RECT{cx, cy, cx, cy};
}

void LobbyScreen::OnHotspotClick(int32_t id) {
    const RECT from = ClickRect(id);
    LobbyMachineOpener& opener = GetLobbyMachineOpener();
    if (!opener.MayClose()) return;
    // The machine's window comes up over the pointer, which the lobby has lost: the machine
    // is no longer lit behind it.
    control_.OnHoverChanged(false);
    const int32_t cents = kLobbyRoomDenominations[id % 16 % kLobbyRooms];
    DenominationSetting& setting = GetDenominationSetting();
    if (setting.Get() != cents) {
        InterlockedExchange(&guard_, 1);
        setting.Set(cents);
        InterlockedExchange(&guard_, 0);
    }
    opener.Open(id / 16, from);
}

void LobbyScreen::OnDenominationChanged(const int32_t& cents) {
    if (InterlockedCompareExchange(&guard_, 0, 0)) return;
    const int32_t room = RoomOfDenomination(cents);
    if (room < 0) return;
    ThreadSyncToken token;
    Lock hold(lock_);
    scrollX_ = kLobbyRoomWidth * room;
    if (backdrop_) backdrop_->Draw(scrollX_, 0, false, true);
    control_.SetScrollX(scrollX_);
    state_.speed = 0;
    state_.fullQuality = false;
}

void LobbyScreen::OnExit() {
    if (Window* main = GetMainWindow()) PostMessageA(main->GetHandle(), WM_CLOSE, 0, 0);
}

int32_t LobbyScreen::GetScrollX() const {
    Lock hold(const_cast<CRITICAL_SECTION&>(lock_));
    return scrollX_;
}

int32_t LobbyScreen::GetSpeed() const {
    Lock hold(const_cast<CRITICAL_SECTION&>(lock_));
    return state_.speed;
}

int32_t LobbyScreen::GetHighlighted() const {
    Lock hold(const_cast<CRITICAL_SECTION&>(lock_));
    return highlighted_;
}
