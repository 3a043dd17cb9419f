#include "NewElementName.h"

std::string NextNewElementName(const std::string& prefix, int32_t& counter,
                               const std::function<bool(const std::string&)>& isDefined) {
    std::string candidate;
    do {
        candidate = prefix + std::to_string(counter++);
    } while (isDefined(candidate));
    return candidate;
}
