// Exports of video mixers and the transition registry.
#include "ExportShape.h"
#include "Quor2_5.h"
#include "VideoMixer.h"

namespace {
VideoMixer& FindMixer(uintptr_t handle) { return *VideoMixerList::Find(handle); }
}  // namespace

QUOR_STDCALL int32_t RegisterTransitionDLL(const char* library) {
    return RunExport<int32_t>(Lock::Painting, [&] { return TransitionRegistry::Register(library); });
}

QUOR_STDCALL int32_t QueryTransitionDLL(int32_t id) {
    return RunExport<int32_t>(Lock::Painting, [&] { return TransitionRegistry::Find(id).queryService(); });
}

QUOR_STDCALL uintptr_t CreateVideoMixer(const uint32_t* record) {
    return RunExport<uintptr_t>(Lock::Painting, [&] {
        if (!record) Errors().Raise(ErrNullArgument);
        return uintptr_t(new VideoMixer(record));
    });
}

QUOR_STDCALL int SetVideoMixerCallback(uintptr_t mixer, void* routine, int32_t data) {
    return RunExport<int>(Lock::Painting, [&] {
        FindMixer(mixer).SetNotify(routine, 1, data);
        return 1;
    });
}

QUOR_STDCALL int SetVideoMixerCallbackEx(uintptr_t mixer, void* target, int32_t mode, int32_t data) {
    return RunExport<int>(Lock::Painting, [&] {
        FindMixer(mixer).SetNotify(target, mode, data);
        return 1;
    });
}

QUOR_STDCALL int SetVideoMixerPosition(uintptr_t mixer, uint32_t position) {
    return RunExport<int>(Lock::Painting, [&] {
        FindMixer(mixer).SetPosition(position);
        return 1;
    });
}

QUOR_STDCALL int PutVideoMixerOnAuto(uintptr_t mixer, int32_t command) {
    return RunExport<int>(Lock::Painting, [&] {
        FindMixer(mixer).Command(command);
        return 1;
    });
}

QUOR_STDCALL int AdjustVideoMixerKnobs(uintptr_t mixer, const uint32_t* knobs) {
    return RunExport<int>(Lock::Painting, [&] {
        FindMixer(mixer).SetKnobs(knobs);
        return 1;
    });
}

QUOR_STDCALL int PlugInVideoMixerSources(uintptr_t mixer, uint32_t flags, void* a, void* b) {
    return RunExport<int>(Lock::Painting, [&] { return FindMixer(mixer).Plug(flags, a, b) ? 1 : 0; });
}

QUOR_STDCALL int GetVideoMixerState(uintptr_t mixer, void* record, uint32_t* size) {
    return RunExport<int>(Lock::Painting, [&] {
        VideoMixer& m = FindMixer(mixer);
        if (!size) Errors().Raise(ErrNullArgument);
        const uint32_t given = *size;
        *size = m.StateSize();
        if (!record) return 1;
        if (given < m.StateSize()) return 0;
        m.GetState(record);
        return 1;
    });
}

// Anything that is not a live mixer is ignored.
QUOR_STDCALL void DeleteVideoMixer(uintptr_t mixer) {
    RunExportVoid(Lock::Painting, [&] {
        auto* m = reinterpret_cast<VideoMixer*>(uintptr_t(mixer));
        if (VideoMixerList::Contains(m)) delete m;
    });
}
