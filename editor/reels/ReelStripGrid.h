// The editor's Reels page: a scrolling grid with one column per reel and one row per stop,
// each cell showing the stop's symbol and weight. Labels run along the top ("Reel n") and
// down the left (the stop numbers). One cell is edited at a time through two controls
// that move over the grid: a drop-down list of the machine's symbols over the cell's name
// part and a number box over its weight. The strips go back into the script when the
// editor asks whether the page may close.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "GridPage.h"
#include "ReelStripModel.h"

class MachineScript;

class ReelStripGrid : public GridPage {
public:
    static const int kSymbolBoxId = 1000, kNumberBoxId = 1001, kGridId = 1002;
    // The controls report Tab to the grid with this message (the control as argument).
    static const UINT kTabMessage = WM_USER + 1;
    static const int kHeaderHeight = 20, kLabelWidth = 32;

    // Reads the strips and the symbols of the compiled script.
    ReelStripGrid(Window* editor, const RECT& area, HWND statusBar, MachineScript* script);
    ~ReelStripGrid() override;

    int Create() override;
    // Writes every reel's strip back into the script, changed or not.
    int CanClose() override;

    void GetItemRect(int row, int column, RECT* rect) override;
    void GetContentSize(SIZE* size) override;
    void GetLineSize(SIZE* size) override;

    const ReelStripModel& GetModel() const { return model_; }
    // True when a strip differs from the script's: the page has edits to queue.
    bool IsModified() const;
    GridCell GetCurrentCell() const { return current_; }
    HWND GetSymbolBox() const { return symbolBox_.GetHandle(); }
    HWND GetNumberBox() const { return numberBox_.GetHandle(); }
    HWND GetGrid() { return contentPane_.GetHandle(); }
    int GetRowHeight() const { return rowHeight_; }
    int GetColumnWidth() const { return columnWidth_; }
    int GetNameWidth() const { return nameWidth_; }

protected:
    SIZE GetBands() const override { return SIZE{kLabelWidth, kHeaderHeight}; }
    // The grid scrolls under the cell: its control closes, so that no key reaches a cell
    // out of sight; a click opens a cell again.
    void OnScrollBar() override;

private:
    void Measure();
    void CreateControls();
    // Rows as tall as the closed symbol list, the open list as wide as the longest name.
    void FitSymbolBox();
    // The symbol list's height when open: the closed box and every symbol, or as many as
    // fit a screenful of rows, with the scroll bar.
    int OpenSymbolBoxHeight() const;
    void ShowSymbolEditor(GridCell cell, bool report = true);
    void ShowNumberEditor(GridCell cell);
    void ShowStatus();
    RECT CellOnScreen(GridCell cell);
    void InvalidateCell(GridCell cell);

    LRESULT OnPagePaint(WPARAM, LPARAM);
    LRESULT OnPageFocus(WPARAM, LPARAM);
    LRESULT OnGridPaint(WPARAM, LPARAM);
    LRESULT OnGridClick(WPARAM, LPARAM);
    LRESULT OnGridCursor(WPARAM, LPARAM);
    LRESULT OnTab(WPARAM control, LPARAM);
    void OnSymbolBox(int id, int code);
    void OnNumberBox(int id, int code);
    void PaintLabels(HDC dc);

    Window* editor_;
    HWND statusBar_;
    MachineScript* script_;
    ReelStripModel model_;
    std::vector<std::string> symbols_;
    int rowHeight_ = 16, widestName_ = 0, nameWidth_ = 16, numberWidth_ = 0, columnWidth_ = 16;
    int closedBoxHeight_ = 16, listItemHeight_ = 16;
    GridCell current_;
    TabReporter symbolBox_, numberBox_;
    bool suppressEdits_ = false;
};
