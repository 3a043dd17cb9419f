#include "FaceNotices.h"

#include "GeneralSettings.h"
#include "SoundSystem.h"

void FaceNotices::CashChanged() {
    // The caption of the main window shows the cash: its frame is drawn again.
    if (HWND top = owner_ ? GetAncestor(owner_, GA_ROOTOWNER) : nullptr)
        RedrawWindow(top, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void FaceNotices::InsufficientFunds(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), "Insufficient Funds", MB_OK | MB_ICONINFORMATION);
}

void FaceNotices::AmountRefused(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), "Vellmoor Slots", MB_OK | MB_ICONEXCLAMATION);
}

void FaceNotices::PayoutScriptletError(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), "Viradu", MB_OK | MB_ICONEXCLAMATION);
}

void FaceNotices::StaysOpen(const std::string& caption, const std::string& text) {
    MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

void FaceNotices::CoinDropped() {
    if (coinSound_ && GetSoundEffectsSetting().Get()) GetSoundSystem().PlayAssetSound(coinSound_, 0, 0, 0, 0);
}
