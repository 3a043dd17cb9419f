// Closing the editor: the pages commit their edits, the author is asked, and the patched
// script replaces the old one.
#include <stdexcept>

#include "EditorWindow.h"
#include "GraphicsPage.h"

namespace {
const char kSaveCaption[] = "Vellmoor Slots Editor: Save Changes";
const char kSaveQuestion[] =
    "Click 'Yes' to save your changes and exit.\nClick 'No' to exit without saving. Or\nClick 'Cancel' to resume "
    "editing.";
const char kSaveErrorCaption[] = "Error updating script";
}  // namespace

bool EditorWindow::PagesMayClose() {
    for (int i : {ReelsTab, PayoutsTab, AnimationsTab, SoundsTab})
        if (pages_[i] && !pages_[i]->CanClose()) return false;
    return true;
}

// The layout's own changes, and whatever the other pages (or the backdrop's replacement)
// already queued into the script.
bool EditorWindow::HasEdits() const {
    return (graphicsPage_ && graphicsPage_->IsModified()) || script_.HasPatches();
}

int EditorWindow::CanClose() {
    if (!GetHandle()) return 1;
    if (!PagesMayClose()) return 0;
    if (!HasEdits()) return 1;
    return AskAndSave();
}

int EditorWindow::AskAndSave() {
    switch (MessageBoxA(GetHandle(), kSaveQuestion, kSaveCaption, MB_YESNOCANCEL)) {
    case IDNO:
        return 1;
    case IDYES:
        break;
    default:
        ::SetFocus(GetHandle());
        if (currentPage_) ::SetFocus(currentPage_->GetHandle());
        return 0;
    }
    try {
        if (graphicsPage_) graphicsPage_->Apply();
    } catch (const std::exception& error) {
        // A sequence file that cannot be written, or an edit the script refuses: the
        // editor stays open with its edits.
        MessageBoxA(GetHandle(), error.what(), kSaveErrorCaption, MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (!script_.HasPatches()) return 1;
    return WriteAndSwap() ? 1 : 0;
}

bool EditorWindow::WriteAndSwap() {
    saveError_ = saver_.Save([this](const std::string& path) { return script_.WriteScript(path); });
    if (!saveError_.empty()) {
        MessageBoxA(GetHandle(), saveError_.c_str(), kSaveErrorCaption, MB_OK | MB_ICONSTOP);
        return false;
    }
    script_.DiscardPatches(true);
    return true;
}
