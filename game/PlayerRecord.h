// One player of the Front Desk: name, the day entered, cash and credit.
#pragma once
#include <cstdint>
#include <string>

#include "Money.h"

class PlayerRecord {
public:
    // First name = the text before the last blank; last name = the text after it.
    void SetName(const std::string& name);
    // First name, one blank, last name.
    std::string GetFullName() const;
    const std::string& GetFirstName() const { return firstName_; }
    const std::string& GetLastName() const { return lastName_; }
    const std::string& GetShortName() const { return shortName_; }

    Money GetCash() const { return cash_; }
    Money GetCredit() const { return credit_; }
    void SetCash(const Money& m) { cash_ = m; }
    bool AddCash(const Money& m) {
        cash_ = Plus(cash_, m);
        return true;
    }
    void SetCredit(const Money& m) { credit_ = m; }
    void Borrow(const Money& m) {
        cash_ = Plus(cash_, m);
        credit_ = Plus(credit_, m);
    }
    void Repay(const Money& m) {
        cash_ = cash_.Difference(m);
        credit_ = credit_.Difference(m);
    }

    bool IsActive() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    // DDMMYYYY; 0 = the slot is not in use.
    uint32_t GetDate() const { return date_; }
    void SetDate(uint32_t date) { date_ = date; }
    // month "/" day "/" two-digit year.
    std::string FormatDate() const;

private:
    static Money Plus(const Money& a, const Money& b) { return a.Difference(b.Negate()); }

    bool active_ = false;
    std::string firstName_;
    std::string lastName_;
    std::string shortName_;
    uint32_t date_ = 0;
    Money cash_;
    Money credit_;
};
