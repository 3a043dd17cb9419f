#include "SoundStream.h"

#include "AuloSnd.h"

void SoundStream::Close() {
    if (!handle_) return;
    AuloFlushStream(handle_);
    AuloCloseStream(handle_);
    handle_ = 0;
}
