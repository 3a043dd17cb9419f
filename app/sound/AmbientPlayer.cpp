#include "AmbientPlayer.h"

#include "GeneralSettings.h"
#include "SectionLock.h"
#include "SoundEffect.h"
#include "SoundSystem.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The part of a path after its last folder separator, of either kind.
std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

AmbientPlayer::AmbientPlayer() {
    InitializeCriticalSection(&lock_);
    playing_ = GetAmbientSoundsSetting().Get() ? 1 : 0;
    Reload();
    listenerCookie_ = GetAmbientSoundsSetting().AddListener(this, &AmbientPlayer::Toggle);
}

AmbientPlayer::~AmbientPlayer() {
    GetAmbientSoundsSetting().RemoveListener(listenerCookie_);
    {
        SectionLock hold(lock_);
        CloseStreams();
    }
    DeleteCriticalSection(&lock_);
}

AmbientPlayer& GetAmbientPlayer() {
    static AmbientPlayer player;
    return player;
}

void AmbientPlayer::Reload() {
    SectionLock hold(lock_);
    const bool wasPlaying = playing_ != 0;
    Stop();
    folderValid_ = 0;
    const std::string path = GetAmbientPathSetting().Get();
    if (!path.empty()) {
        folder_ = IsSeparator(path.back()) ? path : path + "\\";
        folderValid_ = 1;
    }
    if (wasPlaying) Start();
}

void AmbientPlayer::Toggle(const int32_t& on) {
    if (on)
        Start();
    else
        Stop();
}

void AmbientPlayer::Stop() {
    SectionLock hold(lock_);
    const bool wasPlaying = playing_ != 0;
    playing_ = 0;
    if (folderValid_ && wasPlaying) CloseStreams();
}

void AmbientPlayer::Start() {
    SectionLock hold(lock_);
    if (playing_) return;
    playing_ = 1;
    if (currentFile_.empty()) return;
    const std::string name = FileNameOf(currentFile_);
    currentFile_.clear();
    Play(name);
}

void AmbientPlayer::Play(const std::string& fileName) {
    SectionLock hold(lock_);
    const std::string path = folder_ + fileName;
    if (path == currentFile_) return;
    currentFile_ = path;
    if (!folderValid_ || !playing_) return;
    if (previous_) previous_->Close();
    previous_ = std::move(current_);
    current_ = GetSoundSystem().OpenStream(false);
    if (current_) {
        AuloSetStreamCallback(current_->GetHandle(), OnStreamEvent);
        CueCurrentFile(kFadeMs);
    }
    // Without a new stream the player falls silent: the old file still fades out.
    if (previous_) AuloStreamFadeOut(previous_->GetHandle(), kFadeMs);
}

void AmbientPlayer::CueCurrentFile(uint32_t fadeInMs) {
    const std::unique_ptr<SoundCallback> cued =
        OpenSoundEffect(current_.get(), currentFile_.c_str(), uintptr_t(this), fadeInMs, 0, 0);
    if (cued) ScheduleSoundEndCallback(*cued, kFadeMs, uintptr_t(this));
}

void AmbientPlayer::CloseStreams() {
    current_.reset();
    previous_.reset();
}

// On the sound library's thread: nothing may leave it.
void __stdcall AmbientPlayer::OnStreamEvent(const AuloEvent* event, uintptr_t user) {
    try {
        if (event && user) reinterpret_cast<AmbientPlayer*>(user)->HandleStreamEvent(event->code, event->stream);
    } catch (...) {
    }
}

// The old stream is done once its fade-out ends; the current one is cued again ahead of
// its end (or as soon as it runs dry), which loops the file without a gap.
void AmbientPlayer::HandleStreamEvent(uint32_t code, uint32_t stream) {
    SectionLock hold(lock_);
    if (previous_ && stream == previous_->GetHandle()) {
        if (code == AULO_EVENT_FADE_DONE || code == AULO_EVENT_EMPTY_WHILE_FADING) previous_.reset();
    } else if (current_ && stream == current_->GetHandle()) {
        if (code == AULO_EVENT_FROM_END || code == AULO_EVENT_EMPTY) CueCurrentFile(0);
    }
}

std::string AmbientPlayer::GetFolder() const {
    SectionLock hold(lock_);
    return folder_;
}

std::string AmbientPlayer::GetCurrentFile() const {
    SectionLock hold(lock_);
    return currentFile_;
}

bool AmbientPlayer::IsPlaying() const {
    SectionLock hold(lock_);
    return playing_ != 0;
}

uint32_t AmbientPlayer::GetCurrentStream() const {
    SectionLock hold(lock_);
    return current_ ? current_->GetHandle() : 0;
}

uint32_t AmbientPlayer::GetPreviousStream() const {
    SectionLock hold(lock_);
    return previous_ ? previous_->GetHandle() : 0;
}
