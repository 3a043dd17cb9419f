// Keeps C++ exceptions out of the script engine: a member's body runs inside Guard, which
// turns what it throws into a status code and keeps the text; after DispInvoke, Report
// hands that text to the engine as exception information.
#pragma once
#include <comdef.h>

#include <exception>
#include <string>

#include "ScriptFault.h"

class DispatchErrors {
public:
    template <class Body>
    HRESULT Guard(Body&& body) noexcept {
        try {
            return body();
        } catch (const ScriptFault& fault) {
            return Keep(fault.Code(), fault.Text());
        } catch (const _com_error& error) {
            return Keep(error.Error(), std::wstring());
        } catch (const std::exception& error) {
            return Keep(E_FAIL, Widen(error.what()));
        } catch (...) {
            return Keep(E_UNEXPECTED, L"Unexpected failure in a machine object");
        }
    }

    // The result of DispInvoke: a failure that a guarded body kept becomes
    // DISP_E_EXCEPTION with its code and text in the exception information.
    HRESULT Report(HRESULT result, EXCEPINFO* exception);

private:
    HRESULT Keep(HRESULT code, std::wstring text);
    static std::wstring Widen(const char* text);

    bool pending_ = false;
    HRESULT code_ = S_OK;
    std::wstring text_;
};
