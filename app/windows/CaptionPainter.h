// Writes the current player's name and cash into the caption of a small tool window.
// One instance, made by the program at start-up and kept until it ends. While active (a
// machine screen is up) it follows the roster: a change of the current player or of the
// current player's money paints the caption again.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class PlayerRecord;
class PlayerRoster;
class Window;

class CaptionPainter {
public:
    // The roster whose current player is shown (null: the game's roster, reached when the
    // painter is first made active).
    explicit CaptionPainter(PlayerRoster* roster = nullptr) : roster_(roster) {}
    ~CaptionPainter();
    CaptionPainter(const CaptionPainter&) = delete;
    CaptionPainter& operator=(const CaptionPainter&) = delete;

    // Stores the window and paints at once as active.
    void SetTarget(Window* window);
    void SetTargetHandle(HWND window);
    // On: the painter listens to the roster and paints the player's name and cash; off: it
    // stops listening and erases them. The caption is painted again when the flag changes.
    void SetActive(bool active);
    bool IsActive() const { return active_ != 0; }
    // active: whether the target window is the active one (the caption's colours).
    void Paint(bool active);

    // The text painted: the name without trailing blanks, " : ", the cash with cents.
    static std::string ComposeText(const std::string& fullName, int32_t cashCents);
    const RECT& GetTextRect() const { return textRect_; }
    // What the last paint wrote into the caption; empty when it erased the text.
    const std::string& GetPaintedText() const { return painted_; }

private:
    PlayerRoster& Roster();
    void ReadMetrics();
    void PaintText(HDC dc, bool active);
    // Listens to the roster and to the current player's record; or to neither.
    void Listen();
    void StopListening();
    void ListenToCurrentPlayer();
    void OnPlayerChanged(const int32_t* index);
    void OnMoneyChanged(const int32_t*);

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

    PlayerRoster* roster_;
    uint32_t rosterCookie_ = 0;
    PlayerRecord* player_ = nullptr;
    uint32_t playerCookie_ = 0;
    bool windowActive_ = true;  // as the target was last painted
    std::string painted_;
};

// The painter of the program (null outside its lifetime).
CaptionPainter* GetCaptionPainter();
void SetCaptionPainter(CaptionPainter* painter);
