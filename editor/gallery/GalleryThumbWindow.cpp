#include "GalleryThumbWindow.h"

#include "AppState.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "StageSetup.h"
#include "ThreadSyncToken.h"

namespace {
const DWORD kViewStyle = 0x54000000;  // child, visible, clip siblings
const int32_t kGalleryStageKind = 2;
}  // namespace

GalleryThumbWindow::GalleryThumbWindow(uint32_t file, const GalleryRecord& record, int32_t visibleRows,
                                       POINT thumbnailOffset, POINT highlightOffset)
    : file_(file), record_(record), grid_(record, visibleRows), visibleRows_(visibleRows),
      thumbnailOffset_(thumbnailOffset), highlightOffset_(highlightOffset) {
    BindDecidingMessage(WM_MOUSEMOVE, this, &GalleryThumbWindow::OnMouseMove);
    BindDecidingMessage(WM_MOUSELEAVE, this, &GalleryThumbWindow::OnMouseLeave);
    BindDecidingMessage(WM_LBUTTONDOWN, this, &GalleryThumbWindow::OnButtonDown);
    BindDecidingMessage(WM_SETCURSOR, this, &GalleryThumbWindow::OnSetCursor);
}

GalleryThumbWindow::~GalleryThumbWindow() { Close(); }

bool GalleryThumbWindow::Open(Window* dialog, SIZE size, int32_t firstRow) {
    dialog_ = dialog->GetHandle();
    firstRow_ = firstRow;
    cellWidth_ = size.cx / GalleryGrid::kColumns > 0 ? size.cx / GalleryGrid::kColumns : 1;
    cellHeight_ = visibleRows_ > 0 && size.cy / visibleRows_ > 0 ? size.cy / visibleRows_ : 1;
    HWND view = CreateWindowExA(0, "BraskQUOR_TV", "", kViewStyle, 0, 0, size.cx, size.cy, dialog_, nullptr,
                                GetAppInstance(), nullptr);
    if (!view) return false;
    if (!Attach(view)) {
        DestroyWindow(view);
        return false;
    }
    return BuildStage(size);
}

bool GalleryThumbWindow::BuildStage(SIZE) {
    ThreadSyncToken token;
    stage_.stage = CreateStage(kGalleryStageKind);
    if (!stage_.stage || !SelectBackdrop(stage_.stage, Asset(GalleryRecord::kBackdrop))) return false;
    camera_.camera = CreateCamera(stage_.stage, 0, 0, nullptr);
    if (!camera_.camera) return false;
    CreateAnimSpriteAt(stage_, highlight_, Asset(GalleryRecord::kHighlight), 0, 0, kHighlightDepth, false);
    for (int32_t r = 0; r < visibleRows_; ++r) {
        for (int32_t c = 0; c < GalleryGrid::kColumns; ++c) {
            auto holder = std::make_unique<SpriteHandle>();
            CreateAnimSpriteAt(stage_, *holder, Asset(GalleryRecord::kThumbnails), c * cellWidth_ + thumbnailOffset_.x,
                               r * cellHeight_ + thumbnailOffset_.y, kThumbnailDepth, true);
            thumbnails_.push_back(std::move(holder));
        }
    }
    ShowRows(firstRow_);
    PlugCameraIntoTv(GetHandle(), 1, camera_.camera);
    return true;
}

void GalleryThumbWindow::ShowRows(int32_t firstRow) {
    firstRow_ = firstRow;
    for (int32_t r = 0; r < visibleRows_; ++r) {
        for (int32_t c = 0; c < GalleryGrid::kColumns; ++c) {
            const SpriteHandle& holder = *thumbnails_.at(size_t(r * GalleryGrid::kColumns + c));
            if (holder.IsEmpty()) continue;
            // A cell past the last picture stays empty.
            const bool shown = grid_.HoldsPicture(GalleryCell{c, firstRow + r});
            if (shown) AnimateSprite(holder.Get(), uint32_t(c), uint32_t(firstRow + r), 0);
            MakeSpriteVisible(holder.Get(), shown ? 1 : 0);
        }
    }
}

void GalleryThumbWindow::Close() {
    if (HWND window = GetHandle()) {
        Unsubclass();
        if (IsWindow(window)) DestroyWindow(window);
    }
    ThreadSyncToken token;
    thumbnails_.clear();
    highlight_.Reset(0);
    DeleteStageAndCamera(stage_, camera_);
}

int GalleryThumbWindow::OnMouseMove(WPARAM, LPARAM point, LRESULT*) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    const GalleryCell cell = GalleryGrid::CellAt(short(LOWORD(point)), short(HIWORD(point)), cellWidth_, cellHeight_,
                                                 firstRow_);
    if (cell.column == hovered_.column && cell.row == hovered_.row) return kNotHandled;
    hovered_ = cell;
    const POINT at = {cell.column * cellWidth_ + highlightOffset_.x,
                      (cell.row - firstRow_) * cellHeight_ + highlightOffset_.y};
    PlaceHeldSprite(highlight_, at, kHighlightDepth);
    if (!highlight_.IsEmpty()) MakeSpriteVisible(highlight_.Get(), 1);
    highlightShown_ = true;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, GetHandle(), 0};
    TrackMouseEvent(&track);
    return kNotHandled;
}

int GalleryThumbWindow::OnMouseLeave(WPARAM, LPARAM, LRESULT*) {
    if (!highlight_.IsEmpty()) MakeSpriteVisible(highlight_.Get(), 0);
    highlightShown_ = false;
    hovered_ = GalleryCell{};
    return kNotHandled;
}

int GalleryThumbWindow::OnButtonDown(WPARAM, LPARAM point, LRESULT*) {
    const GalleryCell cell = GalleryGrid::CellAt(short(LOWORD(point)), short(HIWORD(point)), cellWidth_, cellHeight_,
                                                 firstRow_);
    if (grid_.HoldsPicture(cell)) ::PostMessageA(dialog_, kPickedMessage, WPARAM(cell.column), LPARAM(cell.row));
    return kNotHandled;
}

int GalleryThumbWindow::OnSetCursor(WPARAM, LPARAM, LRESULT* result) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    *result = TRUE;
    return kHandled;
}
