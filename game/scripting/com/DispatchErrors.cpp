#include "DispatchErrors.h"

namespace {

// The system's text for a status code, without the trailing line break.
std::wstring SystemText(HRESULT code) {
    wchar_t buffer[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, 512, nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    if (text.empty()) {
        wchar_t hex[32];
        wsprintfW(hex, L"Error 0x%08X", static_cast<unsigned>(code));
        text = hex;
    }
    return text;
}

}  // namespace

HRESULT DispatchErrors::Keep(HRESULT code, std::wstring text) {
    if (SUCCEEDED(code)) code = E_FAIL;
    pending_ = true;
    code_ = code;
    text_ = text.empty() ? SystemText(code) : std::move(text);
    return code;
}

HRESULT DispatchErrors::Report(HRESULT result, EXCEPINFO* exception) {
    if (!pending_) return result;
    pending_ = false;
    if (SUCCEEDED(result)) return result;
    if (!exception) return code_;
    if (exception->bstrSource) SysFreeString(exception->bstrSource);
    if (exception->bstrDescription) SysFreeString(exception->bstrDescription);
    if (exception->bstrHelpFile) SysFreeString(exception->bstrHelpFile);
    *exception = EXCEPINFO();
    exception->bstrSource = SysAllocString(L"SlotMachine");
    exception->bstrDescription = SysAllocString(text_.c_str());
    exception->scode = code_;
    return DISP_E_EXCEPTION;
}

std::wstring DispatchErrors::Widen(const char* text) {
    std::wstring wide;
    for (; *text; ++text) wide.push_back(static_cast<unsigned char>(*text));
    return wide;
}
