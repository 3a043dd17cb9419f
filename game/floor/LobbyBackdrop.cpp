#include "LobbyBackdrop.h"

#include <cstring>

#include "ImageRecord.h"
#include "LobbyProjection.h"
#include "SprtReader.h"

namespace {
const uint32_t kPage = 4096;
}

LobbyBackdrop::LobbyBackdrop(uint32_t sprite, int32_t viewWidth, int32_t viewHeight, double cylinderAngle)
    : viewWidth_(viewWidth), viewHeight_(viewHeight), angle_(cylinderAngle) {
    if (!ReadStrips(sprite)) return;
    const size_t bytes = size_t(stripBytes_) * strips_.size();
    reservedBytes_ = (bytes + kPage - 1) / kPage * kPage;
    reserved_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, reservedBytes_, MEM_RESERVE, PAGE_READWRITE));
    if (!reserved_) return;
    pageUses_.assign(reservedBytes_ / kPage, 0);
    for (size_t i = 0; i < strips_.size(); ++i) {
        Strip& s = strips_[i];
        s.address = reserved_ + i * stripBytes_;
        s.firstPage = uint32_t(i * stripBytes_ / kPage);
        s.lastPage = uint32_t(((i + 1) * stripBytes_ - 1) / kPage);
    }
    const int32_t width = PanoramaWidth();
    panorama_.InitOverPixels(reserved_, height_, width, 15, true, nullptr, nullptr);
    image_.reset(new PanoramaImage(width, height_, height_ / 4, true, cylinderAngle));
    backdrop_ = CreateOwnerDrawBackdrop(&LobbyBackdrop::OnDraw, viewWidth, viewHeight, uintptr_t(this));
}

LobbyBackdrop::~LobbyBackdrop() {
    if (backdrop_) DeleteUserBackdrop(backdrop_);
    for (size_t page = 0; page < pageUses_.size(); ++page)
        if (pageUses_[page] > 0) VirtualFree(reserved_ + page * kPage, kPage, MEM_DECOMMIT);
    if (reserved_) VirtualFree(reserved_, 0, MEM_RELEASE);
}

// The strips are the frames of sequence 0; each frame's picture gives K (its height) and
// H (its width).
bool LobbyBackdrop::ReadStrips(uint32_t sprite) {
    QuorAssetInfo info = {};
    if (!GetAssetInfo(sprite, &info)) return false;
    const auto* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(sprite));
    if (!data) return false;
    std::vector<SpriteSequence> sequences;
    // The size the engine reports leaves out the type word.
    const bool read = ReadSprtSequences(data, info.dataSize + 4, uint32_t(uintptr_t(data)), sequences);
    ReleaseAsset(sprite);
    if (!read || sequences.empty() || sequences[0].empty()) return false;
    const uint32_t file = sprite & 0xFF000000u;
    const auto* first = static_cast<const quor::ImageHeader*>(DereferenceAndLockAsset(file | sequences[0][0].picture));
    if (!first) return false;
    height_ = first->width;
    stripColumns_ = first->height;
    ReleaseAsset(file | sequences[0][0].picture);
    stripBytes_ = uint32_t(stripColumns_) * quor::RowBytes(uint32_t(height_), 2);
    for (const SpriteFrame& frame : sequences[0]) {
        Strip s;
        s.picture = file | frame.picture;
        strips_.push_back(s);
    }
    return height_ > 0 && stripColumns_ > 0;
}

void LobbyBackdrop::MakePresent(int32_t index) {
    Strip& s = strips_[size_t(WrapColumn(index, int32_t(strips_.size())))];
    if (s.uses == 0) {
        for (uint32_t page = s.firstPage; page <= s.lastPage; ++page)
            if (pageUses_[page]++ == 0) VirtualAlloc(reserved_ + size_t(page) * kPage, kPage, MEM_COMMIT, PAGE_READWRITE);
        FillStrip(s);
    }
    ++s.uses;
}

