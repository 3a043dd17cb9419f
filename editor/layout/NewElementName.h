// Names of elements that the author adds: a prefix and a number from a counter that the
// layout keeps, skipping every name the script already defines.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

std::string NextNewElementName(const std::string& prefix, int32_t& counter,
                               const std::function<bool(const std::string&)>& isDefined);
