// The machine editor: one top-level window that edits one machine script on five tabbed
// pages (Graphics, Payouts, Reels, Animations, Sounds) with a status bar. The script is
// compiled once when the window is created; the pages keep their edits in their models
// until the window is asked to close. Then the edits are queued into the compiled script,
// the author is asked whether to save, and the patched script replaces the old one,
// which stays as one backup; a patched script that the compiler refuses replaces nothing
// (ScriptCheck.h).
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "MachineScript.h"
#include "ScriptCheck.h"
#include "ScriptSaver.h"
#include "Window.h"

class GraphicsPage;

class EditorWindow : public Window {
public:
    enum Page { GraphicsTab = 0, PayoutsTab, ReelsTab, AnimationsTab, SoundsTab, PageCount };
    static const int kTabControlId = 2000;
    static const int kStatusBarId = 2002;

    EditorWindow(Window* parent, const std::string& scriptPath);
    ~EditorWindow() override;

    int Create() override { return CreateTopLevel(parent_); }
    int OnCreate() override;
    void OnDestroy() override;
    int CanClose() override;

    // Sizes and places the window for the page size and lays out its children.
    void FitToWorkArea(Window* parent);
    void OnTabChange();
    void ShowPage(int index);

    MachineScript& GetScript() { return script_; }
    GraphicsPage* GetGraphicsPage() const { return graphicsPage_; }
    Window* GetPage(int index) const { return pages_[index]; }
    Window* GetCurrentPage() const { return currentPage_; }
    HWND GetStatusBar() const { return statusBar_; }
    const std::string& GetScriptPath() const { return scriptPath_; }
    // The failure of the last save; empty when it succeeded or none was tried.
    const std::string& GetSaveError() const { return saveError_; }

private:
    std::string ScriptFolder() const;
    bool CreateInFolder();
    void ShowPageStatus(int index);
    bool Compile();
    void CreateTabs();
    void CreatePages();
    void DeletePages();
    bool PagesMayClose();
    bool HasEdits() const;
    int AskAndSave();
    bool WriteAndSwap();
    bool CardGoesStale(const ScriptPayTable& before) const;
    bool PayoutsQueued() const;
    LRESULT OnActivate(WPARAM, LPARAM);
    LRESULT OnPageResized(WPARAM, LPARAM);
    // F1 anywhere in the editor: the editor's topic of the authors' reference.
    LRESULT OnHelp(WPARAM, LPARAM);
    LRESULT OnStatusText(WPARAM, LPARAM text);
    LRESULT OnSelectionChanged(WPARAM, LPARAM);
    int OnNotify(NMHDR* header, LRESULT* result);
    RECT PageArea() const;

    Window* parent_;
    SIZE pageSize_ = {600, 600};
    GraphicsPage* graphicsPage_ = nullptr;
    std::array<Window*, PageCount> pages_ = {};
    Window* currentPage_ = nullptr;
    HWND tabControl_ = nullptr;
    HWND statusBar_ = nullptr;
    int statusHeight_ = 0;
    std::string scriptPath_;
    MachineScript script_;
    ScriptSaver saver_;
    SaveUnits units_;  // who queued each edit of the script
    std::string saveError_;
    bool payoutsWritten_ = false;  // the last save wrote the Payouts page's edits
};
