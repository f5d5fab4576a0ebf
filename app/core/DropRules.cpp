#include "app/core/DropRules.h"

#include "base/core/PathText.h"
#include "document/core/DataFileKind.h"

namespace rolva {

namespace {

struct PictureEnding {
    const char* upper;  // with its dot
    bool needsGdiplus;
};

const PictureEnding kPictureEndings[] = {
    {".BMP", false}, {".JPG", false}, {".JPEG", false}, {".GIF", false},
    {".PNG", true},  {".TIF", true},  {".TIFF", true},
};

// The text from the last dot, upper-cased; "" without a dot. It is only compared with whole
// ASCII endings, and neither a dot nor the letters after it can be the second byte of a
// character in any code page, so no split of the path is needed.
std::string UpperExtension(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return std::string();
    std::string ending(path.substr(dot));
    for (char& c : ending) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return ending;
}

}  // namespace

bool IsPictureFileName(std::string_view path, bool gdiplusAvailable)
{
    const std::string ending = UpperExtension(path);
    for (const PictureEnding& picture : kPictureEndings) {
        if (ending == picture.upper)
            return gdiplusAvailable || !picture.needsGdiplus;
    }
    return false;
}

DropAction ChooseDropAction(const std::vector<DroppedItem>& items, DropTarget target, bool gdiplusAvailable)
{
    for (const DroppedItem& item : items) {
        if (!item.folder && DataFileKindOf(item.path) != DataFileKind::None)
            return {DropActionKind::OpenDataFile, item.path};
    }
    for (const DroppedItem& item : items) {
        if (target == DropTarget::RollSign && !item.folder && IsPictureFileName(item.path, gdiplusAvailable))
            return {DropActionKind::SetSignStrip, item.path};
        if (target == DropTarget::LedSign && item.folder)
            return {DropActionKind::SetSignFolder, item.path};
    }
    return {};
}

}  // namespace rolva
