// A patch that prints a field of the machine description with one of the description's
// formatters, so that it always writes the field's latest value. Include after
// MachineDescription.h.
#pragma once
#include <string>

#include "MachineDescription.h"
#include "SourcePatch.h"

template <class Field>
class FieldPatch : public SourcePatch {
public:
    using Formatter = std::string (MachineDescription::*)(const Field&) const;

    FieldPatch(const Field* field, const MachineDescription* owner, Formatter formatter)
        : field_(field), owner_(owner), formatter_(formatter) {}

    std::string GetText() const override { return (owner_->*formatter_)(*field_); }

private:
    const Field* field_;
    const MachineDescription* owner_;
    Formatter formatter_;
};

template <class Field>
void MachineDescription::QueuePatch(SourceSpan& span, const Field& field,
                                    std::string (MachineDescription::*formatter)(const Field&) const) {
    if (AlreadyQueued(span)) return;  // its patch already prints the latest value
    AppendPatch(span, std::make_unique<FieldPatch<Field>>(&field, this, formatter));
}
