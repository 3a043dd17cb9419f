// The Animations page's edits of the animation sets: inserting, pasting and deleting
// frames, inserting frames from files, the animation's properties and the sequence
// preview, reached from the popup menu.
#include <algorithm>

#include "AnimationPage.h"
#include "AnimationPropertiesDialog.h"
#include "AnimationSet.h"
#include "Bitmap.h"
#include "EditorPageIds.h"
#include "PageDialogs.h"
#include "PictureFileText.h"
#include "RelativePath.h"
#include "SequencePreviewWindow.h"

namespace {
const char kBitmapFilter[] = "Bitmaps (*.bmp)\0*.bmp\0";
const POINT kPreviewPlace = {200, 200};
}  // namespace

LRESULT AnimationPage::OnMenuRequest(WPARAM, LPARAM screenPoint) {
    POINT screen;
    MenuPoint(screenPoint, &screen);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_ANIMATION_POPUP));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu, 0);
    const UINT selected = selection_.row >= 0 ? MF_ENABLED : MF_GRAYED;
    for (int id : {ID_PLAY_ITEM, ID_COPY_FRAME, ID_DELETE_ITEM, ID_INSERT_FRAMES})
        EnableMenuItem(popup, id, MF_BYCOMMAND | selected);
    const UINT paste = CanPaste() ? MF_ENABLED : MF_GRAYED;
    for (int id : {ID_PASTE_FRAME, ID_PASTE_NEW_FRAME}) EnableMenuItem(popup, id, MF_BYCOMMAND | paste);
    for (int id = 40055; id <= 40059; ++id) EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
    const int command = TrackPopupMenu(popup, TPM_RETURNCMD, screen.x, screen.y, 0, GetHandle(), nullptr);
    DestroyMenu(menu);
    if (command) RunCommand(command);
    return 0;
}

bool AnimationPage::CanPaste() const {
    if (selection_.row < 0) return false;
    return (holdsClipboard_ && GetClipboardOwner() == GetHandle()) || Bitmap::CanPaste();
}

void AnimationPage::RunCommand(int command) {
    if (command == ID_ITEM_PROPERTIES) return EditProperties();
    if (selection_.row < 0) return;
    switch (command) {
    case ID_PLAY_ITEM: PlaySequence(); break;
    case ID_COPY_FRAME: CopyFrame(); break;
    case ID_PASTE_FRAME: PasteFrame(false); break;
    case ID_PASTE_NEW_FRAME: PasteFrame(true); break;
    case ID_DELETE_ITEM: DeleteFrame(); break;
    case ID_INSERT_FRAMES: InsertFramesFromFiles(); break;
    default: break;
    }
}

// The rows follow the sets again; the selection stays on the frame it was on, when that
// frame is still there.
static void KeepSelectionOn(std::vector<AnimationRow>& rows, ThumbIndex& selection, const AnimationFrame* frame) {
    selection = ThumbIndex();
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t t = 0; t < rows[r].thumbs.size(); ++t)
            if (frame && rows[r].thumbs[t].framePointer == frame) selection = ThumbIndex{int(r), int(t)};
    if (selection.row >= 0) rows[selection.row].thumbs[selection.thumb].selected = true;
}

