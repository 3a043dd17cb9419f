#include "AssetBackdrops.h"

#include <cstring>

#include "AssetManager.h"
#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "FourCC.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"

namespace {

typedef int(__stdcall* CopyEntry)(BlitRequest*);
typedef int(__stdcall* FadeCopyEntry)(BlitRequest*, int32_t level, int32_t count);

AssetManager& Assets() { return *Context()->assets; }

uint32_t AssetSize(uint32_t asset) {
    AssetInfoRecord info;
    Assets().GetAssetInfo(asset, &info);
    return info.dataSize + 4;  // the type word counts: offsets start there
}

// Copies `src` (a rectangle of the picture) to `dst` in the camera buffer, faded.
void CopyPicture(const quor::ImageHeader* image, const RECT& src, quor::ImageHeader* buffer,
                 int32_t dstX, int32_t dstY, int32_t fade) {
    BlitRequestBuilder r(buffer);
    r.From(image).FromAt(src.left, src.top).To(dstX, dstY).Size(src.right - src.left, src.bottom - src.top);
    Blitter& blitter = *Context()->blitter;
    if (fade)
        blitter.As<FadeCopyEntry>(Blitter::FadeAndCopyRectangle)(r.Get(), fade, 0);
    else
        blitter.As<CopyEntry>(Blitter::CopyNoXlate)(r.Get());
}

// A raw picture of 16-bit pixels that passes its checks: what a strip may draw.
bool IsRawWordPicture(const void* record, uint32_t size) {
    if (quor::CheckImageRecord(record, size, false) != quor::RecordFault::None) return false;
    const quor::ImageHeader* h = quor::HeaderOf(record);
    return h->slot == 0 && quor::HasWordPixels(h->kind);
}

// A raw 16-bit picture asset, locked while this lives, for drawing on the frame thread:
// a picture that cannot be locked, fails its check or has pixels of another size (a level
// mask) gives no header and no error.
class LockedPicture {
public:
    explicit LockedPicture(uint32_t asset) : asset_(asset) {
        uint32_t size = 0;
        record_ = Assets().LockQuietly(asset, &size);
        if (record_ && !IsRawWordPicture(record_, size)) {
            Assets().ReleaseQuietly(asset);
            record_ = nullptr;
        }
    }
    ~LockedPicture() {
        if (record_) Assets().ReleaseQuietly(asset_);
    }
    const quor::ImageHeader* Header() const { return record_ ? quor::HeaderOf(record_) : nullptr; }

private:
    uint32_t asset_;
    void* record_;
};

// Base of the asset backdrops: holds the "BACK" asset loaded and locked.
class AssetBackdrop : public Backdrop {
public:
    explicit AssetBackdrop(uint32_t asset) : asset_(asset) {}
    ~AssetBackdrop() override { Unlock(); }

    enum class ImageList { None, First, PerColumn, PerRow, Movie };

    // Loads and locks the asset and reads its description, checking that the image list
    // lies inside it and that the world has a size.
    void Open(ImageList list) {
        Assets().LoadAsset(asset_);
        loaded_ = true;
        auto* d = static_cast<const BackdropDescription*>(Assets().DereferenceAndLockAsset(asset_));
        locked_ = true;
        uint32_t size = AssetSize(asset_);
        if (size < sizeof(BackdropDescription)) Errors().Raise(ErrReadFailed, int32_t(asset_));
        size_t images = list == ImageList::First       ? 1
                        : list == ImageList::PerColumn ? d->columns
                        : list == ImageList::PerRow    ? d->rows
                                                       : 0;
        if (sizeof(BackdropDescription) + 2 * images > size) Errors().Raise(ErrReadFailed, int32_t(asset_));
        Describe(asset_, *d, reinterpret_cast<const uint16_t*>(d + 1));
        if (list != ImageList::Movie && (WorldWidth() <= 0 || WorldHeight() <= 0))
            Errors().Raise(ErrReadFailed, int32_t(asset_));
    }
    bool UsesAssetFile(uint32_t filePart) const override { return filePart == filePart_; }
    uint32_t ImageAsset(size_t i) const { return filePart_ | images_[i]; }

protected:
    void Unlock() {
        if (locked_) Assets().ReleaseAsset(asset_);
        if (loaded_) Assets().UnloadAsset(asset_);
        locked_ = loaded_ = false;
    }
    uint32_t asset_;
    bool loaded_ = false;
    bool locked_ = false;
};

class StaticBackdrop : public AssetBackdrop {
public:
    explicit StaticBackdrop(uint32_t asset) : AssetBackdrop(asset) {}
    ~StaticBackdrop() override { ReleaseImage(); }

