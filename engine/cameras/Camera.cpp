#include "Camera.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "CameraList.h"
#include "LibraryContext.h"
#include "PictureBuffer.h"
#include "StageTable.h"

namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect Offset(const Rect& r, int64_t dx, int64_t dy) {
    return {int32_t(r.left + dx), int32_t(r.top + dy), int32_t(r.right + dx), int32_t(r.bottom + dy)};
}

// Brings a position into 0..size-1 of a wrapping world.
int32_t WrapInto(int64_t n, int32_t size) {
    if (n >= size) return int32_t(n % size);
    if (n < 0) {
        int64_t r = n % size;  // towards zero: -size < r <= 0
        return r == 0 ? 0 : int32_t(size + r);
    }
    return int32_t(n);
}

// The delta that a move along one axis really makes.
int32_t AdjustMove(int32_t pos, int32_t d, int32_t view, int32_t size, bool wrap, int32_t* next) {
    int64_t n = int64_t(pos) + d;
    if (n >= 0 && n + view <= size) {
        *next = int32_t(n);
        return d;
    }
    if (wrap) {
        *next = WrapInto(n, size);
        return d;
    }
    int64_t dd = d;
    if (n >= 0 && n + view > size) dd = int64_t(size) - pos - view;
    if (pos + dd < 0) dd = -pos;
    *next = int32_t(pos + dd);
    return int32_t(dd);
}

typedef int(__stdcall* FadeEntry)(BlitRequest*, int32_t level, int32_t count);

void FadeBufferRect(quor::ImageHeader* buffer, const RECT& r, int32_t level) {
    BlitRequestBuilder q(buffer);
    q.To(r.left, r.top).Size(r.right - r.left, r.bottom - r.top);
    Context()->blitter->As<FadeEntry>(Blitter::FadeRectangle)(q.Get(), level, 0);
}

}  // namespace

Camera::Camera(Stage* stage, int32_t x, int32_t y, const RECT* cache) : stage_(stage), x_(x), y_(y) {
    if (cache) cache_ = *cache;
    Recompute3D();
    stage_->LinkCamera(this);
    CameraList::Add(this);
    if (!IsRectEmpty(&cache_)) stage_->GetBackdrop().PreloadView(cache_);
}

Camera::~Camera() {
    FreeBuffer();
    if (stage_) {
        if (!IsRectEmpty(&cache_)) stage_->GetBackdrop().UnloadView(cache_);
        stage_->UnlinkCamera(this);
    }
    CameraList::Remove(this);
    cameraTag_ ^= 0xBADFFBADu;
}

int32_t Camera::WorldWidth() const {
    int32_t w = stage_ ? stage_->WorldWidth() : kUnboundedWorld;
    return w > 0 ? w : kUnboundedWorld;
}
int32_t Camera::WorldHeight() const {
    int32_t h = stage_ ? stage_->WorldHeight() : kUnboundedWorld;
    return h > 0 ? h : kUnboundedWorld;
}
bool Camera::WrapsX() const { return stage_ && stage_->GetBackdrop().WrapsX(); }
bool Camera::WrapsY() const { return stage_ && stage_->GetBackdrop().WrapsY(); }

void Camera::FreeBuffer() {
    if (buffer_) FreePictureBuffer(buffer_);
    buffer_ = nullptr;
    delete[] reinterpret_cast<uint8_t*>(lastResult_);
    lastResult_ = nullptr;
}

void Camera::Recompute3D() {
    focal_ = viewWidth_ * 0.5 / std::tan(fieldOfView_ * 0.008726646259972);
    centreX_ = horizonX_ + viewWidth_ / 2.0;
    centreY_ = horizonY_ + viewHeight_ / 2.0;
    // 3D sprites project with the view of the camera that looks at them: the camera's
    // own layer, and the stage's layer through the stage's first camera.
    if (viewWidth_ <= 0 || !(focal_ > 0)) return;
    layer_.SetProjection(focal_, centreX_, centreY_);
    if (stage_ && stage_->FirstCamera() == this) stage_->Layer().SetProjection(focal_, centreX_, centreY_);
}

