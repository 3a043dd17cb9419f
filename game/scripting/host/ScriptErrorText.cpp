#include <cstdio>

#include "ScriptSite.h"
#include "ScriptText.h"

namespace {

std::wstring FromBstr(BSTR text) {
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

}  // namespace

std::string FormatScriptError(IActiveScriptError* error) {
    EXCEPINFO exception = {};
    error->GetExceptionInfo(&exception);
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    error->GetSourcePosition(&context, &line, &column);
    BSTR sourceLine = nullptr;
    error->GetSourceLineText(&sourceLine);

    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "Line:%lu Error:%u Scode:%lx", static_cast<unsigned long>(line),
                  static_cast<unsigned>(exception.wCode), static_cast<unsigned long>(exception.scode));
    std::string text = ToNarrow(FromBstr(exception.bstrDescription));
    text += "\nSrc: " + ToNarrow(FromBstr(exception.bstrSource));
    text += "\n";
    text += numbers;
    if (sourceLine && SysStringLen(sourceLine) > 0) text += "\n" + ToNarrow(FromBstr(sourceLine));
    SysFreeString(sourceLine);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return text;
}