void LobbyBackdrop::Release(int32_t index) {
    Strip& s = strips_[size_t(WrapColumn(index, int32_t(strips_.size())))];
    if (s.uses == 1)
        for (uint32_t page = s.firstPage; page <= s.lastPage; ++page)
            if (pageUses_[page]-- == 1) VirtualFree(reserved_ + size_t(page) * kPage, kPage, MEM_DECOMMIT);
    if (s.uses > 0) --s.uses;
}

// Pages shared with a neighbour strip that stays keep their count; a page decommitted and
// committed again comes back cleared, so its strips are filled again when they return.
void LobbyBackdrop::FillStrip(Strip& s) {
    const auto* picture = static_cast<const quor::ImageHeader*>(DereferenceAndLockAsset(s.picture));
    if (!picture) return;
    if (picture->slot != 0) {
        auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(QuorServiceDecode));
        if (decode) decode(s.address, stripBytes_, picture);
    } else {
        std::memcpy(s.address, picture + 1, std::min<size_t>(stripBytes_, picture->pixelBytes));
    }
    ReleaseAsset(s.picture);
}

void LobbyBackdrop::ShowRange(int32_t first, int32_t last) {
    for (int32_t i = first; i <= last; ++i) MakePresent(i);
    for (int32_t i = firstStrip_; i <= lastStrip_; ++i) Release(i);
    firstStrip_ = first;
    lastStrip_ = last;
}

void LobbyBackdrop::Draw(int32_t x, int32_t y, bool fast, bool force) {
    if (!IsValid()) return;
    x = WrapColumn(x, PanoramaWidth());
    if (drawn_ && !force && x == lastX_ && y == lastY_ && fast == lastFast_) return;
    // Stored coordinates: the panorama's rows across, its columns down.
    const RECT part = image_->Setup(viewWidth_, viewHeight_, 1.0, y, x);
    ShowRange(part.top / stripColumns_, (part.bottom - 1) / stripColumns_);
    if (fast)
        image_->Render(panorama_, y, x);
    else
        image_->RenderSmooth(panorama_, y, x);
    lastX_ = x;
    lastY_ = y;
    lastFast_ = fast;
    drawn_ = true;
    InvalidateOwnerDrawBackdropRect(backdrop_, nullptr);
}

int32_t LobbyBackdrop::PresentStrips() const {
    int32_t n = 0;
    for (const Strip& s : strips_) n += s.uses > 0;
    return n;
}

int32_t LobbyBackdrop::CommittedPages() const {
    int32_t n = 0;
    for (int32_t uses : pageUses_) n += uses > 0;
    return n;
}

int __stdcall LobbyBackdrop::OnDraw(QuorBackdropDrawRequest* request) {
    auto* self = reinterpret_cast<LobbyBackdrop*>(uintptr_t(request->userData));
    if (!self || !self->drawn_) return 0;
    self->CopyTo(*request);
    return 1;
}

// The view bitmap's rows into the camera buffer: both are 15-bit pictures.
void LobbyBackdrop::CopyTo(QuorBackdropDrawRequest& q) const {
    auto* surface = static_cast<quor::ImageHeader*>(q.surface);
    const uint32_t targetRow = quor::RowBytes(surface->width, 2);
    auto* target = reinterpret_cast<uint8_t*>(surface + 1);
    const int32_t w = std::min(q.dest.right - q.dest.left, q.source.right - q.source.left);
    const int32_t h = std::min(q.dest.bottom - q.dest.top, q.source.bottom - q.source.top);
    for (int32_t row = 0; row < h; ++row) {
        const int32_t sy = q.source.top + row, sx = q.source.left;
        if (sy < 0 || sy >= image_->Height() || sx < 0) continue;
        const int32_t count = std::min(w, image_->Width() - sx);
        if (count <= 0) continue;
        std::memcpy(target + size_t(q.dest.top + row) * targetRow + size_t(q.dest.left) * 2,
                    image_->Pixels() + size_t(sy) * image_->RowBytes() + size_t(sx) * 2, size_t(count) * 2);
    }
}
