#include "SymbolsPage.h"

#include <cmath>

#include "ChooseFile.h"
#include "GalleryInfo.h"
#include "GeneralSettings.h"
#include "PictureFileText.h"
#include "Quor2_5.h"
#include "SymbolChecks.h"
#include "WizardGalleryPicker.h"
#include "WizardIds.h"

namespace {

const int kCherrySlot = 5, kSpoilerSlot = 6, kMemberSlots = 5;
const int kCherryTexts[] = {IDC_WIZARD_CHERRY_1, IDC_WIZARD_CHERRY_2, IDC_WIZARD_CHERRY_3, IDC_WIZARD_CHERRY_ALL};

int ViewControl(int slot)
{
    return slot == kCherrySlot ? IDC_WIZARD_SYMBOL_CHERRY
           : slot == kSpoilerSlot ? IDC_WIZARD_SYMBOL_SPOILER
                                  : IDC_WIZARD_SYMBOL_0 + slot;
}

}  // namespace

SymbolsPage::SymbolsPage(WizardSheet* sheet) : WizardPage(IDD_WIZARD_SYMBOLS, sheet)
{
    for (int slot = 0; slot < kMemberSlots; ++slot)
        BindCommand(IDC_WIZARD_MEMBER_0 + slot, this, &SymbolsPage::OnMember);
    BindCommand(IDC_WIZARD_WILD, this, &SymbolsPage::OnWild);
    BindCommand(IDC_WIZARD_GROUPS, this, &SymbolsPage::OnGroups);
    BindCommand(IDC_WIZARD_CHERRY, this, &SymbolsPage::OnCherry);
    BindCommand(IDC_WIZARD_SPOILER, this, &SymbolsPage::OnSpoiler);
    BindCommand(IDC_WIZARD_GROUP_NAME, this, &SymbolsPage::OnGroupName);
}

SymbolsPage::~SymbolsPage()
{
    for (auto& slot : slots_)
        slot.reset();
    if (galleryFile_ != -1)
        CloseAssetFile(uint32_t(galleryFile_));
    if (extraFile_ != -1)
        CloseAssetFile(uint32_t(extraFile_));
}

void SymbolsPage::OnShow(bool first)
{
    // The third cherry text pays only with four reels.
    ShowWindow(GetDlgItem(GetHandle(), IDC_WIZARD_CHERRY_3), Document().reelCount == 4 ? SW_SHOW : SW_HIDE);
    if (first)
        Initialise();
    else
        Refresh();
}

void SymbolsPage::Initialise()
{
    const std::string clipArt = GetClipArtPathSetting().Get();
    galleryFile_ = OpenAssetFile((clipArt + "\\gallery.ast").c_str());
    extraFile_ = OpenAssetFile((clipArt + "\\GalleryExtra.ast").c_str());
    MakeSlots();
    SetItemText(IDC_WIZARD_GROUP_NAME, Document().groupName);
    SetBoxesFromDocument();
    OnCherry(IDC_WIZARD_CHERRY, BN_CLICKED);
    OnWild(IDC_WIZARD_WILD, BN_CLICKED);  // quietly: the page is not initialised yet
    OnGroups(IDC_WIZARD_GROUPS, BN_CLICKED);
    initialised_ = true;
    Refresh();
}

void SymbolsPage::MakeSlots()
{
    for (int slot = 0; slot < kSymbolSlots; ++slot) {
        slots_[size_t(slot)].reset(new SymbolSlot(*this, slot, ViewControl(slot)));
        ShowPick(slot, Document().symbolPicks[size_t(slot)]);
    }
}

// The slot shows gallery pick `pick`; the document keeps the pick until the build
// translates it into the gallery's asset number.
void SymbolsPage::ShowPick(int slot, int32_t pick)
{
    GalleryInfo info;
    if (!ReadGalleryInfo(galleryFile_, info))
        return;
    if (!slots_[size_t(slot)]->ShowGalleryPicture(galleryFile_, AssetForPick(info.symbols, pick), pick))
        return;
    Document().symbolPicks[size_t(slot)] = pick;
    Document().symbolCustomFiles[size_t(slot)].clear();
}

void SymbolsPage::SetBoxesFromDocument()
{
    const WizardDocument& document = Document();
    for (int slot = 0; slot < kMemberSlots; ++slot) {
        const bool member = document.groupMembers[size_t(slot)] != 0;
        SetItemCheck(IDC_WIZARD_MEMBER_0 + slot, member ? BST_CHECKED : BST_UNCHECKED);
        SetItemText(IDC_WIZARD_MEMBER_0 + slot, member ? "in" : "out");
    }
    SetItemCheck(IDC_WIZARD_CHERRY, document.cherry ? BST_CHECKED : BST_UNCHECKED);
    SetItemCheck(IDC_WIZARD_WILD, document.wild ? BST_CHECKED : BST_UNCHECKED);
    SetItemCheck(IDC_WIZARD_SPOILER, document.spoiler ? BST_CHECKED : BST_UNCHECKED);
    SetItemCheck(IDC_WIZARD_GROUPS, document.groupsEnabled ? BST_CHECKED : BST_UNCHECKED);
}

