// The box that reports an exception raised while a screen was being made: icon-stop and
// system-modal, owned by the main window, with a text and caption by the exception's kind.
#pragma once
#include <string>

struct ScreenErrorText {
    std::string text;
    std::string caption;
};

// The text and caption for the exception being handled (call inside a catch clause).
ScreenErrorText DescribeScreenError();

// Shows the box for the exception being handled (call inside a catch clause).
void ReportScreenError();
