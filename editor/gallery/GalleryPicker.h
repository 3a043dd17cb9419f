// A modal picker over a gallery asset file: the pictures of one record of the file's user
// information as a scrolling grid of thumbnails, four to a row, and the number of the
// picture the user clicks. The scroll bar and the mouse wheel scroll it. The file stays open as long as the picker lives, so its owner
// may load the pictures it picks from it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Dialog.h"
#include "GalleryGrid.h"

class GalleryThumbWindow;

// What a run of the picker gives back.
struct GalleryPick {
    bool picked = false;     // false: the dialog was closed without a pick
    int32_t picture = 0;     // (column + row x 4) x step + base, when picked
    int32_t column = -1;     // the picked cell, when picked
    int32_t row = -1;
};

class GalleryPicker : public Dialog {
public:
    // Opens the gallery file and reads the record; a file that cannot be opened, or that
    // has no such record, throws the integer 0.
    GalleryPicker(const std::string& file, int record, int32_t visibleRows, POINT thumbnailOffset,
                  POINT highlightOffset, const std::string& caption);
    ~GalleryPicker() override;

    // Runs the dialog "DLG_SYMBOL_GALLERY" over the parent, scrolled to `firstRow`, which
    // gives back the row scrolled to.
    GalleryPick Pick(Window* parent, int32_t& firstRow);

    uint32_t GetFile() const { return file_; }
    const GalleryRecord& GetRecord() const { return record_; }
    const GalleryGrid& GetGrid() const { return grid_; }
    GalleryThumbWindow* GetView() const { return view_.get(); }
    int32_t GetFirstRow() const { return firstRow_; }

    int OnCreate() override;

private:
    SIZE BackdropSize() const;
    void FitToBackdrop(SIZE size);
    LRESULT OnScroll(WPARAM, LPARAM);
    LRESULT OnWheel(WPARAM, LPARAM);
    LRESULT OnPicked(WPARAM column, LPARAM row);
    LRESULT OnClose(WPARAM, LPARAM);
    void OnCancel(int id, int code);
    void EndWith(bool picked);

    uint32_t file_ = 0;
    GalleryRecord record_;
    GalleryGrid grid_;
    int32_t visibleRows_;
    POINT thumbnailOffset_, highlightOffset_;
    std::string caption_;
    int32_t firstRow_ = 0;
    int wheel_ = 0;  // the wheel's turn not yet a whole notch
    GalleryPick pick_;
    std::unique_ptr<GalleryThumbWindow> view_;
};
