// The New Machine Wizard's property sheet, run in wizard mode, with the document that its
// pages fill in.
#pragma once
#include "PropertySheet.h"
#include "WizardDocument.h"

class WizardSheet : public PropertySheet {
public:
    explicit WizardSheet(Window* parent) : PropertySheet(parent, "") {}

    WizardDocument document;
};