void Camera::Invalidate(const RECT* rect, bool viewCoordinates) {
    if (!rect) {
        viewDirty_.AddWhole();
        return;
    }
    if (viewCoordinates) {
        viewDirty_.Add(ToRect(*rect));
        return;
    }
    Rect world = {0, 0, WorldWidth(), WorldHeight()};
    if (!(worldDirty_.Bounds() == world)) worldDirty_.SetBounds(world);
    worldDirty_.Add(ToRect(*rect));
}

void Camera::Move(int32_t dx, int32_t dy) {
    int32_t nx, ny;
    dx = AdjustMove(x_, dx, viewWidth_, WorldWidth(), WrapsX(), &nx);
    dy = AdjustMove(y_, dy, viewHeight_, WorldHeight(), WrapsY(), &ny);
    x_ = nx;
    y_ = ny;
    ScrollStep(dx, dy);
}

void Camera::Place(int32_t x, int32_t y) {
    const int32_t W = WorldWidth(), H = WorldHeight();
    int32_t nx = x, ny = y;
    if (x < 0 || int64_t(x) + viewWidth_ > W) {
        if (!WrapsX()) Errors().Raise(ErrCameraOutsideWorld, x);
        nx = WrapInto(x, W);
    }
    if (y < 0 || int64_t(y) + viewHeight_ > H) {
        if (!WrapsY()) Errors().Raise(ErrCameraOutsideWorld, y);
        ny = WrapInto(y, H);
    }
    int32_t dx = nx - x_, dy = ny - y_;
    x_ = nx;
    y_ = ny;
    ScrollStep(dx, dy);
}

void Camera::ScrollStep(int32_t dx, int32_t dy) {
    if (!IsRectEmpty(&cache_)) {
        RECT old = cache_;
        OffsetRect(&cache_, dx, dy);
        if (stage_) {
            stage_->GetBackdrop().PreloadView(cache_);
            stage_->GetBackdrop().UnloadView(old);
        }
    }
    if (std::abs(dx) < viewWidth_ && std::abs(dy) < viewHeight_) {
        if (dx > 0) viewDirty_.Add({viewWidth_ - dx, 0, viewWidth_, viewHeight_});
        if (dx < 0) viewDirty_.Add({0, 0, -dx, viewHeight_});
        if (dy > 0) viewDirty_.Add({0, viewHeight_ - dy, viewWidth_, viewHeight_});
        if (dy < 0) viewDirty_.Add({0, 0, viewWidth_, -dy});
        scrollX_ -= dx;
        scrollY_ -= dy;
        scrolled_ = 1;
    } else {
        viewDirty_.AddWhole();
    }
}

void Camera::ChangeCacheRect(const RECT& rect) {
    if (stage_) {
        stage_->GetBackdrop().PreloadView(rect);
        if (!IsRectEmpty(&cache_)) stage_->GetBackdrop().UnloadView(cache_);
    }
    cache_ = rect;
}

void Camera::SampleAndHold(bool hold) {
    if (int32_t(hold) == hold_) return;
    hold_ = hold ? 1 : 0;
    if (hold) {
        // One more full render, which is then kept.
        delete[] reinterpret_cast<uint8_t*>(lastResult_);
        lastResult_ = nullptr;
        ForceNextRender();
    } else {
        viewDirty_.AddWhole();
    }
}

void Camera::SetFade(int32_t level) {
    if (level < 0 || level > 255) Errors().Raise(ErrBadFadeLevel, level);
    if (level != fade_) viewDirty_.AddWhole();
    fade_ = level;
}

void Camera::SetFieldOfView(double degrees) {
    fieldOfView_ = degrees;
    Recompute3D();
    viewDirty_.AddWhole();
}

void Camera::SetHorizon(double x, double y) {
    horizonX_ = x;
    horizonY_ = y;
    Recompute3D();
    viewDirty_.AddWhole();
}

void Camera::ConnectionsChanged() {
    bool wasActive = Active();
    VideoSource::ConnectionsChanged();
    bool active = Active();
    if (wasActive && !active) FreeBuffer();
    else if (active) ResizeBuffer();
}

