// Money is inline throughout; this unit checks that its header stands on its own.
#include "Money.h"
