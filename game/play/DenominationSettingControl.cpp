#include "DenominationSettingControl.h"

void DenominationSettingControl::Store(int32_t cents) { setting_.Set(cents); }