// A new frame before the thumbnail (or at the end of a row without frames), from the
// image file, or sharing the image when no file is given. It takes the thumbnail's frame's
// hot spot and transparency.
AnimationFrame* AnimationPage::InsertFrameBefore(const ThumbIndex& at, const std::string& file,
                                                 const std::shared_ptr<Bitmap>& image) {
    AnimationRow& row = rows_[at.row];
    AnimationSet& set = *row.set;
    const AnimationFrame* selectedFrame = selection_.row >= 0 ? SelectedThumb()->framePointer : nullptr;
    auto* frame = new AnimationFrame();
    if (image) frame->SetImage(image);
    else frame->LoadFile(file, 0);
    if (at.thumb < int(row.thumbs.size())) {
        const AnimationThumb& before = row.thumbs[at.thumb];
        int32_t horizontal = 1, vertical = 1;
        before.framePointer->GetHotspot(horizontal, vertical);
        frame->SetHotspot(horizontal, vertical);
        frame->SetTransparent(before.framePointer->GetTransparent());
        set.GetSequences()[before.sequence]->InsertFrame(size_t(before.frame), frame);
    } else {
        if (!set.GetSequenceCount()) set.AddSequence();
        AnimationSequence* last = set.GetSequences().back();
        last->InsertFrame(last->GetFrameCount(), frame);
    }
    set.Notify(0);
    FillThumbs(row);
    Relayout(size_t(at.row));
    KeepSelectionOn(rows_, selection_, selectedFrame);
    RECT shown = row.rect;
    shown.bottom += LineHeight();
    ScrollIntoView(shown);
    ReportSelection();  // the row's count of images has grown
    return frame;
}

void AnimationPage::DeleteFrame() {
    AnimationRow& row = rows_[selection_.row];
    const AnimationThumb thumb = row.thumbs[selection_.thumb];
    AnimationSequence* sequence = row.set->GetSequences()[thumb.sequence];
    sequence->RemoveFrame(thumb.framePointer);
    delete thumb.framePointer;
    if (!sequence->GetFrameCount()) delete row.set->RemoveSequence(size_t(thumb.sequence));
    row.set->Notify(0);
    const size_t edited = size_t(selection_.row);
    selection_ = ThumbIndex();
    FillThumbs(row);
    Relayout(edited);
    ReportSelection();
}

void AnimationPage::PasteFrame(bool asNewFrame) {
    const std::shared_ptr<Bitmap> image = ClipboardImage();
    if (!image) return;
    const ThumbIndex at = selection_;
    if (asNewFrame) {
        InsertFrameBefore(at, std::string(), image);
        return;
    }
    AnimationRow& row = rows_[at.row];
    AnimationFrame* frame = row.thumbs[at.thumb].framePointer;
    // A pasted picture is no longer its frame's image file: the set is saved as a
    // sequence file from now on.
    frame->SetImage(image);
    row.set->Notify(0);
    FillThumbs(row);
    Relayout(size_t(at.row));
    KeepSelectionOn(rows_, selection_, frame);
}

void AnimationPage::InsertFramesFromFiles() {
    std::vector<std::string> paths;
    if (!GetPageDialogs().chooseFiles(this, paths, kBitmapFilter, "Choose Bitmap Files")) return;
    // A file that is not read refuses the lot, before any frame is inserted.
    for (const std::string& path : paths) {
        const std::string problem = PictureFileProblem(path);
        if (problem.empty()) continue;
        MessageBoxA(GetHandle(), problem.c_str(), "Error loading file", MB_OK | MB_ICONSTOP);
        return;
    }
    // Each goes before the selected frame, so that they end up in the order chosen.
    for (const std::string& path : paths) InsertFrameBefore(selection_, MakeRelativePath(folder_, path), nullptr);
}

void AnimationPage::EditProperties() {
    AnimationSet* set = nullptr;
    if (selection_.row >= 0) set = rows_[selection_.row].set;
    else if (!rows_.empty()) set = rows_.front().set;
    if (!set) return;
    AnimationPropertiesDialog dialog(*set);
    if (dialog.DoModal(this) != 1) return;
    set->Notify(0);
}

void AnimationPage::PlaySequence() {
    const AnimationRow& row = rows_[selection_.row];
    const int32_t sequence = row.thumbs[selection_.thumb].sequence;
    std::vector<AnimationThumb> frames;
    for (const AnimationThumb& thumb : row.thumbs)
        if (thumb.sequence == sequence) frames.push_back(thumb);
    auto preview = std::make_unique<SequencePreviewWindow>(frames, kPreviewPlace);
    if (preview->Create()) previews_.push_back(std::move(preview));
}
