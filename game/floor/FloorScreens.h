// The casino floor's numbered screens: the table of numbered screens gets the lobby and the
// Front Desk (and keeps the splash screen first), and screen 25 is the credits machine.
#pragma once

void InstallFloorScreens();
