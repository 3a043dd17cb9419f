#include "EditorWindow.h"
#include "WorkingFolder.h"

#include <commctrl.h>

#include <stdexcept>

#include "EditorPlacement.h"
#include "EnginePictureProbe.h"
#include "AnimationPage.h"
#include "CompileStopNote.h"
#include "GraphicsPage.h"
#include "HelpTopic.h"
#include "SoundPage.h"
#include "MessageCollector.h"
#include "PayoutPage.h"
#include "ReelStripGrid.h"
#include "ReportBox.h"

namespace {
const char kTabTexts[EditorWindow::PageCount][12] = {"Graphics", "Payouts", "Reels", "Animations", "Sounds"};
}  // namespace

EditorWindow::EditorWindow(Window* parent, const std::string& scriptPath)
    : parent_(parent), scriptPath_(scriptPath), saver_(scriptPath) {
    title_ = "Editor";
    SetExStyle(WS_EX_TOOLWINDOW);
    SetStyle(WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    SetRect(RECT{0, 0, 600, 600});
    BindMessage(WM_ACTIVATE, this, &EditorWindow::OnActivate);
    BindMessage(WM_USER, this, &EditorWindow::OnPageResized);
    BindMessage(WM_HELP, this, &EditorWindow::OnHelp);
    BindMessage(AnimationPage::kStatusText, this, &EditorWindow::OnStatusText);
    BindMessage(AnimationPage::kSelectionChanged, this, &EditorWindow::OnSelectionChanged);
    BindNotify(TCN_SELCHANGE, this, &EditorWindow::OnNotify);
    FitToWorkArea(parent_);
}

EditorWindow::~EditorWindow() {
    if (GetHandle()) Destroy();
    DeletePages();
}

bool EditorWindow::Compile() {
    MessageCollector messages;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    // The pictures are measured as the machine builder measures them: a size or a number
    // of digits that the script leaves to its pictures is the one the played machine has.
    EnginePictureProbe probe;
    script_.SetPictureProbe(&probe);
    script_.Compile(scriptPath_, &messages, nullptr);
    script_.SetPictureProbe(nullptr);
    SetCursor(previous);
    if (script_.IsCompiled()) return true;
    std::string text = JoinedLines(messages.messages);
    text += CompileStopNote(script_, "The editor did not open " + scriptPath_);
    ShowReportBox(GetHandle(), "results", text);
    return false;
}

// The editor works in its script's folder, where the pictures and sounds that the script
// names are found: its windows' messages are handled there, while the program's current
// directory stays what it was.
std::string EditorWindow::ScriptFolder() const {
    const size_t slash = scriptPath_.find_last_of("\\/");
    if (slash != std::string::npos) return scriptPath_.substr(0, slash == 2 && scriptPath_[1] == ':' ? 3 : slash);
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

int EditorWindow::OnCreate() {
    SetWindowWorkingFolder(GetHandle(), ScriptFolder());
    if (!CreateInFolder()) {
        // The window goes without being destroyed as the editor's: its handle forgets the folder.
        SetWindowWorkingFolder(GetHandle(), std::string());
        return 0;
    }
    return 1;
}

bool EditorWindow::CreateInFolder() {
    const WorkingFolderScope folder(GetHandle());
    try {
        if (!Compile()) return false;
        CreateTabs();
        CreatePages();
    } catch (const std::exception& error) {
        MessageBoxA(GetHandle(), error.what(), "results", MB_OK);
        return false;
    }
    FitToWorkArea(parent_);
    ShowPage(GraphicsTab);
    return true;
}

void EditorWindow::CreateTabs() {
    tabControl_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, pageSize_.cx,
                                  kEditorTabHeight, GetHandle(), HMENU(kTabControlId), nullptr, nullptr);
    ::SendMessageA(tabControl_, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (int i = 0; i < PageCount; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kTabTexts[i]);
        ::SendMessageA(tabControl_, TCM_INSERTITEMA, WPARAM(i), LPARAM(&item));
    }
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, GetHandle(),
                                 HMENU(kStatusBarId), nullptr, nullptr);
}

RECT EditorWindow::PageArea() const {
    return RECT{0, kEditorTabHeight, pageSize_.cx, kEditorTabHeight + pageSize_.cy};
}

