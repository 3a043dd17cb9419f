// Patches that print their field in one fixed way: texts, numbers, and the parts of a
// payout line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ScriptPayTable.h"
#include "SourcePatch.h"

// The text between two double quotes.
class QuotedTextPatch : public SourcePatch {
public:
    explicit QuotedTextPatch(const std::string* field) : field_(field) {}
    std::string GetText() const override;

private:
    const std::string* field_;
};

// The text unchanged.
class TextPatch : public SourcePatch {
public:
    explicit TextPatch(const std::string* field) : field_(field) {}
    std::string GetText() const override { return *field_; }

private:
    const std::string* field_;
};

// The number in decimal.
class NumberPatch : public SourcePatch {
public:
    explicit NumberPatch(const int32_t* field) : field_(field) {}
    std::string GetText() const override { return std::to_string(*field_); }

private:
    const int32_t* field_;
};

// No text: removes what its span covers.
class ErasePatch : public SourcePatch {
public:
    std::string GetText() const override { return std::string(); }
};

// One payout: a scriptlet between double quotes, or the amount.
class PayoutPatch : public SourcePatch {
public:
    explicit PayoutPatch(const ScriptPayTable::Payout* field) : field_(field) {}
    std::string GetText() const override;

private:
    const ScriptPayTable::Payout* field_;
};

// One pattern item: a name, [a,b], [any], [^a,b]; nothing for a counted item.
class PatternItemPatch : public SourcePatch {
public:
    explicit PatternItemPatch(const ScriptPayTable::PatternItem* field) : field_(field) {}
    std::string GetText() const override;

private:
    const ScriptPayTable::PatternItem* field_;
};

// The whole pattern of a line: its direction and items, in the any-count or all form where
// the items allow it.
class PayLinePatch : public SourcePatch {
public:
    explicit PayLinePatch(const ScriptPayTable::PayoutLine* field) : field_(field) {}
    std::string GetText() const override;

private:
    const ScriptPayTable::PayoutLine* field_;
};

// The payouts of a line separated by ", ", the first right-aligned in five columns.
class PayoutListPatch : public SourcePatch {
public:
    explicit PayoutListPatch(const std::vector<ScriptPayTable::Payout>* field) : field_(field) {}
    std::string GetText() const override;

private:
    const std::vector<ScriptPayTable::Payout>* field_;
};

// BothWays for a line read both ways, else nothing.
class DirectionPatch : public SourcePatch {
public:
    explicit DirectionPatch(const ScriptPayTable::PayoutLine* field) : field_(field) {}
    std::string GetText() const override;

private:
    const ScriptPayTable::PayoutLine* field_;
};

// The texts themselves, for the patches and their tests.
std::string FormatPayout(const ScriptPayTable::Payout& payout);
std::string FormatPatternItem(const ScriptPayTable::PatternItem& item);
std::string FormatPayLine(const ScriptPayTable::PayoutLine& line);
std::string FormatPayoutList(const std::vector<ScriptPayTable::Payout>& payouts);