// The payouts of the entry for the choices; without an acceptable entry and without a
// spoiler, those of the entry the spoiler would give.
void SymbolsPage::Refresh()
{
    if (!initialised_)
        return;
    WizardDocument& document = Document();
    document.TableIndex();
    const bool trialSpoiler = !document.LookupStops() && !document.spoiler;
    if (trialSpoiler) {
        document.spoiler = true;
        document.LookupStops();
    }
    document.ComputeProbabilities();
    document.ComputeTotals();
    if (trialSpoiler)
        document.spoiler = false;
    for (int slot = 0; slot < 4; ++slot)
        SetItemText(IDC_WIZARD_PAY_0 + slot, std::to_string(std::lround(document.pay[size_t(slot)])));
    SetItemText(IDC_WIZARD_GROUP_PAY, "Current group payout: " + std::to_string(std::lround(document.pay[5])));
}

void SymbolsPage::SetMember(int slot, bool member)
{
    Document().groupMembers[size_t(slot)] = member ? 1 : 0;
    SetItemCheck(IDC_WIZARD_MEMBER_0 + slot, member ? BST_CHECKED : BST_UNCHECKED);
    SetItemText(IDC_WIZARD_MEMBER_0 + slot, member ? "in" : "out");
}

void SymbolsPage::OnMember(int id, int)
{
    SetMember(id - IDC_WIZARD_MEMBER_0, GetItemCheck(id) == BST_CHECKED);
    Document().TableIndex();  // brings groups-in-force up to date
    Refresh();
}

// The page's own call before it is initialised tells the user nothing.
void SymbolsPage::OnWild(int, int)
{
    WizardDocument& document = Document();
    document.wild = GetItemCheck(IDC_WIZARD_WILD) == BST_CHECKED;
    if (document.wild) {
        DisableItem(IDC_WIZARD_MEMBER_0);
        if (document.groupMembers[0] && document.groupsEnabled) {
            SetMember(0, false);
            if (initialised_)
                MessageBoxA(GetHandle(),
                            "A Wild symbol cannot be a member of a group, so I'm taking the jackpot symbol out of "
                            "the group",
                            "Information", MB_OK);
        }
    } else if (document.groupsEnabled) {
        EnableItem(IDC_WIZARD_MEMBER_0);
    }
    Refresh();
}

void SymbolsPage::OnGroups(int, int)
{
    WizardDocument& document = Document();
    document.groupsEnabled = GetItemCheck(IDC_WIZARD_GROUPS) == BST_CHECKED;
    document.TableIndex();
    for (int slot = 0; slot < kMemberSlots; ++slot)
        EnableWindow(GetDlgItem(GetHandle(), IDC_WIZARD_MEMBER_0 + slot), document.groupsEnabled);
    EnableWindow(GetDlgItem(GetHandle(), IDC_WIZARD_GROUP_NAME), document.groupsEnabled);
    if (document.groupsEnabled && document.wild) {
        DisableItem(IDC_WIZARD_MEMBER_0);
        SetMember(0, false);
    }
    Refresh();
}

// A slot switched off loses its highlight and is greyed.
void SymbolsPage::ShowSlotSwitch(int slot, bool on)
{
    if (SymbolSlot* view = Slot(slot)) {
        if (!on)
            view->SetHighlight(false);
        view->SetGreyed(!on);
    }
}

void SymbolsPage::OnCherry(int, int)
{
    WizardDocument& document = Document();
    document.cherry = GetItemCheck(IDC_WIZARD_CHERRY) == BST_CHECKED;
    ShowSlotSwitch(kCherrySlot, document.cherry);
    for (int id : kCherryTexts)
        EnableWindow(GetDlgItem(GetHandle(), id), document.cherry);
    Refresh();
}

void SymbolsPage::OnSpoiler(int, int)
{
    WizardDocument& document = Document();
    document.spoiler = GetItemCheck(IDC_WIZARD_SPOILER) == BST_CHECKED;
    ShowSlotSwitch(kSpoilerSlot, document.spoiler);
    Refresh();
}

void SymbolsPage::OnGroupName(int, int code)
{
    if (code == EN_CHANGE)
        Document().groupName = GetItemText(IDC_WIZARD_GROUP_NAME, 256);
}

