// A dialog that shows how far a long task has come, with an animation that plays while
// the task runs. The task runs on another thread: it waits for the ready event, then
// reports steps; the dialog's Cancel (or a Cancel command posted by the task) closes it,
// and the task reads that as the user's cancel.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "Dialog.h"
#include "ProgressIds.h"
#include "ProgressSteps.h"
#include "SpriteHandle.h"
#include "StageWindow.h"
#include "Win32Event.h"

class ProgressDialog : public Dialog {
public:
    // The animation is sprite asset `spriteNumber` of the asset file `assetPath`; its frame
    // durations are scaled by durationA / durationB while the dialog lives.
    ProgressDialog(const std::string& assetPath, uint32_t spriteNumber, int32_t durationA, int32_t durationB);
    ~ProgressDialog() override;

    int OnCreate() override;

    // Ends the current step and starts one that ends at `endPercent` overall.
    void BeginStep(int32_t endPercent);
    // Completes the current step; answers the percent left of the whole task.
    int32_t EndStep();
    // Moves the bar to `percent` of the current step.
    void SetStepPercent(int32_t percent);
    // Once: ends a modal dialog with 0, destroys a modeless one.
    void Close();

    bool IsClosed() const { return closed_.load() != 0; }
    bool IsAnimating() const { return animating_.load() != 0; }
    int32_t GetPosition() const { return steps_.Position(); }
    int32_t GetSprite() const { return sprite_.Get(); }
    // Signalled once the window exists; the task waits for it before it reports.
    HANDLE GetReadyEvent() const { return ready_.Get(); }

private:
    void OnCancel(int id, int code);
    void ShowPosition();
    void UpdateAnimation();
    void OnSpriteEvent(int32_t event);
    static void __stdcall SpriteCallback(int32_t event, int32_t sprite);

    std::unique_ptr<StageWindow> view_;
    SpriteHandle sprite_;
    int32_t assetFile_ = -1;
    ProgressSteps steps_;
    std::atomic<uint8_t> closed_{0};
    std::atomic<uint8_t> animating_{0};
    std::string assetPath_;
    uint32_t spriteNumber_;
    int32_t durationA_;
    int32_t durationB_;
    Win32Event ready_;
};
