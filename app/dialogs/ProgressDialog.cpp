#include "ProgressDialog.h"

#include <commctrl.h>

#include "Quor2_5.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

namespace {
// The progress dialog whose sprite callback is active, and the lock that keeps it from
// going while the engine's notification thread calls it.
ProgressDialog* callbackTarget = nullptr;

CRITICAL_SECTION& CallbackLock() {
    struct Section {
        CRITICAL_SECTION section;
        Section() { InitializeCriticalSection(&section); }
    };
    static Section lock;
    return lock.section;
}

struct CallbackLocked {
    CallbackLocked() { EnterCriticalSection(&CallbackLock()); }
    ~CallbackLocked() { LeaveCriticalSection(&CallbackLock()); }
};

const int32_t kFinished = 100;  // percent
}  // namespace

ProgressDialog::ProgressDialog(const std::string& assetPath, uint32_t spriteNumber, int32_t durationA,
                               int32_t durationB)
    : assetPath_(assetPath), spriteNumber_(spriteNumber), durationA_(durationA), durationB_(durationB) {
    BindCommand(IDCANCEL, this, &ProgressDialog::OnCancel);
}

ProgressDialog::~ProgressDialog() {
    {
        CallbackLocked locked;
        if (callbackTarget == this) callbackTarget = nullptr;
    }
    if (!sprite_.IsEmpty()) {
        // The frame durations belong to the asset, which other sprites may show later.
        SetAnimationSpeed(sprite_, durationB_, durationA_, 0);
        sprite_.Reset(0);
    }
    view_.reset();
    if (assetFile_ != -1) CloseAssetFile(uint32_t(assetFile_));
}

int ProgressDialog::OnCreate() {
    view_ = std::make_unique<StageWindow>(this, IDC_PROGRESS_SPRITES, GetSysColor(COLOR_BTNFACE));
    view_->Layout();
    assetFile_ = OpenAssetFile(assetPath_.c_str());
    if (assetFile_ != -1) CreateDefaultAnimSprite(view_->GetStage(), sprite_, spriteNumber_ | uint32_t(assetFile_));
    {
        CallbackLocked locked;
        callbackTarget = this;
    }
    if (!sprite_.IsEmpty()) {
        SetAnimationSpeed(sprite_, durationA_, durationB_, 0);
        SetSpriteCallback(sprite_.Get(), uintptr_t(&ProgressDialog::SpriteCallback), 1);
    }
    SetStepPercent(0);
    ready_.Signal();
    return 1;
}

void ProgressDialog::BeginStep(int32_t endPercent) {
    steps_.BeginStep(endPercent);
    ShowPosition();
}

int32_t ProgressDialog::EndStep() {
    const int32_t left = steps_.EndStep();
    ShowPosition();
    return left;
}

void ProgressDialog::SetStepPercent(int32_t percent) {
    steps_.SetStepPercent(percent);
    ShowPosition();
}

void ProgressDialog::ShowPosition() {
    // Positions above 100 go to the bar as they are.
    SendItemMessage(IDC_PROGRESS_BAR, PBM_SETPOS, WPARAM(steps_.Position()), 0);
    UpdateAnimation();
}

void ProgressDialog::UpdateAnimation() {
    if (sprite_.IsEmpty()) return;
    CallbackLocked locked;
    if (steps_.Position() >= kFinished) {
        AnimateSprite(sprite_.Get(), 0, 0, 0);
        animating_ = 0;
    } else if (!animating_) {
        animating_ = 1;
        MakeSpriteVisible(sprite_.Get(), 1);
        AutoSequenceSprite(sprite_.Get(), 0, 0, 0);
    }
}

void ProgressDialog::OnSpriteEvent(int32_t event) {
    // Event 1: the sequence has shown its last frame.
    if (event != 1 || !animating_) return;
    if (steps_.Position() < kFinished) {
        AutoSequenceSprite(sprite_.Get(), 0, 0, 0);
    } else {
        animating_ = 0;
    }
}

void __stdcall ProgressDialog::SpriteCallback(int32_t event, int32_t sprite) {
    CallbackLocked locked;
    if (callbackTarget && callbackTarget->sprite_.Get() == sprite) callbackTarget->OnSpriteEvent(event);
}

void ProgressDialog::OnCancel(int, int) { Close(); }

void ProgressDialog::Close() {
    if (closed_.exchange(1)) return;
    if (IsModal()) {
        End(0);
    } else {
        Destroy();
    }
}
