// What the header generated from SlotMachine.idl needs of the platform: IUnknown,
// IDispatch and the automation types (the IDL compiler sees stand-ins in ComBase.idl).
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ole2.h>
