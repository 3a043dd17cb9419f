#include "SplashScreen.h"

#include <process.h>

#include "GeneralSettings.h"
#include "Quor2_5.h"
#include "ScreenNumbers.h"
#include "ScreenTable.h"

namespace {
const DWORD kSplashMilliseconds = 5000;
const uint32_t kSplashBackdropAsset = 2;

// Every point is on the splash picture.
class EverywhereShape : public HitShape {
public:
    bool HitTest(POINT) override { return true; }
    void OnMove(POINT) override {}
    void OnPlace(POINT) override {}
};

class SkipAction : public ElementAction {
public:
    explicit SkipAction(ScreenEvents& events) : events_(events) {}
    void Invoke(FaceElement&) override { events_.Skip(); }

private:
    ScreenEvents& events_;
};

const NumberedScreen kIntroScreens[] = {{kSplashScreenNumber, &SplashScreen::Make}, {-1, nullptr}};
}  // namespace

void SplashElement::OnKeyDown(WPARAM, LPARAM) { InvokeAction(); }

SplashScreen::~SplashScreen() {
    StopWaitThread();
    if (assetFileOpen_) CloseAssetFile(assetFile_);
    RemoveElement(&element_, true);
    GetMoreThanOnceSetting().Set(true);
}

bool SplashScreen::CreateBackdrop(const RECT&) {
    const int32_t file = OpenAssetFile("lobbyAssets.ast");
    if (file == -1) return false;
    assetFile_ = uint32_t(file);
    assetFileOpen_ = true;
    return SelectBackdrop(stage_.stage, assetFile_ | kSplashBackdropAsset) != 0;
}

bool SplashScreen::Build() {
    element_.SetBehaviour(new EverywhereShape);
    element_.SetAction(new SkipAction(*this));
    AddElement(&element_, true);
    return true;
}

int SplashScreen::GetMenuId() { return kSplashMenuId; }

bool SplashScreen::OnEnter() {
    moreThanOnce_ = GetMoreThanOnceSetting().Get();
    SetFocus(view_);
    AddKeyElement(&element_);
    const uintptr_t thread = _beginthreadex(nullptr, 0, &SplashScreen::WaitThread, this, 0, nullptr);
    waitThread_ = thread ? HANDLE(thread) : nullptr;
    return true;
}

void SplashScreen::Skip() { skipEvent_.Signal(); }

unsigned __stdcall SplashScreen::WaitThread(void* screen) {
    auto* self = static_cast<SplashScreen*>(screen);
    WaitForSingleObject(self->skipEvent_.Get(), kSplashMilliseconds);
    if (!InterlockedCompareExchange(&self->leaving_, 0, 0))
        self->GoToScreen(self->moreThanOnce_ ? kLobbyScreenNumber : kFrontDeskScreenNumber);
    return 0;
}

void SplashScreen::StopWaitThread() {
    if (!waitThread_) return;
    InterlockedExchange(&leaving_, 1);
    skipEvent_.Signal();
    WaitForSingleObject(waitThread_, INFINITE);
    CloseHandle(waitThread_);
    waitThread_ = nullptr;
}

void InstallIntroScreens() {
    ScreenMakers makers = GetScreenMakers();
    // A table that has its own splash screen stays.
    for (const NumberedScreen* row = makers.table; row && row->make; ++row)
        if (row->number == kSplashScreenNumber) return;
    makers.table = kIntroScreens;
    SetScreenMakers(makers);
}
