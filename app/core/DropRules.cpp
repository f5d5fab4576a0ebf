#include "app/core/DropRules.h"

#include "document/core/DataFileKind.h"
#include "document/core/PathText.h"

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

// The name's ending from its last dot, upper-cased; "" when the name has none. The name part
// is found by walking from the start, so a '\' second byte never cuts it.
std::string UpperExtension(std::string_view path)
{
    const std::string_view name = PathName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::string();
    std::string ending(name.substr(dot));
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
