#include "PlayerTitle.h"

#include <vector>

#include "CaptionPainter.h"
#include "PlayerRoster.h"

PlayerTitle::~PlayerTitle() { StopListening(); }

PlayerRoster& PlayerTitle::Roster() const {
    if (!roster_) roster_ = &PlayerRoster::Instance();
    return *roster_;
}

void PlayerTitle::SetTarget(HWND window) {
    StopListening();
    target_ = window;
    if (!target_) return;
    std::vector<char> text(size_t(GetWindowTextLengthA(target_)) + 2, '\0');
    GetWindowTextA(target_, text.data(), int(text.size()));
    title_ = text.data();
    rosterCookie_ = Roster().Listeners().Add(this, &PlayerTitle::OnPlayerChanged);
    ListenToCurrentPlayer();
    Write();
}

LRESULT PlayerTitle::SetTitle(const char* title) {
    title_ = title ? title : "";
    return Write();
}

std::string PlayerTitle::ComposeText(const std::string& title, bool playing, const std::string& fullName,
                                     int32_t cashCents) {
    if (!playing) return title;
    return title + " - " + CaptionPainter::ComposeText(fullName, cashCents);
}

std::string PlayerTitle::Compose() const {
    PlayerRoster& roster = Roster();
    const int current = roster.GetCurrentIndex();
    const bool playing = current >= 0 && current < PlayerRoster::kPlayers;
    return ComposeText(title_, playing, playing ? roster.GetFullName() : std::string(),
                       playing ? roster.GetCash().Cents() : 0);
}

// Through the default handling, so that the window's own WM_SETTEXT handler is not asked again.
LRESULT PlayerTitle::Write() {
    if (!target_ || !IsWindow(target_)) return FALSE;
    const std::string text = Compose();
    return DefWindowProcA(target_, WM_SETTEXT, 0, LPARAM(text.c_str()));
}

void PlayerTitle::ListenToCurrentPlayer() {
    if (player_) player_->Listeners().Remove(playerCookie_);
    const int current = Roster().GetCurrentIndex();
    player_ = current >= 0 && current < PlayerRoster::kPlayers ? &Roster().GetRecord(current) : nullptr;
    playerCookie_ = player_ ? player_->Listeners().Add(this, &PlayerTitle::OnMoneyChanged) : 0;
}

void PlayerTitle::StopListening() {
    if (player_) player_->Listeners().Remove(playerCookie_);
    player_ = nullptr;
    playerCookie_ = 0;
    if (roster_ && rosterCookie_) roster_->Listeners().Remove(rosterCookie_);
    rosterCookie_ = 0;
}

void PlayerTitle::OnPlayerChanged(const int32_t*) {
    ListenToCurrentPlayer();
    Write();
}
