// Exceptions must not unwind through Win32 or Wine frames. Every window, dialog and
// subclass procedure of ours catches what its handlers throw and keeps it here; our own
// code raises it again once the Win32 call that led into the procedure has returned.
#pragma once
#include <exception>

// Keeps the exception being handled (call inside a catch clause). The first one kept
// wins until it is raised again; later ones are dropped.
void KeepPendingException();

// True when an exception is waiting to be raised again on this thread.
bool HasPendingException();

// Raises the kept exception, if any, and forgets it.
void RethrowPendingException();

// Forgets the kept exception without raising it.
void DropPendingException();
