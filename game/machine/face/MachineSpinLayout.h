// A loaded machine's reels as the spin reads them.
#pragma once
#include "MachineRecords.h"
#include "SpinLayout.h"

SpinLayout MachineSpinLayout(const MachineRecords& records);
