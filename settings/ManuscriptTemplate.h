// The blank manuscript of a sign, put on the clipboard as a bitmap for a paint program.
#pragma once

#include <windows.h>

namespace rolva {

enum class TemplateCopy {
    kCopied,
    kClipboardBusy,  // another program kept the clipboard open past a short wait
    kNotCopied,      // no template could be made, or the clipboard refused it
};

// Draws a white template of the given frame size and count (a black line on the top row of
// every frame when there are several) and makes it the clipboard's whole content, with the
// owner window as the clipboard's owner. A template the clipboard did not take is freed at once.
TemplateCopy CopyManuscriptTemplate(HWND owner, int width, int frameHeight, int frames);

// The template of a sign as it now stands: its client size, and one frame for an LED-style
// sign or the stored count otherwise.
TemplateCopy CopySignManuscript(HWND owner, int sign);

// The settings dialog's copy button: the sign's template with the Form as the clipboard's
// owner, and a message box over the dialog when it could not be copied.
void CopySignManuscriptFromDialog(HWND dialog, int sign);

}  // namespace rolva
