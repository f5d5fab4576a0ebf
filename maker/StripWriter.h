// Writes what the strip maker drew: a roll strip as one 24-bit BMP file, an LED sign's frames
// as a folder of numbered BMP files, and the frame list with its style in the small text file
// beside them. Nothing is half-written: every file is written under a temporary name first and
// takes its real name only when complete, so on any failure the old files stay as they were.
// Drawing and writing each frame is reported; a cancel there leaves everything as it was.
#pragma once

#include <string>
#include <vector>

#include "base/core/Progress.h"
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"

namespace rolva {

struct WriteResult {
    bool ok = false;
    bool cancelled = false;  // the progress said stop: nothing was replaced and there is nothing to say
    std::string message;     // what went wrong, in the words the user reads
};

// Checks the list against the limits (999 frames, the strip depth) and the style's font, then
// draws and writes. path is the strip file (roll) or the folder (LED). progress hears of each
// frame drawn (and, for a folder, written under its temporary name); once it says stop, nothing
// is replaced. Putting the files in their places is not stopped half way.
WriteResult WriteRollStrip(const std::string& path, const FrameList& list, const MakerDocument& document,
                           int width, int height, Progress& progress);
WriteResult WriteLedFolder(const std::string& folder, const FrameList& list, const MakerDocument& document,
                           int width, int height, Progress& progress);

// The saved list and style of a strip or an LED folder, when it has one that reads.
bool ReadMakerFile(const std::string& path, MakerDocument& document);

}  // namespace rolva
