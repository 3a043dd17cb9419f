// The names a machine script defines in its Art block, in a list of scopes. Inserts go to
// the innermost scope; look-ups search from the innermost scope outward. The compiler
// uses a single scope, emptied at the start of every compile.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "SymbolRecord.h"

class SymbolTable {
public:
    using Scope = std::map<std::string, SymbolRecord>;

    void Clear();
    void PushScope();
    // False (and nothing changes) when the innermost scope already holds the name.
    bool Insert(const std::string& name, const SymbolRecord& record);
    bool Lookup(const std::string& name, SymbolRecord& out) const;
    bool Find(const std::string& name) const;

    // The stored record itself, for changes in place; null for an undefined name.
    SymbolRecord* GetRecord(const std::string& name);
    // The part that matches the record's kind; null for an undefined name.
    SymbolPart* GetKindPart(const std::string& name);
    AnimationRecord* GetAnimationPart(const std::string& name);
    ButtonPart* GetButtonPart(const std::string& name);
    IndicatorPart* GetIndicatorPart(const std::string& name);
    SoundPart* GetSoundPart(const std::string& name);
    RegionPart* GetRegionPart(const std::string& name);

    // True with the value only when the name is of that kind.
    bool GetConstant(const std::string& name, int32_t& value) const;
    bool GetRectangle(const std::string& name, ScriptRect& rect) const;
    bool GetAnimation(const std::string& name, AnimationRecord& animation) const;

    // Copies of every record of one kind, in name order.
    std::map<std::string, SymbolRecord> ListKind(SymbolKind kind) const;

    bool DefineConstant(const std::string& name, int32_t value);
    bool DefineRectangle(const std::string& name, const ScriptRect& rect);
    bool DefineAnimation(const std::string& name, const AnimationRecord& animation);
    bool DefineButton(const std::string& name, const ButtonPart& button);
    bool DefineIndicator(const std::string& name, const IndicatorPart& indicator);
    bool DefineSound(const std::string& name, const SoundPart& sound);
    bool DefineRegion(const std::string& name, const RegionPart& region);

    size_t ScopeCount() const { return scopes_.size(); }

private:
    const SymbolRecord* FindRecord(const std::string& name) const;

    std::vector<Scope> scopes_;
};
