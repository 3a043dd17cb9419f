// Keeps the current player's name and cash in a window's text, after the title its screens
// give it: a desktop's window manager draws the title bar from the text, where the
// caption painter's drawing never shows. It follows the roster as the caption painter does:
// a change of the current player or of that player's money writes the text again.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class PlayerRecord;
class PlayerRoster;

class PlayerTitle {
public:
    // The roster whose current player is shown (null: the game's roster, reached when a
    // target is first given).
    explicit PlayerTitle(PlayerRoster* roster = nullptr) : roster_(roster) {}
    ~PlayerTitle();
    PlayerTitle(const PlayerTitle&) = delete;
    PlayerTitle& operator=(const PlayerTitle&) = delete;

    // The window whose text is kept, its present text taken as the title; null stops.
    void SetTarget(HWND window);
    // A new title for the window (what WM_SETTEXT brought); the window's text is written
    // again with the player after it. Answers what the default handling answered.
    LRESULT SetTitle(const char* title);
    // The window's text: the title, and " - " with the name and cash when someone plays.
    std::string Compose() const;
    static std::string ComposeText(const std::string& title, bool playing, const std::string& fullName,
                                   int32_t cashCents);

private:
    PlayerRoster& Roster() const;
    LRESULT Write();
    void ListenToCurrentPlayer();
    void StopListening();
    void OnPlayerChanged(const int32_t*);
    void OnMoneyChanged(const int32_t*) { Write(); }

    mutable PlayerRoster* roster_;
    HWND target_ = nullptr;
    std::string title_;
    uint32_t rosterCookie_ = 0;
    PlayerRecord* player_ = nullptr;
    uint32_t playerCookie_ = 0;
};
