// A sprite-backed item of a machine that scripts see (buttons, animations): a face
// element over its own sprite whose clicks, focus and state reach the item's script
// events and its button pictures.
#pragma once
#include <cstdint>

#include "FaceElement.h"
#include "ItemEventSource.h"

class SpriteItem : public FaceElement {
public:
    // The item tells the sink of its events; it releases the sink when it goes.
    void SetEventSink(ItemEventSink* sink) { events_.SetEventSink(sink); }
    ItemEventSink* GetEventSink() const { return events_.GetEventSink(); }

    // Fires OnClick, then runs the element's action.
    void InvokeAction() override;
    // Fires OnFocus or OnBlur and shows the matching picture.
    bool OnHighlightChanged(bool highlighted) override;
    // Frame 2 of sequence 0 when disabled, frame 0 when enabled.
    bool OnStateChanged(uint8_t state) override;
    // Frame 2 disabled, highlighted or not; else frame 1 highlighted, frame 0 not.
    void ShowHighlightImage(bool highlighted);

private:
    ItemEventSource events_;
};
