#include "CreditSheet.h"

#include <algorithm>

#include "CreditIds.h"
#include "FormatMoney.h"
#include "PropertySheet.h"

namespace {
// The edits take no more characters than this, and are read whole.
const int kMaxTyped = 20;
const char kNotAmount[] = "Type digits, and the cents after a point: 500.75 is $500.75.";

// The sheet over the middle of the window that owns it, inside the work area.
void CentreOnOwner(HWND sheet) {
    HWND owner = sheet ? GetWindow(sheet, GW_OWNER) : nullptr;
    RECT around = {}, placed = {}, work = {};
    if (!owner || !GetWindowRect(owner, &around) || !GetWindowRect(sheet, &placed)) return;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG width = placed.right - placed.left, height = placed.bottom - placed.top;
    LONG x = (around.left + around.right - width) / 2, y = (around.top + around.bottom - height) / 2;
    x = std::max(work.left, std::min(x, work.right - width));
    y = std::max(work.top, std::min(y, work.bottom - height));
    SetWindowPos(sheet, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

CreditPage::CreditPage(const char* templateName, int32_t index, PlayerRoster& roster, int slot,
                       CreditSheetState& state)
    : PropertyPage(templateName), roster_(roster), slot_(slot), state_(state), index_(index) {}

int CreditPage::OnCreate() {
    BindCommand(EditId(), this, &CreditPage::OnEditCommand);
    SendItemMessage(EditId(), EM_LIMITTEXT, kMaxTyped, 0);
    if (!state_.placed) CentreOnOwner(GetParent(GetHandle()));
    state_.placed = true;
    Fill();
    return 1;
}

int CreditPage::OnSetActive(PropertySheet*) {
    if (state_.changed && state_.lastActive != index_) {
        Fill();
        state_.changed = false;
    }
    state_.lastActive = index_;
    return 0;
}

int CreditPage::OnApply(PropertySheet*) {
    if (state_.lastActive != index_) return PSNRET_NOERROR;
    // What a booking filled in is an offer, not an order: it waits for the player's amount.
    if (state_.booked && !typed_) return PSNRET_NOERROR;
    const std::string typed = GetItemText(EditId(), kMaxTyped + 1);
    int64_t cents = 0;
    const TypedAmount amount = ParseAmount(typed, &cents);
    if (amount == TypedAmount::kNotAmount) {
        // Nothing is booked from a guess: the sheet stays open with the text as typed.
        MessageBoxA(GetHandle(), ("\"" + typed + "\" is not an amount of money.\n" + kNotAmount).c_str(),
                    "Not an amount", MB_OK | MB_ICONEXCLAMATION);
        return PSNRET_INVALID_NOCHANGEPAGE;
    }
    if (amount == TypedAmount::kAmount) {
        Book(cents);
        state_.booked = true;
    }
    Fill();
    state_.changed = true;
    return PSNRET_NOERROR;
}

void CreditPage::OnEditCommand(int, int code) {
    if (code != EN_CHANGE || filling_) return;
    const bool offer = offersPosted_ > 0;
    if (offer) --offersPosted_;
    const std::string text = GetItemText(EditId(), kMaxTyped + 1);
    int64_t cents = 0;
    const TypedAmount typed = ParseAmount(text, &cents);
    if (typed == TypedAmount::kAmount && Allowed(cents) != cents) {
        KeepShown(text);
        MessageBeep(MB_ICONEXCLAMATION);
        SetItemText(HintId(), LimitHint());
        return;
    }
    shown_ = text;
    if (!offer) typed_ = true;
    ShowHint(typed);
    if (typed == TypedAmount::kAmount) SetChanged();
}

void CreditPage::ShowHint(TypedAmount typed) {
    if (typed == TypedAmount::kNotAmount) MessageBeep(MB_ICONEXCLAMATION);
    SetItemText(HintId(), typed == TypedAmount::kNotAmount ? kNotAmount
                          : typed == TypedAmount::kEmpty   ? EmptyHint()
                                                           : Hint());
}

// The edit has taken the key already: its caret stands after what came in, and the text
// after the caret is the text that stood after the old caret or selection. What came in is
// taken out again; the old selection ends where that text begins and starts no later than
// the first character that differs.
void CreditPage::KeepShown(const std::string& typed) {
    DWORD start = 0, end = 0;
    SendItemMessage(EditId(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    const size_t after = typed.size() - std::min<size_t>(end, typed.size());
    const size_t oldEnd = shown_.size() - std::min(after, shown_.size());
    size_t same = 0;
    while (same < shown_.size() && same < typed.size() && shown_[same] == typed[same]) ++same;
    filling_ = true;
    SetItemText(EditId(), shown_);
    filling_ = false;
    SendItemMessage(EditId(), EM_SETSEL, WPARAM(std::min(same, oldEnd)), LPARAM(oldEnd));
}

// The amount as money ("$0" for nothing), the offer to the cent in the edit, which is
// enabled only when there is something to book. Before any booking the page starts changed,
// so that OK books the offer; after one the offer waits for the player to type.
void CreditPage::ShowOffer(int textId, int32_t cents, int32_t offer) {
    SetItemText(textId, FormatMoney(cents, true));
    shown_ = AmountText(std::max(0, offer));
    filling_ = true;
    SetItemText(EditId(), shown_);
    filling_ = false;
    typed_ = false;
    SetItemText(HintId(), cents <= 0 || offer <= 0 ? NothingHint() : state_.booked ? BookedHint() : Hint());
    if (cents > 0) {
        EnableItem(EditId());
        if (!state_.booked) {
            ++offersPosted_;
            PostMessage(WM_COMMAND, MAKEWPARAM(EditId(), EN_CHANGE), LPARAM(GetDlgItem(GetHandle(), EditId())));
        }
    } else {
        SetItemText(textId, "$0");
        DisableItem(EditId());
    }
}

BorrowPage::BorrowPage(PlayerRoster& roster, int slot, CreditSheetState& state)
    : CreditPage("PROPPAGE_BORROW", 0, roster, slot, state) {}

int BorrowPage::EditId() const { return IDC_BORROW_DOLLARS; }
int BorrowPage::HintId() const { return IDC_BORROW_HINT; }
const char* BorrowPage::Hint() const { return "Press Apply or OK to take the money."; }
const char* BorrowPage::BookedHint() const { return "Type an amount to take more."; }
const char* BorrowPage::EmptyHint() const { return "Type the dollars to borrow."; }
const char* BorrowPage::NothingHint() const { return "You have borrowed all the credit there is: repay some first."; }

std::string BorrowPage::LimitHint() const {
    return "You can borrow at most " + FormatMoney(AvailableCredit(Record().GetCredit().Cents()), true) + ".";
}

void BorrowPage::Fill() {
    const int32_t available = AvailableCredit(Record().GetCredit().Cents());
    ShowOffer(IDC_BORROW_AVAILABLE, available, available);
}

int64_t BorrowPage::Allowed(int64_t cents) const {
    return ClampBorrowCents(cents, AvailableCredit(Record().GetCredit().Cents()));
}

void BorrowPage::Book(int64_t cents) {
    const int32_t amount = BorrowAmount(cents, AvailableCredit(Record().GetCredit().Cents()));
    if (amount > 0) roster_.Borrow(slot_, Money(amount));
}

RepayPage::RepayPage(PlayerRoster& roster, int slot, CreditSheetState& state)
    : CreditPage("PROPPAGE_REPAY", 1, roster, slot, state) {}

int RepayPage::EditId() const { return IDC_REPAY_DOLLARS; }
int RepayPage::HintId() const { return IDC_REPAY_HINT; }
const char* RepayPage::Hint() const { return "Press Apply or OK to pay the money back."; }
const char* RepayPage::BookedHint() const { return "Type an amount to pay more back."; }
const char* RepayPage::EmptyHint() const { return "Type the dollars to repay."; }

// Nothing owed, or no cash to pay with.
const char* RepayPage::NothingHint() const {
    return Record().GetCredit().Cents() > 0 ? "You have no cash to pay back with." : "You owe nothing.";
}

std::string RepayPage::LimitHint() const {
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    return "You can repay at most " + (repayable > 0 ? FormatMoney(repayable, true) : std::string("$0")) +
           (repayable < Record().GetCredit().Cents() ? ", the cash you have." : ", what you owe.");
}

void RepayPage::Fill() {
    const int32_t owed = std::max(0, Record().GetCredit().Cents());
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    ShowOffer(IDC_REPAY_OWED, owed, repayable);
}

int64_t RepayPage::Allowed(int64_t cents) const {
    return ClampRepayCents(cents, RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents()));
}

void RepayPage::Book(int64_t cents) {
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    const int32_t amount = RepayAmount(cents, repayable);
    if (amount > 0) roster_.Repay(slot_, Money(amount));
}

void ShowCreditSheet(Window* parent, PlayerRoster& roster, int slot) {
    CreditSheetState state;
    BorrowPage borrow(roster, slot, state);
    RepayPage repay(roster, slot, state);
    PropertySheet sheet(parent, "Vellmoor(tm) Credit");
    sheet.AddPage(&borrow);
    sheet.AddPage(&repay);
    sheet.Show(roster.GetRecord(slot).GetCredit().Cents() >= kCreditLimit ? 1 : 0);
}
