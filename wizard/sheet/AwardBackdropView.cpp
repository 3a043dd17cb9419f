#include "AwardBackdropView.h"

#include "CardPicture.h"
#include "ChooseFile.h"
#include "GalleryInfo.h"
#include "GeneralSettings.h"
#include "PictureFileText.h"
#include "Quor2_5.h"
#include "WizardDocument.h"
#include "WizardGalleryPicker.h"
#include "WizardIds.h"

namespace {

const int32_t kShownWidth = 160, kShownHeight = 120;
enum { kDown, kMove, kLeave };

// The picture at 160 by 120 in 15-bit colour.
bool ScaleForView(Bitmap& picture)
{
    return picture.StretchInto(15) && picture.Resize(kShownWidth, kShownHeight) && picture.StretchInto(15);
}

}  // namespace

AwardBackdropView::AwardBackdropView(Window& page, int controlId, WizardDocument& document,
                                     std::function<void()> changed)
    : page_(page),
      document_(document),
      changed_(std::move(changed)),
      view_(new BitmapEditView(page, controlId)),
      down_(*this, kDown),
      move_(*this, kMove),
      leave_(*this, kLeave)
{
    view_->SetMouseDownHandler(&down_);
    view_->SetMouseMoveHandler(&move_);
    view_->SetMouseLeaveHandler(&leave_);
    view_->BindMessage(WM_RBUTTONDOWN, this, &AwardBackdropView::OnRightButton);
    view_->DrawBorder();
    galleryFile_ = OpenAssetFile((GetClipArtPathSetting().Get() + "\\gallery.ast").c_str());
}

AwardBackdropView::~AwardBackdropView()
{
    view_.reset();
    if (galleryFile_ != -1)
        CloseAssetFile(uint32_t(galleryFile_));
}

void AwardBackdropView::Mouse::OnMouse(int, int, WPARAM)
{
    if (kind_ == kDown) {
        owner_.PickFromGallery();
        return;
    }
    owner_.view_->SetShowOverlay(kind_ == kMove);
    owner_.view_->Redraw();
}

void AwardBackdropView::Show()
{
    Bitmap picture;
    if (document_.customAwardBackdrop.IsValid()) {
        picture.CopyFrom(document_.customAwardBackdrop);
    } else {
        GalleryInfo info;
        CardPicture gallery;
        int32_t pick = int32_t(document_.awardBackdropPick);
        if (!ReadGalleryInfo(galleryFile_, info))
            return;
        if (info.backdrops.pictures > 0 && pick >= info.backdrops.pictures)
            pick = 0;
        if (!LoadBitmapAsset(gallery, galleryFile_, AssetForPick(info.backdrops, pick)))
            return;
        picture.Swap(gallery.bitmap);
    }
    if (!ScaleForView(picture))
        return;
    view_->GetBitmap().Swap(picture);
    view_->Redraw();
}

void AwardBackdropView::PickFromGallery()
{
    WizardGalleryPicker* picker = GetWizardGalleryPicker();
    int32_t pick = -1;
    if (picker == nullptr || !picker->PickBackdrop(&page_, galleryFile_, pick) || pick < 0)
        return;
    document_.awardBackdropPick = uint32_t(pick);
    document_.customAwardBackdrop.Free();
    Show();
    changed_();
}

void AwardBackdropView::UseBitmap(const Bitmap& bitmap)
{
    if (!document_.customAwardBackdrop.CopyFrom(bitmap))
        return;
    Show();
    changed_();
}

LRESULT AwardBackdropView::OnRightButton(WPARAM, LPARAM position)
{
    POINT at = {short(LOWORD(position)), short(HIWORD(position))};
    ClientToScreen(view_->GetHandle(), &at);
    HMENU menus = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_WIZARD_BACKDROP_MENU));
    if (menus == nullptr)
        return 0;
    HMENU menu = GetSubMenu(menus, 0);
    EnableMenuItem(menu, ID_WIZARD_PASTE, MF_BYCOMMAND | (Bitmap::CanPaste() ? MF_ENABLED : MF_GRAYED));
    const int command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
                                       at.y, 0, page_.GetHandle(), nullptr);
    DestroyMenu(menus);
    Bitmap pasted;
    if (command == ID_WIZARD_FROM_GALLERY)
        PickFromGallery();
    else if (command == ID_WIZARD_PASTE && pasted.PasteClipboard(page_.GetHandle()))
        UseBitmap(pasted);
    else if (command == ID_WIZARD_FROM_FILE)
        LoadFromFile();
    return 0;
}

void AwardBackdropView::LoadFromFile()
{
    std::string path;
    if (!ChooseFileToOpen(&page_, path, fileFolder_, "Bitmaps (*.bmp)\0*.bmp\0", "Select Bitmap to Load"))
        return;
    LoadPath(path);
}

void AwardBackdropView::LoadPath(const std::string& path)
{
    Bitmap loaded;
    if (!loaded.LoadImageFile(path)) {
        MessageBoxA(page_.GetHandle(), PictureNotReadText(path).c_str(), "Error loading file", MB_OK | MB_ICONSTOP);
        return;
    }
    UseBitmap(loaded);
}
