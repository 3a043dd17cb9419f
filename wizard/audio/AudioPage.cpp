#include "AudioPage.h"

#include <algorithm>
#include <vector>

#include "AuloSnd.h"
#include "ChooseFile.h"
#include "GalleryInfo.h"
#include "GallerySoundName.h"
#include "GeneralSettings.h"
#include "Quor2_5.h"
#include "SoundFileCheck.h"
#include "WizardFinish.h"
#include "WizardIds.h"

namespace {

// The page hears that a sound ended as a command of its Play button with this code of
// its own: the page's dialog procedure passes commands on, but no private messages.
const WORD kSoundEnded = 0x4A49;

const int kCombos[WizardChoices::kSounds] = {IDC_WIZARD_SOUND_SPIN, IDC_WIZARD_SOUND_REEL_STOP,
                                             IDC_WIZARD_SOUND_WIN,  IDC_WIZARD_SOUND_WIN_BIG,
                                             IDC_WIZARD_SOUND_LOSE, IDC_WIZARD_SOUND_COIN};
// The sounds chosen when the page is first shown.
const int32_t kFirstChoices[WizardChoices::kSounds] = {253, 67, 73, 282, -1, 74};

// The one audio page there is; the library's callback finds it here.
AudioPage* current = nullptr;

}  // namespace

AudioPage::AudioPage(WizardSheet* sheet)
    : WizardPage(IDD_WIZARD_AUDIO, sheet, PSWIZB_BACK | PSWIZB_FINISH),
      savedAmbient_(GetAmbientSoundsSetting().Get())
{
    for (int sound = 0; sound < WizardChoices::kSounds; ++sound) {
        BindCommand(kCombos[sound], this, &AudioPage::OnSoundChosen);
        BindCommand(IDC_WIZARD_PLAY_0 + sound, this, &AudioPage::OnPlay);
        BindCommand(IDC_WIZARD_LOAD_0 + sound, this, &AudioPage::OnLoad);
    }
    current = this;
    stream_ = AuloOpenStream();
    AuloSetStreamCallback(stream_, &AudioPage::StreamCallback);
}

AudioPage::~AudioPage()
{
    RestoreAmbient();
    AuloFlushStream(stream_);
    AuloCloseStream(stream_);
    current = nullptr;
    if (galleryFile_ != -1)
        CloseAssetFile(uint32_t(galleryFile_));
}

void AudioPage::RestoreAmbient()
{
    if (GetAmbientSoundsSetting().Get() != savedAmbient_)
        GetAmbientSoundsSetting().Set(savedAmbient_);
}

void AudioPage::SilenceAmbient()
{
    if (GetAmbientSoundsSetting().Get())
        GetAmbientSoundsSetting().Set(false);
}

void AudioPage::OnShow(bool first)
{
    SilenceAmbient();
    if (first)
        FillCombos();
}

int AudioPage::OnKillActive(PropertySheet*)
{
    StopPlaying();
    RestoreAmbient();
    return 0;
}

int AudioPage::OnWizardFinish(PropertySheet*, LRESULT*)
{
    StopPlaying();
    return WizardFinish(*this, Document()) ? 1 : 0;
}

// "None", then the names of the gallery's sounds; the first choices are set here.
void AudioPage::FillCombos()
{
    galleryFile_ = OpenAssetFile((GetClipArtPathSetting().Get() + "\\gallery.ast").c_str());
    GalleryInfo info;
    if (ReadGalleryInfo(galleryFile_, info)) {
        soundCount_ = std::max(0, info.soundCount);
        firstName_ = info.firstSoundName;
        Document().soundBaseIndex = info.firstSound;
    }
    std::vector<std::string> names(static_cast<size_t>(soundCount_));
    for (int32_t s = 0; s < soundCount_; ++s)
        names[size_t(s)] = GallerySoundName(galleryFile_, firstName_ + s);
    for (int sound = 0; sound < WizardChoices::kSounds; ++sound) {
        HWND combo = GetDlgItem(GetHandle(), kCombos[sound]);
        ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("None"));
        for (const std::string& name : names)
            ::SendMessageA(combo, CB_ADDSTRING, 0, LPARAM(name.c_str()));
        const int32_t choice = kFirstChoices[sound] < soundCount_ ? kFirstChoices[sound] : -1;
        Document().soundGalleryIndexes[size_t(sound)] = choice;
        ::SendMessageA(combo, CB_SETCURSEL, WPARAM(choice + 1), 0);
        EnablePlay(sound);
    }
}

int AudioPage::SoundOfControl(int id, int first) const
{
    if (first == kCombos[0])
        return int(std::find(kCombos, kCombos + WizardChoices::kSounds, id) - kCombos);
    return id - first;
}

void AudioPage::EnablePlay(int sound)
{
    EnableWindow(GetDlgItem(GetHandle(), IDC_WIZARD_PLAY_0 + sound), Document().HasSound(WizardSound(sound)));
}

void AudioPage::OnSoundChosen(int id, int code)
{
    if (code != CBN_SELCHANGE)
        return;
    const int sound = SoundOfControl(id, kCombos[0]);
    WizardDocument& document = Document();
    const LRESULT selection = SendItemMessage(id, CB_GETCURSEL, 0, 0);
    std::string& custom = document.customSoundFiles[size_t(sound)];
    if (!custom.empty()) {
        // The custom file is the combo's last entry; another choice drops it.
        custom.clear();
        SendItemMessage(id, CB_DELETESTRING, WPARAM(SendItemMessage(id, CB_GETCOUNT, 0, 0) - 1), 0);
    }
    document.soundGalleryIndexes[size_t(sound)] = int32_t(selection) - 1;
    EnablePlay(sound);
}

