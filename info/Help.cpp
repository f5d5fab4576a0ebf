#include "info/Help.h"

#include <windows.h>
#include <shellapi.h>

#include "base/ExecutableFiles.h"
#include "base/Handles.h"
#include "base/SystemLibrary.h"
#include "base/WindowRegistry.h"

namespace rolva {

namespace {

// The project's own pages; the one place the program names them.
const char* const kWebSites[kWebSiteCount] = {
    "https://rolva.invalid/app/",
    "https://rolva.invalid/news/",
    "https://rolva.invalid/makers/",
};

constexpr UINT kHelpDisplayToc = 1;  // HH_DISPLAY_TOC
constexpr UINT kHelpCloseAll = 0x12;  // HH_CLOSE_ALL
using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// Stays loaded once the viewer was opened: unloading it would close the viewer's window.
ModuleHandle gHelpViewer;

}  // namespace

const char* WebSiteAddress(int site) { return site >= 1 && site <= kWebSiteCount ? kWebSites[site - 1] : ""; }

std::string HelpFilePath() { return FileBesideExecutable(".chm"); }

void OpenHelp()
{
    if (!gHelpViewer)
        gHelpViewer.Reset(LoadSystemLibrary("hhctrl.ocx"));  // never a copy beside the exe
    if (!gHelpViewer)
        return;
    const auto htmlHelp =
        reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(gHelpViewer.Get(), "HtmlHelpA")));
    if (htmlHelp)
        htmlHelp(gApp.form, HelpFilePath().c_str(), kHelpDisplayToc, 0);
}

void CloseHelp()
{
    // Only a viewer this program loaded can have windows open: never loaded here for this.
    if (!gHelpViewer)
        return;
    const auto htmlHelp =
        reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(gHelpViewer.Get(), "HtmlHelpA")));
    if (htmlHelp)
        htmlHelp(nullptr, nullptr, kHelpCloseAll, 0);
}

void OpenWebSite(int site)
{
    // The About window (when open) is the parent of the shell's own error messages.
    ShellExecuteA(gApp.about, "open", WebSiteAddress(site), "", "", SW_SHOWNORMAL);
}

}  // namespace rolva
