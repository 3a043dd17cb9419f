#include "NamedItem.h"

bool NamedItem::LoadBackdrop(MachineScript*) { return false; }

bool NamedItem::Apply() { return false; }
