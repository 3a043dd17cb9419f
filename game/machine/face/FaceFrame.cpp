#include "FaceFrame.h"

FaceFrame::FaceFrame(HWND window, CoinDrop* drop) : window_(window), drop_(drop) { AddFrameListener(this); }

FaceFrame::~FaceFrame() { RemoveFrameListener(this); }

void FaceFrame::OnFrame(int32_t elapsedFrames) {
    if (HWND window = window_) PostMessageA(window, kFrameTickMessage, 0, 0);
    if (drop_) drop_->Move(elapsedFrames);
}
