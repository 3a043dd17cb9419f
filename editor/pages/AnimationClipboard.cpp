// Copying a frame to the clipboard with delayed rendering: Copy only announces a DIB; the
// picture is built when a program asks for it (or when the page goes and the clipboard
// still needs it). Pasting takes the page's own copy while the page still owns the
// clipboard, and the clipboard's DIB otherwise.
#include <cstring>

#include "AnimationPage.h"
#include "Bitmap.h"

void AnimationPage::CopyFrame() {
    const AnimationThumb* thumb = SelectedThumb();
    if (!thumb || !OpenClipboard(GetHandle())) return;
    EmptyClipboard();
    clipThumb_ = *thumb;
    clipThumb_.selected = false;
    clipFrame_.AssignFrom(*thumb->framePointer);
    clipThumb_.framePointer = &clipFrame_;
    holdsClipboard_ = true;
    rendered_ = false;
    SetClipboardData(CF_DIB, nullptr);
    CloseClipboard();
}

// One movable block: a bottom-up 16-bit BITMAPINFOHEADER without colour table, then the
// pixels as GDI reads them out of the picture.
HGLOBAL AnimationPage::BuildClipboardDib() const {
    const Bitmap* image = clipThumb_.image.get();
    if (!image || !image->Handle()) return nullptr;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = image->Width();
    header.biHeight = image->Height();
    header.biPlanes = 1;
    header.biBitCount = 16;
    header.biCompression = BI_RGB;
    header.biSizeImage = DWORD(((2 * image->Width() + 3) & ~3) * image->Height());
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, sizeof header + header.biSizeImage);
    if (!block) return nullptr;
    auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
    std::memcpy(bytes, &header, sizeof header);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, image->Handle(), 0, UINT(image->Height()), bytes + sizeof header,
              reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GlobalUnlock(block);
    return block;
}

LRESULT AnimationPage::OnRenderFormat(WPARAM format, LPARAM) {
    if (format != CF_DIB || !holdsClipboard_) return 0;
    if (HGLOBAL dib = BuildClipboardDib()) {
        SetClipboardData(CF_DIB, dib);
        rendered_ = true;
    }
    return 0;
}

LRESULT AnimationPage::OnRenderAllFormats(WPARAM, LPARAM) {
    if (!holdsClipboard_ || !OpenClipboard(GetHandle())) return 0;
    if (GetClipboardOwner() == GetHandle()) OnRenderFormat(CF_DIB, 0);
    CloseClipboard();
    return 0;
}

// The picture to paste: a copy of the page's own while it still owns the clipboard, else
// a new picture from the clipboard's DIB; null when there is none.
std::shared_ptr<Bitmap> AnimationPage::ClipboardImage() {
    if (holdsClipboard_ && GetClipboardOwner() == GetHandle() && clipThumb_.image)
        return std::make_shared<Bitmap>(*clipThumb_.image);
    auto pasted = std::make_shared<Bitmap>();
    if (!pasted->PasteClipboard(GetHandle())) return nullptr;
    return pasted;
}
