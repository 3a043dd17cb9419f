#include "PlayerDate.h"

#include <windows.h>

uint32_t TodayAsPlayerDate() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return EncodePlayerDate(PlayerDate{now.wDay, now.wMonth, now.wYear});
}
