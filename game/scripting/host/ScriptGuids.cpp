// Identifiers of Active Scripting that the platform's import libraries lack, and the
// JScript engine's class.
#include <windows.h>
#include <initguid.h>
#include <activscp.h>

#include "ScriptGuids.h"

// F414C260-6AC0-11CF-B6D1-00AA00BBBB58
const CLSID kJScriptClsid = {0xF414C260, 0x6AC0, 0x11CF, {0xB6, 0xD1, 0x00, 0xAA, 0x00, 0xBB, 0xBB, 0x58}};
