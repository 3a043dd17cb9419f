// The JScript engine's class identifier.
#pragma once
#include <windows.h>

extern const CLSID kJScriptClsid;
