#include "DenominationSetting.h"

bool DenominationSetting::Set(int32_t value) {
    if (lockCount_ != 0) return false;
    return PersistentSetting::Set(value);
}
