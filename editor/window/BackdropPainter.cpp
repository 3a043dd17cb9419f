#include "BackdropPainter.h"

#include <algorithm>
#include <cstring>

#include "AssetWords.h"
#include "Bitmap.h"

namespace {
const int kBufferHeaderBytes = 20;
}  // namespace

BackdropPainter::BackdropPainter() = default;
BackdropPainter::~BackdropPainter() = default;

void BackdropPainter::SetPicture(HBITMAP picture) {
    picture_.reset();
    BITMAP info = {};
    if (!picture || !GetObjectA(picture, sizeof info, &info)) return;
    auto converted = std::make_unique<Bitmap>(info.bmWidth, info.bmHeight, 15, true);
    if (!converted->IsValid()) return;
    HDC from = CreateCompatibleDC(nullptr), to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, picture), oldTo = SelectObject(to, converted->Handle());
    BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    GdiFlush();
    picture_ = std::move(converted);
}

int __stdcall BackdropPainter::Draw(QuorBackdropDrawRequest* request) {
    const auto* painter = reinterpret_cast<const BackdropPainter*>(uintptr_t(request->userData));
    if (painter) painter->Paint(*request);
    return 1;
}

void BackdropPainter::Paint(QuorBackdropDrawRequest& request) const {
    auto* buffer = static_cast<uint8_t*>(request.surface);
    if (!buffer) return;
    const int32_t bufferWidth = AssetWord16(buffer, 8), bufferHeight = AssetWord16(buffer, 10);
    const uint32_t bufferRow = (uint32_t(bufferWidth) * 2 + 3) & ~3u;
    uint8_t* pixels = buffer + kBufferHeaderBytes;
    const RECT& d = request.dest;
    for (int32_t y = std::max<LONG>(d.top, 0); y < std::min<LONG>(d.bottom, bufferHeight); ++y) {
        uint8_t* row = pixels + bufferRow * uint32_t(y);
        const int32_t left = std::max<LONG>(d.left, 0), right = std::min<LONG>(d.right, bufferWidth);
        if (right <= left) continue;
        std::memset(row + left * 2, 0, size_t(right - left) * 2);
        if (!picture_) continue;
        const int32_t sy = request.source.top + (y - d.top);
        if (sy < 0 || sy >= picture_->Height()) continue;
        const int32_t sx = request.source.left + (left - d.left);
        const int32_t from = std::max(sx, 0), to = std::min(sx + (right - left), picture_->Width());
        if (to <= from) continue;
        const uint8_t* source = picture_->Pixels() + picture_->RowBytes() * uint32_t(sy) + from * 2;
        std::memcpy(row + (left + (from - sx)) * 2, source, size_t(to - from) * 2);
    }
}
