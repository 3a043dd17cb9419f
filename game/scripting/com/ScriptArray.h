// The array arguments of the machine's members (symbols, weights): a one-dimensional
// SAFEARRAY of VARIANTs, as automation clients pass them, or a JScript array object.
// Each element is converted to the given type; a conversion that fails throws the COM
// error exception, a value of another shape is E_INVALIDARG.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <vector>

std::vector<LONG> ReadIntegerArray(const VARIANT& value, VARTYPE elementType);
