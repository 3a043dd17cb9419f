// The ambient player: loops one background sound file from the "Ambient Path" folder and
// cross-fades to the next over two seconds. It follows the "Ambient Sounds" setting.
//
// Driven from the user-interface thread; the sound library's thread calls its stream
// callback. One lock guards the fields against both, so the callback never sees a stream
// that the user-interface thread is closing.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "AuloSnd.h"
#include "SoundStream.h"

class AmbientPlayer {
public:
    // Both fades and the end callback's lead, in milliseconds.
    static const uint32_t kFadeMs = 2000;

    AmbientPlayer();
    AmbientPlayer(const AmbientPlayer&) = delete;
    AmbientPlayer& operator=(const AmbientPlayer&) = delete;
    ~AmbientPlayer();

    // Plays the file of this name from the folder, fading out what played before.
    void Play(const std::string& fileName);
    // Reads "Ambient Path" again and restarts the current file from there.
    void Reload();
    // The "Ambient Sounds" listener: 0 stops, anything else starts.
    void Toggle(const int32_t& on);
    // Starts the current file again (with its fade-in), unless already playing.
    void Start();
    // Stops at once and closes both streams.
    void Stop();

    std::string GetFolder() const;
    std::string GetCurrentFile() const;
    bool IsPlaying() const;
    // Stream handles, 0 for none.
    uint32_t GetCurrentStream() const;
    uint32_t GetPreviousStream() const;

private:
    static void __stdcall OnStreamEvent(const AuloEvent* event, uintptr_t user);
    void HandleStreamEvent(uint32_t code, uint32_t stream);
    void CueCurrentFile(uint32_t fadeInMs);
    void CloseStreams();

    std::string folder_;
    std::string currentFile_;
    std::unique_ptr<SoundStream> current_;
    std::unique_ptr<SoundStream> previous_;
    int32_t folderValid_ = 0;
    int32_t playing_ = 0;
    mutable CRITICAL_SECTION lock_;
    uint32_t listenerCookie_ = 0;
};

// The process-wide ambient player, built on first use on the user-interface thread.
AmbientPlayer& GetAmbientPlayer();
