// The small-caption tool window that floats over the main window and shows the current
// screen (a machine, or any screen made by number) through a TV pane of its own. Its caption
// is the screen's title and is painted by the program's caption painter; it is placed beside
// the main window and as wide (600 at least) and as tall as the screen's art, within the work
// area; where the work area cuts the art, scroll bars move the screen's camera over it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "ScreenWindow.h"

class Screen;
class TvPane;

class MachineToolWindow : public ScreenWindow {
public:
    static constexpr DWORD kStyle = 0x82CA0000;  // popup, clip children, caption, system menu, minimize box
    static constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
    static constexpr int kWidth = 600;
    static constexpr int kAnchorGap = 64;

    // The screen of the number, made by the screen factory (throws what the screen throws).
    MachineToolWindow(Window* anchor, int32_t screenNumber);
    ~MachineToolWindow() override;

    // A window showing the machine screen of the file (throws what loading it throws).
    static MachineToolWindow* OpenMachine(Window* anchor, const std::string& machineFile);

    int Create() override;
    int OnCreateScreen() override;
    void OnDestroy() override;
    int CanClose() override;
    void ResizePane() override;

    // Places the window: as wide as the art but 600 at least, ending 64 pixels left of the
    // anchor's right edge (centred in the work area without an anchor), as tall as the art,
    // centred on the anchor's height and kept inside the work area; a scroll bar's room is
    // added on the axis the work area does not cut.
    void FitToContent(Window* anchor);

    TvPane* GetPane() const { return pane_; }
    int32_t GetArtHeight() const { return artHeight_; }
    int32_t GetArtWidth() const { return artWidth_; }

    LRESULT OnActivate(WPARAM state, LPARAM);
    LRESULT OnNcPaint(WPARAM, LPARAM);
    LRESULT OnNcActivate(WPARAM active, LPARAM);
    LRESULT OnSetText(WPARAM, LPARAM);
    LRESULT OnSysCommand(WPARAM, LPARAM);
    LRESULT OnNcLButtonDown(WPARAM, LPARAM);
    LRESULT OnDisplayChange(WPARAM, LPARAM);
    LRESULT OnEnterIdle(WPARAM reason, LPARAM modal);
    LRESULT OnHScroll(WPARAM request, LPARAM);
    LRESULT OnVScroll(WPARAM request, LPARAM);

private:
    MachineToolWindow(Window* anchor, Screen* screen);
    void Adopt(Screen* screen);
    void PaintCaption();
    // The corner of the art the screen's camera shows at the client area's corner.
    POINT ViewCorner() const;
    void PlaceView(POINT at);
    // Default processing of the message, then the caption is painted again.
    LRESULT DefaultThenPaint(UINT message, WPARAM wParam, LPARAM lParam);

    Window* anchor_;
    Screen* screen_ = nullptr;  // owned until the pane takes it
    TvPane* pane_ = nullptr;
    int32_t artHeight_ = 600;
    int32_t artWidth_ = kWidth;
    bool scrolls_ = false;  // the screen told its art's size
    bool active_ = false;
};
