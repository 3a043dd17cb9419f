// The lobby (screen 1): the casino's five rooms on a panorama that wraps around, scrolled
// with the scroll control; every machine is a hot spot that lights when pointed at and
// opens the machine at the room's denomination when clicked; the door closes the program.
//
// The scroll x, the speed, the full-quality flag and the lit hot spot are shared by the
// frame thread (UpdateScrollSpeed, Scroll, drawing) and the user-interface thread (the
// pointer, the denomination): one critical section guards them, always taken after the
// engine's painting token.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "FrameListeners.h"
#include "LobbyBackdrop.h"
#include "LobbyScrollControl.h"
#include "LobbyScrollZone.h"
#include "LobbyScrolling.h"
#include "Screen.h"
#include "SpriteHandle.h"

class LobbyScreen : public Screen, public LobbyHotspotEvents, public FrameListener {
public:
    static const uint32_t kPanoramaAsset = 43, kHighlightAsset = 65, kScrollAsset = 71;
    static const unsigned kLobbyEnteredMessage = 1338;

    explicit LobbyScreen(int32_t number = 1);
    ~LobbyScreen() override;

    bool CreateBackdrop(const RECT& area) override;
    bool Build() override;
    int GetMenuId() override;
    bool OnEnter() override;
    bool CanEnd() override;

    // The frame listener: the speed follows the scroll control's zone, then one Scroll.
    void OnFrame(int32_t elapsedFrames) override { UpdateScrollSpeed(elapsedFrames); }
    void UpdateScrollSpeed(int32_t elapsedFrames);
    void Scroll(int32_t step);
    LobbyPoint ProjectPoint(LobbyPoint panorama) const;
    void OnDenominationChanged(const int32_t& cents);

    void OnHotspotClick(int32_t id) override;
    void OnHotspotEnter(int32_t id) override;
    void OnHotspotLeave(int32_t id) override;
    void OnExit() override;

    int32_t GetScrollX() const;
    // The room most of the view shows.
    int32_t GetShownRoom() const;
    int32_t GetSpeed() const;
    int32_t GetHighlighted() const;
    LobbyScrollZone& GetScrollZone() { return zone_; }
    LobbyScrollControl& GetScrollControl() { return control_; }
    LobbyBackdrop* GetBackdrop() const { return backdrop_.get(); }

    static Screen* Make(int32_t number) { return new LobbyScreen(number); }

private:
    class Lock;
    void ScrollLocked(int32_t step);
    void EnterLocked(int32_t id);
    RECT ClickRect(int32_t id) const;

    CRITICAL_SECTION lock_;
    uint32_t assetFile_ = 0;
    bool assetFileOpen_ = false;
    bool panoramaLoaded_ = false;
    std::unique_ptr<LobbyBackdrop> backdrop_;
    LobbyScrollState state_;
    int32_t scrollX_ = 0;
    int32_t width_ = 4000;
    SpriteHandle highlight_;
    int32_t highlighted_ = -1;
    LobbyScrollZone zone_;
    LobbyScrollControl control_;
    bool listening_ = false;
    uint32_t denominationCookie_ = 0;
    volatile LONG guard_ = 0;  // set while the lobby itself changes the denomination
};
