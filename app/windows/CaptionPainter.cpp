#include "CaptionPainter.h"

#include "FormatMoney.h"
#include "PlayerRoster.h"
#include "Window.h"

namespace {
CaptionPainter* painter = nullptr;
}

CaptionPainter* GetCaptionPainter() { return painter; }
void SetCaptionPainter(CaptionPainter* p) { painter = p; }

CaptionPainter::~CaptionPainter() { StopListening(); }

PlayerRoster& CaptionPainter::Roster() {
    if (!roster_) roster_ = &PlayerRoster::Instance();
    return *roster_;
}

void CaptionPainter::SetTarget(Window* window) { SetTargetHandle(window ? window->GetHandle() : nullptr); }

void CaptionPainter::SetTargetHandle(HWND window) {
    target_ = window;
    Paint(true);
}

void CaptionPainter::SetActive(bool active) {
    if (active == IsActive()) return;
    active_ = active ? 1 : 0;
    if (active) Listen();
    else StopListening();
    Paint(windowActive_);
}

void CaptionPainter::Listen() {
    rosterCookie_ = Roster().Listeners().Add(this, &CaptionPainter::OnPlayerChanged);
    ListenToCurrentPlayer();
}

void CaptionPainter::StopListening() {
    if (player_) player_->Listeners().Remove(playerCookie_);
    player_ = nullptr;
    playerCookie_ = 0;
    if (roster_ && rosterCookie_) roster_->Listeners().Remove(rosterCookie_);
    rosterCookie_ = 0;
}

void CaptionPainter::ListenToCurrentPlayer() {
    if (player_) player_->Listeners().Remove(playerCookie_);
    const int current = Roster().GetCurrentIndex();
    player_ = current >= 0 && current < PlayerRoster::kPlayers ? &Roster().GetRecord(current) : nullptr;
    playerCookie_ = player_ ? player_->Listeners().Add(this, &CaptionPainter::OnMoneyChanged) : 0;
}

void CaptionPainter::OnPlayerChanged(const int32_t*) {
    ListenToCurrentPlayer();
    Paint(windowActive_);
}

void CaptionPainter::OnMoneyChanged(const int32_t*) { Paint(windowActive_); }

std::string CaptionPainter::ComposeText(const std::string& fullName, int32_t cashCents) {
    std::string name = fullName;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name + " : " + FormatMoney(cashCents, true);
}

void CaptionPainter::ReadMetrics() {
    menuColour_ = GetSysColor(COLOR_MENU);
    menuTextColour_ = GetSysColor(COLOR_MENUTEXT);
    smallCaptionHeight_ = GetSystemMetrics(SM_CYSMCAPTION);
    menuHeight_ = GetSystemMetrics(SM_CYMENU);
    dialogFrameHeight_ = GetSystemMetrics(SM_CYDLGFRAME);
    textRect_ = RECT{380, dialogFrameHeight_, 580, smallCaptionHeight_};
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(menuColour_);
    GetWindowRect(target_, &windowRect_);
}

void CaptionPainter::Paint(bool active) {
    windowActive_ = active;
    if (!target_ || !IsWindow(target_)) return;
    HDC dc = GetWindowDC(target_);
    if (!dc) return;
    ReadMetrics();
    if (!active_) {
        FillRect(dc, &textRect_, brush_);
        painted_.clear();
    } else {
        PaintText(dc, active);
    }
    DeleteObject(brush_);
    brush_ = nullptr;
    ReleaseDC(target_, dc);
}

void CaptionPainter::PaintText(HDC dc, bool active) {
    PlayerRoster& roster = Roster();
    const std::string text = ComposeText(roster.GetFullName(), roster.GetCash().Cents());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldBack = SetBkColor(dc, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    ExtTextOutA(dc, 380, 4, ETO_OPAQUE, &textRect_, text.c_str(), UINT(text.size()), nullptr);
    SelectObject(dc, oldFont);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    SetBkMode(dc, oldMode);
    painted_ = text;
}
