#include "display/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

#include <vector>

#include "app/Handles.h"
#include "display/core/HiMetric.h"
#include "document/FileStreams.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

const char kGdiplusLibrary[] = "Gdiplus.dll";

// The GDI+ flat API, declared here so the program needs no GDI+ import library.
struct GdiplusStartupInput {
    UINT32 gdiplusVersion;
    void* debugEventCallback;
    BOOL suppressBackgroundThread;
    BOOL suppressExternalCodecs;
};
using GpBitmap = void;
using GpStatus = int;
constexpr GpStatus kGpOk = 0;

using GdiplusStartupFn = GpStatus(WINAPI*)(ULONG_PTR*, const GdiplusStartupInput*, void*);
using GdiplusShutdownFn = void(WINAPI*)(ULONG_PTR);
using GdipCreateBitmapFromFileFn = GpStatus(WINAPI*)(const WCHAR*, GpBitmap**);
using GdipCreateHBITMAPFromBitmapFn = GpStatus(WINAPI*)(GpBitmap*, HBITMAP*, DWORD);
using GdipDisposeImageFn = GpStatus(WINAPI*)(void*);

template <typename Fn>
Fn Resolve(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Releases a COM interface at scope end.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { if (p_) p_->Release(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface** Out() { return &p_; }
    Interface* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    Interface* Get() const { return p_; }

private:
    Interface* p_ = nullptr;
};

int ScreenPixelsPerInch(int index)
{
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), index);
}

}  // namespace

int ProbeGdiplus()
{
    ModuleHandle module(LoadLibraryA(kGdiplusLibrary));
    return module ? 1 : 0;
}

HBITMAP LoadPicture(const std::string& path)
{
    return gDocument.gdiplusAvailable == 1 ? LoadPictureGdiplus(path) : LoadPictureOle(path);
}

HBITMAP LoadPictureGdiplus(const std::string& path)
{
    if (path.empty())
        return nullptr;

    ModuleHandle module(LoadLibraryA(kGdiplusLibrary));
    gDocument.gdiplusAvailable = module ? 1 : 0;
    if (!module)
        return nullptr;

    // The long-path form, as every file the program opens.
    const std::wstring widePath = WideFileApiPath(path);

    const auto startup = Resolve<GdiplusStartupFn>(module.Get(), "GdiplusStartup");
    const auto shutdown = Resolve<GdiplusShutdownFn>(module.Get(), "GdiplusShutdown");
    const auto createBitmap = Resolve<GdipCreateBitmapFromFileFn>(module.Get(), "GdipCreateBitmapFromFile");
    const auto createHbitmap = Resolve<GdipCreateHBITMAPFromBitmapFn>(module.Get(), "GdipCreateHBITMAPFromBitmap");
    const auto disposeImage = Resolve<GdipDisposeImageFn>(module.Get(), "GdipDisposeImage");
    if (!startup || !shutdown || !createBitmap || !createHbitmap || !disposeImage)
        return nullptr;

    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ULONG_PTR token = 0;
    if (startup(&token, &input, nullptr) != kGpOk)
        return nullptr;

    HBITMAP result = nullptr;
    GpBitmap* image = nullptr;
    if (createBitmap(widePath.c_str(), &image) == kGpOk) {
        // Transparent pixels are composed on ARGB 0, transparent black.
        if (createHbitmap(image, &result, 0) != kGpOk)
            result = nullptr;
        disposeImage(image);
    }
    shutdown(token);
    return result;
}

HBITMAP LoadPictureOle(const std::string& path)
{
    FileHandle file(CreateFileW(WideFileApiPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return nullptr;

    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == 0 || size == INVALID_FILE_SIZE)
        return nullptr;

    HGLOBAL memory = GlobalAlloc(GMEM_ZEROINIT, size);
    if (!memory)
        return nullptr;
    DWORD bytesRead = 0;
    const BOOL read = ReadFile(file.Get(), GlobalLock(memory), size, &bytesRead, nullptr);
    GlobalUnlock(memory);
    file.Reset();
    if (!read) {
        GlobalFree(memory);
        return nullptr;
    }

    ComPtr<IPicture> picture;
    {
        ComPtr<IStream> stream;
        // The stream owns the memory from here on and frees it when released.
        if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Out()))) {
            GlobalFree(memory);
            return nullptr;
        }
        if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), TRUE, IID_IPicture,
                                  reinterpret_cast<void**>(picture.Out()))))
            return nullptr;
    }
    if (!picture)
        return nullptr;

    short type = PICTYPE_NONE;
    OLE_XSIZE_HIMETRIC widthHiMetric = 0;
    OLE_YSIZE_HIMETRIC heightHiMetric = 0;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture->get_Width(&widthHiMetric)) || FAILED(picture->get_Height(&heightHiMetric)) ||
        FAILED(picture->get_Handle(&handle)))
        return nullptr;

    const int width = HiMetricToPixels(widthHiMetric, ScreenPixelsPerInch(LOGPIXELSX));
    const int height = HiMetricToPixels(heightHiMetric, ScreenPixelsPerInch(LOGPIXELSY));
    // A copy at the pixel size that replaces the picture's own bitmap: the loaded picture does
    // not free its bitmap when released (measured), so the copy deletes it.
    return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, width, height, LR_COPYDELETEORG));
}

}  // namespace rolva
