#include "clip/GifEncoder.h"

namespace rolva {

HRESULT GifEncoder::Begin(const std::vector<std::uint32_t>& palette)
{
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  factory_.ReceiveVoid());
    if (SUCCEEDED(hr))
        hr = CreateStreamOnHGlobal(nullptr, TRUE, stream_.Receive());
    if (SUCCEEDED(hr))
        hr = factory_->CreateEncoder(GUID_ContainerFormatGif, nullptr, encoder_.Receive());
    if (SUCCEEDED(hr))
        hr = encoder_->Initialize(stream_.Get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = factory_->CreatePalette(palette_.Receive());
    if (SUCCEEDED(hr)) {
        std::vector<WICColor> colors;
        for (std::uint32_t color : palette)
            colors.push_back(0xFF000000u | color);
        hr = palette_->InitializeCustom(colors.data(), static_cast<UINT>(colors.size()));
    }
    if (SUCCEEDED(hr)) {
        // The global table: an encoder that takes it writes the colours once for the file.
        encoder_->SetPalette(palette_.Get());
    }
    return hr;
}

HRESULT GifEncoder::AddFrame(const std::vector<std::uint8_t>& pixels, int width, int height)
{
    ComObject<IWICBitmapFrameEncode> frame;
    ComObject<IPropertyBag2> options;
    HRESULT hr = encoder_->CreateNewFrame(frame.Receive(), options.Receive());
    if (SUCCEEDED(hr))
        hr = frame->Initialize(options.Get());
    if (SUCCEEDED(hr))
        hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
    WICPixelFormatGUID format = GUID_WICPixelFormat8bppIndexed;
    if (SUCCEEDED(hr))
        hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat8bppIndexed))
        hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    if (SUCCEEDED(hr))
        hr = frame->SetPalette(palette_.Get());
    if (SUCCEEDED(hr))
        hr = frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(width),
                                static_cast<UINT>(pixels.size()), const_cast<BYTE*>(pixels.data()));
    if (SUCCEEDED(hr))
        hr = frame->Commit();
    return hr;
}

HRESULT GifEncoder::Finish(std::vector<std::uint8_t>* bytes)
{
    HRESULT hr = encoder_->Commit();
    HGLOBAL memory = nullptr;
    if (SUCCEEDED(hr))
        hr = GetHGlobalFromStream(stream_.Get(), &memory);
    STATSTG stat{};
    if (SUCCEEDED(hr))
        hr = stream_->Stat(&stat, STATFLAG_NONAME);
    if (SUCCEEDED(hr)) {
        const auto* data = static_cast<const std::uint8_t*>(GlobalLock(memory));
        if (!data)
            return E_OUTOFMEMORY;
        bytes->assign(data, data + stat.cbSize.QuadPart);
        GlobalUnlock(memory);
    }
    return hr;
}

}  // namespace rolva
