// One frame of an animation being edited: its picture (shared by frames that copy each
// other), where the picture came from, its hot spot and its transparency.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class Bitmap;

// Where a frame's picture came from.
enum class FrameSource : int32_t { ImageFile = 0, Asset = 1, Replaced = 2, Blank = 3 };

class AnimationFrame {
public:
    // A new blank frame: an empty picture, hot spot (1, 1), not transparent.
    AnimationFrame();
    ~AnimationFrame();

    const std::shared_ptr<Bitmap>& GetImage() const { return image_; }
    SIZE GetSize() const;
    bool GetTransparent() const { return transparent_; }
    void GetHotspot(int32_t& horizontal, int32_t& vertical) const;
    FrameSource GetSource() const { return source_; }
    const std::string& GetFileName() const { return fileName_; }
    bool ArePropertiesSet() const { return propertiesSet_; }

    void SetTransparent(bool transparent);
    void SetHotspot(int32_t horizontal, int32_t vertical);
    // Shares the other frame's picture and takes its source.
    void AssignFrom(const AnimationFrame& other);
    // Shares the picture; the frame counts as replaced.
    void SetImage(const std::shared_ptr<Bitmap>& image);
    bool PasteClipboard(HWND window);
    // Asset number 0: the image file; otherwise the image asset of the asset file, whose
    // colour key gives the transparency. A picture that cannot be read stays empty.
    bool LoadFile(const std::string& name, uint32_t asset);
    // An image asset of an open asset file.
    bool LoadFromAsset(int32_t file, uint32_t asset);

private:
    FrameSource source_ = FrameSource::Blank;
    int32_t horizontal_ = 1;
    int32_t vertical_ = 1;
    std::shared_ptr<Bitmap> image_;
    bool transparent_ = false;
    bool propertiesSet_ = false;
    std::string fileName_;
};
