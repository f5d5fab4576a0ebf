// The picture a sign's control holds: a bitmap shown whole, or, for a roll strip deeper than a
// window can show whole (display/core/StripBand.h), one of two band bitmaps cut from it. The
// control shows one band while the other takes the next cut, so no band changes while shown.
// During a roll only the sign's roll thread touches its bands; SetSignPicture runs while the
// sign is at rest.
#include <cstdlib>

#include "base/Dib32.h"
#include "base/Handles.h"
#include "display/LedPlayer.h"
#include "display/SignWindows.h"
#include "display/core/StripBand.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

// The bands of one sign's deep strip.
struct StripBands {
    HBITMAP strip = nullptr;         // borrowed: the deep strip the bands come from; NULL: no bands
    int width = 0;                   // the strip's size
    int height = 0;
    BitmapHandle bitmaps[2];         // the control shows bitmaps[shown]
    std::int32_t rows[2] = {0, 0};   // rows of each bitmap
    int shown = 0;
    std::int32_t top = 0;            // strip row at the shown band's first row
};

StripBands gBands[kSignCount];

// A 32-bit DIB section: its memory is the process's own, whatever the display's format.
HBITMAP CreateBandBitmap(int width, std::int32_t rows)
{
    std::uint32_t* pixels = nullptr;
    return CreateDib32(width, rows, &pixels);
}

// Copies strip rows [top, top + rows) into the band, making the band bitmap when it has no
// such size yet; false when that cannot be done.
bool CutBand(const StripBands& bands, std::int32_t top, std::int32_t rows, BitmapHandle& band,
             std::int32_t& bandRows)
{
    if (!band || bandRows != rows) {
        band.Reset(CreateBandBitmap(bands.width, rows));
        bandRows = band ? rows : 0;
        if (!band)
            return false;
    }
    return CopyBitmapPixels(bands.strip, 0, top, band.Get(), bands.width, rows);
}

// Bands hold only for the strip they were cut from, while the sign is a roll sign: an LED-style
// sign puts its frames into the control itself.
bool UsesBands(int sign)
{
    const StripBands& bands = gBands[sign];
    const SignSlot& slot = gDocument.signs[sign];
    return bands.strip && bands.strip == slot.pictureBitmap.Get() &&
           slot.kind != static_cast<std::uint8_t>(SignKind::Led);
}

// An empty bitmap control draws nothing, not even its background, so the frame is erased to
// white under it: no rows of the picture it held stay on screen.
void RepaintWhite(int sign)
{
    InvalidateRect(SignFrameHandle(sign), nullptr, TRUE);
    UpdateWindow(SignFrameHandle(sign));
}

// Frame rows the picture does not cover get the frame's white again: a move without drawing
// leaves them as they were.
void RepaintRowsOutside(HWND frame, int pictureTop, int pictureBottom, int viewHeight)
{
    RECT client{};
    GetClientRect(frame, &client);
    if (pictureTop > 0) {
        RECT above{0, 0, client.right, pictureTop};
        InvalidateRect(frame, &above, TRUE);
    }
    if (pictureBottom < viewHeight) {
        RECT below{0, pictureBottom, client.right, viewHeight};
        InvalidateRect(frame, &below, TRUE);
    }
}

// Shows a new band at its place. The control is moved first without drawing and then given the
// band, so whatever it draws next is the new band at the new place, never one at the other's.
void ShowNewBand(int sign, const StripPlace& place, int viewHeight)
{
    StripBands& bands = gBands[sign];
    HWND picture = SignPictureHandle(sign);
    const int spare = 1 - bands.shown;
    if (!CutBand(bands, place.bandTop, place.bandRows, bands.bitmaps[spare], bands.rows[spare])) {
        // Better a white sign than rows of the wrong frame.
        SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, 0);
        bands.strip = nullptr;
        RepaintWhite(sign);
        return;
    }
    SetWindowPos(picture, HWND_TOP, 0, place.pictureY, 0, 0, SWP_NOSIZE | SWP_NOREDRAW);
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bands.bitmaps[spare].Get()));
    bands.shown = spare;
    bands.top = place.bandTop;
    RepaintRowsOutside(SignFrameHandle(sign), place.pictureY, place.pictureY + place.bandRows, viewHeight);
    UpdateWindow(SignFrameHandle(sign));
}

}  // namespace

void SetSignPicture(int sign, HBITMAP bitmap)
{
    // An LED frame at play would give the control its pages again.
    StopLedPlayer(sign);
    HWND picture = SignPictureHandle(sign);
    StripBands fresh;
    HBITMAP shown = bitmap;
    BITMAP size{};
    if (bitmap && GetObjectA(bitmap, sizeof size, &size) && StripNeedsBands(std::abs(size.bmHeight))) {
        fresh.strip = bitmap;
        fresh.width = size.bmWidth;
        fresh.height = std::abs(size.bmHeight);
        const StripPlace place = PlaceStrip(fresh.height, SignHeight(sign), HeldBand{}, 0);
        fresh.top = place.bandTop;
        if (CutBand(fresh, place.bandTop, place.bandRows, fresh.bitmaps[0], fresh.rows[0])) {
            shown = fresh.bitmaps[0].Get();
        } else {
            shown = nullptr;
            fresh.strip = nullptr;
        }
    }
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    // The control has let go of the old bands: they go now.
    gBands[sign] = std::move(fresh);
    DropLedPages(sign);
    SetWindowPos(picture, nullptr, 0, 0, 0, 0, SWP_NOSIZE);
    UpdateWindow(picture);
    if (!shown)
        RepaintWhite(sign);
}

void PlaceSignStrip(int sign, std::int32_t scrollOffset, int viewHeight)
{
    HWND picture = SignPictureHandle(sign);
    std::int32_t y = scrollOffset;
    if (UsesBands(sign)) {
        const StripBands& bands = gBands[sign];
        const HeldBand held{true, bands.top, bands.rows[bands.shown]};
        const StripPlace place = PlaceStrip(bands.height, viewHeight, held, scrollOffset);
        if (place.rebase) {
            ShowNewBand(sign, place, viewHeight);
            return;
        }
        y = place.pictureY;
    }
    SetWindowPos(picture, HWND_TOP, 0, y, 0, 0, SWP_NOSIZE);
    UpdateWindow(picture);
}

}  // namespace rolva
