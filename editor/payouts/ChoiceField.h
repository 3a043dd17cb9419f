// The counted-choice control of the Payouts page: "Any", a count and a symbol, laid over
// the reel cells of a line that pays a count of one symbol anywhere on the line. It tells
// its parent of every change with WM_COMMAND (its id, EN_CHANGE, its window).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "PayoutLineEdits.h"
#include "Window.h"

class ChoiceField : public Window {
public:
    static const int kSymbolBoxId = 100, kCountBoxId = 101;
    // Sent to the parent to move to the next (with Shift, the previous) cell.
    static const UINT kMoveMessage = 1025;

    ChoiceField();
    ~ChoiceField() override;

    void SetSymbols(const std::vector<std::string>& names) { symbols_ = names; }
    // Makes the (hidden) control and its two children under the parent.
    bool Build(Window* parent, int id);

    int GetCount() const { return count_; }
    const std::string& GetChoice() const { return choice_; }
    // The text of one of the two children.
    std::string GetText(int childId) const;
    // Shows the line's count and symbol, shows the control and gives the count the focus.
    void SetLine(const PayLine& line);

private:
    void Notify();
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnFocus(WPARAM, LPARAM);
    LRESULT Consume(WPARAM, LPARAM);
    void OnSymbolBox(int id, int code);
    void OnCountBox(int id, int code);
    int OnSymbolKey(WPARAM key, LPARAM, LRESULT* result);
    int OnCountKey(WPARAM key, LPARAM, LRESULT* result);
    int OnCountChar(WPARAM key, LPARAM, LRESULT* result);
    void MoveCell();

    std::vector<std::string> symbols_;
    int count_ = 0;
    std::string choice_;
    int id_ = 0;
    HFONT font_ = nullptr;
    bool writing_ = false;
    int anyWidth_ = 0, countWidth_ = 0;
    Window symbolBox_, countBox_;
};

// The count that a text gives as atoi reads it: its leading decimal digits, 0 for none.
int LeadingCount(const std::string& text);
