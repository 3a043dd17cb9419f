#include "SpriteLayer.h"

using quor::Rect32;

namespace {
void Unlink(SpriteLink* l) {
    l->prev->next = l->next;
    l->next->prev = l->prev;
    l->next = l->prev = l;
}
void LinkBefore(SpriteLink* l, SpriteLink* at) {
    l->prev = at->prev;
    l->next = at;
    at->prev->next = l;
    at->prev = l;
}
void LinkAfter(SpriteLink* l, SpriteLink* at) { LinkBefore(l, at->next); }
}  // namespace

SpriteLayer::~SpriteLayer() { Clear(); }

void SpriteLayer::SetWorld(int32_t width, int32_t height, bool wrapX, bool wrapY) {
    width_ = width;
    height_ = height;
    wrapX_ = wrapX;
    wrapY_ = wrapY;
    ForEach([](Sprite* s) { s->RecomputePieces(); });
}

void SpriteLayer::Clear() {
    while (head_.next != &head_) {
        Sprite* s = static_cast<Sprite*>(head_.next);
        Unlink(s);
        s->SetLayer(nullptr);
    }
    count_ = 0;
    departed_.clear();
}

void SpriteLayer::SetProjection(double focal, double centreX, double centreY) {
    if (focal == focal_ && centreX == centreX_ && centreY == centreY_) return;
    focal_ = focal;
    centreX_ = centreX;
    centreY_ = centreY;
    ForEach([](Sprite* s) {
        if (s->Flags() & QuorSprite3D) s->Invalidate();
    });
}

void SpriteLayer::Insert(Sprite* sprite) {
    SpriteLink* at = head_.next;
    while (at != &head_ && static_cast<Sprite*>(at)->Depth() <= sprite->Depth()) at = at->next;
    LinkBefore(sprite, at);
    sprite->SetLayer(this);
    ++count_;
    sprite->RecomputePieces();
    sprite->ForgetReported();
}

void SpriteLayer::Remove(Sprite* sprite) {
    if (sprite->Layer() != this) return;
    sprite->ForEachReported([&](const RECT& r) { departed_.push_back(r); });
    Unlink(sprite);
    sprite->SetLayer(nullptr);
    --count_;
}

void SpriteLayer::Resort(Sprite* sprite) {
    if (sprite->Layer() != this) return;
    const int32_t depth = sprite->Depth();
    SpriteLink* prev = sprite->prev;
    SpriteLink* next = sprite->next;
    if (prev != &head_ && depth < static_cast<Sprite*>(prev)->Depth()) {
        // Towards the head: after the first earlier sprite not deeper than this one.
        SpriteLink* at = prev;
        while (at != &head_ && static_cast<Sprite*>(at)->Depth() > depth) at = at->prev;
        Unlink(sprite);
        LinkAfter(sprite, at);
    } else if (next != &head_ && depth > static_cast<Sprite*>(next)->Depth()) {
        // Towards the tail: before the first later sprite at least as deep.
        SpriteLink* at = next;
        while (at != &head_ && static_cast<Sprite*>(at)->Depth() < depth) at = at->next;
        Unlink(sprite);
        LinkBefore(sprite, at);
    }
}

bool SpriteLayer::CollectChangesFor(uint32_t& seen, const std::function<void(const RECT&)>& add) {
    const size_t kKept = 16;
    Collection fresh{collections_ + 1, {}};
    CollectChanges([&](const RECT& r) { fresh.rects.push_back(r); });
    if (!fresh.rects.empty()) {
        ++collections_;
        history_.push_back(std::move(fresh));
        if (history_.size() > kKept) history_.pop_front();
    }
    const bool complete = seen == collections_ || (!history_.empty() && history_.front().number <= seen + 1);
    for (const Collection& c : history_)
        if (c.number > seen)
            for (const RECT& r : c.rects) add(r);
    seen = collections_;
    return complete;
}

void SpriteLayer::CollectChanges(const std::function<void(const RECT&)>& add) {
    for (const RECT& r : departed_) add(r);
    departed_.clear();
    ForEach([&](Sprite* s) { s->TakeChanges([&](const RECT& r) { add(r); }); });
}

void SpriteLayer::Draw(quor::ImageHeader* buffer, const RECT& area, int32_t originX, int32_t originY) {
    if (!buffer || buffer->kind == quor::KindLevelMask) return;
    Rect32 view = {originX, originY, originX + int32_t(buffer->width), originY + int32_t(buffer->height)};
    Rect32 clip = quor::Intersect(view, Rect32{area.left, area.top, area.right, area.bottom});
    if (quor::IsEmpty(clip)) return;
    ForEach([&](Sprite* s) {
        if (s->IsHidden()) return;
        const quor::PieceSet& p = s->Pieces();
        for (int i = 0; i < p.count; ++i) {
            const quor::SpritePiece& q = p.pieces[i];
            if (!quor::IsEmpty(quor::Intersect(clip, Rect32{q.left, q.top, q.right, q.bottom}))) {
                s->Render(buffer, clip, originX, originY);
                return;
            }
        }
        const quor::PieceSet& sh = s->ShadowPieces();
        for (int i = 0; i < sh.count; ++i) {
            const quor::SpritePiece& q = sh.pieces[i];
            if (!quor::IsEmpty(quor::Intersect(clip, Rect32{q.left, q.top, q.right, q.bottom}))) {
                s->Render(buffer, clip, originX, originY);
                return;
            }
        }
    });
}

int SpriteLayer::HitTest(int32_t x, int32_t y, int32_t* handles, int room) const {
    if (!handles || room <= 0) return 0;
    int n = 0;
    ForEach([&](Sprite* s) {
        if (n >= room || s->IsHidden()) return;
        const quor::PieceSet& p = s->Pieces();
        for (int i = 0; i < p.count; ++i) {
            const quor::SpritePiece& q = p.pieces[i];
            if (x >= q.left && x < q.right && y >= q.top && y < q.bottom) {
                handles[n++] = s->Handle();
                return;
            }
        }
    });
    for (int i = n; i < room; ++i) handles[i] = 0;
    return n;
}
