// The wizard's last page: the machine's six sounds, each from the clip-art gallery or a
// WAV file of the user's, with Play buttons to hear them. Finish builds the machine. While
// the page is shown the ambient sounds are off.
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

#include "WizardPage.h"

class AudioPage : public WizardPage {
public:
    explicit AudioPage(WizardSheet* sheet);
    ~AudioPage() override;

    int OnKillActive(PropertySheet* sheet) override;
    int OnWizardFinish(PropertySheet* sheet, LRESULT* result) override;

    // The largest sound file the game takes.
    static const uint32_t kMaxSoundBytes = 2000000;

    // The Load Custom Sound step for one sound: the sound file check, the combo's entry.
    void LoadCustomSound(int sound, const std::string& path);

    // The ambient-sounds setting as it was when the page was made.
    bool SavedAmbient() const { return savedAmbient_; }
    void RestoreAmbient();
    void SilenceAmbient();

private:
    void OnShow(bool first) override;
    void FillCombos();
    void OnSoundChosen(int id, int code);
    void OnPlay(int id, int code);
    void OnLoad(int id, int code);
    bool CueGallerySound(int32_t index, int buttonId);
    void StopPlaying();
    void EnablePlay(int sound);
    int SoundOfControl(int id, int first) const;

    static void __stdcall StreamCallback(const struct AuloEvent* event, uintptr_t user);
    static void __stdcall GallerySoundDone(uintptr_t buttonId);

    uint32_t stream_ = 0;
    int32_t galleryFile_ = -1;
    int32_t soundCount_ = 0;
    int32_t firstName_ = 0;
    std::string soundFolder_;
    bool savedAmbient_ = false;
    // The gallery assets locked for the sounds cued by each Play button, oldest first:
    // a cue carries its button's id, and its completion releases the oldest of them.
    std::mutex lockedLock_;
    std::deque<uint32_t> locked_[WizardChoices::kSounds];
};
