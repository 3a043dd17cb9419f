#include "AddCoinsDialog.h"

#include <string>

#include "CoinCountEntry.h"
#include "CoinDialogIds.h"

AddCoinsDialog::AddCoinsDialog(uint32_t coins) : Dialog("DLG_COINDROP"), coins_(coins) {
    BindCommand(IDOK, this, &AddCoinsDialog::OnOK);
    BindCommand(IDCANCEL, this, &AddCoinsDialog::OnCancel);
}

int AddCoinsDialog::OnCreate() {
    SetItemText(IDC_COIN_COUNT, std::to_string(coins_));
    return 1;
}

void AddCoinsDialog::OnOK(int, int) {
    uint32_t coins = 0;
    std::string message;
    if (!ReadCoinCount(GetItemText(IDC_COIN_COUNT, 64), coins, message)) {
        MessageBoxA(GetHandle(), message.c_str(), "Add Coins", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    coins_ = coins;
    End(IDOK);
}

void AddCoinsDialog::OnCancel(int, int) { End(IDCANCEL); }
