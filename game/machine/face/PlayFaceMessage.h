// A handler of a machine screen's message that passes it on to the screen's play face. It
// finds the face each time, so that a message arriving after the face went does nothing;
// an exception is kept to be raised again outside the window procedure.
#pragma once
#include "MachineScreen.h"
#include "PendingException.h"
#include "PlayFace.h"
#include "Window.h"

template <class Pass>
class PlayFaceMessage : public MessageHandlerBase {
public:
    PlayFaceMessage(MachineScreen& screen, Pass pass) : screen_(screen), pass_(pass) {}
    int Invoke(WPARAM, LPARAM lParam, LRESULT* result) override {
        try {
            if (auto* face = dynamic_cast<PlayFace*>(screen_.GetFace())) pass_(*face, lParam);
        } catch (...) {
            KeepPendingException();
        }
        if (result) *result = 0;
        return kHandled;
    }

private:
    MachineScreen& screen_;
    Pass pass_;
};

// Binds the message to `pass`(face, lParam) on the screen.
template <class Pass>
void BindPlayFaceMessage(MachineScreen& screen, UINT message, Pass pass) {
    screen.SetMessageHandler(message, new PlayFaceMessage<Pass>(screen, pass));
}
