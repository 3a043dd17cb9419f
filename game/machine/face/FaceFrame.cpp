#include "FaceFrame.h"

#include "MachineScreen.h"
#include "PendingException.h"
#include "PlayFace.h"

FaceFrame::FaceFrame(HWND window, CoinDrop* drop) : window_(window), drop_(drop) { AddFrameListener(this); }

FaceFrame::~FaceFrame() { RemoveFrameListener(this); }

void FaceFrame::OnFrame(int32_t elapsedFrames) {
    if (HWND window = window_) PostMessageA(window, kFrameTickMessage, 0, 0);
    if (drop_) drop_->Move(elapsedFrames);
}

int FrameTickHandler::Invoke(WPARAM, LPARAM, LRESULT* result) {
    try {
        if (auto* face = dynamic_cast<PlayFace*>(screen_.GetFace())) face->OnTick();
    } catch (...) {
        KeepPendingException();
    }
    if (result) *result = 0;
    return kHandled;
}
