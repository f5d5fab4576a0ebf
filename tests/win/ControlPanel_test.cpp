// The control panel as a person sees and uses it: its window, every control with its place,
// the key pictures, the number displays, the speed and interval fields and what each key does.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Application.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::TextOf;

constexpr COLORREF kOrange = RGB(255, 165, 100);

struct ControlRow {
    int id;
    const char* windowClass;
    const char* text;  // nullptr: not checked
    DWORD style;
    bool clientEdge;
    int x, y, width, height;  // an up-down places itself at its edit's right edge instead
};

// The up-downs' style with UDS_NOTHOUSANDS on top: "1000", not "1,000", in the edit.
constexpr DWORD kArrowsStyle = 0x50000036 | UDS_NOTHOUSANDS;

// Creation order.
const ControlRow kControls[] = {
    {1006, "Button", "１つ目の幕", 0x50000007, false, 3, 2, 127, 180},
    {1007, "Button", "２つ目の幕", 0x50000007, false, 135, 2, 127, 180},
    {1002, "Static", "0", 0x50000002, true, 11, 15, 85, 24},
    {1008, "Button", "0", 0x50010080, false, 12, 104, 26, 20},
    {1009, "Button", "1", 0x50010080, false, 12, 83, 26, 20},
    {1010, "Button", "2", 0x50010080, false, 41, 83, 26, 20},
    {1011, "Button", "3", 0x50010080, false, 70, 83, 26, 20},
    {1012, "Button", "4", 0x50010080, false, 12, 62, 26, 20},
    {1013, "Button", "5", 0x50010080, false, 41, 62, 26, 20},
    {1014, "Button", "6", 0x50010080, false, 70, 62, 26, 20},
    {1015, "Button", "7", 0x50010080, false, 12, 41, 26, 20},
    {1016, "Button", "8", 0x50010080, false, 41, 41, 26, 20},
    {1017, "Button", "9", 0x50010080, false, 70, 41, 26, 20},
    {1018, "Button", "強", 0x50010080, false, 100, 15, 26, 20},
    {1019, "Button", "ON", 0x50014080, false, 70, 104, 26, 20},
    {1003, "Static", "0", 0x50000002, true, 142, 15, 85, 24},
    {1020, "Button", "0", 0x50010080, false, 144, 104, 26, 20},
    {1021, "Button", "1", 0x50010080, false, 144, 83, 26, 20},
    {1022, "Button", "2", 0x50010080, false, 173, 83, 26, 20},
    {1023, "Button", "3", 0x50010080, false, 201, 83, 26, 20},
    {1024, "Button", "4", 0x50010080, false, 144, 62, 26, 20},
    {1025, "Button", "5", 0x50010080, false, 173, 62, 26, 20},
    {1026, "Button", "6", 0x50010080, false, 201, 62, 26, 20},
    {1027, "Button", "7", 0x50010080, false, 144, 41, 26, 20},
    {1028, "Button", "8", 0x50010080, false, 173, 41, 26, 20},
    {1029, "Button", "9", 0x50010080, false, 201, 41, 26, 20},
    {1030, "Button", "ON", 0x50010080, false, 201, 104, 26, 20},
    {1031, "Button", "強", 0x50010080, false, 230, 15, 26, 20},
    {1032, "Static", "速度：", 0x50000000, false, 12, 132, 30, 12},
    {1033, "Edit", "0", 0x50012002, true, 42, 129, 80, 20},
    {1034, "msctls_updown32", nullptr, kArrowsStyle, false, 0, 0, 0, 0},
    {1035, "Static", "間隔：", 0x50000000, false, 12, 158, 30, 12},
    {1036, "Edit", "0", 0x50012002, true, 42, 154, 80, 20},
    {1037, "msctls_updown32", nullptr, kArrowsStyle, false, 0, 0, 0, 0},
    {1038, "Static", "速度：", 0x50000000, false, 143, 132, 30, 12},
    {1039, "Static", "間隔：", 0x50000000, false, 143, 158, 30, 12},
    {1040, "Edit", "0", 0x50012002, true, 172, 129, 80, 20},
    {1041, "msctls_updown32", nullptr, kArrowsStyle, false, 0, 0, 0, 0},
    {1042, "Edit", "0", 0x50012002, true, 172, 154, 80, 20},
    {1043, "msctls_updown32", nullptr, kArrowsStyle, false, 0, 0, 0, 0},
    {1044, "Button", "C", 0x50000080, false, 41, 104, 26, 20},
    {1045, "Button", "C", 0x50000080, false, 173, 104, 26, 20},
    {1046, "Button", "送", 0x50000080, false, 100, 62, 26, 20},
    {1047, "Button", "戻", 0x50000080, false, 100, 83, 26, 20},
    {1048, "Button", "送", 0x50000080, false, 230, 62, 26, 20},
    {1049, "Button", "戻", 0x50000080, false, 230, 83, 26, 20},
};

