#include "base/ControlTable.h"

namespace rolva {

void CreateControls(HWND parent, const ControlRow* rows, std::size_t count, HFONT font, ControlMade made)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    for (std::size_t i = 0; i < count; ++i) {
        const ControlRow& row = rows[i];
        HWND control = CreateWindowExA(row.exStyle, row.windowClass, row.text, row.style, row.x, row.y, row.width,
                                       row.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                       instance, nullptr);
        const bool takesFont = made ? made(control, row) : true;
        if (takesFont)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
}

}  // namespace rolva
