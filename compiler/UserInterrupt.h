// Thrown when the user cancels a compile through its progress sink.
#pragma once

class UserInterrupt {};
