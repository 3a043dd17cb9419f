// The small modal dialog (resource 108) in which every element kind and the Sounds page
// ask for a new name: titled "Rename " + the kind word, it shows the current name and
// ends with 1 on OK, with the new name (made valid) in GetName, and 0 on Cancel. A name
// that is empty, starts with a digit or is already used elsewhere is refused with a
// message, and the dialog stays open. A typed name that had to be made valid (a blank
// became "_") is shown as it becomes, to be taken with OK or changed after Cancel.
#pragma once
#include <functional>
#include <string>

#include "Dialog.h"

class RenameDialog : public Dialog {
public:
    using NameInUse = std::function<bool(const std::string&)>;

    RenameDialog(const std::string& kind, const std::string& name, NameInUse isUsed = nullptr);

    int OnCreate() override;
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    const std::string& GetName() const { return name_; }

private:
    std::string kind_;
    std::string name_;
    NameInUse isUsed_;
};
