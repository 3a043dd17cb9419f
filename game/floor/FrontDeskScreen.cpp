#include "FrontDeskScreen.h"

#include "CreditSheet.h"
#include "PlayerDate.h"
#include "Quor2_5.h"
#include "RosterCheck.h"
#include "ScreenNumbers.h"
#include "ThreadSyncToken.h"

namespace {
using namespace frontdesk;

const int32_t kNewPlayerCash = 1000000;

POINT At(int32_t x, int32_t y) { return POINT{ScreenX(x), ScreenY(y)}; }

std::vector<GlyphRecord> MakeGlyphs() {
    std::vector<GlyphRecord> glyphs;
    for (int32_t i = 0; i < kGlyphs; ++i) {
        const GlyphSource s = GlyphSourceOf(i);
        const int32_t baseline = s.baseY - s.top;
        glyphs.push_back(GlyphRecord{32 + i, s.left, s.top, s.right, s.bottom, s.penX - s.left, baseline,
                                     s.rightPenX - s.penX + 1, baseline, (s.bottom - s.top) - baseline});
    }
    return glyphs;
}

template <class Owner>
class MemberAction : public ElementAction {
public:
    MemberAction(Owner* owner, void (Owner::*member)()) : owner_(owner), member_(member) {}
    void Invoke(FaceElement&) override { (owner_->*member_)(); }

private:
    Owner* owner_;
    void (Owner::*member_)();
};

class BoxAction : public ElementAction {
public:
    BoxAction(FrontDeskScreen* screen, int32_t row) : screen_(screen), row_(row) {}
    void Invoke(FaceElement&) override { screen_->OnCheckBox(row_); }

private:
    FrontDeskScreen* screen_;
    int32_t row_;
};

class GoToLobby : public ElementAction {
public:
    explicit GoToLobby(Screen* screen) : screen_(screen) {}
    void Invoke(FaceElement&) override { screen_->GoToScreen(kLobbyScreenNumber); }

private:
    Screen* screen_;
};
}  // namespace

FrontDeskScreen::FrontDeskScreen(int32_t number, PlayerRoster* roster)
    : Screen(number), roster_(roster ? *roster : PlayerRoster::Instance()), rows_(kRows), boxes_(kRows),
      glyphs_(MakeGlyphs()) {}

FrontDeskScreen::~FrontDeskScreen() {
    for (PlayerRow& row : rows_) {
        RemoveElement(&row, true);
        RemoveElement(&row.GetDate(), true);
        RemoveElement(&row.GetCash(), true);
    }
    for (SpriteCheckBox& box : boxes_) RemoveElement(&box, true);
    for (SpriteButton* b : {&exit_, &credit_, &delete_}) RemoveElement(b, true);
    {
        ThreadSyncToken token;
        rows_.clear();
        boxes_.clear();
        font_.reset();
        EditField::DeleteCaretSprite();
    }
    for (HQUOREFFECT effect : {ink_, refusedInk_})
        if (effect) ReleaseEffect(effect);
    if (assetFileOpen_) {
        for (uint32_t i = kFirstLoaded; i <= kLastLoaded; ++i) UnloadAsset(Asset(i));
        CloseAssetFile(assetFile_);
    }
}

bool FrontDeskScreen::CreateBackdrop(const RECT&) {
    const int32_t file = OpenAssetFile("fdassets.ast");
    if (file == -1) return false;
    assetFile_ = uint32_t(file);
    assetFileOpen_ = true;
    return SelectBackdrop(stage_.stage, Asset(kBackdrop)) != 0;
}

bool FrontDeskScreen::Build() {
    for (uint32_t i = kFirstLoaded; i <= kLastLoaded; ++i) LoadAsset(Asset(i), 1);
    ThreadSyncToken token;
    if (!exit_.Create(stage_, Asset(kExitSprite), At(30, 340), SIZE{kButtonWidth, kButtonHeight})) return false;
    exit_.SetAction(new GoToLobby(this));
    AddElement(&exit_, true);
    font_.reset(new SpriteFont(stage_, Asset(kFontSprite), glyphs_.data(), uint32_t(glyphs_.size())));
    ink_ = FadeToColorEffect(RGB(0, 0, 128));
    refusedInk_ = FadeToColorEffect(RGB(200, 0, 0));
    int32_t active = -1;
    for (int32_t r = 0; r < kRows; ++r) {
        if (!BuildRow(r, ink_)) return false;
        if (rows_[size_t(r)].GetRecord()->IsActive()) active = r;
    }
    if (active < 0) {
        active = 0;
        roster_.GetRecord(0).SetActive(true);
    }
    MakeCurrent(active);
    boxes_[size_t(active)].Check();
    built_ = true;
    credit_.Create(stage_, Asset(kCreditSprite), At(36, 300), SIZE{kButtonWidth, kButtonHeight});
    credit_.SetAction(new MemberAction<FrontDeskScreen>(this, &FrontDeskScreen::ShowCredit));
    delete_.Create(stage_, Asset(kDeleteSprite), At(39, 260), SIZE{kButtonWidth, kButtonHeight});
    delete_.SetAction(new MemberAction<FrontDeskScreen>(this, &FrontDeskScreen::ConfirmDelete));
    AddElement(&credit_, true);
    AddElement(&delete_, true);
    selected_ = active;
    EnableRecordButtons(rows_[size_t(active)].InUse());
    return true;
}