void EditorWindow::CreatePages() {
    graphicsPage_ = new GraphicsPage(this, PageArea(), statusBar_, &script_);
    pages_[GraphicsTab] = graphicsPage_;
    pageSize_ = graphicsPage_->GetSize();
    graphicsPage_->Create();
    graphicsPage_->BuildStage();
    graphicsPage_->GetLayout().SetSaveUnits(&units_);
    units_.Begin(script_, &graphicsPage_->GetLayout(), "the Graphics page");
    pages_[PayoutsTab] = new PayoutPage(this, PageArea(), &script_);
    pages_[ReelsTab] = new ReelStripGrid(this, PageArea(), statusBar_, &script_);
    for (int i : {PayoutsTab, ReelsTab})
        if (!pages_[i]->Create()) throw std::runtime_error("The editor could not make its pages");
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    auto* animations = new AnimationPage(this, this, graphicsPage_->GetAnimationSets(), folder);
    pages_[AnimationsTab] = animations;
    animations->SetRect(PageArea());
    animations->Create();
    const MachineLayout& layout = graphicsPage_->GetLayout();
    pages_[SoundsTab] = new SoundPage(this, PageArea(), graphicsPage_->GetSoundEntries(), folder, &script_,
                                      [&layout](const std::string& name) { return layout.IsElementNameUsed(name); });
    pages_[SoundsTab]->Create();
}

void EditorWindow::DeletePages() {
    for (int i : {AnimationsTab, GraphicsTab, PayoutsTab, SoundsTab, ReelsTab}) {
        delete pages_[i];
        pages_[i] = nullptr;
    }
    graphicsPage_ = nullptr;
    currentPage_ = nullptr;
}

void EditorWindow::OnDestroy() {
    SetWindowWorkingFolder(GetHandle(), std::string());
    DeletePages();
    tabControl_ = statusBar_ = nullptr;
}

void EditorWindow::ShowPage(int index) {
    Window* page = index >= 0 && index < PageCount ? pages_[index] : nullptr;
    if (!page) return;
    if (currentPage_ && currentPage_ != page) currentPage_->Hide();
    currentPage_ = page;
    page->Show();
    ::SetFocus(page->GetHandle());
    ShowPageStatus(index);
}

// The status bar speaks of the page shown: its selection, or "Ready".
void EditorWindow::ShowPageStatus(int index) {
    if (!statusBar_) return;
    ::SendMessageA(statusBar_, SB_SIMPLE, FALSE, 0);
    ::SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready"));
    if (index == GraphicsTab && graphicsPage_) graphicsPage_->OnLayoutChanged();
    if (index == AnimationsTab) static_cast<AnimationPage*>(pages_[AnimationsTab])->ReportSelection();
}

void EditorWindow::OnTabChange() {
    const int index = int(::SendMessageA(tabControl_, TCM_GETCURSEL, 0, 0));
    ShowPage(index);
}

int EditorWindow::OnNotify(NMHDR* header, LRESULT* result) {
    if (header->idFrom != UINT_PTR(kTabControlId)) return kNotHandled;
    OnTabChange();
    *result = 0;
    return kHandled;
}

LRESULT EditorWindow::OnActivate(WPARAM, LPARAM) {
    if (currentPage_ && currentPage_->GetHandle()) ::SetFocus(currentPage_->GetHandle());
    return 0;
}

LRESULT EditorWindow::OnHelp(WPARAM, LPARAM) {
    ShowHelpTopic(GetHandle(), kAuthorsReferenceFile, kEditorHelpTopic);
    return TRUE;
}

LRESULT EditorWindow::OnPageResized(WPARAM, LPARAM) {
    if (graphicsPage_) pageSize_ = graphicsPage_->GetSize();
    FitToWorkArea(parent_);
    return 0;
}

LRESULT EditorWindow::OnStatusText(WPARAM, LPARAM text) {
    if (!statusBar_ || !text) return 0;
    ::SendMessageA(statusBar_, SB_SIMPLE, FALSE, 0);
    ::SendMessageA(statusBar_, SB_SETTEXTA, 0, text);
    return 0;
}

// The status text that follows says everything the editor shows of a selection.
LRESULT EditorWindow::OnSelectionChanged(WPARAM, LPARAM) { return 0; }