void Camera::ResizeBuffer() {
    RecomputeWanted();
    const int32_t w = wanted_.right - wanted_.left, h = wanted_.bottom - wanted_.top;
    if (buffer_ && w == viewWidth_ && h == viewHeight_) return;
    if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF) {
        FreeBuffer();
        viewWidth_ = viewHeight_ = 0;
        return;
    }
    auto* fresh = static_cast<quor::ImageHeader*>(NewPictureBuffer(uint16_t(w), uint16_t(h), false));
    if (!fresh) Errors().Raise(ErrOutOfMemory);
    FreeBuffer();
    buffer_ = fresh;
    viewWidth_ = w;
    viewHeight_ = h;
    Recompute3D();
    viewDirty_.SetBounds({0, 0, w, h});
    viewDirty_.Clear();
    layer_.SetWorld(w, h, false, false);
    viewDirty_.AddWhole();
    ForceNextRender();
}

int Camera::MapViewPoint(int32_t x, int32_t y, ViewPointRecord* record) {
    if (x < 0 || y < 0 || x >= viewWidth_ || y >= viewHeight_) Errors().Raise(ErrPointOutsideView, x);
    int64_t wx = int64_t(x) + x_, wy = int64_t(y) + y_;
    if (wx >= WorldWidth()) wx %= WorldWidth();
    if (wy >= WorldHeight()) wy %= WorldHeight();
    if (!record) return 1;
    record->source = this;
    record->stage = stage_ ? stage_->Handle() : 0;
    record->worldX = int32_t(wx);
    record->worldY = int32_t(wy);
    int room = record->size >= 24 ? int((record->size - 24) / 4) : 0;
    record->spriteCount = stage_ ? stage_->Layer().HitTest(int32_t(wx), int32_t(wy), record->sprites, room) : 0;
    return 1;
}

namespace {

// Past this many separate rectangles in a tile, or when they cover most of it, one redraw
// of the whole tile is cheaper than drawing them one by one. The rectangles reported stay
// those that changed: the pixels drawn beyond them are what those pixels already showed.
const size_t kMostRectsDrawnApart = 48;
const int kMostPercentDrawnApart = 70;

bool CheaperWhole(const DirtyRectList& dirty) {
    return dirty.Whole() || dirty.Count() > kMostRectsDrawnApart ||
           dirty.CoveredArea() * 100 >= dirty.Bounds().Area() * kMostPercentDrawnApart;
}

}  // namespace

// One copy of the world that the view covers, with its offset into the view and the
// rectangles of it that changed, in view coordinates.
struct Camera::Tile {
    int64_t offsetX, offsetY;
    DirtyRectList dirty;
};

void Camera::CollectChanges() {
    if (scrolled_) viewDirty_.AddWhole();
    if (lastResult_) {
        delete[] reinterpret_cast<uint8_t*>(lastResult_);
        lastResult_ = nullptr;
    } else {
        viewDirty_.AddWhole();
    }
    // The changes are collected even when the whole view is redrawn anyway: collecting is
    // also how each sprite learns what it has painted, and a sprite that has not learnt it
    // would leave its old picture behind when it next moves.
    layer_.CollectChanges([&](const RECT& r) { viewDirty_.Add(ToRect(r)); });
    // A stage may have several cameras: each gets every change since its own last look.
    if (stage_ && !stage_->Layer().CollectChangesFor(stageChangesSeen_, [&](const RECT& r) { Invalidate(&r, false); }))
        viewDirty_.AddWhole();
}

