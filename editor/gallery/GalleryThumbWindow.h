// The view of a gallery picker: an engine TV window showing the gallery's dialog backdrop
// with one thumbnail sprite per visible cell (four to a row) and a highlight frame that
// follows the pointer. A press on a picture posts the picked message (column, row of the
// gallery) to the dialog; presses beside the pictures are ignored.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "GalleryGrid.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"
#include "Window.h"

class GalleryThumbWindow : public Window {
public:
    // Posted to the dialog: wParam the column, lParam the gallery row.
    static const UINT kPickedMessage = 6331;
    static const int32_t kHighlightDepth = 100, kThumbnailDepth = 10;

    GalleryThumbWindow(uint32_t file, const GalleryRecord& record, int32_t visibleRows, POINT thumbnailOffset,
                       POINT highlightOffset);
    ~GalleryThumbWindow() override;

    // Makes the TV window (size of the dialog's backdrop) in the dialog, its stage and
    // sprites, starting at the first row.
    bool Open(Window* dialog, SIZE size, int32_t firstRow);
    // Shows the rows from the first row on.
    void ShowRows(int32_t firstRow);
    // Gives the window its procedure back, destroys it and deletes the engine's objects.
    void Close();

    GalleryCell GetHovered() const { return hovered_; }
    bool IsHighlightShown() const { return highlightShown_; }
    int32_t GetCellWidth() const { return cellWidth_; }
    int32_t GetCellHeight() const { return cellHeight_; }

private:
    bool BuildStage(SIZE size);
    uint32_t Asset(GalleryRecord::Word word) const { return file_ | uint32_t(record_[word]); }
    int OnMouseMove(WPARAM, LPARAM point, LRESULT*);
    int OnMouseLeave(WPARAM, LPARAM, LRESULT*);
    int OnButtonDown(WPARAM, LPARAM point, LRESULT*);
    int OnSetCursor(WPARAM, LPARAM, LRESULT*);

    uint32_t file_;
    GalleryRecord record_;
    GalleryGrid grid_;
    int32_t visibleRows_;
    POINT thumbnailOffset_, highlightOffset_;
    int32_t cellWidth_ = 1, cellHeight_ = 1;
    int32_t firstRow_ = 0;
    GalleryCell hovered_;
    bool highlightShown_ = false;
    HWND dialog_ = nullptr;
    StageParent stage_;
    CameraParent camera_;
    SpriteHandle highlight_;
    std::vector<std::unique_ptr<SpriteHandle>> thumbnails_;
};
