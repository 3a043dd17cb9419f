// The Front Desk on the display for a screenshot, with the players of the test prefix and
// a long name typed into the fourth row. It writes the file named first once frames have been
// shown (the pane's origin on the display and the fourth row), and ends after the
// milliseconds given second. With "apply" third, no name is typed, player 1 owes $251.25,
// and the credit sheet, moved down off the first rows, stays open after Repay "1" and Apply;
// the ready file then names the first row's cash too.
#include <windows.h>

#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "Application.h"
#include "CreditIds.h"
#include "DialogDriver.h"
#include "FloorTestSupport.h"
#include "FrameListeners.h"
#include "FrontDeskScreen.h"
#include "TestScreens.h"

namespace {
// Repay "1" and Apply on the open sheet, then the ready file; the sheet closes at the end.
void ApplyOnSheet(const char* readyFile, DWORD lifetime, const std::function<std::string()>& readyLine) {
    HWND sheet = WaitForDialog("Vellmoor(tm) Credit");
    if (!sheet) return;
    // Moved off the first rows, as a player drags it.
    SetWindowPos(sheet, nullptr, 230, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = HWND(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SetDlgItemTextA(page, IDC_REPAY_DOLLARS, "1");
    PressButton(sheet, 0x3021);  // Apply
    Sleep(1500);
    if (FILE* f = std::fopen(readyFile, "w")) {
        std::fprintf(f, "%s\n", readyLine().c_str());
        std::fclose(f);
    }
    Sleep(lifetime);
    PressButton(sheet, IDCANCEL);
    WakeSheetLoop(sheet);
}
}  // namespace

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(std::atoi(argv[2])) : 6000;
    MoveToTestProgramFolder();
    std::unique_ptr<HostFrame> frame = MakeHostFrame(RECT{0, 0, 794, 556});
    SetMainWindow(frame.get());
    PlayerRoster roster;
    roster.GetRecord(3).SetDate(0);
    const bool apply = argc > 3 && std::string(argv[3]) == "apply" && readyFile;
    if (apply) {
        for (int slot = 0; slot < PlayerRoster::kPlayers; ++slot) roster.GetRecord(slot).SetActive(slot == 0);
        roster.GetRecord(0).Clear();
        roster.GetRecord(0).SetName("Player 1");
        roster.GetRecord(0).SetDate(roster.GetRecord(1).GetDate());
        roster.GetRecord(0).SetActive(true);
        roster.GetRecord(0).SetCash(Money(1000000));
        roster.Borrow(0, Money(25125));
    }
    auto* desk = new FrontDeskScreen(2, &roster);
    auto pane = std::make_unique<TvPane>(frame.get(), desk);
    pane->InstallScreen();
    if (pane->GetHost().GetScreen() != desk) return 1;
    if (!apply) {
        desk->AddKeyElement(&desk->GetRow(3));
        for (char c : std::string("Margaret Thistlewood-Smith")) SendMessageA(pane->GetHandle(), WM_CHAR, WPARAM(c), 1);
    }
    auto report = [&] {
        POINT origin = {0, 0};
        ClientToScreen(pane->GetHandle(), &origin);
        return "origin " + std::to_string(origin.x) + " " + std::to_string(origin.y) + "\nrow 3 '" + desk->GetRow(3).GetTextString() + "' cash '" + desk->GetRow(3).GetCash().GetTextString() +
               "' current " + std::to_string(roster.GetCurrentIndex()) + "\nrow 0 cash '" +
               desk->GetRow(0).GetCash().GetTextString() + "'";
    };
    if (apply) {
        std::thread driver(ApplyOnSheet, readyFile, lifetime, report);
        // The Credit button clicked, as the player does.
        const LPARAM at = MAKELPARAM(71, 414);
        PostMessageA(pane->GetHandle(), WM_MOUSEMOVE, 0, at);
        PostMessageA(pane->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(pane->GetHandle(), WM_LBUTTONUP, 0, at);
        RunDemo(500, nullptr, [] { return std::string(); });
        driver.join();
    } else {
        RunDemo(lifetime, readyFile, report);
    }
    pane.reset();
    SetMainWindow(nullptr);
    return 0;
}
