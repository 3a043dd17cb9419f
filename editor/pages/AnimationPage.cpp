#include "AnimationPage.h"

#include "AnimationSet.h"
#include "Bitmap.h"
#include "SequencePreviewWindow.h"

namespace {
const DWORD kPaneStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

RECT Grown(RECT r, int by) {
    InflateRect(&r, by, by);
    return r;
}
}  // namespace

AnimationPage::AnimationPage(Window* parent, Window* owner, const std::vector<AnimationSet*>& sets,
                             const std::string& folder)
    : PageScrollView(parent, RECT{0, 0, 0, 0}, 0, kPaneStyle), owner_(owner), folder_(folder) {
    for (AnimationSet* set : sets) {
        AnimationRow row;
        row.set = set;
        FillThumbs(row);
        rows_.push_back(std::move(row));
    }
}

AnimationPage::~AnimationPage() {
    previews_.clear();
    if (GetHandle()) Destroy();
    rows_.clear();
}

int AnimationPage::Create() {
    if (!PageScrollView::Create()) return 0;
    BindMessage(WM_KEYDOWN, this, &AnimationPage::OnKey);
    BindMessage(WM_RENDERFORMAT, this, &AnimationPage::OnRenderFormat);
    BindMessage(WM_RENDERALLFORMATS, this, &AnimationPage::OnRenderAllFormats);
    BindMessage(WM_CONTEXTMENU, this, &AnimationPage::OnMenuRequest);
    contentPane_.BindMessage(WM_LBUTTONDOWN, this, &AnimationPage::OnPress);
    contentPane_.BindMessage(WM_MOUSEMOVE, this, &AnimationPage::OnMove);
    contentPane_.BindMessage(WM_LBUTTONUP, this, &AnimationPage::OnRelease);
    contentPane_.BindMessage(WM_CAPTURECHANGED, this, &AnimationPage::OnCaptureChanged);
    contentPane_.BindMessage(WM_CONTEXTMENU, this, &AnimationPage::OnMenuRequest);
    Relayout(0);
    return 1;
}

void AnimationPage::Relayout(size_t fromRow) {
    contentSize_ = LayOutRows(rows_, LineHeight());
    UpdateScrollRanges();
    if (!GetPane()) return;
    RECT below = {0, 0, 0, 0};
    GetClientRect(GetPane(), &below);
    if (fromRow < rows_.size()) below.top = std::max<LONG>(0, ToPane(rows_[fromRow].rect).top);
    InvalidateRect(GetPane(), &below, TRUE);
}

RECT AnimationPage::ThumbRect(const ThumbIndex& at) const {
    const AnimationRow& row = rows_[at.row];
    const AnimationThumb& thumb = row.thumbs[at.thumb];
    const int32_t left = row.rect.left + thumb.x, top = row.rect.top + LineHeight() + thumb.y;
    return RECT{left, top, left + thumb.width, top + thumb.height};
}

ThumbIndex AnimationPage::HitTest(POINT content) const {
    for (size_t r = 0; r < rows_.size(); ++r) {
        RECT band = rows_[r].rect;
        band.bottom += LineHeight();
        if (!PtInRect(&band, content)) continue;
        for (size_t t = 0; t < rows_[r].thumbs.size(); ++t) {
            const RECT image = ThumbRect(ThumbIndex{int(r), int(t)});
            if (PtInRect(&image, content)) return ThumbIndex{int(r), int(t)};
        }
        return ThumbIndex{int(r), int(rows_[r].thumbs.size())};
    }
    return ThumbIndex();
}

void AnimationPage::PaintPane(HDC dc) {
    RECT client = {};
    GetClientRect(GetPane(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ oldFont = SelectObject(dc, GetFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    HDC images = CreateCompatibleDC(dc);
    for (const AnimationRow& row : rows_) PaintRow(dc, row, images);
    DeleteDC(images);
    SelectObject(dc, oldFont);
}

void AnimationPage::PaintRow(HDC dc, const AnimationRow& row, HDC images) {
    const RECT top = ToPane(row.rect);
    const std::string& name = row.set->GetName();
    TextOutA(dc, top.left, top.top, name.c_str(), int(name.size()));
    for (size_t t = 0; t < row.thumbs.size(); ++t) {
        const AnimationThumb& thumb = row.thumbs[t];
        const RECT at = ToPane(ThumbRect(ThumbIndex{int(&row - rows_.data()), int(t)}));
        if (thumb.image && thumb.image->Handle()) {
            HGDIOBJ old = SelectObject(images, thumb.image->Handle());
            BitBlt(dc, at.left, at.top, thumb.width, thumb.height, images, 0, 0, SRCCOPY);
            SelectObject(images, old);
        }
        if (!thumb.selected) continue;
        for (int by = 1; by <= 3; ++by) {
            const RECT frame = Grown(at, by);
            FrameRect(dc, &frame, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
    }
}

AnimationThumb* AnimationPage::SelectedThumb() {
    if (selection_.row < 0) return nullptr;
    return &rows_[selection_.row].thumbs[selection_.thumb];
}

void AnimationPage::RedrawThumb(const ThumbIndex& at) {
    if (at.row < 0 || !GetPane()) return;
    const RECT r = ToPane(Grown(ThumbRect(at), 3));
    InvalidateRect(GetPane(), &r, TRUE);
}

void AnimationPage::Select(const ThumbIndex& at) {
    if (AnimationThumb* old = SelectedThumb()) {
        old->selected = false;
        RedrawThumb(selection_);
    }
    selection_ = at;
    AnimationThumb* thumb = SelectedThumb();
    if (!thumb) return ReportSelection();
    thumb->selected = true;
    ScrollIntoView(ThumbRect(at));
    RedrawThumb(at);
    ReportSelection();
}

void AnimationPage::ClearSelection() {
    if (AnimationThumb* old = SelectedThumb()) {
        old->selected = false;
        RedrawThumb(selection_);
    }
    selection_ = ThumbIndex();
    ReportSelection();
}

void AnimationPage::ReportSelection() {
    if (!owner_ || !owner_->GetHandle()) return;
    std::string text = "Ready";
    if (selection_.row >= 0) {
        const AnimationRow& row = rows_[selection_.row];
        text = row.set->GetName() + " " + std::to_string(row.set->GetSequenceCount()) + " Sequences using " +
               std::to_string(row.thumbs.size()) + " Images";
        ::SendMessageA(owner_->GetHandle(), kSelectionChanged, 0, 0);
    }
    ::SendMessageA(owner_->GetHandle(), kStatusText, 0, LPARAM(text.c_str()));
}

LRESULT AnimationPage::OnKey(WPARAM key, LPARAM) {
    bool forward = false;
    switch (key) {
    case VK_LEFT:
    case VK_UP: forward = false; break;
    case VK_RIGHT:
    case VK_DOWN: forward = true; break;
    case VK_TAB: forward = GetKeyState(VK_SHIFT) >= 0; break;
    default: return 0;
    }
    std::vector<size_t> sizes;
    for (const AnimationRow& row : rows_) sizes.push_back(row.thumbs.size());
    const ThumbIndex next = StepThumb(sizes, selection_, forward);
    if (next.row >= 0) Select(next);
    return 0;
}
