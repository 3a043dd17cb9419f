#include "SymbolSlot.h"

#include "CardPicture.h"
#include "SymbolPicture.h"
#include "SymbolsPage.h"

SymbolSlot::SymbolSlot(SymbolsPage& page, int slot, int controlId)
    : page_(page),
      slot_(slot),
      view_(new BitmapEditView(page, controlId)),
      down_(page, slot, SlotMouse::kDown),
      move_(page, slot, SlotMouse::kMove),
      leave_(page, slot, SlotMouse::kLeave)
{
    view_->SetMouseDownHandler(&down_);
    view_->SetMouseMoveHandler(&move_);
    view_->SetMouseLeaveHandler(&leave_);
    view_->BindMessage(WM_RBUTTONDOWN, this, &SymbolSlot::OnRightButton);
    view_->DrawBorder();
}

void SymbolSlot::Listener::OnMouse(int x, int y, WPARAM) { page_.OnSlotMouse(slot_, kind_, POINT{x, y}); }

LRESULT SymbolSlot::OnRightButton(WPARAM, LPARAM position)
{
    POINT at = {short(LOWORD(position)), short(HIWORD(position))};
    ClientToScreen(view_->GetHandle(), &at);
    page_.OnSlotMenu(slot_, at);
    return 0;
}

bool SymbolSlot::ShowGalleryPicture(int32_t galleryFile, int32_t asset, int32_t pick)
{
    CardPicture picture;
    if (galleryFile == -1 || !LoadSpriteFrameBitmap(picture, galleryFile, asset, 0, 0))
        return false;
    if (picture.transparent)
        WhitenKeyColour(picture.bitmap, picture.key);
    view_->GetBitmap().Swap(picture.bitmap);
    pick_ = pick;
    reload_ = true;
    view_->Redraw();
    return true;
}

bool SymbolSlot::ShowBitmapPicture(const Bitmap& source)
{
    Bitmap picture;
    if (!MakeSymbolPicture(source, picture) || !picture.Save(FileName()))
        return false;
    view_->GetBitmap().Swap(picture);
    pick_ = -1;
    view_->Redraw();
    return true;
}

// The pictures wait in a folder of the user's temporary files: the program's folder
// receives nothing but the machine's own files, among them the copies the build makes.
std::string SymbolSlot::FileName() const
{
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    std::string folder = length > 0 && length < MAX_PATH ? std::string(temp, length) : std::string(".\\");
    if (folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    folder += "Vellmoor Wizard";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\sym" + std::to_string(slot_) + ".bmp";
}

void SymbolSlot::SetHighlight(bool on)
{
    highlighted_ = on;
    view_->SetShowOverlay(on);
    view_->Redraw();
}

void SymbolSlot::SetGreyed(bool on)
{
    greyed_ = on;
    view_->SetDim(on);
    view_->Redraw();
}
