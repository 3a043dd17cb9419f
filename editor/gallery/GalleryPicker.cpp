#include "GalleryPicker.h"

#include <algorithm>
#include <cstring>

#include "GalleryThumbWindow.h"
#include "Quor2_5.h"

namespace {
const uint32_t kUserInfoBytes = 68;
const size_t kWidthByte = 10, kHeightByte = 12;
const char kDamagedGalleryText[] = "The gallery's backdrop picture is damaged (too short to hold its size): nothing can be picked.";

GalleryRecord ReadRecord(uint32_t file, int record) {
    uint8_t info[kUserInfoBytes] = {};
    uint32_t size = sizeof info;
    if (record < 0 || !GetAssetFileUserInfo(file, info, &size) ||
        size < uint32_t(record + 1) * GalleryRecord::kBytes) {
        CloseAssetFile(file);
        throw 0;
    }
    GalleryRecord words;
    std::memcpy(words.words, info + record * GalleryRecord::kBytes, GalleryRecord::kBytes);
    return words;
}

uint32_t OpenGallery(const std::string& path) {
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1) throw 0;
    return uint32_t(file);
}
}  // namespace

GalleryPicker::GalleryPicker(const std::string& file, int record, int32_t visibleRows, POINT thumbnailOffset,
                             POINT highlightOffset, const std::string& caption)
    : Dialog("DLG_SYMBOL_GALLERY"), file_(OpenGallery(file)), record_(ReadRecord(file_, record)),
      grid_(record_, visibleRows), visibleRows_(visibleRows), thumbnailOffset_(thumbnailOffset),
      highlightOffset_(highlightOffset), caption_(caption) {
    BindMessage(WM_VSCROLL, this, &GalleryPicker::OnScroll);
    BindMessage(WM_MOUSEWHEEL, this, &GalleryPicker::OnWheel);
    BindMessage(GalleryThumbWindow::kPickedMessage, this, &GalleryPicker::OnPicked);
    BindMessage(WM_CLOSE, this, &GalleryPicker::OnClose);
    BindCommand(IDCANCEL, this, &GalleryPicker::OnCancel);
}

GalleryPicker::~GalleryPicker() {
    view_.reset();
    CloseAssetFile(file_);
}

GalleryPick GalleryPicker::Pick(Window* parent, int32_t& firstRow) {
    firstRow_ = std::clamp(firstRow, 0, grid_.GetLargestFirstRow());
    pick_ = GalleryPick{};
    DoModal(parent);
    view_.reset();
    firstRow = firstRow_;
    return pick_;
}

// The size words of the gallery's backdrop asset; 0 by 0 when the asset cannot be had or
// is too short to hold them.
SIZE GalleryPicker::BackdropSize() const {
    const uint32_t backdrop = file_ | uint32_t(record_[GalleryRecord::kBackdrop]);
    LoadAsset(backdrop, 0);
    const auto* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(backdrop));
    if (!data) return SIZE{0, 0};
    uint16_t width = 0, height = 0;
    QuorAssetInfo info{};
    if (GetAssetInfo(backdrop, &info) && size_t(info.dataSize) + 4 >= kHeightByte + 2) {
        std::memcpy(&width, data + kWidthByte, 2);
        std::memcpy(&height, data + kHeightByte, 2);
    }
    ReleaseAsset(backdrop);
    return SIZE{width, height};
}

void GalleryPicker::FitToBackdrop(SIZE size) {
    RECT frame = {0, 0, size.cx + GetSystemMetrics(SM_CXVSCROLL), size.cy};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongA(GetHandle(), GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(GetHandle(), GWL_EXSTYLE)));
    SetWindowPos(GetHandle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int GalleryPicker::OnCreate() {
    SetWindowTextA(GetHandle(), caption_.c_str());
    const SIZE size = BackdropSize();
    if (size.cx <= 0 || size.cy <= 0) {
        MessageBoxA(GetHandle(), kDamagedGalleryText, caption_.c_str(), MB_OK | MB_ICONSTOP);
        EndWith(false);
        return 1;
    }
    FitToBackdrop(size);
    ShowScrollBar(GetHandle(), SB_VERT, TRUE);
    // A gallery that fits in view keeps its bar, disabled: without it the client area would
    // reach past the view by the bar's width.
    SCROLLINFO scroll = {sizeof scroll, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, grid_.GetRows() - 1,
                         UINT(visibleRows_), firstRow_, 0};
    SetScrollInfo(GetHandle(), SB_VERT, &scroll, TRUE);
    view_ = std::make_unique<GalleryThumbWindow>(file_, record_, visibleRows_, thumbnailOffset_, highlightOffset_);
    if (!view_->Open(this, size, firstRow_)) EndWith(false);
    return 1;
}

LRESULT GalleryPicker::OnScroll(WPARAM request, LPARAM) {
    const int32_t row = grid_.Scroll(firstRow_, LOWORD(request), int16_t(HIWORD(request)));
    if (row == firstRow_) return 0;
    firstRow_ = row;
    if (view_) view_->ShowRows(row);
    SetScrollPos(GetHandle(), SB_VERT, row, TRUE);
    return 0;
}

// A notch of the wheel moves one row; the turns of a finer wheel add up to notches.
LRESULT GalleryPicker::OnWheel(WPARAM turn, LPARAM) {
    wheel_ += GET_WHEEL_DELTA_WPARAM(turn);
    for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) OnScroll(SB_LINEUP, 0);
    for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) OnScroll(SB_LINEDOWN, 0);
    return 0;
}

LRESULT GalleryPicker::OnPicked(WPARAM column, LPARAM row) {
    const GalleryCell cell{int32_t(column), int32_t(row)};
    if (!grid_.HoldsPicture(cell)) return 0;
    pick_.column = cell.column;
    pick_.row = cell.row;
    pick_.picture = grid_.PictureNumber(cell);
    EndWith(true);
    return 0;
}

LRESULT GalleryPicker::OnClose(WPARAM, LPARAM) {
    EndWith(false);
    return 0;
}

void GalleryPicker::OnCancel(int, int) { EndWith(false); }

void GalleryPicker::EndWith(bool picked) {
    pick_.picked = picked;
    if (view_) view_->Close();
    End(picked ? IDOK : IDCANCEL);
}
