#include "base/EmptyDialog.h"

#include <cstddef>

namespace rolva {

namespace {

// A dialog template with no controls, its menu, class and title words empty. The headers pack
// DLGTEMPLATE to 2 bytes, but the dialog functions require it on a DWORD boundary: a template on
// the stack at an odd WORD would break that contract.
struct alignas(DWORD) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};
static_assert(alignof(EmptyTemplate) >= sizeof(DWORD), "dialog templates start on a DWORD boundary");
static_assert(offsetof(EmptyTemplate, menu) == sizeof(DLGTEMPLATE), "the three words follow the header directly");

EmptyTemplate* TemplateFor(EmptyTemplate* storage)
{
    *storage = EmptyTemplate{};
    storage->header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    storage->header.cx = 100;
    storage->header.cy = 50;
    return storage;
}

}  // namespace

INT_PTR RunEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter)
{
    EmptyTemplate storage;
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &TemplateFor(&storage)->header, owner, procedure,
                                   parameter);
}

HWND CreateEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter)
{
    EmptyTemplate storage;
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &TemplateFor(&storage)->header, owner, procedure,
                                      parameter);
}

}  // namespace rolva
