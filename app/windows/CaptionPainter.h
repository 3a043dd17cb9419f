// Writes the current player's name and cash into the caption of a small tool window.
// One instance, owned by the game window.
#pragma once
#include <windows.h>

#include <string>

class Window;

class CaptionPainter {
public:
    CaptionPainter() = default;
    CaptionPainter(const CaptionPainter&) = delete;
    CaptionPainter& operator=(const CaptionPainter&) = delete;

    // Stores the window and paints at once as active.
    void SetTarget(Window* window);
    void SetTargetHandle(HWND window);
    void SetActive(bool active) { active_ = active; }
    bool IsActive() const { return active_ != 0; }
    void Paint(bool active);

    // The text painted: the name without trailing blanks, " : ", the cash with cents.
    static std::string ComposeText(const std::string& fullName, int32_t cashCents);
    const RECT& GetTextRect() const { return textRect_; }

private:
    void ReadMetrics();

    RECT windowRect_ = {};
    RECT textRect_ = {};
    COLORREF menuColour_ = 0;
    COLORREF menuTextColour_ = 0;
    int smallCaptionHeight_ = 0;
    int menuHeight_ = 0;
    int dialogFrameHeight_ = 0;
    HBRUSH brush_ = nullptr;
    BYTE active_ = 0;
    HWND target_ = nullptr;
};

// The painter of the program (null outside its lifetime).
CaptionPainter* GetCaptionPainter();
void SetCaptionPainter(CaptionPainter* painter);
