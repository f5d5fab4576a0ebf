#include "settings/ManuscriptTemplate.h"

#include "base/Handles.h"
#include "base/WindowRegistry.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "settings/core/ManuscriptGeometry.h"

namespace rolva {

namespace {

void DrawTemplate(HDC screen, HBITMAP bitmap, const ManuscriptGeometry& geometry)
{
    MemoryDc memory(screen);
    HDC dc = memory.Get();
    // Every selection is undone before the DC goes, so the bitmap leaves unselected.
    ScopedSelect selectBitmap(dc, bitmap);
    ScopedSelect selectBrush(dc, GetStockObject(WHITE_BRUSH));  // stock: never deleted
    ScopedSelect selectPen(dc, GetStockObject(NULL_PEN));
    // With no pen the filled inside ends one pixel before the right and bottom edges given.
    Rectangle(dc, 0, 0, geometry.width + 1, geometry.height + 1);

    ScopedSelect blackPen(dc, GetStockObject(BLACK_PEN));
    for (int y : ManuscriptLineRows(geometry)) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, geometry.width, y);  // the end point is not drawn: columns 0 to width - 1
    }
}

// Another program (a clipboard viewer or manager, a paint program pasting) may hold the
// clipboard for a moment: a few tries over about half a second ride that out.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 50;

bool OpenClipboardPatiently(HWND owner)
{
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        if (attempt == kOpenAttempts)
            return false;
        Sleep(kOpenRetryMs);
    }
}

const char kCopyCaption[] = "原稿のコピー";

}  // namespace

TemplateCopy CopyManuscriptTemplate(HWND owner, int width, int frameHeight, int frames)
{
    const auto geometry = MakeManuscriptGeometry(width, frameHeight, frames);
    if (!geometry)
        return TemplateCopy::kNotCopied;
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), geometry->width, geometry->height));
    // A NULL handle would put a promise of later data on the clipboard, never kept.
    if (!bitmap)
        return TemplateCopy::kNotCopied;
    DrawTemplate(screen.Get(), bitmap.Get(), *geometry);

    // An owner window, not NULL: emptying a clipboard opened without one leaves it ownerless,
    // and the documented result is that the data that follows is refused.
    if (!OpenClipboardPatiently(owner))
        return TemplateCopy::kClipboardBusy;
    EmptyClipboard();
    const bool taken = SetClipboardData(CF_BITMAP, bitmap.Get()) != nullptr;
    CloseClipboard();
    if (taken)
        bitmap.Release();  // the clipboard's from now on
    return taken ? TemplateCopy::kCopied : TemplateCopy::kNotCopied;
}

TemplateCopy CopySignManuscript(HWND owner, int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    const int frames = ManuscriptFrameCount(slot.kind, slot.manuscriptFrames);
    return CopyManuscriptTemplate(owner, SignWidth(sign), SignHeight(sign), frames);
}

void CopySignManuscriptFromDialog(HWND dialog, int sign)
{
    switch (CopySignManuscript(gApp.form, sign)) {
    case TemplateCopy::kCopied:
        return;
    case TemplateCopy::kClipboardBusy:
        MessageBoxA(dialog,
                    "ほかのプログラムがクリップボードを使用しているため、原稿をコピーできませんでした。\n"
                    "しばらくしてから、もう一度「原稿をコピー」を押してください。",
                    kCopyCaption, MB_ICONEXCLAMATION);
        return;
    case TemplateCopy::kNotCopied:
        MessageBoxA(dialog, "原稿をクリップボードにコピーできませんでした。", kCopyCaption, MB_ICONEXCLAMATION);
        return;
    }
}

}  // namespace rolva
