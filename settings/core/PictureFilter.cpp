#include "settings/core/PictureFilter.h"

namespace rolva {

namespace {

struct PictureType {
    const char* label;
    const char* pattern;
    bool needsGdiplus;
};

const PictureType kPictureTypes[] = {
    {"ビットマップ(*.bmp)", "*.bmp", false},
    {"JPEG(*.jpg)", "*.jpg", false},
    {"GIF(*.gif)", "*.gif", false},
    {"PNG(*.png)", "*.png", true},
    {"TIFF(*.tif)", "*.tif", true},
};

}  // namespace

std::string PictureFilter(bool gdiplusAvailable)
{
    std::string filter;
    for (const PictureType& type : kPictureTypes) {
        if (type.needsGdiplus && !gdiplusAvailable)
            continue;
        filter += type.label;
        filter += '\0';
        filter += type.pattern;
        filter += '\0';
    }
    filter += '\0';
    return filter;
}

}  // namespace rolva
