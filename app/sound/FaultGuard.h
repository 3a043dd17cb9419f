// Calls into outside libraries that must not take the program down with them. This
// compiler has no __try, so the guard marks a resume point and a vectored handler sends a
// faulting thread back to it: the call ends at once, nothing between the resume point and
// the fault is unwound, and the guard answers with the fallback.
#pragma once
#include <cstdint>

// Runs call(context). A program fault inside it (see IsProgramFault) gives `fallback`
// and records the fault's code as the last structured code. Guards may nest.
uint32_t CallWithFaultGuard(uint32_t (*call)(void* context), void* context, uint32_t fallback);

// The same for any callable returning a 32-bit value.
template <class Call>
uint32_t CallGuarded(Call&& call, uint32_t fallback) {
    return CallWithFaultGuard([](void* context) -> uint32_t { return (*static_cast<Call*>(context))(); }, &call,
                              fallback);
}
