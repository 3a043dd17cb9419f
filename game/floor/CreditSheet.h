// The credit sheet: a modal property sheet "Vellmoor(tm) Credit" with a Borrow and a Repay
// page for one player of the roster. Amounts are typed in dollars and cents ("500.75") and
// booked in cents through the roster's Borrow and Repay; text that is no amount is refused
// on the page's hint line and books nothing, so cash and credit always move together and every
// booking is stored when it is made. OK books the offer of a sheet just opened; after a
// booking the edits show what may still be booked, but OK and Apply book only an amount
// the player types. A key that would ask for more than may be booked changes nothing: the
// edit and its caret stay as they were, and the hint line names the most there is.
#pragma once
#include <cstdint>
#include <string>

#include "CreditRules.h"
#include "PlayerRecord.h"
#include "PlayerRoster.h"
#include "PropertyPage.h"

class Window;

// What both pages share: a booking on one page makes the other fill itself again.
struct CreditSheetState {
    bool changed = false;
    bool booked = false;  // money moved: from then on only typed amounts are booked
    int32_t lastActive = -1;
    bool placed = false;  // centred on its owner, once
};

class CreditPage : public PropertyPage {
public:
    CreditPage(const char* templateName, int32_t index, PlayerRoster& roster, int slot, CreditSheetState& state);

    int OnCreate() override;
    int OnSetActive(PropertySheet* sheet) override;
    int OnApply(PropertySheet* sheet) override;
    void OnEditCommand(int id, int code);

protected:
    // Shows the record's amounts and the amount offered.
    virtual void Fill() = 0;
    // The typed cents, or what may be booked when they ask for more.
    virtual int64_t Allowed(int64_t cents) const = 0;
    // The hint that names what may be booked at most.
    virtual std::string LimitHint() const = 0;
    // The hint while nothing can be booked.
    virtual const char* NothingHint() const = 0;
    // Books the cents.
    virtual void Book(int64_t cents) = 0;
    virtual int EditId() const = 0;
    virtual int HintId() const = 0;
    virtual const char* Hint() const = 0;
    virtual const char* BookedHint() const = 0;
    virtual const char* EmptyHint() const = 0;
    void ShowOffer(int textId, int32_t cents, int32_t offer);
    // The hint line, or the refusal of text that is no amount.
    void ShowHint(TypedAmount typed);
    // Puts back the text the edit showed before the key, the caret where it was.
    void KeepShown(const std::string& typed);
    const PlayerRecord& Record() const { return roster_.GetRecord(slot_); }

    PlayerRoster& roster_;
    int slot_;
    CreditSheetState& state_;
    int32_t index_;
    bool typed_ = false;    // the player changed the edit since it was filled
    bool filling_ = false;  // the page writes the edit itself
    int offersPosted_ = 0;  // edit changes posted for the offer, not yet handled
    std::string shown_;     // the edit's text as the page last took it
};

class BorrowPage : public CreditPage {
public:
    BorrowPage(PlayerRoster& roster, int slot, CreditSheetState& state);

private:
    void Fill() override;
    int64_t Allowed(int64_t cents) const override;
    std::string LimitHint() const override;
    const char* NothingHint() const override;
    void Book(int64_t cents) override;
    int EditId() const override;
    int HintId() const override;
    const char* Hint() const override;
    const char* BookedHint() const override;
    const char* EmptyHint() const override;
};

class RepayPage : public CreditPage {
public:
    RepayPage(PlayerRoster& roster, int slot, CreditSheetState& state);

private:
    void Fill() override;
    int64_t Allowed(int64_t cents) const override;
    std::string LimitHint() const override;
    const char* NothingHint() const override;
    void Book(int64_t cents) override;
    int EditId() const override;
    int HintId() const override;
    const char* Hint() const override;
    const char* BookedHint() const override;
    const char* EmptyHint() const override;
};

// Runs the sheet for the roster's player in the slot, starting on Repay when the player
// owes the whole limit.
void ShowCreditSheet(Window* parent, PlayerRoster& roster, int slot);
