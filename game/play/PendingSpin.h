// The scriptlet lines of a spin that the program stopped in the middle of are paid when its
// machine is next opened, before anything else happens on it.
#pragma once
#include <string>

class PlayerRoster;
class SpinController;

// Evaluates the current player's waiting lines of this machine, spin by spin, and pays
// what they pay into the player's cash.
void PayPendingSpin(PlayerRoster& roster, SpinController& spin, const std::string& machine);