bool SymbolsPage::SlotIsLive(int slot) const
{
    const WizardDocument& document = wizard_->document;
    return (slot != kCherrySlot || document.cherry) && (slot != kSpoilerSlot || document.spoiler);
}

void SymbolsPage::OnSlotMouse(int slot, SlotMouse kind, POINT)
{
    if (kind == SlotMouse::kLeave) {
        Slot(slot)->SetHighlight(false);
        return;
    }
    if (!SlotIsLive(slot))
        return;
    if (kind == SlotMouse::kMove && !Slot(slot)->IsHighlighted())
        Slot(slot)->SetHighlight(true);
    if (kind == SlotMouse::kDown)
        PickFromGallery(slot);
}

void SymbolsPage::OnSlotMenu(int slot, POINT screenPoint)
{
    HMENU menus = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_WIZARD_SYMBOL_MENU));
    if (menus == nullptr)
        return;
    HMENU menu = GetSubMenu(menus, 0);
    EnableMenuItem(menu, ID_WIZARD_PASTE, MF_BYCOMMAND | (Bitmap::CanPaste() ? MF_ENABLED : MF_GRAYED));
    const int command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                       screenPoint.x, screenPoint.y, 0, GetHandle(), nullptr);
    DestroyMenu(menus);
    if (command == ID_WIZARD_FROM_GALLERY)
        PickFromGallery(slot);
    else if (command == ID_WIZARD_PASTE)
        PasteInto(slot);
    else if (command == ID_WIZARD_FROM_FILE)
        LoadFileInto(slot);
}

void SymbolsPage::PickFromGallery(int slot)
{
    WizardGalleryPicker* picker = GetWizardGalleryPicker();
    int32_t pick = -1;
    if (picker != nullptr && picker->PickSymbol(this, galleryFile_, pick))
        ShowPick(slot, pick);
}

void SymbolsPage::PasteInto(int slot)
{
    Bitmap pasted;
    if (pasted.PasteClipboard(GetHandle()))
        UseBitmap(slot, pasted);
}

void SymbolsPage::LoadFileInto(int slot)
{
    std::string path;
    if (!ChooseFileToOpen(this, path, fileFolder_, "Bitmaps (*.bmp)\0*.bmp\0", "Select Bitmap to Load"))
        return;
    LoadPathInto(slot, path);
}

void SymbolsPage::LoadPathInto(int slot, const std::string& path)
{
    Bitmap loaded;
    if (!loaded.LoadImageFile(path)) {
        MessageBoxA(GetHandle(), PictureNotReadText(path).c_str(), "Error loading file", MB_OK | MB_ICONSTOP);
        return;
    }
    UseBitmap(slot, loaded);
}

void SymbolsPage::UseBitmap(int slot, const Bitmap& bitmap)
{
    SymbolSlot& view = *Slot(slot);
    if (!view.ShowBitmapPicture(bitmap))
        return;
    Document().symbolPicks[size_t(slot)] = -1;
    Document().symbolGalleryIndexes[size_t(slot)] = -1;
    Document().symbolCustomFiles[size_t(slot)] = view.FileName();
}

int SymbolsPage::OnWizardNext(PropertySheet*, LRESULT*)
{
    const std::string problem = ValidateSymbolGroups(Document());
    if (!problem.empty()) {
        MessageBoxA(GetHandle(), problem.c_str(), "Machine Not Finished", MB_OK | MB_ICONSTOP);
        return 0;
    }
    return AcceptEntry() ? 1 : 0;
}

// Without an entry inside the level's bounds the spoiler is switched on for the user to
// pick; with the spoiler already on, an entry outside the bounds is not taken either.
bool SymbolsPage::AcceptEntry()
{
    WizardDocument& document = Document();
    if (document.LookupStops())
        return true;
    const PayoutBand band = GetPayoutBand(document.payoutLevel);
    if (document.spoiler) {
        MessageBoxA(GetHandle(), NoEntryInBandText(band.lowPercent, band.highPercent).c_str(),
                    "Machine Not Finished", MB_OK | MB_ICONSTOP);
        return false;
    }
    document.ComputeProbabilities();
    document.ComputeTotals();
    document.spoiler = true;
    SetItemCheck(IDC_WIZARD_SPOILER, BST_CHECKED);
    OnSpoiler(IDC_WIZARD_SPOILER, BN_CLICKED);
    MessageBoxA(GetHandle(), SpoilerNeededText(band.highPercent / 100.0).c_str(), "Please pick a spoiler symbol",
                MB_OK | MB_ICONSTOP);
    Refresh();
    return false;
}
