// One player of the Front Desk: name, the day entered, cash and credit. Whoever shows the
// player's money follows it through the record's listeners, which are told 0 after every
// change of cash or credit.
#pragma once
#include <cstdint>
#include <string>

#include "ListenerList.h"
#include "Money.h"
#include "MoneyMath.h"

class PlayerRecord {
public:
    PlayerRecord() = default;
    PlayerRecord(const PlayerRecord&) = delete;
    PlayerRecord& operator=(const PlayerRecord&) = delete;

    // First name = the text before the last blank; last name = the text after it.
    void SetName(const std::string& name);
    // First name, one blank, last name.
    std::string GetFullName() const;
    const std::string& GetFirstName() const { return firstName_; }
    const std::string& GetLastName() const { return lastName_; }
    const std::string& GetShortName() const { return shortName_; }

    Money GetCash() const { return cash_; }
    Money GetCredit() const { return credit_; }
    void SetCash(const Money& m) {
        cash_ = m;
        Changed();
    }
    // cash += m; false, with nothing changed, when the sum does not fit.
    bool AddCash(const Money& m) { return Apply(m, Money()); }
    void SetCredit(const Money& m) {
        credit_ = m;
        Changed();
    }
    // Cash and credit grow together (a loan) or shrink together (a repayment); false,
    // with nothing changed, when either does not fit.
    bool Borrow(const Money& m) { return Apply(m, m); }
    bool Repay(const Money& m) { return Apply(m.Negate(), m.Negate()); }
    // The slot is not in use: no name, no date, no money, not active.
    void Clear();
    // A slot is in use while it has a date.
    bool IsInUse() const { return date_ != 0; }

    bool IsActive() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    // DDMMYYYY; 0 = the slot is not in use.
    uint32_t GetDate() const { return date_; }
    void SetDate(uint32_t date) { date_ = date; }
    // month "/" day "/" two-digit year.
    std::string FormatDate() const;

    // Told 0 after every change of cash or credit.
    ListenerList& Listeners() { return listeners_; }

private:
    void Changed() { listeners_.NotifyAll(int32_t(0)); }

    bool Apply(const Money& toCash, const Money& toCredit) {
        if (toCash.Cents() == 0 && toCredit.Cents() == 0) return true;
        const auto cash = CheckedSum(cash_, toCash);
        const auto credit = CheckedSum(credit_, toCredit);
        if (!cash || !credit) return false;
        cash_ = *cash;
        credit_ = *credit;
        Changed();
        return true;
    }

    ListenerList listeners_;
    bool active_ = false;
    std::string firstName_;
    std::string lastName_;
    std::string shortName_;
    uint32_t date_ = 0;
    Money cash_;
    Money credit_;
};
