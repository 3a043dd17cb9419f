// The build's progress dialog as the generation steps see it: a percent of the current
// step, and the dialog's closing as the user's cancel.
#pragma once
#include "GenerationProgress.h"
#include "ProgressDialog.h"

class DialogProgress : public GenerationProgress {
public:
    explicit DialogProgress(ProgressDialog* dialog) : dialog_(dialog) {}

    void SetPercent(int32_t percent) override
    {
        if (dialog_ != nullptr)
            dialog_->SetStepPercent(percent);
    }
    bool IsCancelled() const override { return dialog_ != nullptr && dialog_->IsClosed(); }

private:
    ProgressDialog* dialog_;
};
