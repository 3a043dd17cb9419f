// The bill acceptor's modal "Add Coins" dialog (template "DLG_COINDROP"): shows a number of
// coins, takes the number typed, and ends with 1 on OK once the text is an unsigned whole
// number (else it says so and stays open), 2 on Cancel.
#pragma once
#include <cstdint>

#include "Dialog.h"

class AddCoinsDialog : public Dialog {
public:
    explicit AddCoinsDialog(uint32_t coins);

    int OnCreate() override;
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    // The number entered (the number shown until OK takes one).
    uint32_t GetCoins() const { return coins_; }

private:
    uint32_t coins_;
};
