// The fatal error text: empty while all is well. A main-class window procedure writes the
// description of an exception its handlers threw; the message loop ends when it is set.
#pragma once
#include <string>

const std::string& GetFatalText();
bool HasFatalText();
void SetFatalText(const std::string& text);
void ClearFatalText();

// The description the main window's guard keeps for the exception being handled
// ("Exception ...", "C exception SE code ...", "Int Exception ..."). Call inside a catch.
std::string DescribeCurrentException();
