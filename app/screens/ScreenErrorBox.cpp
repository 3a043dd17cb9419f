#include "ScreenErrorBox.h"

#include <windows.h>

#include <cstdio>
#include <exception>

#include "Application.h"
#include "StructuredException.h"
#include "Window.h"

namespace {
std::string Format(const char* format, const char* name, unsigned code) {
    char text[256];
    std::snprintf(text, sizeof text, format, name, code);
    return text;
}
}  // namespace

ScreenErrorText DescribeScreenError() {
    try {
        throw;
    } catch (const std::exception& e) {
        return {e.what(), "Exception!"};
    } catch (const SE_Exception& e) {
        const char* name = GetExceptionCodeName(e.GetCode());
        return {Format("The program committed an error (%s:%X)", name ? name : "", e.GetCode()), "C exception!"};
    } catch (int value) {
        char text[96];
        std::snprintf(text, sizeof text, "The program committed an error (int-code:%d)", value);
        return {text, "Int exception!"};
    } catch (...) {
        return {"The program committed an error.", "Exception!"};
    }
}

void ReportScreenError() {
    const ScreenErrorText error = DescribeScreenError();
    Window* main = GetMainWindow();
    MessageBoxA(main ? main->GetHandle() : nullptr, error.text.c_str(), error.caption.c_str(),
                MB_ICONHAND | MB_SYSTEMMODAL);
}