const ControlRow& RowOf(int id)
{
    for (const ControlRow& row : kControls) {
        if (row.id == id)
            return row;
    }
    ADD_FAILURE() << "no row for " << id;
    return kControls[0];
}

// One sign's column.
struct Column {
    int display, digitFirst, clear, forward, back, on, reset;
    int speedEdit, speedArrows, intervalEdit, intervalArrows;
};
const Column kColumns[2] = {
    {1002, 1008, 1044, 1046, 1047, 1019, 1018, 1033, 1034, 1036, 1037},
    {1003, 1020, 1045, 1048, 1049, 1030, 1031, 1040, 1041, 1042, 1043},
};

HWND Panel() { return gApp.controlPanel; }
HWND Control(int id) { return GetDlgItem(Panel(), id); }
std::string Text(int id) { return TextOf(Control(id)); }

RECT PlaceOf(HWND control)
{
    RECT rc{};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, Panel(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void Press(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

// The display as start-up leaves it, with nothing typed.
void ShowStartNumber(int sign)
{
    SetDlgItemTextA(Panel(), kColumns[sign].display, "0");
    gDocument.signs[sign].keypadEntry.clear();
}

class ControlPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(IsWindow(Panel()));
        focus_ = GetFocus();
    }

    void TearDown() override
    {
        for (int sign = 0; sign < 2; ++sign) {
            const Column& column = kColumns[sign];
            SendMessageA(Control(column.speedArrows), UDM_SETPOS, 0, MAKELPARAM(0, 0));
            SendMessageA(Control(column.intervalArrows), UDM_SETPOS, 0, MAKELPARAM(0, 0));
            gDocument.signs[sign].speed = 0;
            gDocument.signs[sign].interval = 0;
            ShowStartNumber(sign);
        }
        gApp.panelRecord.SetWidth(270);
        // Clicks move the focus into the panel.
        if (IsWindow(focus_))
            SetFocus(focus_);
        test::PumpMessages();
    }

private:
    HWND focus_ = nullptr;
};

// Key presses start rolls: stop them and put both signs back on frame 0.
class ControlPanelKeysTest : public ControlPanelTest {
protected:
    void SetUp() override
    {
        ControlPanelTest::SetUp();
        for (int sign = 0; sign < 2; ++sign)
            ShowStartNumber(sign);  // digits typed by an earlier test would prefix ours
    }

    void TearDown() override
    {
        for (int sign = 0; sign < 2; ++sign)
            ResetSign(sign);
        ControlPanelTest::TearDown();
    }
};

TEST_F(ControlPanelTest, IsA270By211WindowWithACaptionOnly)
{
    EXPECT_EQ("ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ", TextOf(Panel()));
    const DWORD style = GetWindowLongA(Panel(), GWL_STYLE);
    EXPECT_EQ(static_cast<DWORD>(WS_CAPTION),
              style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        << std::hex << style;
    EXPECT_TRUE(IsWindowVisible(Panel()));
    RECT outer{};
    GetWindowRect(Panel(), &outer);
    EXPECT_EQ(270, outer.right - outer.left);
    EXPECT_EQ(211, outer.bottom - outer.top);
}

TEST_F(ControlPanelTest, CloseRequestsLeaveItOpen)
{
    struct Request {
        UINT message;
        WPARAM wParam;
    };
    for (const Request& request : {Request{WM_CLOSE, 0}, Request{WM_SYSCOMMAND, SC_CLOSE}}) {
        SCOPED_TRACE(request.message);
        SendMessageA(Panel(), request.message, request.wParam, 0);
        test::PumpMessages();
        EXPECT_TRUE(IsWindow(Panel()));
        EXPECT_TRUE(IsWindowVisible(Panel()));
    }
}

TEST_F(ControlPanelTest, ControlsStandInCreationOrder)
{
    std::vector<int> expected;
    for (const ControlRow& row : kControls)
        expected.push_back(row.id);
    std::vector<int> actual;
    for (HWND child = GetWindow(Panel(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        actual.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(expected, actual);
}

TEST_F(ControlPanelTest, EveryControlHasItsClassTextStyleFontAndPlace)
{
    const HFONT panelFont = gApp.fonts[kFontPanel].Get();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.id);
        HWND control = Control(row.id);
        ASSERT_TRUE(control);
        EXPECT_EQ(0, lstrcmpiA(row.windowClass, ClassOf(control).c_str())) << ClassOf(control);
        if (row.text) {
            EXPECT_EQ(row.text, TextOf(control));
        }
        EXPECT_EQ(row.style, static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE))) << std::hex;
        EXPECT_EQ(row.clientEdge, (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);

        const bool isDisplay = row.id == 1002 || row.id == 1003;
        const bool isField = lstrcmpiA(row.windowClass, "Edit") == 0 ||
                             lstrcmpiA(row.windowClass, "msctls_updown32") == 0;
        if (!isDisplay && !isField) {
            EXPECT_EQ(panelFont, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        }
        if (isField)
            continue;  // an up-down places itself and its edit: see the field test
        const RECT place = PlaceOf(control);
        EXPECT_EQ(row.x, place.left);
        EXPECT_EQ(row.y, place.top);
        EXPECT_EQ(row.width, place.right - place.left);
        EXPECT_EQ(row.height, place.bottom - place.top);
    }
}

// Only the pairs' shared frame is fixed: how wide the arrows come out is the system's choice.
TEST_F(ControlPanelTest, EachFieldIsAnEditWithItsArrowsAtItsRightEdge)
{
    for (const Column& column : kColumns) {
        for (int arrowsId : {column.speedArrows, column.intervalArrows}) {
            SCOPED_TRACE(arrowsId);
            const ControlRow& editRow = RowOf(arrowsId - 1);
            HWND edit = Control(editRow.id);
            HWND arrows = Control(arrowsId);
            EXPECT_EQ(edit, reinterpret_cast<HWND>(SendMessageA(arrows, UDM_GETBUDDY, 0, 0)));
            EXPECT_EQ(gApp.fonts[kFontPanel].Get(), reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));

            const RECT editPlace = PlaceOf(edit);
            const RECT arrowsPlace = PlaceOf(arrows);
            EXPECT_EQ(editRow.x, editPlace.left);
            EXPECT_EQ(editRow.y, editPlace.top);
            EXPECT_EQ(editRow.height, editPlace.bottom - editPlace.top);
            EXPECT_LT(editPlace.right - editPlace.left, editRow.width) << "the edit makes room";
            // Touching the edit's right edge (sharing at most its border), as high as the edit.
            EXPECT_GE(arrowsPlace.left, editPlace.right - 2);
            EXPECT_LE(arrowsPlace.left, editPlace.right);
            EXPECT_EQ(editPlace.top, arrowsPlace.top);
            EXPECT_EQ(editPlace.bottom, arrowsPlace.bottom);
            // Together they fill the room the edit was given, and no more.
            EXPECT_LE(arrowsPlace.right, editRow.x + editRow.width);
            EXPECT_GE(arrowsPlace.right, editRow.x + editRow.width - 4);
        }
    }
}

enum class Tint { Yellow, White, Red, Turquoise };

bool HasTint(COLORREF colour, Tint tint)
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    switch (tint) {
    case Tint::Yellow:
        return r > 200 && g > 160 && b < 110;
    case Tint::White:
        return r > 200 && g > 200 && b > 200;
    case Tint::Red:
        return r > 160 && g < 90 && b < 90;
    case Tint::Turquoise:
        return r < 130 && g > 160 && b > 150;
    }
    return false;
}

std::vector<DWORD> PixelsOf(HBITMAP bitmap)
{
    const SIZE size = test::BitmapSize(bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(ControlPanelTest, EveryKeyShowsItsOwnPicture)
{
    struct Face {
        std::array<int, 2> keys;  // first sign, second sign
        int resource;
        Tint background;
    };
    std::vector<Face> faces = {
        {{1044, 1045}, 210, Tint::White},      // C
        {{1046, 1048}, 211, Tint::White},      // 送
        {{1047, 1049}, 212, Tint::White},      // 戻
        {{1018, 1031}, 213, Tint::Red},        // 強
        {{1019, 1030}, 214, Tint::Turquoise},  // ON
    };
    for (int digit = 0; digit <= 9; ++digit)
        faces.push_back({{1008 + digit, 1020 + digit}, 200 + digit, Tint::Yellow});

    for (const Face& face : faces) {
        SCOPED_TRACE(face.resource);
        BitmapHandle resource(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(face.resource), IMAGE_BITMAP, 0, 0, 0)));
        ASSERT_TRUE(resource);
        const std::vector<DWORD> expected = PixelsOf(resource.Get());
        for (int id : face.keys) {
            SCOPED_TRACE(id);
            HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageA(Control(id), BM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_TRUE(picture);
            const SIZE size = test::BitmapSize(picture);
            EXPECT_EQ(26, size.cx);
            EXPECT_EQ(22, size.cy);
            EXPECT_TRUE(PixelsOf(picture) == expected) << "another key's picture";
            // Away from the bevel and the glyph in the middle.
            const COLORREF background = test::BitmapPixel(picture, 3, 11);
            EXPECT_TRUE(HasTint(background, face.background)) << std::hex << background;
        }
    }
}

TEST_F(ControlPanelTest, NumberDisplaysUseTheLargeFixedFont)
{
    for (int id : {1002, 1003}) {
        SCOPED_TRACE(id);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(Control(id), WM_GETFONT, 0, 0));
        ASSERT_TRUE(font);
        LOGFONTA face{};
        ASSERT_NE(0, GetObjectA(font, sizeof face, &face));
        EXPECT_EQ(22, face.lfHeight);
        EXPECT_EQ(18, face.lfWidth);
        EXPECT_EQ(SHIFTJIS_CHARSET, face.lfCharSet);
        EXPECT_STREQ("ＭＳ ゴシック", face.lfFaceName);
    }
}

TEST_F(ControlPanelTest, OnlyTheNumberDisplaysAreColouredOrangeOnBlack)
{
    struct Case {
        int id;
        bool display;
    };
    HDC screen = GetDC(nullptr);
    for (const Case& c : {Case{1002, true}, Case{1003, true}, Case{1032, false}, Case{1006, false}}) {
        SCOPED_TRACE(c.id);
        HDC dc = CreateCompatibleDC(screen);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, OPAQUE);
        const LRESULT brush = SendMessageA(Panel(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(Control(c.id)));
        const bool black = reinterpret_cast<HGDIOBJ>(brush) == GetStockObject(BLACK_BRUSH);
        EXPECT_EQ(c.display, black);
        EXPECT_EQ(c.display, GetTextColor(dc) == kOrange) << std::hex << GetTextColor(dc);
        if (c.display) {
            EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
        }
        DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
}

// What the control paints into its client area (free of whatever window covers it on screen),
// top-down rows of 0x00RRGGBB.
std::vector<DWORD> PaintedClient(HWND control, SIZE& size)
{
    RECT client{};
    GetClientRect(control, &client);
    size = SIZE{client.right, client.bottom};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + static_cast<size_t>(size.cx) * size.cy);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(ControlPanelTest, NumberDisplayPaintsOrangeDigitsOnBlackAtItsRightEnd)
{
    HWND display = Control(1002);
    SetWindowTextA(display, "8");
    SIZE size{};
    const std::vector<DWORD> pixels = PaintedClient(display, size);
    ASSERT_GT(size.cx, 40);
    EXPECT_EQ(0u, pixels[0] & 0xFFFFFF) << "black at the top left";
    int left = size.cx, right = -1;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const DWORD c = pixels[static_cast<size_t>(y) * size.cx + x];
            const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            // Orange, or a smoothed edge of it: red over green over blue.
            if (r > 180 && r > g && g > b && g > 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "no orange digit on the display";
    EXPECT_GT(left, size.cx / 2) << "the digit should stand at the right";
    EXPECT_GT(right, size.cx - 8);
}

struct FieldCase {
    int sign;
    int arrows;
    int edit;
    int limit;
    bool speed;  // else the interval
};
const FieldCase kFields[] = {
    {0, 1034, 1033, 1000, true},
    {0, 1037, 1036, 5000, false},
    {1, 1041, 1040, 1000, true},
    {1, 1043, 1042, 5000, false},
};

std::array<int, 4> SpeedsAndIntervals()
{
    return {gDocument.signs[0].speed, gDocument.signs[0].interval, gDocument.signs[1].speed,
            gDocument.signs[1].interval};
}

using test::ClickArrow;

TEST_F(ControlPanelTest, ArrowsRunFromZeroToTheirLimitAndShowPlainDigits)
{
    for (const FieldCase& field : kFields) {
        SCOPED_TRACE(field.arrows);
        HWND arrows = Control(field.arrows);
        int low = -1, high = -1;
        SendMessageA(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(0, low);
        EXPECT_EQ(field.limit, high);

        SendMessageA(arrows, UDM_SETPOS, 0, MAKELPARAM(field.limit, 0));
        EXPECT_EQ(std::to_string(field.limit), Text(field.edit));
        ClickArrow(arrows, true);
        EXPECT_EQ(std::to_string(field.limit), Text(field.edit)) << "the up arrow stops at the limit";

        SendMessageA(arrows, UDM_SETPOS, 0, MAKELPARAM(0, 0));
        ClickArrow(arrows, false);
        EXPECT_EQ("0", Text(field.edit)) << "the down arrow stops at 0";
    }
}

TEST_F(ControlPanelTest, ArrowStepsGoToTheirSignAtOnceFromTheTypedNumber)
{
    constexpr int kUntouched = -7;
    for (const FieldCase& field : kFields) {
        SCOPED_TRACE(field.arrows);
        for (int sign = 0; sign < 2; ++sign) {
            gDocument.signs[sign].speed = kUntouched;
            gDocument.signs[sign].interval = kUntouched;
        }
        HWND arrows = Control(field.arrows);
        SetWindowTextA(Control(field.edit), "250");
        EXPECT_EQ(250, SendMessageA(arrows, UDM_GETPOS, 0, 0)) << "the typed number is the position";

        const size_t slot = static_cast<size_t>(field.sign * 2 + (field.speed ? 0 : 1));
        std::array<int, 4> expected = {kUntouched, kUntouched, kUntouched, kUntouched};
        ClickArrow(arrows, true);
        expected[slot] = 251;
        EXPECT_EQ(expected, SpeedsAndIntervals());
        EXPECT_EQ("251", Text(field.edit));

        ClickArrow(arrows, false);
        expected[slot] = 250;
        EXPECT_EQ(expected, SpeedsAndIntervals());
        EXPECT_EQ("250", Text(field.edit));
    }
}

TEST_F(ControlPanelKeysTest, DigitAndClearKeysEditOnlyTheirOwnDisplay)
{
    for (int sign = 0; sign < 2; ++sign) {
        SCOPED_TRACE(sign);
        const Column& own = kColumns[sign];
        const Column& other = kColumns[1 - sign];
        Press(own.digitFirst + 1);
        Press(own.digitFirst + 2);
        EXPECT_EQ("12", Text(own.display));
        EXPECT_EQ("0", Text(other.display));
        EXPECT_FALSE(IsRolling(sign)) << "digits do not start the sign";
        Press(own.clear);
        EXPECT_EQ("", Text(own.display));
        EXPECT_EQ("0", Text(other.display));
        Press(own.digitFirst + 7);
        EXPECT_EQ("7", Text(own.display)) << "C empties the entry too";
        ShowStartNumber(sign);
    }
}

TEST_F(ControlPanelKeysTest, ForwardAndBackStepTheNumberAndStartTheSign)
{
    for (int sign = 0; sign < 2; ++sign) {
        SCOPED_TRACE(sign);
        const Column& own = kColumns[sign];
        Press(own.digitFirst + 1);
        Press(own.digitFirst + 2);
        Press(own.forward);
        EXPECT_EQ("13", Text(own.display));
        EXPECT_EQ("0", Text(kColumns[1 - sign].display));
        // The roll cannot end before this thread carries out its window calls.
        EXPECT_TRUE(IsRolling(sign));
        EXPECT_FALSE(IsRolling(1 - sign));
        ASSERT_TRUE(test::PumpUntil([sign] { return !IsRolling(sign); }, 30000));

        Press(own.back);
        EXPECT_EQ("12", Text(own.display));
        EXPECT_TRUE(IsRolling(sign));
        ASSERT_TRUE(test::PumpUntil([sign] { return !IsRolling(sign); }, 30000));
        ResetSign(sign);
        ShowStartNumber(sign);
    }
}

TEST_F(ControlPanelKeysTest, OnRollsTheStripAndResetStopsItBackAtTheFirstFrame)
{
    for (int sign = 0; sign < 2; ++sign) {
        SCOPED_TRACE(sign);
        const Column& own = kColumns[sign];
        HWND picture = SignPictureHandle(sign);
        auto pictureTop = [picture] {
            RECT rc{};
            GetWindowRect(picture, &rc);
            MapWindowPoints(nullptr, GetParent(picture), reinterpret_cast<POINT*>(&rc), 2);
            return rc.top;
        };
        Press(own.digitFirst + 1);
        Press(own.digitFirst + 2);
        Press(own.on);
        EXPECT_EQ("12", Text(own.display));
        EXPECT_TRUE(IsRolling(sign));
        EXPECT_FALSE(IsRolling(1 - sign));
        ASSERT_TRUE(test::PumpUntil([&] { return pictureTop() < 0; }, 30000)) << "the strip moves up";

        Press(own.reset);
        EXPECT_FALSE(IsRolling(sign));
        EXPECT_EQ("", Text(own.display));
        EXPECT_EQ(0, pictureTop());
        EXPECT_TRUE(IsWindowEnabled(Control(own.on))) << "the keys are free again";
        ShowStartNumber(sign);
    }
}

TEST_F(ControlPanelTest, NarrowPanelShowsOnlyTheFirstColumn)
{
    gApp.panelRecord.SetWidth(138);
    RECT client{};
    GetClientRect(Panel(), &client);
    EXPECT_LE(PlaceOf(Control(1006)).right, client.right) << "the first column stays whole";
    for (int id : {1007, 1003, 1020, 1029, 1030, 1031, 1038, 1039, 1040, 1041, 1042, 1043, 1045, 1048, 1049}) {
        EXPECT_GE(PlaceOf(Control(id)).left, client.right) << id;
    }
    gApp.panelRecord.SetWidth(270);
    GetClientRect(Panel(), &client);
    EXPECT_LE(PlaceOf(Control(1007)).right, client.right) << "both columns again";
}

}  // namespace
}  // namespace rolva
