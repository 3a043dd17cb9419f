#include "FatalText.h"

#include <cstdio>
#include <exception>

#include "StructuredException.h"

namespace {
// Long enough for any exception text a handler composes; longer texts are cut.
const std::size_t kMaxFatalText = 4096;
std::string fatalText;
}  // namespace

const std::string& GetFatalText() { return fatalText; }
bool HasFatalText() { return !fatalText.empty(); }

void SetFatalText(const std::string& text) {
    fatalText = text.substr(0, kMaxFatalText);
}

void ClearFatalText() { fatalText.clear(); }

std::string DescribeCurrentException() {
    try {
        throw;
    } catch (const SE_Exception&) {
        return "C exception " + DescribeStructuredCode(GetLastStructuredCode());
    } catch (const std::exception& e) {
        return std::string("Exception ") + e.what();
    } catch (int value) {
        return "Int Exception " + std::to_string(value);
    } catch (...) {
        return "Something wonderful is happening!";
    }
}
