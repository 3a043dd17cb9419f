#include "AnimationFrame.h"

#include "Bitmap.h"
#include "BitmapFromAsset.h"

AnimationFrame::AnimationFrame() : image_(std::make_shared<Bitmap>()) {}

AnimationFrame::~AnimationFrame() = default;

SIZE AnimationFrame::GetSize() const { return SIZE{image_->Width(), image_->Height()}; }

void AnimationFrame::GetHotspot(int32_t& horizontal, int32_t& vertical) const {
    horizontal = horizontal_;
    vertical = vertical_;
}

void AnimationFrame::SetTransparent(bool transparent) {
    transparent_ = transparent;
    propertiesSet_ = true;
}

void AnimationFrame::SetHotspot(int32_t horizontal, int32_t vertical) {
    horizontal_ = horizontal;
    vertical_ = vertical;
    propertiesSet_ = true;
}

void AnimationFrame::AssignFrom(const AnimationFrame& other) {
    image_ = other.image_;
    source_ = other.source_;
}

void AnimationFrame::SetImage(const std::shared_ptr<Bitmap>& image) {
    image_ = image;
    source_ = FrameSource::Replaced;
}

bool AnimationFrame::PasteClipboard(HWND window) {
    auto pasted = std::make_shared<Bitmap>();
    if (!pasted->PasteClipboard(window)) return false;
    SetImage(pasted);
    return true;
}

bool AnimationFrame::LoadFile(const std::string& name, uint32_t asset) {
    fileName_ = name;
    auto picture = std::make_shared<Bitmap>();
    image_ = picture;
    if (asset == 0) {
        source_ = FrameSource::ImageFile;
        return picture->LoadImageFile(name);
    }
    source_ = FrameSource::Asset;
    bool keyed = false;
    const bool loaded = BitmapFromAssetFile(name, asset, *picture, keyed);
    transparent_ = keyed;
    return loaded;
}

bool AnimationFrame::LoadFromAsset(int32_t file, uint32_t asset) {
    source_ = FrameSource::Asset;
    auto picture = std::make_shared<Bitmap>();
    image_ = picture;
    bool keyed = false;
    const bool loaded = BitmapFromAsset(file, asset, *picture, keyed);
    transparent_ = keyed;
    return loaded;
}
