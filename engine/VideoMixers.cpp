#include "VideoMixers.h"

void TickVideoMixers(int32_t) {}