bool FrontDeskScreen::BuildRow(int32_t r, HQUOREFFECT effect) {
    PlayerRow& row = rows_[size_t(r)];
    SpriteCheckBox& box = boxes_[size_t(r)];
    PlayerRecord& record = roster_.GetRecord(r);
    row.Setup(r, &record, [this](int32_t i) { OnRowCommand(i); }, [this](int32_t i) { Select(i); });
    row.SetLeaveHandler([this](int32_t i) { OnRowLeft(i); });
    row.SetInks(effect, refusedInk_);
    // The name, cash and date labels share the name's line; the box stands left of the name,
    // centred on it.
    const POINT sprite = At(117, kY1[r] - 29);
    const POINT boxAt = {sprite.x - kCheckSize - kCheckGap, sprite.y + (kLabelHeight - kCheckSize) / 2};
    if (!box.Create(stage_, Asset(kCheckSprite), boxAt, 10)) return false;
    box.SetState(record.GetDate() != 0 ? 1 : 0);
    box.SetAction(new BoxAction(this, r));
    AddElement(&box, true);
    // Each row joins the ring after the one above it: Down and Tab go to the next row.
    if (!row.Create(r ? &rows_[size_t(r - 1)] : nullptr, kNameColumn, sprite.y, kNameColumn + kNameWidth, sprite.y + kLabelHeight,
                    stage_,
                    font_.get(), Asset(NameSprite(r)), Asset(kCaretSprite), sprite.x, sprite.y, kNameLength, effect))
        return false;
    if (!row.CreateLabels(stage_, font_.get(), Asset(DateSprite(r)), POINT{kDateColumn, sprite.y},
                          Asset(CashSprite(r)), POINT{kCashColumn, sprite.y}, effect))
        return false;
    row.Fill();
    AddElement(&row, true);
    return true;
}

int FrontDeskScreen::GetMenuId() { return kFrontDeskMenuId; }

bool FrontDeskScreen::OnEnter() {
    if (selected_ >= 0) {
        SetFocus(view_);
        AddKeyElement(&rows_[size_t(selected_)]);
        rows_[size_t(selected_)].Focus();
    }
    return true;
}

void FrontDeskScreen::MakeCurrent(int32_t row) { roster_.SetCurrentIndex(row); }

// The box took the keyboard, and the press on the button that raised it took the rows'
// focus: the player types on where the caret shows.
void FrontDeskScreen::FocusSelectedRow() {
    if (selected_ < 0) return;
    SetFocus(view_);
    AddKeyElement(&rows_[size_t(selected_)]);
}

void FrontDeskScreen::EnableRecordButtons(bool inUse) {
    credit_.SetState(inUse ? 1 : 0);
    delete_.SetState(inUse ? 1 : 0);
}

void FrontDeskScreen::Select(int32_t row) {
    selected_ = row;
    EnableRecordButtons(rows_[size_t(row)].InUse());
}

int32_t FrontDeskScreen::Ask(const char* text, const char* caption, UINT flags) {
    return MessageBoxA(view_ ? view_->GetHandle() : nullptr, text, caption, flags);
}

void FrontDeskScreen::OnCheckBox(int32_t row) {
    if (!boxes_[size_t(row)].IsChecked()) return;
    for (int32_t r = 0; r < kRows; ++r) {
        if (r == row) continue;
        boxes_[size_t(r)].Uncheck();
        roster_.GetRecord(r).SetActive(false);
    }
    roster_.GetRecord(row).SetActive(true);
    AddKeyElement(&rows_[size_t(row)]);
    Select(row);
    MakeCurrent(row);
}

// A deleted player leaves nothing behind: no cash, no credit, no date, not active; the
// roster stores it at once.
void FrontDeskScreen::ClearRecord(int32_t row) { roster_.DeletePlayer(row); }

// A name erased while typing is a name being changed: the player stays, with the name the
// row kept, until the field is left empty (OnRowLeft). A player's new name is the record's
// at once, and a new player is the current one at once, so that the main window's caption
// follows the rows.
void FrontDeskScreen::OnRowCommand(int32_t r) {
    if (busy_) return;
    PlayerRow& row = rows_[size_t(r)];
    SpriteCheckBox& box = boxes_[size_t(r)];
    PlayerRecord& record = roster_.GetRecord(r);
    if (row.InUse()) roster_.Rename(r, row.GetTextString().empty() ? row.GetKeptName() : row.GetTextString());
    if (row.GetTextString().empty() || box.IsEnabled()) return;
    box.SetState(1);
    box.Check();
    for (int32_t other = 0; other < kRows; ++other)
        if (other != r) boxes_[size_t(other)].Uncheck();
    if (!row.InUse()) {
        record.SetName(row.GetTextString());
        record.SetDate(TodayAsPlayerDate());
        record.SetCash(Money(kNewPlayerCash));
        roster_.Repay(r, record.GetCredit());
        roster_.Save(r);
    }
    OnCheckBox(r);
}

