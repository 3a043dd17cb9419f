// The lobby on the display: scrolling round the wrap, the highlight that follows its hot
// spot, a click that opens the machine at its room's denomination, the denomination that
// scrolls the lobby to its room, the exit door, and the strips that follow the view.
#include <gtest/gtest.h>

#include <memory>

#include "DialogDriver.h"
#include "LobbyHost.h"
#include "LobbyRooms.h"

namespace {
// The lobby in room 0 (25 cents); the denomination of the test prefix is put back after.
class LobbyScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetDenominationSetting().Set(25);
        host_ = std::make_unique<LobbyHost>();
        ASSERT_TRUE(host_->Installed());
    }
    void TearDown() override {
        host_.reset();
        GetDenominationSetting().Set(saved_);
    }
    LobbyHost& Host() { return *host_; }
    LobbyScreen& Lobby() { return *host_->lobby; }

private:
    int32_t saved_ = GetDenominationSetting().Get();
    std::unique_ptr<LobbyHost> host_;
};

// The view point of a hot spot's middle.
POINT MiddleOf(LobbyScreen& lobby, int32_t id) {
    const LobbyHotspot* h = FindHotspot(LobbyHotspotTable(), id);
    const LobbyPoint p = lobby.ProjectPoint(LobbyPoint{(h->polygon[0] + h->polygon[2]) / 2, (h->polygon[1] + h->polygon[5]) / 2});
    return POINT{p.x, p.y};
}
}  // namespace

TEST_F(LobbyScreenTest, ScrollsRoundTheWrapWithTheHighlightFollowing) {
    LobbyHost& host = Host();
    LobbyScreen& lobby = Lobby();
    EXPECT_EQ(lobby.GetScrollX(), 0) << "the room of 25 cents";
    const POINT diamond = MiddleOf(lobby, 272);
    host.Move(diamond.x, diamond.y);
    EXPECT_EQ(lobby.GetHighlighted(), 272);
    lobby.Scroll(-30);
    EXPECT_EQ(lobby.GetScrollX(), 3970) << "left of 0 goes on from the panorama's end";
    EXPECT_EQ(lobby.GetHighlighted(), 272) << "the highlight follows its hot spot";
    EXPECT_EQ(host.lobby->GetScrollControl().HitTest(POINT{diamond.x + 30, diamond.y}), 272);
    lobby.Scroll(60);
    EXPECT_EQ(lobby.GetScrollX(), 30);
    LobbyBackdrop* backdrop = lobby.GetBackdrop();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(backdrop->PanoramaWidth(), 4000);
    EXPECT_LE(backdrop->PresentStrips(), 10) << "only the strips in view are present";
    lobby.Scroll(-60);
    EXPECT_LE(backdrop->PresentStrips(), 10) << "across the wrap as well";
    host.Move(780, 10);
    EXPECT_EQ(lobby.GetHighlighted(), -1);
}

TEST_F(LobbyScreenTest, AClickOpensTheMachineAtItsRoomsDenomination) {
    LobbyHost& host = Host();
    LobbyScreen& lobby = Lobby();
    for (int32_t room = 0; room < kLobbyRooms; ++room) {
        lobby.OnDenominationChanged(kLobbyRoomDenominations[room]);
        const int32_t id = 24 * 16 + room;  // Gridiron
        const POINT at = MiddleOf(lobby, id);
        // The room before: the lobby must not jump while it sets the denomination.
        GetDenominationSetting().Set(kLobbyRoomDenominations[(room + 1) % kLobbyRooms]);
        lobby.OnDenominationChanged(kLobbyRoomDenominations[room]);
        const int32_t scrolled = lobby.GetScrollX();
        host.opener.opened = -1;
        host.Move(at.x, at.y);
        host.Click(at.x, at.y);
        EXPECT_EQ(host.opener.opened, 24) << "room " << room;
        EXPECT_EQ(host.opener.denominationAtOpen, kLobbyRoomDenominations[room]);
        EXPECT_EQ(lobby.GetScrollX(), scrolled) << "no jump to another room";
        EXPECT_NEAR(host.opener.from.left, at.x, 2);
        EXPECT_EQ(lobby.GetHighlighted(), -1) << "the opened machine is not lit behind its window";
        host.Move(at.x + 1, at.y);
        EXPECT_EQ(lobby.GetHighlighted(), id) << "the pointer back on it lights it again";
    }
    host.opener.mayClose = false;
    host.opener.opened = -1;
    const POINT at = MiddleOf(lobby, 272 + 4);
    host.Click(at.x, at.y);
    EXPECT_EQ(host.opener.opened, -1) << "a screen that may not close keeps the lobby";
}

