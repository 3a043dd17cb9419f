// The COM error exception of the program is comdef.h's _com_error, raised through its
// inline _com_issue_error (mingw has the header but no comsupp library, so _bstr_t-based
// members of _com_error are not used here).
#include <comdef.h>

#include "ScriptFault.h"

void CheckComResult(HRESULT code) {
    if (FAILED(code)) _com_issue_error(code);
}
