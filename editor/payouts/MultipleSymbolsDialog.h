// The "Multiple Symbols" dialog: edits one reel item of a pay line as a set of active
// symbols and a match mode (any of them, any but them, or any symbol at all).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Dialog.h"

class MultipleSymbolsDialog : public Dialog {
public:
    // Match modes, as a pattern item's kind holds them.
    static const int32_t kAnyOf = 0, kAnyBut = 2;

    explicit MultipleSymbolsDialog(const std::vector<std::string>& allSymbols);

    // Before the dialog runs.
    void SetSymbols(int32_t mode, const std::vector<std::string>& active);
    // After OK.
    void GetSymbols(int32_t& mode, std::vector<std::string>& active) const;

    int OnCreate() override;

private:
    void OnAdd(int id, int code);
    void OnRemove(int id, int code);
    void OnOK(int id, int code);
    void OnCancel(int id, int code);
    void UnselectAll();

    std::vector<std::string> all_;
    int32_t mode_ = kAnyOf;
    std::vector<std::string> active_;
};
