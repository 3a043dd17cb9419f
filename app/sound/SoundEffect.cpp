#include "SoundEffect.h"

#include "AuloSnd.h"
#include "FaultGuard.h"
#include "GeneralSettings.h"

std::unique_ptr<SoundCallback> OpenSoundEffect(SoundStream* stream, const char* path, uintptr_t user,
                                               uint32_t fadeInMs, uint32_t reserved1, uint32_t reserved2) {
    if (!stream) return nullptr;
    if (stream->IsEffect() && !GetSoundEffectsSetting().Get()) return nullptr;
    const uint32_t handle = stream->GetHandle();
    const uint32_t soundId = CallGuarded(
        [&] { return AuloCueStreamFromDisk(handle, path, user, fadeInMs, reserved1, reserved2); }, 0);
    if (!soundId) return nullptr;
    return std::make_unique<SoundCallback>(SoundCallback{soundId, stream});
}

bool ScheduleSoundEndCallback(const SoundCallback& callback, uint32_t ms, uintptr_t user) {
    return AuloSoundScheduleCallbackFromEnd(callback.stream->GetHandle(), callback.soundId, ms, user) != 0;
}
