// Control ids of the machine's "Add Coins" dialog.
#pragma once

#define IDC_COIN_COUNT 1000