// The view covers columns x rows copies of the world where it wraps.
std::vector<Camera::Tile> Camera::Tiles() const {
    const int64_t W = WorldWidth(), H = WorldHeight();
    const int64_t columns = (x_ + int64_t(viewWidth_) + W - 1) / W;
    const int64_t rows = (y_ + int64_t(viewHeight_) + H - 1) / H;
    std::vector<Tile> tiles;
    for (int64_t j = 0; j < rows; ++j) {
        for (int64_t i = 0; i < columns; ++i) {
            const int64_t wx0 = i == 0 ? x_ : 0, wy0 = j == 0 ? y_ : 0;
            const int64_t wx1 = i == columns - 1 ? ((x_ + viewWidth_ - 1) % W) + 1 : W;
            const int64_t wy1 = j == rows - 1 ? ((y_ + viewHeight_ - 1) % H) + 1 : H;
            const int64_t ox = i * W - x_, oy = j * H - y_;
            Rect view = {int32_t(wx0 + ox), int32_t(wy0 + oy), int32_t(wx1 + ox), int32_t(wy1 + oy)};
            Tile t{ox, oy, DirtyRectList(view)};
            // A list's rectangles never overlap, so into an empty tile they go apart.
            t.dirty.Reserve(viewDirty_.Count() + worldDirty_.Count());
            for (const Rect& r : viewDirty_.Rects()) t.dirty.AddApart(Intersection(view, r));
            const bool apart = t.dirty.Count() == 0;
            if (!t.dirty.Whole())
                for (const Rect& r : worldDirty_.Rects()) {
                    const Rect shifted = Intersection(view, Offset(r, ox, oy));
                    apart ? t.dirty.AddApart(shifted) : t.dirty.Add(shifted);
                }
            tiles.push_back(std::move(t));
        }
    }
    return tiles;
}

// Backdrop, stage sprites, stage fade, the camera's own sprites and its fade, for one
// rectangle of the view.
void Camera::DrawRect(const Rect& r, const Tile& t) {
    RECT dest = ToRECT(r);
    if (stage_) {
        LibraryContext* ctx = Context();
        BackdropDrawRequest q = {};
        q.source = ToRECT(Offset(r, -t.offsetX, -t.offsetY));
        q.surface = buffer_;
        q.dest = dest;
        q.frameCounter = ctx ? ctx->frameCounter : 0;
        q.redrawnPercent = redrawnPercent_;
        stage_->GetBackdrop().Draw(q, stage_->BackdropFade());
        stage_->Layer().Draw(buffer_, q.source, int32_t(-t.offsetX), int32_t(-t.offsetY));
        if (stage_->StageFade()) FadeBufferRect(buffer_, dest, stage_->StageFade());
    }
    layer_.Draw(buffer_, dest, 0, 0);
    if (fade_) FadeBufferRect(buffer_, dest, fade_);
}

RenderResult* Camera::Render() {
    if (!buffer_ || viewWidth_ <= 0 || viewHeight_ <= 0) return nullptr;
    if (RenderedThisFrame() && lastResult_) return lastResult_;
    if (hold_ && lastResult_) {
        lastResult_->count = lastResult_->written = 0;
        lastResult_->size = 28;
        return lastResult_;
    }
    CollectChanges();
    const std::vector<Tile> tiles = Tiles();
    size_t total = 0;
    for (const Tile& t : tiles) total += t.dirty.Count();

    const size_t bytes = 28 + 16 * (total ? total : 1);
    auto* result = reinterpret_cast<RenderResult*>(new (std::nothrow) uint8_t[bytes]());
    if (!result) return nullptr;
    result->size = uint32_t(28 + 16 * total);
    result->surface = buffer_;
    result->count = int32_t(total);

    redrawnArea_ = 0;
    for (const Tile& t : tiles) {
        for (const Rect& r : t.dirty.Rects()) {
            result->rects[result->written++] = ToRECT(r);
            redrawnArea_ += r.Area();
        }
        if (t.dirty.Count() == 0) continue;
        if (CheaperWhole(t.dirty)) {
            DrawRect(t.dirty.Bounds(), t);
            continue;
        }
        for (const Rect& r : t.dirty.Rects()) DrawRect(r, t);
    }
    redrawnPercent_ = int32_t(redrawnArea_ * 100 / (int64_t(viewWidth_) * viewHeight_));
    viewDirty_.Clear();
    worldDirty_.Clear();
    scrolled_ = 0;
    scrollX_ = scrollY_ = 0;
    lastResult_ = result;
    return result;
}
