// One symbol slot of the symbols page: its view in place of the dialog's placeholder, the
// four mouse listeners that hand the view's input to the page, and the picture it shows
// (a gallery pick, or a bitmap saved as "sym" + slot + ".bmp" among the temporary files).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "BitmapEditView.h"

class SymbolsPage;

enum class SlotMouse { kDown, kMove, kLeave };

class SymbolSlot {
public:
    SymbolSlot(SymbolsPage& page, int slot, int controlId);

    int Slot() const { return slot_; }
    BitmapEditView& View() { return *view_; }
    int32_t GalleryPick() const { return pick_; }

    // Shows gallery pick `pick` (asset `asset` of the open gallery); false when it cannot
    // be loaded.
    bool ShowGalleryPicture(int32_t galleryFile, int32_t asset, int32_t pick);
    // Makes the bitmap the slot's picture and saves it as FileName(); false when the
    // bitmap cannot be made into a picture or saved.
    bool ShowBitmapPicture(const Bitmap& source);
    // "sym" + slot + ".bmp" in the wizard's folder of temporary files.
    std::string FileName() const;

    void SetHighlight(bool on);
    void SetGreyed(bool on);
    bool IsHighlighted() const { return highlighted_; }
    bool IsGreyed() const { return greyed_; }

private:
    class Listener : public BitmapMouseListener {
    public:
        Listener(SymbolsPage& page, int slot, SlotMouse kind) : page_(page), slot_(slot), kind_(kind) {}
        void OnMouse(int x, int y, WPARAM keys) override;

    private:
        SymbolsPage& page_;
        int slot_;
        SlotMouse kind_;
    };
    LRESULT OnRightButton(WPARAM keys, LPARAM position);

    SymbolsPage& page_;
    int slot_;
    std::unique_ptr<BitmapEditView> view_;
    Listener down_, move_, leave_;
    int32_t pick_ = -1;
    bool reload_ = false;
    bool highlighted_ = false, greyed_ = false;
};