    void Build() {
        Open(ImageList::First);
        imageAsset_ = ImageAsset(0);
        void* record = Assets().DereferenceAndLockAsset(imageAsset_);
        imageLocked_ = true;
        const uint32_t size = AssetSize(imageAsset_);
        if (quor::CheckImageRecord(record, size, false) != quor::RecordFault::None)
            Errors().Raise(ErrReadFailed, int32_t(imageAsset_));
        const quor::ImageHeader* h = quor::HeaderOf(record);
        // Backdrops copy 16-bit pixels: a level mask or a picture of another pixel size
        // would be read at the wrong size on every frame.
        if (!quor::HasWordPixels(h->kind)) Errors().Raise(ErrWrongKind, int32_t(imageAsset_));
        if (h->slot == 0) {
            image_ = h;
            return;
        }
        // An encoded picture: keep a decoded copy instead of the asset.
        QUORERRS why = QuorOk;
        decoded_ = DecodePicture(record, size, &why);
        if (!decoded_) Errors().Raise(why, int32_t(imageAsset_));
        image_ = quor::HeaderOf(decoded_);
        Assets().ReleaseAsset(imageAsset_);
        imageLocked_ = false;
    }

    int Draw(BackdropDrawRequest& q, int32_t fade) override {
        if (!image_ || !q.surface) return 0;
        if (q.dest.left < 0 || q.dest.top < 0) return 0;
        RECT src = q.source;
        if (src.right > image_->width) src.right = image_->width;
        if (src.bottom > image_->height) src.bottom = image_->height;
        if (src.left < 0 || src.top < 0 || src.right <= src.left || src.bottom <= src.top) return 0;
        CopyPicture(image_, src, q.surface, q.dest.left, q.dest.top, fade);
        return 1;
    }
    uint32_t Kind() const override { return FourCC("StBk"); }

private:
    void ReleaseImage() {
        if (imageLocked_) Assets().ReleaseAsset(imageAsset_);
        imageLocked_ = false;
        FreePictureBuffer(decoded_);
        decoded_ = nullptr;
    }
    uint32_t imageAsset_ = 0;
    bool imageLocked_ = false;
    void* decoded_ = nullptr;
    const quor::ImageHeader* image_ = nullptr;
};

// Strips side by side (horizontal) or one above the other (vertical).
class StripBackdrop : public AssetBackdrop {
public:
    StripBackdrop(uint32_t asset, bool horizontal) : AssetBackdrop(asset), horizontal_(horizontal) {}
    void Build() { Open(horizontal_ ? ImageList::PerColumn : ImageList::PerRow); }
    uint32_t Kind() const override { return horizontal_ ? FourCC("LhBk") : FourCC("LvBk"); }

