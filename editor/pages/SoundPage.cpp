#include "SoundPage.h"

#include "EditorPageIds.h"
#include "PageDialogs.h"

SoundPage::SoundPage(Window* parent, const RECT& area, std::list<std::unique_ptr<SoundEntry>>& sounds,
                     const std::string& folder, MachineScript* script,
                     std::function<bool(const std::string&)> elementNameUsed)
    : PageScrollView(parent, area, kListId, 0x52000000), sounds_(sounds), elementNameUsed_(std::move(elementNameUsed)),
      folder_(folder), script_(script) {
}

SoundPage::~SoundPage() {
    if (GetHandle()) Destroy();
}

int SoundPage::Create() {
    if (!PageScrollView::Create()) return 0;
    contentPane_.BindMessage(WM_LBUTTONUP, this, &SoundPage::OnClick);
    contentPane_.BindMessage(WM_CONTEXTMENU, this, &SoundPage::OnContextMenu);
    BindMessage(WM_CONTEXTMENU, this, &SoundPage::OnContextMenu);
    UpdateScrollRanges();
    return 1;
}

void SoundPage::GetItemRect(int row, int, RECT* rect) {
    *rect = RECT{0, row * LineHeight(), kRowWidth, row * LineHeight() + 16};
}

void SoundPage::GetContentSize(SIZE* size) { *size = SIZE{kRowWidth, LineHeight() * VisibleCount()}; }

void SoundPage::GetLineSize(SIZE* size) { *size = SIZE{10, LineHeight()}; }

int SoundPage::VisibleCount() const {
    int count = 0;
    for (const auto& entry : sounds_) count += !entry->IsDeleted();
    return count;
}

int SoundPage::RowOf(const SoundEntry* entry) const {
    int row = 0;
    for (const auto& each : sounds_) {
        if (each->IsDeleted()) continue;
        if (each.get() == entry) return row;
        ++row;
    }
    return -1;
}

SoundEntry* SoundPage::EntryAt(POINT content) const {
    if (content.y < 0) return nullptr;
    int row = 0;
    for (const auto& entry : sounds_) {
        if (entry->IsDeleted()) continue;
        if (content.y >= row * LineHeight() && content.y < (row + 1) * LineHeight()) return entry.get();
        ++row;
    }
    return nullptr;
}

void SoundPage::PaintPane(HDC dc) {
    RECT client = {};
    GetClientRect(GetPane(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ old = SelectObject(dc, GetFont());
    SetBkMode(dc, TRANSPARENT);
    int row = 0;
    for (const auto& entry : sounds_) {
        if (entry->IsDeleted()) continue;
        RECT band = {0, row * LineHeight(), kRowWidth, (row + 1) * LineHeight()};
        band = ToPane(band);
        const bool selected = entry.get() == selected_;
        if (selected) FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::string text = entry->RowText();
        TextOutA(dc, band.left + 2, band.top + 2, text.c_str(), int(text.size()));
        ++row;
    }
    SelectObject(dc, old);
}

void SoundPage::InvalidateRow(const SoundEntry* entry) {
    const int row = RowOf(entry);
    if (row < 0) return;
    const RECT band = ToPane(RECT{0, row * LineHeight(), kRowWidth, (row + 1) * LineHeight()});
    InvalidateRect(GetPane(), &band, TRUE);
}

void SoundPage::Select(SoundEntry* entry) {
    InvalidateRow(selected_);
    selected_ = entry;
    InvalidateRow(selected_);
    UpdateWindow(GetPane());
}

LRESULT SoundPage::OnClick(WPARAM, LPARAM point) {
    Select(EntryAt(ToContent(POINT{short(LOWORD(point)), short(HIWORD(point))})));
    return 0;
}

LRESULT SoundPage::OnContextMenu(WPARAM, LPARAM screenPoint) {
    POINT screen;
    Select(EntryAt(MenuPoint(screenPoint, &screen)));
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_SOUND_POPUP));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu, 0);
    const UINT needsRow = selected_ ? MF_ENABLED : MF_GRAYED;
    for (int id : {ID_PLAY_ITEM, ID_DELETE_ITEM, ID_RENAME_ITEM, ID_CHOOSE_SOUND_FILE})
        EnableMenuItem(popup, id, MF_BYCOMMAND | needsRow);
    if (!GetPageDialogs().askName) {
        EnableMenuItem(popup, ID_RENAME_ITEM, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(popup, ID_ADD_SOUND, MF_BYCOMMAND | MF_GRAYED);
    }
    const int command = TrackPopupMenu(popup, TPM_RETURNCMD, screen.x, screen.y, 0, GetPane(), nullptr);
    DestroyMenu(menu);
    if (command) RunCommand(command);
    return 0;
}
