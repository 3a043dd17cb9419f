// The editor's first page: the machine's backdrop at its real size on an engine stage,
// with every editable element of the layout over it. The author selects, drags, resizes
// and nudges elements here, scrolls a backdrop taller than the page, replaces the
// backdrop and adds regions, indicators and buttons from the popup menu; the selected
// element's name and rectangle show in the editor's status bar. The page owns the
// editor's layout model.
#pragma once
#include <windows.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "BackdropPainter.h"
#include "LayoutObserver.h"
#include "MachineLayout.h"
#include "TvWindow.h"

class MachineScript;

class GraphicsPage : public TvWindow, public LayoutObserver {
public:
    // Loads the layout's backdrop at once, so the editor knows the page's size.
    GraphicsPage(Window* editor, const RECT& area, HWND statusBar, MachineScript* script);
    ~GraphicsPage() override;

    SIZE GetSize() const { return layout_.GetSize(); }
    bool IsModified() const { return layout_.IsModified(); }
    bool Apply() { return layout_.Apply(); }
    // Queues the layout's changes into the script (Apply) and lets the engine backdrop
    // go; false when the changes could not be queued.
    int CanClose() override;
    MachineLayout& GetLayout() { return layout_; }

    const std::vector<AnimationSet*>& GetAnimationSets() const { return layout_.GetAnimationSets(); }
    std::list<std::unique_ptr<SoundEntry>>& GetSoundEntries() { return layout_.GetSoundEntries(); }
    // The vertical scroll position: the camera's top in backdrop pixels.
    int32_t GetScrollY() const { return const_cast<GraphicsPage*>(this)->GetCamera().y; }
    // Runs a command of the popup menu opened at the client point.
    void RunMenuCommand(int command, POINT client);

    bool CreateBackdrop(const RECT& area) override;
    // The layout's elements join the element host once the stage is there.
    bool OnStageCreated() override;
    void OnElementSelected(EditableElement* element) override;
    void OnLayoutChanged() override;

    // The status text of an element: its display text and " (left,top widthxheight)".
    static std::string StatusText(EditableElement* element);

private:
    LRESULT OnScrollBar(WPARAM request, LPARAM);
    int OnPageSize(WPARAM, LPARAM, LRESULT* result);
    LRESULT OnMenuRequest(WPARAM, LPARAM screenPoint);
    int32_t ClientHeight() const;
    void SetScrollBar(UINT mask);
    void ScrollTo(int32_t y);
    void ChooseBackdrop();
    void AddElementAt(int command, POINT client);
    bool ChooseNewPicture(EditableElement* added);

    Window* editor_;
    MachineScript* script_;
    MachineLayout layout_;
    HWND statusBar_;
    BackdropPainter painter_;
    uint32_t engineBackdrop_ = 0;
};
