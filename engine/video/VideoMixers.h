// The video mixer list as the frame thread sees it.
#pragma once
#include <cstdint>

// Advances every video mixer by n frames, in list order (frame thread, painting mutex held).
void TickVideoMixers(int32_t n);
