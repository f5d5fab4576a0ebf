// Where a roll strip's picture control stands, and which rows of the strip it holds.
//
// Window positions and sizes are 16-bit in places (Windows keeps them within -32,768 ... 32,767,
// and X11 positions are 16-bit too), so a picture control far taller than that, or moved far
// above its frame, shows the wrong rows. A strip that fits in 16 bits is shown whole, its
// picture control at y = scrollOffset. A deeper strip is shown through a band: a bitmap of the
// strip's width holding a few thousand rows cut from the strip around the rows in view. The
// control holds the band and stands at y = bandTop + scrollOffset, so the rows in view are
// the same as with the whole strip; when the view is about to leave the band, the sign cuts
// the next band (the re-basing). scrollOffset itself keeps its meaning either way.
#pragma once

#include <cstdint>

namespace rolva {

// The largest picture height and the lowest position shown whole, in one window.
constexpr std::int32_t kLargestWholeStrip = 32767;
// The fewest rows of a band; a band is also at least four views deep.
constexpr std::int32_t kLeastBandRows = 4096;

// True when the strip is deeper than a window can show whole.
bool StripNeedsBands(std::int32_t stripHeight);

// Rows of each band of a deep strip seen through a frame of viewHeight rows.
std::int32_t BandRows(std::int32_t stripHeight, std::int32_t viewHeight);

// The band the picture control holds now, if any.
struct HeldBand {
    bool held = false;
    std::int32_t top = 0;   // strip row at the band's first row
    std::int32_t rows = 0;  // rows of the band
};

struct StripPlace {
    std::int32_t bandTop = 0;   // strip row at the picture's first row (0 for a whole strip)
    std::int32_t bandRows = 0;  // rows of the picture (the strip's height for a whole strip)
    std::int32_t pictureY = 0;  // y of the picture control in the frame
    bool rebase = false;        // the control needs a new band: cut it and show it
};

// Places a strip of stripHeight rows at scrollOffset in a frame of viewHeight rows. A whole
// strip stands at y = scrollOffset exactly. For a deep strip the held band is kept while it
// covers every strip row in view; otherwise a new band is chosen: one that leads the way the
// view left the old band when the view still overlaps it (a roll), else one centred on the view
// (a jump). A view that shows no row of the strip keeps the band it has and puts the picture
// just outside the frame.
StripPlace PlaceStrip(std::int32_t stripHeight, std::int32_t viewHeight, HeldBand held,
                      std::int32_t scrollOffset);

}  // namespace rolva
