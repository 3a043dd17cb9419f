// The layout's entries for animations that are not an element's own: one per Animation
// statement of the script and one per reel symbol. Each listens to its animation set;
// an edit of the set marks the entry changed, and its commit writes the set back.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "SetListeners.h"

class AnimationSet;
class MachineScript;

class LayoutEntry : public SetListener {
public:
    LayoutEntry(const std::string& name, const AnimationReference& record, AnimationSet* set);
    ~LayoutEntry() override;
    LayoutEntry(const LayoutEntry&) = delete;
    LayoutEntry& operator=(const LayoutEntry&) = delete;

    virtual void Commit(MachineScript& script) = 0;
    bool IsChanged() const { return changed_; }
    const std::string& GetName() const { return name_; }
    void OnSetChanged(int32_t value) override;

protected:
    AnimationReference record_;
    bool changed_ = false;
    AnimationSet* set_;
    std::string name_;
};

// An Animation statement: saved as a whole under its name.
class AnimationEntry : public LayoutEntry {
public:
    using LayoutEntry::LayoutEntry;
    void Commit(MachineScript& script) override;
};

// A reel symbol's pictures.
class SymbolEntry : public LayoutEntry {
public:
    SymbolEntry(const std::string& name, int32_t index, const AnimationReference& record, AnimationSet* set);
    void Commit(MachineScript& script) override;

private:
    int32_t index_;
};
