// The game menu's payout command: asks for a machine script, analyzes it and shows the
// report, or the compiler's messages, in a box captioned "results".
#pragma once
#include <string>

class Window;

// The open-file dialog, then ShowPayoutResults; nothing when the dialog is cancelled.
void CalculatePayout(Window* owner);

// Runs the analyzer on the script with a fresh message list and shows every message.
void ShowPayoutResults(Window* owner, const std::string& scriptPath);
