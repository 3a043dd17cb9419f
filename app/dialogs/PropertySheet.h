// A property sheet of PropertyPage objects, shown as tabbed pages or as a wizard (Back,
// Next, Finish, Cancel). The sheet's window exists only while Show or RunWizard runs.
#pragma once
#include <windows.h>
#include <commctrl.h>
// The common controls name their ANSI or wide sheet function PropertySheet.
#undef PropertySheet

#include <string>
#include <vector>

#include "Window.h"

class PropertyPage;

class PropertySheet : public Window {
public:
    // The parent may be null; the icon id 0 means none.
    PropertySheet(Window* parent, const char* caption, int iconId = 0);
    ~PropertySheet() override;

    // Pages appear in the order they were added.
    void AddPage(PropertyPage* page);
    // Modal: what PropertySheetA answers (positive after OK, 0 after Cancel, -1 on error).
    INT_PTR Show(int startPage = 0);
    INT_PTR RunWizard();

    int GetPageCount() const { return int(header_.nPages); }

private:
    INT_PTR Run();

    PROPSHEETHEADERA header_ = {};  // used in its first 40 bytes only
    std::vector<PROPSHEETPAGEA_V1> pages_;
    Window* parent_;
    std::string caption_;
};
