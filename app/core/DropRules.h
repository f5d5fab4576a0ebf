// What a drop of files on the Form does, decided from the names dropped and what lies under the
// drop point. A data file opens wherever it lands; a picture file sets a roll sign's strip and a
// folder an LED-style sign's frames, as the settings dialog's 参照... does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rolva {

struct DroppedItem {
    std::string path;
    bool folder = false;
};

// What is under the drop point.
enum class DropTarget { Form, RollSign, LedSign };

enum class DropActionKind { Ignore, OpenDataFile, SetSignStrip, SetSignFolder };

struct DropAction {
    DropActionKind kind = DropActionKind::Ignore;
    std::string path;  // the one item acted on
};

// A name the picture loaders read, by its ending in any case: BMP, JPEG and GIF always, PNG
// and TIFF only where GDI+ is there.
bool IsPictureFileName(std::string_view path, bool gdiplusAvailable);

// The first data file dropped opens, whatever else came with it and wherever it landed.
// Otherwise the first item the sign under the point takes: a picture file for a roll sign, a
// folder for an LED-style sign. Anything else does nothing.
DropAction ChooseDropAction(const std::vector<DroppedItem>& items, DropTarget target, bool gdiplusAvailable);

}  // namespace rolva
