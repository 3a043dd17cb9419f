// The Front Desk (screen 2): the nine players of the roster, each a row with a check box
// that makes it the active player, its name field, the day it was entered and its cash;
// Credit opens the credit sheet for the selected player, Delete clears it, and the exit
// button goes to the lobby once the roster passes its checks. Every player is saved when
// the Front Desk ends.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "FrontDeskLayout.h"
#include "PlayerRoster.h"
#include "PlayerRow.h"
#include "Screen.h"
#include "SpriteButton.h"
#include "SpriteCheckBox.h"
#include "SpriteFont.h"

class FrontDeskScreen : public Screen {
public:
    explicit FrontDeskScreen(int32_t number = 2, PlayerRoster* roster = nullptr);
    ~FrontDeskScreen() override;

    bool CreateBackdrop(const RECT& area) override;
    bool Build() override;
    int GetMenuId() override;
    bool CanEnd() override;
    bool OnEnter() override;

    void OnCheckBox(int32_t row);
    void OnRowCommand(int32_t row);
    // A player's name left empty: asked whether to clear the player, else named again.
    void OnRowLeft(int32_t row);
    void ConfirmDelete();
    void ShowCredit();
    // The roster checks; true when the Front Desk may be left.
    bool Validate();

    PlayerRow& GetRow(int32_t row) { return rows_[size_t(row)]; }
    SpriteCheckBox& GetBox(int32_t row) { return boxes_[size_t(row)]; }
    SpriteButton& GetCreditButton() { return credit_; }
    SpriteButton& GetDeleteButton() { return delete_; }
    SpriteButton& GetExitButton() { return exit_; }
    int32_t GetSelectedRow() const { return selected_; }

    static Screen* Make(int32_t number) { return new FrontDeskScreen(number); }

private:
    uint32_t Asset(uint32_t index) const { return assetFile_ | index; }
    bool BuildRow(int32_t r, HQUOREFFECT effect);
    void EnableRecordButtons(bool inUse);
    void Select(int32_t row);
    int32_t Ask(const char* text, const char* caption, UINT flags);
    void ClearRecord(int32_t row);
    void ClearPlayer(int32_t row);
    void MakeCurrent(int32_t row);
    // After a box: the keyboard, and the rows' focus, back on the row the player was on.
    void FocusSelectedRow();
    bool ApplyVerdict(int32_t verdict, int32_t row);

    PlayerRoster& roster_;
    uint32_t assetFile_ = 0;
    bool assetFileOpen_ = false;
    std::vector<PlayerRow> rows_;
    std::vector<SpriteCheckBox> boxes_;
    std::vector<GlyphRecord> glyphs_;
    std::unique_ptr<SpriteFont> font_;
    SpriteButton exit_, credit_, delete_;
    HQUOREFFECT ink_ = nullptr;         // the rows' ink
    HQUOREFFECT refusedInk_ = nullptr;  // a name that refused a character
    bool built_ = false;
    bool busy_ = false;
    int32_t selected_ = -1;
};
