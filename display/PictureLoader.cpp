#include "display/PictureLoader.h"

#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/FileStreams.h"
#include "base/Handles.h"
#include "base/SystemLibrary.h"
#include "display/core/BmpCompleteness.h"
#include "display/core/HiMetric.h"
#include "display/core/PictureDimensions.h"
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

// True when the file's header claims more pixels than the program takes (PictureDimensions.h):
// GDI+ may fault on such a header (32-bit, under Wine) or spend half a minute making room for
// it (64-bit) before it fails, so no decoder is given the file.
// The first 64 KB reach the frame header of a JPEG behind the largest Exif segment.
bool ClaimsTooManyPixels(const std::string& path)
{
    FileByteSource file(path, FileSharing::Anyone);
    std::vector<std::uint8_t> head(64 * 1024);
    std::uint32_t bytesRead = 0;
    if (!file.IsOpen() || !file.Read(head.data(), static_cast<std::uint32_t>(head.size()), &bytesRead))
        return false;  // left to the decoder, which fails on it as well
    return IsTooLargePicture(head.data(), bytesRead);
}

template <typename Fn>
Fn Resolve(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// GDI+ loaded from the system folder and started; shut down and freed when it goes.
//
// Where it is found: Windows Vista and later keep gdiplus.dll in the system folder (as well as
// in the side-by-side store), and the system-folder-only search still applies the system's
// side-by-side redirection, so the GDI+ a bare name would get is the one found here; a copy
// planted beside the exe is never loaded. Windows XP keeps GDI+ only in the side-by-side store:
// there the system folder has none, and the program runs as on a system without GDI+ (the OLE
// loader, BMP, JPEG and GIF) rather than search the exe's folder.
class GdiplusLibrary {
public:
    GdiplusLibrary() : module_(LoadSystemLibrary(kGdiplusLibrary))
    {
        if (!module_)
            return;
        HMODULE m = module_.Get();
        startup_ = Resolve<GdiplusStartupFn>(m, "GdiplusStartup");
        shutdown_ = Resolve<GdiplusShutdownFn>(m, "GdiplusShutdown");
        createBitmap_ = Resolve<GdipCreateBitmapFromFileFn>(m, "GdipCreateBitmapFromFile");
        createHbitmap_ = Resolve<GdipCreateHBITMAPFromBitmapFn>(m, "GdipCreateHBITMAPFromBitmap");
        disposeImage_ = Resolve<GdipDisposeImageFn>(m, "GdipDisposeImage");
        if (!startup_ || !shutdown_ || !createBitmap_ || !createHbitmap_ || !disposeImage_)
            return;
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        running_ = startup_(&token_, &input, nullptr) == kGpOk;
    }
    // Shut down first; the module member is freed after the body has run.
    ~GdiplusLibrary()
    {
        if (running_)
            shutdown_(token_);
    }
    GdiplusLibrary(const GdiplusLibrary&) = delete;
    GdiplusLibrary& operator=(const GdiplusLibrary&) = delete;

    bool Loaded() const { return static_cast<bool>(module_); }
    bool Running() const { return running_; }

    // GDI+ opens and reads the file itself, by its long-path form as every file the program opens.
    HBITMAP Load(const std::string& path) const
    {
        HBITMAP result = nullptr;
        GpBitmap* image = nullptr;
        if (!ClaimsTooManyPixels(path) && createBitmap_(WideFileApiPath(path).c_str(), &image) == kGpOk) {
            // Transparent pixels are composed on ARGB 0, transparent black.
            if (createHbitmap_(image, &result, 0) != kGpOk)
                result = nullptr;
            disposeImage_(image);
        }
        return result;
    }

private:
    ModuleHandle module_;
    GdiplusStartupFn startup_ = nullptr;
    GdiplusShutdownFn shutdown_ = nullptr;
    GdipCreateBitmapFromFileFn createBitmap_ = nullptr;
    GdipCreateHBITMAPFromBitmapFn createHbitmap_ = nullptr;
    GdipDisposeImageFn disposeImage_ = nullptr;
    ULONG_PTR token_ = 0;
    bool running_ = false;
};

// GDI+ for the whole run, between StartGdiplusForRun and EndGdiplusForRun.
std::unique_ptr<GdiplusLibrary> gRunGdiplus;

int ScreenPixelsPerInch(int index)
{
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), index);
}

}  // namespace

int ProbeGdiplus()
{
    if (gRunGdiplus)
        return 1;
    ModuleHandle module(LoadSystemLibrary(kGdiplusLibrary));
    return module ? 1 : 0;
}

bool StartGdiplusForRun()
{
    if (!gRunGdiplus) {
        auto library = std::make_unique<GdiplusLibrary>();
        if (library->Running())
            gRunGdiplus = std::move(library);
    }
    return static_cast<bool>(gRunGdiplus);
}

void EndGdiplusForRun() { gRunGdiplus.reset(); }

HBITMAP LoadPicture(const std::string& path)
{
    return gDocument.gdiplusAvailable == 1 ? LoadPictureGdiplus(path) : LoadPictureOle(path);
}

HBITMAP LoadPictureGdiplus(const std::string& path)
{
    if (path.empty())
        return nullptr;
    if (gRunGdiplus) {
        gDocument.gdiplusAvailable = 1;
        return gRunGdiplus->Load(path);
    }
    const GdiplusLibrary library;  // for this call only
    gDocument.gdiplusAvailable = library.Loaded() ? 1 : 0;
    return library.Running() ? library.Load(path) : nullptr;
}

HBITMAP LoadPictureOle(const std::string& path)
{
    ComApartment com;  // OleLoadPicture needs COM; a loader must not count on start-up having set it up here
    if (!com.Ready() || ClaimsTooManyPixels(path))
        return nullptr;
    // Shared with every other use: a picture another program has open still loads.
    std::optional<FileByteSource> file(std::in_place, path, FileSharing::Anyone);
    std::uint64_t left = 0;
    // OleLoadPicture takes the length as a LONG: 2 GB or more is no picture it could read.
    if (!file->IsOpen() || !file->BytesLeft(&left) || left == 0 || left > 0x7FFFFFFFu)
        return nullptr;
    const std::uint32_t size = static_cast<std::uint32_t>(left);

    HGLOBAL memory = GlobalAlloc(GMEM_ZEROINIT, size);
    if (!memory)
        return nullptr;
    std::uint32_t bytesRead = 0;
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(memory));
    const bool read = file->Read(bytes, size, &bytesRead);
    // Cut short by another program meanwhile, or a BMP file that ends before its pixels do.
    const bool whole = read && bytesRead == size && !IsCutShortBmp(bytes, size);
    GlobalUnlock(memory);
    file.reset();
    if (!whole) {
        GlobalFree(memory);
        return nullptr;
    }

    ComObject<IPicture> picture;
    {
        ComObject<IStream> stream;
        // The stream owns the memory from here on and frees it when released.
        if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Receive()))) {
            GlobalFree(memory);
            return nullptr;
        }
        // Run mode off: Wine ties the picture's ownership of its bitmap to it, and Windows' picture
        // owns the bitmap it decoded either way, so the picture frees it on both.
        if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                  reinterpret_cast<void**>(picture.Receive()))))
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
    // A copy at the pixel size for the caller. The original stays the picture's, which deletes
    // it when released; deleting it here too would free it twice.
    return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, width, height, 0));
}

}  // namespace rolva