// A machine opens on a click that goes down and up on it: not on a press on the floor or
// on another machine that is let go over it.
TEST_F(LobbyScreenTest, OnlyAPressAndReleaseOnTheMachineOpensIt) {
    LobbyHost& host = Host();
    LobbyScreen& lobby = Lobby();
    const POINT gridiron = MiddleOf(lobby, 24 * 16), diamond = MiddleOf(lobby, 272);
    const POINT floor{gridiron.x, 460};
    ASSERT_EQ(lobby.GetScrollControl().HitTest(floor), -1) << "the floor holds no machine";
    host.opener.opened = -1;
    host.Move(floor.x, floor.y);
    host.Press(floor.x, floor.y);
    host.Move(gridiron.x, gridiron.y);
    EXPECT_EQ(lobby.GetHighlighted(), 24 * 16) << "the machine under the pointer lights";
    host.Release(gridiron.x, gridiron.y);
    EXPECT_EQ(host.opener.opened, -1) << "pressed on the floor";

    host.Move(diamond.x, diamond.y);
    host.Press(diamond.x, diamond.y);
    host.Move(gridiron.x, gridiron.y);
    host.Release(gridiron.x, gridiron.y);
    EXPECT_EQ(host.opener.opened, -1) << "pressed on another machine";

    host.Press(gridiron.x, gridiron.y);
    host.Release(gridiron.x, gridiron.y);
    EXPECT_EQ(host.opener.opened, 24);
}

// Left after a scroll to another room, the lobby leaves the denomination at the room it
// shows, where the next screen plays and the lobby opens again.
TEST_F(LobbyScreenTest, ALobbyLeftAfterAScrollLeavesTheRoomItShows) {
    LobbyScreen& lobby = Lobby();
    ASSERT_EQ(GetDenominationSetting().Get(), 25);
    lobby.Scroll(2 * kLobbyRoomWidth - 100);
    ASSERT_EQ(lobby.GetShownRoom(), 2);
    EXPECT_EQ(GetDenominationSetting().Get(), 25) << "scrolling alone plays nowhere";
    const int32_t scrolled = lobby.GetScrollX();
    EXPECT_TRUE(lobby.CanEnd());
    EXPECT_EQ(GetDenominationSetting().Get(), kLobbyRoomDenominations[2]);
    EXPECT_EQ(lobby.GetScrollX(), scrolled) << "the lobby stays where it is while it goes";
}

TEST_F(LobbyScreenTest, TheDenominationScrollsToItsRoomAndTheDoorCloses) {
    LobbyHost& host = Host();
    LobbyScreen& lobby = Lobby();
    GetDenominationSetting().Set(10000);
    EXPECT_EQ(lobby.GetScrollX(), 1600) << "the menu's denomination scrolls the lobby";
    const LobbyPoint door = lobby.ProjectPoint(LobbyPoint{1710, 100});
    host.Press(door.x, door.y);
    host.Release(door.x + 300, door.y);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, host.Frame(), WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "released off the door";
    host.Click(door.x, door.y);
    EXPECT_TRUE(PeekMessageA(&msg, host.Frame(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(LobbyScreenTest, TheScrollControlAcceleratesOnTheFrameThread) {
    LobbyHost& host = Host();
    LobbyScreen& lobby = Lobby();
    const int32_t start = lobby.GetScrollX();
    host.Move(460, 500);
    EXPECT_EQ(lobby.GetScrollZone().GetZone(), kZoneRight);
    // Bounds, not measurements: the frame thread ticks as the machine allows.
    EXPECT_TRUE(WaitUntil([&] { return lobby.GetSpeed() > 8; }, 10000));
    EXPECT_NE(lobby.GetScrollX(), start);
    host.Move(400, 300);
    EXPECT_TRUE(WaitUntil([&] { return lobby.GetSpeed() == 0; }, 5000)) << "leaving the control stops at once";
}
