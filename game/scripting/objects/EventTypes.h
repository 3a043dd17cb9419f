// Look-ups in a class description of the type library: its default event interface, an
// event's dispatch identifier by name and the names of its arguments.
#pragma once
#include <string>
#include <vector>

#include "ComBase.h"
#include "ComRef.h"

// The [default, source] interface of a class description, or null.
ComRef<ITypeInfo> FindEventInterface(ITypeInfo* classInfo);

// The identifier of the event of that name (case as the library has it, any case found).
bool FindEventId(ITypeInfo* events, const wchar_t* name, DISPID& id);

// The argument names of the event, in the order the script writes them.
std::vector<std::wstring> EventArgumentNames(ITypeInfo* events, DISPID id);
