// A window's controls written as a table and created from it in table order, the order that
// makes their tab order and Z order, and the one each up-down takes its buddy from.
#pragma once

#include <windows.h>

#include <cstddef>

namespace rolva {

// One control: what CreateWindowExA is given for it, its place in the parent's client area.
struct ControlRow {
    int id;
    const char* windowClass;
    const char* text;
    DWORD exStyle;
    DWORD style;
    int x, y, width, height;
};

// What a table does with each control as soon as it exists, before any font goes to it (an
// up-down's first range, say). Returns whether the control takes the table's font.
using ControlMade = bool (*)(HWND control, const ControlRow& row);

// Creates the rows' controls over parent, in row order, with the parent's instance, and sends
// each one WM_SETFONT with font (no redraw) unless made says otherwise. An up-down with
// UDS_AUTOBUDDY takes the control of the row before it.
void CreateControls(HWND parent, const ControlRow* rows, std::size_t count, HFONT font, ControlMade made = nullptr);

template <std::size_t Count>
void CreateControls(HWND parent, const ControlRow (&rows)[Count], HFONT font, ControlMade made = nullptr)
{
    CreateControls(parent, rows, Count, font, made);
}

}  // namespace rolva
