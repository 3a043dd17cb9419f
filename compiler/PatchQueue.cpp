// The description's list of queued source patches.
#include "FieldPatch.h"
#include "FixedTextPatches.h"

void MachineDescription::AppendPatch(SourceSpan& span, std::unique_ptr<SourcePatch> patch) {
    PatchEntry entry;
    entry.start = span.start;
    entry.end = span.end;
    entry.insert = span.insert != 0;
    entry.patch = std::move(patch);
    entry.span = &span;
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
    if (!span.patch) AppendPatch(span, std::make_unique<QuotedTextPatch>(&field));
}

void MachineDescription::QueueText(SourceSpan& span, const std::string& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<TextPatch>(&field));
}

void MachineDescription::QueueNumber(SourceSpan& span, const int32_t& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<NumberPatch>(&field));
}

void MachineDescription::QueueErase(SourceSpan& span) {
    if (!span.patch) AppendPatch(span, std::make_unique<ErasePatch>());
}

void MachineDescription::QueuePayout(SourceSpan& span, const ScriptPayTable::Payout& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<PayoutPatch>(&field));
}

void MachineDescription::QueuePatternItem(SourceSpan& span,
                                          const ScriptPayTable::PatternItem& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<PatternItemPatch>(&field));
}

void MachineDescription::QueuePayLine(SourceSpan& span, const ScriptPayTable::PayoutLine& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<PayLinePatch>(&field));
}

void MachineDescription::QueuePayoutList(SourceSpan& span,
                                         const std::vector<ScriptPayTable::Payout>& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<PayoutListPatch>(&field));
}

void MachineDescription::QueueDirection(SourceSpan& span, const ScriptPayTable::PayoutLine& field) {
    if (!span.patch) AppendPatch(span, std::make_unique<DirectionPatch>(&field));
}

void MachineDescription::DiscardPatches(bool destroy) {
    if (!destroy) return;
    // No span keeps a pointer to a patch that is gone: an edit after the discard queues
    // afresh.
    for (SourceSpan* span : patchedSpans_) span->patch = nullptr;
    patchedSpans_.clear();
    patches_.clear();
    patchCount_ = 0;
}

// Writing the edited script (copying the compiled script and putting each patch's text in
// place of its span) is not done yet: the patches stay queued and nothing is written.
bool MachineDescription::WriteScript(const std::string& /*path*/) { return false; }
