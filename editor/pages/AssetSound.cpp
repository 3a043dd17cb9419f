#include "AssetSound.h"

#include "Quor2_5.h"
#include "SoundSystem.h"

namespace {
volatile LONG playing = 0;
}  // namespace

bool AssetSound::Play(const std::string& file, int32_t assetNumber) {
    const int32_t handle = OpenAssetFile(file.c_str());
    if (handle == -1) return false;
    auto* sound = new AssetSound(handle, uint32_t(handle) | uint32_t(assetNumber));
    QuorAssetInfo info = {};
    GetAssetInfo(sound->asset_, &info);
    LoadAsset(sound->asset_, 0);
    const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(sound->asset_));
    sound->locked_ = data != nullptr;
    InterlockedIncrement(&playing);
    // The library reads the sound past the asset's type word for as long as it plays.
    if (data && GetSoundSystem().PlayEffect(data + 4, uintptr_t(sound), &AssetSound::Ended, 0, 0)) return true;
    sound->Release();
    delete sound;
    return false;
}

LONG AssetSound::Playing() { return playing; }

void __stdcall AssetSound::Ended(uintptr_t user) {
    AssetSound* sound = reinterpret_cast<AssetSound*>(user);
    sound->Release();
    delete sound;
}

void AssetSound::Release() {
    if (locked_) ReleaseAsset(asset_);
    UnloadAsset(asset_);
    CloseAssetFile(uint32_t(file_));
    InterlockedDecrement(&playing);
}