void AudioPage::OnPlay(int id, int code)
{
    if (code == kSoundEnded) {
        SetItemText(id, "Play");
        return;
    }
    if (GetItemText(id, 32) == "Stop Playing") {
        StopPlaying();
        return;
    }
    const int sound = id - IDC_WIZARD_PLAY_0;
    const WizardDocument& document = Document();
    const std::string& custom = document.customSoundFiles[size_t(sound)];
    const bool cued = !custom.empty()
                          ? AuloCueStreamFromDisk(stream_, custom.c_str(), uintptr_t(id), 0, 0, 0) != 0
                          : CueGallerySound(document.soundGalleryIndexes[size_t(sound)], id);
    if (cued)
        SetItemText(id, "Stop Playing");
}

// The sound's asset stays locked until the library is done with it. The cue carries the
// button's id, which the end of the sound brings back to the page.
bool AudioPage::CueGallerySound(int32_t index, int buttonId)
{
    if (index < 0 || galleryFile_ == -1)
        return false;
    const uint32_t asset = uint32_t(galleryFile_) | uint32_t(Document().soundBaseIndex + index);
    if (!LoadAsset(asset, 0))
        return false;
    const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
    if (data == nullptr) {
        UnloadAsset(asset);
        return false;
    }
    // Listed before the cue: a short sound may be done before the cue returns.
    std::deque<uint32_t>& locked = locked_[buttonId - IDC_WIZARD_PLAY_0];
    {
        std::lock_guard<std::mutex> hold(lockedLock_);
        locked.push_back(asset);
    }
    if (AuloCueStreamFromSharedMemory(stream_, data + 4, uintptr_t(buttonId), &AudioPage::GallerySoundDone, 0, 0, 0,
                                      0) != 0)
        return true;
    {
        std::lock_guard<std::mutex> hold(lockedLock_);
        locked.pop_back();
    }
    ReleaseAsset(asset);
    UnloadAsset(asset);
    return false;
}

// Called on the library's thread, or on the page's while it flushes or closes the stream.
void __stdcall AudioPage::GallerySoundDone(uintptr_t buttonId)
{
    AudioPage* page = current;
    const size_t sound = size_t(buttonId) - IDC_WIZARD_PLAY_0;
    if (page == nullptr || sound >= WizardChoices::kSounds)
        return;
    uint32_t asset = 0;
    {
        std::lock_guard<std::mutex> hold(page->lockedLock_);
        std::deque<uint32_t>& locked = page->locked_[sound];
        if (locked.empty())
            return;
        asset = locked.front();
        locked.pop_front();
    }
    ReleaseAsset(asset);
    UnloadAsset(asset);
}

void AudioPage::StopPlaying()
{
    AuloFlushStream(stream_);
    for (int sound = 0; sound < WizardChoices::kSounds; ++sound)
        SetItemText(IDC_WIZARD_PLAY_0 + sound, "Play");
}

// Called on the library's thread: the page's window hears of it by a posted message.
void __stdcall AudioPage::StreamCallback(const AuloEvent* event, uintptr_t)
{
    AudioPage* page = current;
    if (page == nullptr || event == nullptr || page->GetHandle() == nullptr)
        return;
    const uintptr_t id = event->user;
    if ((event->code == AULO_EVENT_FADE_DONE || event->code == AULO_EVENT_EMPTY) && id >= IDC_WIZARD_PLAY_0 &&
        id < IDC_WIZARD_PLAY_0 + WizardChoices::kSounds)
        ::PostMessageA(page->GetHandle(), WM_COMMAND, MAKEWPARAM(WORD(id), kSoundEnded), 0);
}

void AudioPage::OnLoad(int id, int)
{
    std::string path;
    if (ChooseFileToOpen(this, path, soundFolder_, "Wave files (*.wav)\0*.wav\0", "Select sound file to load"))
        LoadCustomSound(id - IDC_WIZARD_LOAD_0, path);
}

void AudioPage::LoadCustomSound(int sound, const std::string& path)
{
    // Judged by the sound library's own reader, as the editor's Sounds page and the builder
    // judge it; a trial cue would refuse every file while the library is closed.
    const SoundFileRefusal refusal = RefusalOfSoundFile(path);
    if (!refusal.text.empty()) {
        MessageBoxA(GetHandle(), refusal.text.c_str(), refusal.caption.c_str(), MB_OK | MB_ICONSTOP);
        return;
    }
    const int combo = kCombos[sound];
    std::string& custom = Document().customSoundFiles[size_t(sound)];
    if (!custom.empty())
        SendItemMessage(combo, CB_DELETESTRING, WPARAM(SendItemMessage(combo, CB_GETCOUNT, 0, 0) - 1), 0);
    custom = path;
    const LRESULT at = SendItemMessage(combo, CB_ADDSTRING, 0, LPARAM(path.c_str()));
    SendItemMessage(combo, CB_SETCURSEL, WPARAM(at), 0);
    EnablePlay(sound);
}
