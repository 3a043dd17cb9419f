// Closing the editor: the pages commit their edits, the author is asked, and the patched
// script replaces the old one.
#include <algorithm>
#include <stdexcept>

#include "AwardCardNotice.h"
#include "EditorWindow.h"
#include "WorkingFolder.h"
#include "GraphicsPage.h"
#include "PayoutPage.h"
#include "ReelStripGrid.h"

namespace {
const char kSaveCaption[] = "Vellmoor Slots Editor: Save Changes";
const char kSaveQuestion[] =
    "Click 'Yes' to save your changes and exit.\nClick 'No' to exit without saving. Or\nClick 'Cancel' to resume "
    "editing.";
const char kSaveErrorCaption[] = "Error updating script";
const char kDropQuestion[] =
    "\n\nClick 'Yes' to leave that edit out (the script keeps it as it was saved) and save the rest.\nClick "
    "'No' to go on editing; nothing was saved.";
const char* const kPageLabels[EditorWindow::PageCount] = {"the Graphics page", "the Payouts page", "the Reels page",
                                                          "the Animations page", "the Sounds page"};
}  // namespace

// The Reels and Payouts pages queue their edits here, each under its own owner.
bool EditorWindow::PagesMayClose() {
    for (int i : {ReelsTab, PayoutsTab, AnimationsTab, SoundsTab}) {
        if (!pages_[i]) continue;
        units_.Begin(script_, pages_[i], kPageLabels[i]);
        const bool mayClose = pages_[i]->CanClose();
        if (graphicsPage_) units_.Begin(script_, &graphicsPage_->GetLayout(), kPageLabels[GraphicsTab]);
        if (!mayClose) return false;
    }
    return true;
}

// The layout's own changes, the Reels and Payouts pages' edits not queued yet, and
// whatever the other pages (or the backdrop's replacement) already queued into the script.
bool EditorWindow::HasEdits() const {
    const auto* reels = static_cast<const ReelStripGrid*>(pages_[ReelsTab]);
    const auto* payouts = static_cast<const PayoutPage*>(pages_[PayoutsTab]);
    return (graphicsPage_ && graphicsPage_->IsModified()) || (reels && reels->IsModified()) ||
           (payouts && payouts->IsModified()) || script_.HasPatches();
}

// The question comes first: "No" closes without saving whatever a page holds, also an
// edit the script could not take. Only a save asks the pages to queue their edits.
// Asked by the game as well as from the editor's own messages: the save works in the
// script's folder either way.
int EditorWindow::CanClose() {
    if (!GetHandle()) return 1;
    if (!HasEdits()) return 1;
    const WorkingFolderScope folder(GetHandle());
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
    // The pages take what is still typed in a cell only as they commit: the table is
    // compared as it was before they did.
    const ScriptPayTable tableBefore = script_.GetPayouts();
    if (!PagesMayClose()) return 0;
    const bool cardGoesStale = CardGoesStale(tableBefore);
    try {
        if (graphicsPage_) graphicsPage_->Apply();
    } catch (const std::exception& error) {
        // A sequence file that cannot be written, or an edit the script refuses: the
        // editor stays open with its edits.
        MessageBoxA(GetHandle(), error.what(), kSaveErrorCaption, MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (!script_.HasPatches()) return 1;
    if (!WriteAndSwap()) return 0;
    if (cardGoesStale && payoutsWritten_) {
        const std::string notice = StaleAwardCardNotice(script_.GetBackdropFile());
        MessageBoxA(GetHandle(), notice.c_str(), kStaleAwardCardCaption, MB_OK | MB_ICONINFORMATION);
    }
    return 1;
}

// An award card painted into the backdrop shows the pay table as it was drawn; an edited
// table that the save writes leaves it behind. Asked once the pages have committed their
// edits, of the table as it was before.
bool EditorWindow::CardGoesStale(const ScriptPayTable& before) const {
    const auto* payouts = static_cast<const PayoutPage*>(pages_[PayoutsTab]);
    return payouts && payouts->IsModified() && BackdropCarriesAwardCard(scriptPath_, script_.GetBackdropFile()) &&
           PayTableShowsOtherwise(before, payouts->GetTable());
}

// Whether the Payouts page's edits are among those about to be written (a save may have
// left them out).
bool EditorWindow::PayoutsQueued() const {
    const int32_t owner = units_.Find(pages_[PayoutsTab]);
    const std::vector<int32_t> owners = script_.GetPatchOwners();
    return owner > 0 && std::find(owners.begin(), owners.end(), owner) != owners.end();
}

// The new text is compiled before it replaces the script. When the compiler refuses it,
// nothing is replaced; the author hears which edit broke it and may drop that edit and
// save the rest, as often as another one breaks it.
bool EditorWindow::WriteAndSwap() {
    for (;;) {
        ScriptCheck check(script_, units_);
        saveError_ = saver_.Save([this](const std::string& path) { return script_.WriteScript(path); },
                                 [&check](const std::string& path) { return check.Check(path); });
        if (saveError_.empty()) break;
        if (check.CompilerMessage().empty() || check.Culprit() < 0) {
            MessageBoxA(GetHandle(), saveError_.c_str(), kSaveErrorCaption, MB_OK | MB_ICONSTOP);
            return false;
        }
        const std::string question = saveError_ + kDropQuestion;
        if (MessageBoxA(GetHandle(), question.c_str(), kSaveErrorCaption, MB_YESNO | MB_ICONSTOP) != IDYES)
            return false;
        script_.DropPatches(check.Culprit());
        if (!script_.HasPatches()) return true;
    }
    payoutsWritten_ = PayoutsQueued();
    script_.DiscardPatches(true);
    return true;
}
