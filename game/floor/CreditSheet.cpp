#include "CreditSheet.h"

#include "CreditIds.h"
#include "CreditRules.h"
#include "FormatMoney.h"
#include "PropertySheet.h"

namespace {
const int kMaxTyped = 20;
}

CreditPage::CreditPage(const char* templateName, int32_t index, PlayerRoster& roster, int slot,
                       CreditSheetState& state)
    : PropertyPage(templateName), roster_(roster), slot_(slot), state_(state), index_(index) {}

int CreditPage::OnCreate() {
    BindCommand(EditId(), this, &CreditPage::OnEditCommand);
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
    uint32_t dollars = 0;
    if (ParseDollars(GetItemText(EditId(), kMaxTyped), &dollars)) Book(dollars);
    Fill();
    state_.changed = true;
    return PSNRET_NOERROR;
}

void CreditPage::OnEditCommand(int, int code) {
    if (code != EN_CHANGE) return;
    uint32_t dollars = 0;
    if (!ParseDollars(GetItemText(EditId(), kMaxTyped), &dollars)) return;
    Clamp(dollars);
    SetChanged();
}

// The amount as money ("$0" for nothing), the dollars in the edit, which is enabled only
// when there is something to book.
void CreditPage::ShowOffer(int textId, int32_t cents, uint32_t dollars) {
    SetItemText(textId, FormatMoney(cents, true));
    SetItemText(EditId(), std::to_string(dollars));
    if (cents > 0) {
        EnableItem(EditId());
        PostMessage(WM_COMMAND, MAKEWPARAM(EditId(), EN_CHANGE), LPARAM(GetDlgItem(GetHandle(), EditId())));
    } else {
        SetItemText(textId, "$0");
        DisableItem(EditId());
    }
}

BorrowPage::BorrowPage(PlayerRoster& roster, int slot, CreditSheetState& state)
    : CreditPage("PROPPAGE_BORROW", 0, roster, slot, state) {}

int BorrowPage::EditId() const { return IDC_BORROW_DOLLARS; }

void BorrowPage::Fill() {
    const int32_t available = AvailableCredit(Record().GetCredit().Cents());
    ShowOffer(IDC_BORROW_AVAILABLE, available, uint32_t(available / 100));
}

void BorrowPage::Clamp(uint32_t dollars) {
    const uint32_t allowed = ClampBorrowDollars(dollars, AvailableCredit(Record().GetCredit().Cents()));
    if (allowed != dollars) SetItemText(EditId(), std::to_string(allowed));
}

void BorrowPage::Book(uint32_t dollars) {
    const int32_t amount = BorrowAmount(dollars, AvailableCredit(Record().GetCredit().Cents()));
    if (amount > 0) roster_.Borrow(slot_, Money(amount));
}

RepayPage::RepayPage(PlayerRoster& roster, int slot, CreditSheetState& state)
    : CreditPage("PROPPAGE_REPAY", 1, roster, slot, state) {}

int RepayPage::EditId() const { return IDC_REPAY_DOLLARS; }

void RepayPage::Fill() {
    const int32_t owed = std::max(0, Record().GetCredit().Cents());
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    ShowOffer(IDC_REPAY_OWED, owed, RepayOfferDollars(repayable));
}

void RepayPage::Clamp(uint32_t dollars) {
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    const uint32_t allowed = ClampRepayDollars(dollars, repayable);
    if (allowed != dollars) SetItemText(EditId(), std::to_string(allowed));
}

void RepayPage::Book(uint32_t dollars) {
    const int32_t repayable = RepayableAmount(Record().GetCredit().Cents(), Record().GetCash().Cents());
    const int32_t amount = RepayAmount(dollars, repayable);
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
