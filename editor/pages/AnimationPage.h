// The editor's Animations page: every animation of the machine as a row, its name above
// its frames (one line of thumbnails per sequence). The author selects a frame with the
// mouse or the keys, copies it to the clipboard, pastes over it or before it, deletes
// it, inserts frames from files or drags a copy of it before another frame, edits the
// animation's transparency and hot spot, and plays a sequence in a preview window. The
// edits change the animation sets, which the layout saves with the script. The owner
// window hears of the selection (1033) and gets the status text (1025).
#pragma once
#include <windows.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "AnimationFrame.h"
#include "AnimationRow.h"
#include "PageScrollView.h"
#include "ThumbStep.h"

class AnimationSet;
class SequencePreviewWindow;

class AnimationPage : public PageScrollView {
public:
    static constexpr UINT kSelectionChanged = 1033;
    static constexpr UINT kStatusText = 1025;

    AnimationPage(Window* parent, Window* owner, const std::vector<AnimationSet*>& sets, const std::string& folder);
    ~AnimationPage() override;
    // Tells the owner the selected frame's status text ("Ready" without one).
    void ReportSelection();

    int Create() override;
    int CanClose() override { return 1; }
    void GetContentSize(SIZE* size) override { *size = contentSize_; }
    void GetLineSize(SIZE* size) override { *size = SIZE{10, 10}; }

    // What lies under a content point: a row and a thumbnail of it; thumb == the row's
    // thumbnail count is the row's end (after its last frame). Row -1: nothing.
    ThumbIndex HitTest(POINT content) const;
    // The thumbnail's image rectangle in content coordinates.
    RECT ThumbRect(const ThumbIndex& at) const;
    const std::vector<AnimationRow>& GetRows() const { return rows_; }
    ThumbIndex GetSelection() const { return selection_; }
    bool IsDragging() const { return dragState_ != kIdle; }
    size_t GetPreviewCount() const { return previews_.size(); }
    SequencePreviewWindow* GetLastPreview() const { return previews_.empty() ? nullptr : previews_.back().get(); }

    // The popup menu's commands on the selection, as the menu runs them.
    void RunCommand(int command);
    // Whether the menu offers Paste: a frame is selected, and the page holds the
    // clipboard or it offers a picture.
    bool CanPaste() const;

private:
    enum DragState { kIdle = 0, kPressed = 1, kDragging = 2 };

    void PaintPane(HDC dc) override;
    void PaintRow(HDC dc, const AnimationRow& row, HDC images);
    LRESULT OnKey(WPARAM key, LPARAM);
    LRESULT OnMenuRequest(WPARAM, LPARAM screenPoint);
    LRESULT OnPress(WPARAM, LPARAM point);
    LRESULT OnMove(WPARAM, LPARAM point);
    LRESULT OnRelease(WPARAM, LPARAM point);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    LRESULT OnRenderFormat(WPARAM format, LPARAM);
    LRESULT OnRenderAllFormats(WPARAM, LPARAM);

    // Selection.
    void Select(const ThumbIndex& at);
    void ClearSelection();
    void RedrawThumb(const ThumbIndex& at);
    AnimationThumb* SelectedThumb();

    // Dragging a copy of a frame.
    void RunDragLoop(POINT pointer);
    void DrawDragFeedback(POINT pointer);
    void EraseDragFeedback();
    void EndDrag(bool drop, POINT pointer);

    // Edits; each keeps the rows in step with the sets.
    void Relayout(size_t fromRow);
    AnimationFrame* InsertFrameBefore(const ThumbIndex& at, const std::string& file,
                                      const std::shared_ptr<Bitmap>& image);
    void PlaySequence();
    void CopyFrame();
    void PasteFrame(bool asNewFrame);
    std::shared_ptr<Bitmap> ClipboardImage();
    HGLOBAL BuildClipboardDib() const;
    void DeleteFrame();
    void InsertFramesFromFiles();
    void EditProperties();

    Window* owner_;
    std::vector<AnimationRow> rows_;
    std::string folder_;
    SIZE contentSize_ = {0, 0};
    ThumbIndex selection_;

    DragState dragState_ = kIdle;
    bool captureLost_ = false;
    POINT pressPoint_ = {0, 0};
    ThumbIndex dragged_;
    RECT dragImageRect_ = {0, 0, 0, 0};
    RECT markRect_ = {0, 0, 0, 0};
    ThumbIndex dropTarget_;

    // The frame last copied, kept for delayed rendering and for pasting while the page
    // still owns the clipboard.
    AnimationThumb clipThumb_;
    AnimationFrame clipFrame_;
    bool holdsClipboard_ = false;
    bool rendered_ = false;

    std::list<std::unique_ptr<SequencePreviewWindow>> previews_;
};
