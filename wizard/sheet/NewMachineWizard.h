// The New Machine Wizard: reads the wizard data from the game CD (asking for the CD
// until it is there or the user gives up) and runs the wizard's pages.
#pragma once

class Window;

void NewMachineWizard(Window* parent);