void FrontDeskScreen::OnRowLeft(int32_t r) {
    PlayerRow& row = rows_[size_t(r)];
    if (busy_ || !row.InUse() || !row.GetTextString().empty()) return;
    busy_ = true;
    const bool clear = Ask("Do you want to clear the player entry?", "Delete Player Query",
                           MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK;
    if (clear) ClearPlayer(r);
    else row.Fill();
    busy_ = false;
}

void FrontDeskScreen::ClearPlayer(int32_t r) {
    rows_[size_t(r)].ClearRow();
    boxes_[size_t(r)].Uncheck();
    boxes_[size_t(r)].SetState(0);
    ClearRecord(r);
    if (r == selected_) EnableRecordButtons(false);
}

void FrontDeskScreen::ConfirmDelete() {
    if (selected_ < 0 || !rows_[size_t(selected_)].InUse()) return;
    const int32_t r = selected_;
    PlayerRow& row = rows_[size_t(r)];
    const std::string name = row.GetTextString();
    const DWORD_PTR inserts[1] = {DWORD_PTR(name.c_str())};
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                   "Are you sure you want to delete %1", 0, 0, reinterpret_cast<char*>(&text), 0,
                   reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(inserts)));
    const int answer = Ask(text ? text : "", "Delete Player", MB_OKCANCEL | MB_ICONQUESTION);
    if (text) LocalFree(text);
    FocusSelectedRow();
    if (answer != IDOK) return;
    busy_ = true;
    ClearPlayer(r);
    busy_ = false;
}

void FrontDeskScreen::ShowCredit() {
    if (selected_ < 0 || !rows_[size_t(selected_)].InUse()) return;
    ShowCreditSheet(view_, roster_, selected_);
}

bool FrontDeskScreen::CanEnd() {
    if (!built_) return false;
    if (!Validate()) {
        FocusSelectedRow();  // a box said why
        return false;
    }
    for (int32_t slot = 0; slot < kRows; ++slot) roster_.Save(slot);
    return true;
}

bool FrontDeskScreen::Validate() {
    std::vector<RosterRow> rows;
    for (int32_t r = 0; r < kRows; ++r) {
        PlayerRecord& record = roster_.GetRecord(r);
        if (record.GetDate() != 0) {
            rows_[size_t(r)].KeepName();
            record.SetName(rows_[size_t(r)].GetTextString());
            record.SetActive(boxes_[size_t(r)].IsChecked());
        }
        rows.push_back(RosterRow{record.GetDate() != 0, record.IsActive(), record.GetFullName()});
    }
    const RosterResult result = CheckRoster(rows);
    return ApplyVerdict(int32_t(result.verdict), result.row);
}

bool FrontDeskScreen::ApplyVerdict(int32_t verdict, int32_t row) {
    switch (RosterVerdict(verdict)) {
    case RosterVerdict::kNoPlayers: {
        if (Ask("You haven't entered your name (or the names of any other players).\nDo you want me to create a "
                "player named \"Player 1\"?",
                "There are no players.", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return false;
        // A player in use: it has a date, so it is saved as one and plays at once.
        PlayerRecord& first = roster_.GetRecord(0);
        first.SetName("Player 1");
        first.SetDate(TodayAsPlayerDate());
        first.SetCash(Money(kNewPlayerCash));
        first.SetCredit(Money(0));
        first.SetActive(true);
        MakeCurrent(0);
        return true;
    }
    case RosterVerdict::kChooseActive:
        Ask("You must select one active player by clicking\n(or hitting the space bar) over the checkboxes\nto the "
            "left of the names.",
            "Which player should be active?", MB_OK | MB_ICONEXCLAMATION);
        return false;
    case RosterVerdict::kUnnamed:
        Ask("You have an unnamed player.\nEither type a name in for it or delete it.", "Unnamed player",
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    case RosterVerdict::kDuplicate:
        Ask("There are two players with identical names.\nChange or delete one of the names.", "Duplicate player name",
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    case RosterVerdict::kReactivate:
        Ask("You've deactivated your player, I'll \nreactivate it so you can play.\nThe check box to the left of the "
            "player's\nnames activates (and deactivates) players,\nso that you can save nine players even\nthough only "
            "one can play at any time.",
            "Activate the players", MB_OK | MB_ICONEXCLAMATION);
        roster_.GetRecord(row).SetActive(true);
        boxes_[size_t(row)].Check();
        break;
    case RosterVerdict::kPass:
        break;
    }
    MakeCurrent(row);
    return true;
}
