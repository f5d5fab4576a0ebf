#include "display/SignWindows.h"

#include "base/WindowRecords.h"
#include "display/FormIds.h"
#include "display/SignPainting.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

const char* const kFrameClassNames[kSignCount] = {"MakBase1", "MakBase2"};

// Where start-up creates the picture controls on the Form, before they move into the frames.
const RECT kPictureStartPlaces[kSignCount] = {{83, 0, 83 + 124, 1600}, {221, 0, 221 + 124, 1022}};
const POINT kFrameStartPlaces[kSignCount] = {{77, 26}, {231, 26}};
constexpr int kFrameCreateX = 0;
constexpr int kFrameCreateY = 26;
constexpr int kFrameStartWidth = 123;
constexpr int kFrameStartHeight = 57;
constexpr DWORD kPictureCreateStyle = WS_CHILD | WS_VISIBLE | SS_WHITERECT;

ChildWindow gSignFrames[kSignCount];
ChildWindow gSignPictures[kSignCount];

void RegisterFrameClass(const char* name)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));  // stock: never deleted
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

}  // namespace

void CreateSignPictures(HWND form, HFONT font)
{
    for (int i = 0; i < kSignCount; ++i) {
        const RECT& r = kPictureStartPlaces[i];
        HWND picture = CreateWindowExA(0, "STATIC", "", kPictureCreateStyle, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, form,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSignPictureIds[i])),
                                       GetModuleHandleA(nullptr), nullptr);
        SendMessageA(picture, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        gSignPictures[i].Attach(picture);
    }
}

void CreateSignFrames(HWND form)
{
    for (int i = 0; i < kSignCount; ++i) {
        RegisterFrameClass(kFrameClassNames[i]);
        HWND frame = CreateWindowExA(0, kFrameClassNames[i], "", WS_CHILD, kFrameCreateX, kFrameCreateY,
                                     kFrameStartWidth, kFrameStartHeight, form, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        gSignFrames[i].Attach(frame);
    }
}

void MoveSignPicturesIntoFrames()
{
    for (int i = 0; i < kSignCount; ++i) {
        HWND picture = gSignPictures[i].Handle();
        SetWindowLongA(picture, GWL_STYLE, GetWindowLongA(picture, GWL_STYLE) | SS_BITMAP);
        SetParent(picture, gSignFrames[i].Handle());
    }
    for (int i = 0; i < kSignCount; ++i) {
        ShowSign(i, 1);
        SetSignLeft(i, kFrameStartPlaces[i].x);
        SetSignTop(i, kFrameStartPlaces[i].y);
    }
}

HWND SignFrameHandle(int sign) { return gSignFrames[sign].Handle(); }
HWND SignPictureHandle(int sign) { return gSignPictures[sign].Handle(); }

int SignLeft(int sign) { return gSignFrames[sign].Left(); }
int SignTop(int sign) { return gSignFrames[sign].Top(); }
int SignWidth(int sign) { return gSignFrames[sign].Width(); }
int SignHeight(int sign) { return gSignFrames[sign].Height(); }

void SetSignLeft(int sign, int x) { gSignFrames[sign].SetLeft(x); }
void SetSignTop(int sign, int y) { gSignFrames[sign].SetTop(y); }
void SetSignWidth(int sign, int width) { gSignFrames[sign].SetWidth(width); }
void SetSignHeight(int sign, int height) { gSignFrames[sign].SetHeight(height); }

void ShowSign(int sign, int visible) { gSignFrames[sign].Show(visible); }
int SignVisible(int sign) { return gSignFrames[sign].Shown(); }

void ApplySignRegion(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    const int radius = slot.cornerRadius;
    const int width = SignWidth(sign);
    const int height = SignHeight(sign);
    HWND frame = SignFrameHandle(sign);

    HRGN region = CreateSignRegion(width, height, radius);
    // From here on the window owns the region and frees the one it replaces.
    SetWindowRgn(frame, region, TRUE);
    slot.region = region;

    InvalidateRect(frame, nullptr, TRUE);
    UpdateWindow(GetParent(frame));
}

}  // namespace rolva
