#include "AnimationEntry.h"

#include "AnimationSet.h"
#include "MachineScript.h"

LayoutEntry::LayoutEntry(const std::string& name, const AnimationReference& record, AnimationSet* set)
    : record_(record), set_(set), name_(name) {
    set_->AddListener(this);
}

LayoutEntry::~LayoutEntry() { set_->RemoveListener(this); }

void LayoutEntry::OnSetChanged(int32_t) { changed_ = true; }

void AnimationEntry::Commit(MachineScript& script) {
    if (!changed_) return;
    set_->Save(record_);
    script.SetAnimationFiles(name_, record_);
    changed_ = false;
}

SymbolEntry::SymbolEntry(const std::string& name, int32_t index, const AnimationReference& record,
                         AnimationSet* set)
    : LayoutEntry(name, record, set), index_(index) {}

void SymbolEntry::Commit(MachineScript& script) {
    if (!changed_) return;
    set_->Save(record_);
    ReelSymbol symbol;
    symbol.index = index_;
    for (const std::vector<std::string>& sequence : record_.sequences)
        symbol.files.insert(symbol.files.end(), sequence.begin(), sequence.end());
    symbol.assetNumber = record_.libraryAsset;
    script.SetSymbol(index_, symbol);
    changed_ = false;
}