    int Draw(BackdropDrawRequest& q, int32_t fade) override {
        if (!horizontal_ || !q.surface) return 0;
        const int32_t cw = cellWidth_;
        int32_t first = q.source.left / cw;
        int32_t end = (q.source.right + cw - 1) / cw;
        if (first < 0) first = 0;
        if (end > columns_) end = columns_;
        for (int32_t k = first; k < end; ++k) {
            LockedPicture strip(ImageAsset(size_t(k)));
            const quor::ImageHeader* h = strip.Header();
            if (!h) return 0;
            RECT part = q.source;
            if (part.left < k * cw) part.left = k * cw;
            if (part.right > (k + 1) * cw) part.right = (k + 1) * cw;
            RECT src = {part.left - k * cw, part.top, part.right - k * cw, part.bottom};
            if (src.right > h->width) src.right = h->width;
            if (src.bottom > h->height) src.bottom = h->height;
            if (src.right <= src.left || src.bottom <= src.top) continue;
            CopyPicture(h, src, q.surface, q.dest.left + (part.left - q.source.left), q.dest.top, fade);
        }
        return 1;
    }
    void PreloadView(const RECT& view) override {
        ForStripsIn(view, [](uint32_t a) { Assets().LoadAssetAsync(a); });
    }
    void UnloadView(const RECT& view) override {
        ForStripsIn(view, [](uint32_t a) { Assets().UnloadAsset(a); });
    }

private:
    template <class Fn>
    void ForStripsIn(const RECT& view, Fn fn) {
        const int32_t cell = horizontal_ ? cellWidth_ : cellHeight_;
        const int32_t count = horizontal_ ? columns_ : rows_;
        const int32_t lo = horizontal_ ? view.left : view.top;
        const int32_t hi = horizontal_ ? view.right : view.bottom;
        if (hi <= lo) return;
        int32_t first = lo / cell;
        int32_t end = int32_t((int64_t(hi) + cell - 1) / cell);
        if (first < 0) first = 0;
        if (end > count) end = count;
        for (int32_t k = first; k < end; ++k) {
            try {
                fn(ImageAsset(size_t(k)));
            } catch (QUORERRS) {
                // A strip that cannot be queued or unloaded is loaded when drawn.
            }
        }
    }
    bool horizontal_;
};

class TileBackdrop : public AssetBackdrop {
public:
    using AssetBackdrop::AssetBackdrop;
    uint32_t Kind() const override { return FourCC("Tile"); }
};

// A compressed movie. Its frames come through a streamed asset, which this asset store
// does not provide, so a movie never becomes playable and draws nothing.
class MovieBackdrop : public AssetBackdrop {
public:
    using AssetBackdrop::AssetBackdrop;
    // The movie header keeps the frame width and height where other backdrops keep their
    // columns and rows: the world is one frame.
    void Build() {
        Open(ImageList::Movie);
        cellWidth_ = columns_;
        cellHeight_ = rows_;
        columns_ = rows_ = 1;
        if (WorldWidth() <= 0 || WorldHeight() <= 0) Errors().Raise(ErrReadFailed, int32_t(asset_));
    }
    uint32_t Kind() const override { return FourCC("SvBk"); }
    bool Playable() const { return playable_; }

private:
    bool playable_ = false;
};

}  // namespace

Backdrop* MakeAssetBackdrop(uint32_t asset) {
    AssetManager& assets = Assets();
    // Peek at the kind with a lock held only for the look.
    uint16_t flags;
    {
        auto* d = static_cast<const uint8_t*>(assets.DereferenceAndLockAsset(asset));
        bool small = AssetSize(asset) < sizeof(BackdropDescription);
        std::memcpy(&flags, d + 4, small ? 0 : 2);
        assets.ReleaseAsset(asset);
        if (small) Errors().Raise(ErrReadFailed, int32_t(asset));
    }
    switch (flags & 0x1FF) {
    case 0: {
        auto* b = new StaticBackdrop(asset);
        try { b->Build(); } catch (...) { delete b; throw; }
        return b;
    }
    case 2:
    case 3: {
        auto* b = new StripBackdrop(asset, (flags & 0x1FF) == 2);
        try { b->Build(); } catch (...) { delete b; throw; }
        return b;
    }
    case 4: {
        auto* b = new TileBackdrop(asset);
        try { b->Open(AssetBackdrop::ImageList::None); } catch (...) { delete b; throw; }
        return b;
    }
    case 8: {
        auto* b = new MovieBackdrop(asset);
        try { b->Build(); } catch (...) { delete b; throw; }
        return b;
    }
    default:
        Errors().Raise(ErrUnknownBackdropKind, int32_t(asset));
    }
}

int PlayMovie(Backdrop* b, MovieRoutine) {
    auto* m = dynamic_cast<MovieBackdrop*>(b);
    return m && m->Playable() ? 1 : 0;
}
int PauseMovie(Backdrop* b) { return PlayMovie(b, nullptr); }
int ResumeMovie(Backdrop* b) { return PlayMovie(b, nullptr); }
int StopMovie(Backdrop* b) { return PlayMovie(b, nullptr); }
