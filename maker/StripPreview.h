// The strip maker's live preview: a scrollable child window showing the frames (and an LED
// sign's further pages, each a band of its own with a mark at its left) one under the other, narrowed to its width when the sign is wider, drawn by the same code as the output.
// It borrows what it shows from the dialog's state.
#pragma once

#include <windows.h>

#include <vector>

#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"

namespace rolva {

struct PreviewSource {
    const std::vector<FrameLine>* frames = nullptr;  // one band each, top to bottom
    const std::vector<bool>* pages = nullptr;  // per band, true for a further page: marked at its left
    const MakerStyle* style = nullptr;
    int width = 0;   // the sign's frame size
    int height = 0;
};

void RegisterStripPreview(HINSTANCE instance);

// The source is borrowed: it must outlive the preview or be replaced first.
void SetPreviewSource(HWND preview, const PreviewSource* source);

// After the list or the style changed: new scroll range, drawn again.
void RefreshPreview(HWND preview);

// Draws what the preview shows now into dc (its client area).
void DrawPreview(HWND preview, HDC dc);

}  // namespace rolva
