#include "SymbolTable.h"

void SymbolTable::Clear() { scopes_.clear(); }

void SymbolTable::PushScope() { scopes_.emplace_back(); }

bool SymbolTable::Insert(const std::string& name, const SymbolRecord& record) {
    if (scopes_.empty()) PushScope();
    return scopes_.back().emplace(name, record).second;
}

const SymbolRecord* SymbolTable::FindRecord(const std::string& name) const {
    for (auto scope = scopes_.rbegin(); scope != scopes_.rend(); ++scope) {
        auto it = scope->find(name);
        if (it != scope->end()) return &it->second;
    }
    return nullptr;
}

bool SymbolTable::Lookup(const std::string& name, SymbolRecord& out) const {
    const SymbolRecord* r = FindRecord(name);
    if (!r) return false;
    out = *r;
    return true;
}

bool SymbolTable::Find(const std::string& name) const { return FindRecord(name) != nullptr; }

SymbolRecord* SymbolTable::GetRecord(const std::string& name) {
    return const_cast<SymbolRecord*>(FindRecord(name));
}

SymbolPart* SymbolTable::GetKindPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    if (!r) return nullptr;
    switch (r->kind) {
    case SymbolKind::Animation: return &r->animation;
    case SymbolKind::Button: return &r->button;
    case SymbolKind::Indicator: return &r->indicator;
    case SymbolKind::Sound: return &r->sound;
    default: return &r->region;
    }
}

AnimationRecord* SymbolTable::GetAnimationPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    return r ? &r->animation : nullptr;
}

ButtonPart* SymbolTable::GetButtonPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    return r ? &r->button : nullptr;
}

IndicatorPart* SymbolTable::GetIndicatorPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    return r ? &r->indicator : nullptr;
}

SoundPart* SymbolTable::GetSoundPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    return r ? &r->sound : nullptr;
}

RegionPart* SymbolTable::GetRegionPart(const std::string& name) {
    SymbolRecord* r = GetRecord(name);
    return r ? &r->region : nullptr;
}

bool SymbolTable::GetConstant(const std::string& name, int32_t& value) const {
    SymbolRecord r;
    if (!Lookup(name, r) || r.kind != SymbolKind::Constant) return false;
    value = r.value;
    return true;
}

bool SymbolTable::GetRectangle(const std::string& name, ScriptRect& rect) const {
    SymbolRecord r;
    if (!Lookup(name, r) || r.kind != SymbolKind::Rectangle) return false;
    rect = r.rectangle;
    return true;
}

bool SymbolTable::GetAnimation(const std::string& name, AnimationRecord& animation) const {
    SymbolRecord r;
    if (!Lookup(name, r) || r.kind != SymbolKind::Animation) return false;
    animation = r.animation;
    return true;
}

std::map<std::string, SymbolRecord> SymbolTable::ListKind(SymbolKind kind) const {
    std::map<std::string, SymbolRecord> out;
    for (const Scope& scope : scopes_)
        for (const auto& entry : scope)
            if (entry.second.kind == kind) out.emplace(entry.first, entry.second);
    return out;
}

bool SymbolTable::DefineConstant(const std::string& name, int32_t value) {
    SymbolRecord r;
    r.kind = SymbolKind::Constant;
    r.value = value;
    return Insert(name, r);
}

bool SymbolTable::DefineRectangle(const std::string& name, const ScriptRect& rect) {
    SymbolRecord r;
    r.kind = SymbolKind::Rectangle;
    r.rectangle = rect;
    return Insert(name, r);
}

bool SymbolTable::DefineAnimation(const std::string& name, const AnimationRecord& animation) {
    SymbolRecord r;
    r.kind = SymbolKind::Animation;
    r.animation = animation;
    return Insert(name, r);
}

bool SymbolTable::DefineButton(const std::string& name, const ButtonPart& button) {
    SymbolRecord r;
    r.kind = SymbolKind::Button;
    r.button = button;
    return Insert(name, r);
}

bool SymbolTable::DefineIndicator(const std::string& name, const IndicatorPart& indicator) {
    SymbolRecord r;
    r.kind = SymbolKind::Indicator;
    r.indicator = indicator;
    return Insert(name, r);
}

bool SymbolTable::DefineSound(const std::string& name, const SoundPart& sound) {
    SymbolRecord r;
    r.kind = SymbolKind::Sound;
    r.sound = sound;
    return Insert(name, r);
}

bool SymbolTable::DefineRegion(const std::string& name, const RegionPart& region) {
    SymbolRecord r;
    r.kind = SymbolKind::Region;
    r.region = region;
    return Insert(name, r);
}
