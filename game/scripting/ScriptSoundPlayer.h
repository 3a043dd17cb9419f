// Where the script's sounds go: EffectSoundPlayer in the game, a recorder in tests.
#pragma once
#include <cstdint>

class ScriptSoundPlayer {
public:
    virtual void PlayAssetSound(int32_t asset) = 0;
    virtual void StopAll() = 0;

protected:
    ~ScriptSoundPlayer() = default;
};

// Plays on the sound system, only while the "Sound Effects" setting is on.
class EffectSoundPlayer : public ScriptSoundPlayer {
public:
    void PlayAssetSound(int32_t asset) override;
    void StopAll() override;
};
