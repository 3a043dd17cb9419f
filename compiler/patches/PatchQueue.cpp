// The description's list of queued source patches.
#include <algorithm>
#include <stdexcept>

#include "FieldPatch.h"
#include "FixedTextPatches.h"

// A value whose statement the script leaves out has no place in the text: its patch would
// be dropped when the script is written and the edit lost, so the edit is refused before
// the caller changes the value.
void MachineDescription::AppendPatch(SourceSpan& span, std::unique_ptr<SourcePatch> patch) {
    if (span.start <= 0 && span.insert == 0)
        throw std::invalid_argument("The script has no statement that holds this value");
    PatchEntry entry;
    entry.start = span.start;
    entry.end = span.end;
    entry.insert = span.insert != 0;
    entry.patch = std::move(patch);
    entry.span = &span;
    entry.owner = patchOwner_;
    span.patch = entry.patch.get();
    patchedSpans_.push_back(&span);
    patches_.push_back(std::move(entry));
    ++patchCount_;
}

void MachineDescription::ShareDefinitionPatch(SymbolPart& part, std::vector<SourceSpan*> spans) {
    for (SourceSpan* span : spans) {
        *span = part.definitionSpan;
        patchedSpans_.push_back(span);
    }
}

void MachineDescription::QueueQuotedText(SourceSpan& span, const std::string& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<QuotedTextPatch>(&field));
}

void MachineDescription::QueueText(SourceSpan& span, const std::string& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<TextPatch>(&field));
}

void MachineDescription::QueueNumber(SourceSpan& span, const int32_t& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<NumberPatch>(&field));
}

void MachineDescription::QueueErase(SourceSpan& span) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<ErasePatch>());
}

void MachineDescription::QueuePayout(SourceSpan& span, const ScriptPayTable::Payout& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<PayoutPatch>(&field));
}

void MachineDescription::QueuePatternItem(SourceSpan& span,
                                          const ScriptPayTable::PatternItem& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<PatternItemPatch>(&field));
}

void MachineDescription::QueuePayLine(SourceSpan& span, const ScriptPayTable::PayoutLine& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<PayLinePatch>(&field));
}

void MachineDescription::QueuePayoutList(SourceSpan& span,
                                         const std::vector<ScriptPayTable::Payout>& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<PayoutListPatch>(&field));
}

void MachineDescription::QueueDirection(SourceSpan& span, const ScriptPayTable::PayoutLine& field) {
    if (!AlreadyQueued(span)) AppendPatch(span, std::make_unique<DirectionPatch>(&field));
}

bool MachineDescription::AlreadyQueued(SourceSpan& span) {
    if (!span.patch) return false;
    RequeueEntry(span.patch);
    return true;
}

PatchEntry* MachineDescription::RequeueEntry(const SourcePatch* patch) {
    for (PatchEntry& entry : patches_) {
        if (entry.patch.get() != patch) continue;
        entry.owner = patchOwner_;
        return &entry;
    }
    for (auto it = savedPatches_.begin(); it != savedPatches_.end(); ++it) {
        if (it->patch.get() != patch) continue;
        it->owner = patchOwner_;
        patches_.splice(patches_.end(), savedPatches_, it);
        ++patchCount_;
        return &patches_.back();
    }
    return nullptr;
}

std::vector<int32_t> MachineDescription::GetPatchOwners() const {
    std::vector<int32_t> owners;
    for (const PatchEntry& entry : patches_)
        if (std::find(owners.begin(), owners.end(), entry.owner) == owners.end()) owners.push_back(entry.owner);
    return owners;
}

void MachineDescription::DropPatches(int32_t owner) {
    for (auto it = patches_.begin(); it != patches_.end();) {
        if (it->owner != owner) {
            ++it;
            continue;
        }
        const SourcePatch* dropped = it->patch.get();
        for (SourceSpan* span : patchedSpans_)
            if (span->patch == dropped) span->patch = nullptr;
        patchedSpans_.erase(std::remove_if(patchedSpans_.begin(), patchedSpans_.end(),
                                           [](const SourceSpan* span) { return !span->patch; }),
                            patchedSpans_.end());
        it = patches_.erase(it);
        --patchCount_;
    }
}

// Saved patches stay: the script written next must still hold what they print, and their
// spans keep naming them, so a later edit of such a value does not queue a second patch.
void MachineDescription::DiscardPatches(bool destroy) {
    if (!destroy) return;
    savedPatches_.splice(savedPatches_.end(), patches_);
    patchCount_ = 0;
}

void MachineDescription::DestroyPatches() {
    for (SourceSpan* span : patchedSpans_) span->patch = nullptr;
    patchedSpans_.clear();
    patches_.clear();
    savedPatches_.clear();
    patchCount_ = 0;
}
