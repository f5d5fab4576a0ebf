#include "maker/StripMaker.h"

#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/AppMessages.h"
#include "base/ColourChooser.h"
#include "base/FileChoosers.h"
#include "base/FileStreams.h"
#include "base/Modal.h"
#include "base/ProgressWindow.h"
#include "base/SystemText.h"
#include "base/WindowFit.h"
#include "base/WindowProcs.h"
#include "base/WindowRegistry.h"
#include "base/WindowText.h"
#include "base/core/PathText.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "maker/FrameDrawing.h"
#include "maker/MakerControls.h"
#include "maker/MakerIds.h"
#include "maker/StripPreview.h"
#include "maker/StripWriter.h"
#include "scene/SignPictures.h"

namespace rolva {

namespace {

constexpr int kWrittenResult = 1;
constexpr int kClosedResult = 0;

const char* const kLedLookNames[kLedLookCount] = {
    "なし", "丸い点・オレンジ", "四角い点・オレンジ", "丸い点・フルカラー", "四角い点・フルカラー",
};

// What the open maker owns; lives from WM_INITDIALOG to WM_NCDESTROY.
struct MakerState {
    int sign = 0;
    bool led = false;  // an LED-style sign: the output is a folder
    int width = 0;     // the sign's frame size when the maker opened
    int height = 0;
    MakerStyle style;
    FrameList list;
    std::vector<FrameLine> bands;  // what the preview shows: the frames, and an LED sign's pages
    std::vector<bool> pageBands;   // per band, whether it is a further page
    PreviewSource preview;  // borrowed by the preview window
    COLORREF customColours[16] = {};
    bool wrote = false;
    std::string keptList;  // the list as it opened or as last written: closing asks once it differs
    bool askingToClose = false;  // the question is up: another close request waits for its answer
    std::string missingFace;  // a face saved with the list that this system lacks, said once shown
    ProgressWindow* writing = nullptr;  // the write under way: a close request cancels it
};

MakerState* StateOf(HWND dialog)
{
    return reinterpret_cast<MakerState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

std::string LabelTableWithBreaks(const std::vector<LabelColour>& labels) { return FormatLabelTable(labels); }

int CALLBACK AddFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list)
{
    // Vertical faces ("@...") draw sideways: not for a sign's lines.
    if (font->lfFaceName[0] != '@' &&
        SendMessageA(reinterpret_cast<HWND>(list), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(font->lfFaceName)) == CB_ERR)
        SendMessageA(reinterpret_cast<HWND>(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
    return 1;
}

void FillFaces(HWND dialog)
{
    HWND list = GetDlgItem(dialog, kMakerFaceListId);
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.Get(), &all, AddFace, reinterpret_cast<LPARAM>(list), 0);
}

// Selects the face in the list; a face not installed is added so the choice shows, and the
// writer then says it is missing.
void ShowFace(HWND dialog, const std::string& face)
{
    HWND list = GetDlgItem(dialog, kMakerFaceListId);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(face.c_str()));
    if (index == CB_ERR)
        index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ShowDocument(HWND dialog, const MakerDocument& document)
{
    const MakerStyle& style = document.style;
    ShowFace(dialog, style.face);
    CheckDlgButton(dialog, kMakerBoldId, style.bold ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, kMakerFrameLineId, style.frameLine ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, kMakerLedListId, CB_SETCURSEL, static_cast<WPARAM>(style.led), 0);
    SetDlgItemInt(dialog, kMakerPitchEditId, static_cast<UINT>(style.ledPitch), FALSE);
    SetDlgItemTextA(dialog, kMakerLabelsId, LabelTableWithBreaks(style.labels).c_str());
    SetDlgItemTextA(dialog, kMakerListId, document.listText.c_str());
}

// The style as the controls show it (the colours live in the state, set by their buttons).
void ReadStyle(HWND dialog, MakerState& state)
{
    MakerStyle& style = state.style;
    style.face = ItemText(dialog, kMakerFaceListId);
    style.bold = IsDlgButtonChecked(dialog, kMakerBoldId) == BST_CHECKED;
    style.frameLine = IsDlgButtonChecked(dialog, kMakerFrameLineId) == BST_CHECKED;
    const LRESULT look = SendDlgItemMessageA(dialog, kMakerLedListId, CB_GETCURSEL, 0, 0);
    style.led = look >= 0 && look < kLedLookCount ? static_cast<LedLook>(look) : LedLook::None;
    BOOL read = FALSE;
    const UINT pitch = GetDlgItemInt(dialog, kMakerPitchEditId, &read, FALSE);
    style.ledPitch = read ? std::clamp(static_cast<int>(pitch), kMinLedPitch, kMaxLedPitch) : style.ledPitch;
    style.labels = ParseLabelTable(ItemText(dialog, kMakerLabelsId));
}

void ShowPreviewLabel(HWND dialog, const MakerState& state)
{
    const std::size_t pages = state.list.MorePageCount();
    std::string text = std::string("プレビュー（") + (state.led ? "LED風" : "幕式") + " " + std::to_string(state.width) +
                       "×" + std::to_string(state.height) + "、" + std::to_string(state.list.lineCount) + "枚";
    // Said once here, where the list is seen: a roll strip has one picture a frame.
    if (pages)
        text += state.led ? "＋" + std::to_string(pages) + "ページ" : "、＋の行のページは幕式では使いません";
    SetDlgItemTextA(dialog, kMakerPreviewLabelId, (text + "）").c_str());
}

// The bands of the preview: every frame, each followed by its further pages on an LED sign;
// a roll strip has no pages.
void FillBands(MakerState& state)
{
    state.bands.clear();
    state.pageBands.clear();
    for (std::size_t n = 0; n < state.list.frames.size(); ++n) {
        state.bands.push_back(state.list.frames[n]);
        state.pageBands.push_back(false);
        if (!state.led)
            continue;
        state.bands.insert(state.bands.end(), state.list.morePages[n].begin(), state.list.morePages[n].end());
        state.pageBands.resize(state.bands.size(), true);
    }
}

void Refresh(HWND dialog)
{
    MakerState* state = StateOf(dialog);
    if (!state)
        return;
    ReadStyle(dialog, *state);
    state->list = ParseFrameList(ItemText(dialog, kMakerListId), IsSystemLeadByte, SystemWideBar());
    FillBands(*state);
    ShowPreviewLabel(dialog, *state);
    RefreshPreview(GetDlgItem(dialog, kMakerPreviewId));
}

// The sign's saved list when its picture or folder has one, otherwise the default style
// and an empty list.
// A face that is not installed, the default one or one saved with the list, is replaced by an
// installed face that can draw Japanese.
MakerDocument OpeningDocument(MakerState& state, std::string& outputPath)
{
    MakerDocument document;
    document.style = DefaultMakerStyle();
    document.style.face = InstalledFaceFor(document.style.face);
    const std::string& path = gDocument.signs[state.sign].picturePath;
    if (!path.empty() &&
        ReadMakerFile(state.led ? MakerFileOfFolder(path, IsSystemLeadByte) : MakerFileOfStrip(path, IsSystemLeadByte), document))
        outputPath = path;
    if (!FontFaceInstalled(document.style.face)) {
        state.missingFace = document.style.face;
        document.style.face = InstalledFaceFor(document.style.face);
    }
    return document;
}

// Said once the maker shows, over it rather than over the window below.
void StripMaker_OnFaceMissing(HWND dialog)
{
    MakerState* state = StateOf(dialog);
    if (!state || state->missingFace.empty())
        return;
    const std::string text = "保存されていたフォント「" + state->missingFace + "」はこのコンピューターにないため、「" +
                             state->style.face + "」で描きます。";
    state->missingFace.clear();
    MessageBoxA(dialog, text.c_str(), "幕の作成", MB_OK | MB_ICONINFORMATION);
}

void StripMaker_OnInitDialog(HWND dialog, int sign)
{
    auto* state = new MakerState;
    SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->sign = sign == 1 ? 1 : 0;
    state->led = gDocument.signs[state->sign].kind == static_cast<std::uint8_t>(SignKind::Led);
    state->width = SignWidth(state->sign);
    state->height = SignHeight(state->sign);

    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    RegisterStripPreview(instance);
    CreateMakerControls(dialog, gApp.fonts[kFontSettings].Get());
    // The outer size is fixed; where the system's caption and borders are thicker than that
    // size allows for, the window grows so the buttons at the bottom right stay inside; on a
    // screen too small for it, it is cut to the screen and scrolls.
    GrowToHoldChildren(dialog);
    ScrollWhereTooLarge(dialog);
    CentreOverOwner(dialog, gApp.form);
    const std::string title = std::string("幕の作成 - ") + (state->sign == 0 ? "1つ目" : "2つ目") + "の方向幕";
    SetWindowTextA(dialog, title.c_str());
    SetDlgItemTextA(dialog, kMakerOutputLabelId,
                    state->led ? "出力先のフォルダー（001.bmp、002.bmp…を書きます）：" : "出力先のBMPファイル：");
    for (const char* name : kLedLookNames)
        SendDlgItemMessageA(dialog, kMakerLedListId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    FillFaces(dialog);

    std::string outputPath;
    const MakerDocument document = OpeningDocument(*state, outputPath);
    state->style = document.style;
    SetDlgItemTextA(dialog, kMakerOutputPathId, outputPath.c_str());
    ShowDocument(dialog, document);
    state->keptList = ItemText(dialog, kMakerListId);

    state->preview = PreviewSource{&state->bands, &state->pageBands, &state->style, state->width, state->height};
    SetPreviewSource(GetDlgItem(dialog, kMakerPreviewId), &state->preview);
    Refresh(dialog);
    if (!state->missingFace.empty())
        PostMessageA(dialog, kMakerFaceMissingMessage, 0, 0);
}

void StripMaker_OnNcDestroy(HWND dialog)
{
    std::unique_ptr<MakerState> state(StateOf(dialog));
    SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
    if (gApp.maker == dialog)
        gApp.maker = nullptr;
}

void ChooseColour(HWND dialog, Rgb& colour)
{
    if (ChooseRgbColour(dialog, colour, StateOf(dialog)->customColours))
        Refresh(dialog);
}

constexpr char kStripChooserTitle[] = "幕の保存先";

// The output chosen with the system's chooser: a BMP file for a roll sign, a folder otherwise.
std::string ChooseOutput(HWND dialog, bool led)
{
    if (led)
        return BrowseFolder(dialog, "幕の画像を書き出すフォルダーを選択してください");
    // The chooser adds the ending itself, so its own overwrite question names the file written;
    // a name it gave back without one ("name.") gets it here.
    return ChooseFileToSave(dialog, "ビットマップ(*.bmp)\0*.bmp\0", kStripChooserTitle, "bmp",
                            [](const std::string& chosen) { return WithEndingIfNone(chosen, ".bmp", IsSystemLeadByte); });
}

void StripMaker_OnBrowse(HWND dialog)
{
    const std::string path = ChooseOutput(dialog, StateOf(dialog)->led);
    if (!path.empty())
        SetDlgItemTextA(dialog, kMakerOutputPathId, path.c_str());
}

// A write shorter than this shows no progress window, which would only flash.
constexpr DWORD kShowProgressAfterMs = 300;

// The maker while it writes: disabled under a progress window centred over it, which keeps the
// maker answering and can stop the write; all given back on every path.
class MakerWriting {
public:
    explicit MakerWriting(HWND dialog)
        : dialog_(dialog), progress_(dialog, "幕の作成", "幕を作成しています...", kShowProgressAfterMs),
          cursor_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))))
    {
        if (progress_.Handle())
            CentreOverOwner(progress_.Handle(), dialog);
        StateOf(dialog)->writing = &progress_;
    }
    ~MakerWriting()
    {
        // The maker may have gone with the program while it wrote; its state with it.
        if (MakerState* state = IsWindow(dialog_) ? StateOf(dialog_) : nullptr)
            state->writing = nullptr;
        SetCursor(cursor_);
    }
    MakerWriting(const MakerWriting&) = delete;
    MakerWriting& operator=(const MakerWriting&) = delete;

    Progress& Reporter() { return progress_; }

private:
    HWND dialog_;
    ProgressWindow progress_;
    HCURSOR cursor_;
};

// True when the strip or folder was written.
bool StripMaker_OnWrite(HWND dialog)
{
    Refresh(dialog);
    MakerState* state = StateOf(dialog);
    if (state->writing)
        return false;
    std::string path = ItemText(dialog, kMakerOutputPathId);
    if (path.empty()) {
        path = ChooseOutput(dialog, state->led);
        if (path.empty())
            return false;
        SetDlgItemTextA(dialog, kMakerOutputPathId, path.c_str());
    }
    const MakerDocument document{state->style, ItemText(dialog, kMakerListId)};
    // Copies: the state goes should the program end while the write pumps messages.
    const FrameList list = state->list;
    const bool led = state->led;
    const int width = state->width;
    const int height = state->height;
    WriteResult result;
    {
        MakerWriting writing(dialog);
        result = led ? WriteLedFolder(path, list, document, width, height, writing.Reporter())
                     : WriteRollStrip(path, list, document, width, height, writing.Reporter());
    }
    state = IsWindow(dialog) ? StateOf(dialog) : nullptr;
    // Gone with the program, or cancelled: the folder or file is as it was, and that is no news.
    if (!state || result.cancelled)
        return false;
    if (!result.ok) {
        MessageBoxA(dialog, result.message.c_str(), "幕の作成", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // The same path as 参照...: the settings dialog's field follows when it is open.
    if (led)
        SetSignFolder(state->sign, path);
    else
        SetSignStrip(state->sign, path);
    state->wrote = true;
    state->keptList = document.listText;
    return true;
}

// Every way of closing comes here (閉じる, Esc, a close request). A list typed and not written
// would be lost, and Esc, which also ends an input method's conversion, is easily pressed once
// too often: such a list is offered for writing first, and the maker can stay.
void StripMaker_OnClose(HWND dialog)
{
    MakerState* state = StateOf(dialog);
    if (!state) {
        EndModal(dialog, kClosedResult);
        return;
    }
    if (state->askingToClose)
        return;
    // The maker is disabled while it writes, but a close request still comes from outside (the
    // taskbar): it stops the write, and the maker stays with its list.
    if (state->writing) {
        state->writing->Cancel();
        return;
    }
    const std::string list = ItemText(dialog, kMakerListId);
    if (!list.empty() && list != state->keptList) {
        state->askingToClose = true;
        const int answer = MessageBoxA(dialog,
                                       "幕の一覧が変更されています。幕を作成してから閉じますか？\r\n\r\n"
                                       "はい：作成して閉じる\r\nいいえ：作成せずに閉じる（変更は失われます）\r\n"
                                       "キャンセル：一覧に戻る",
                                       "幕の作成", MB_YESNOCANCEL | MB_ICONQUESTION);
        // The program may have ended under the question, taking the maker with it.
        state = IsWindow(dialog) ? StateOf(dialog) : nullptr;
        if (!state)
            return;
        state->askingToClose = false;
        if (answer == IDCANCEL || (answer == IDYES && !StripMaker_OnWrite(dialog)))
            return;
        state = StateOf(dialog);
    }
    EndModal(dialog, state->wrote ? kWrittenResult : kClosedResult);
}

void StripMaker_OnCommand(HWND dialog, int id, int notification)
{
    MakerState* state = StateOf(dialog);
    if (!state)
        return;
    switch (id) {
    case kMakerListId:
    case kMakerLabelsId:
    case kMakerPitchEditId:
        if (notification == EN_CHANGE)
            Refresh(dialog);
        return;
    case kMakerFaceListId:
    case kMakerLedListId:
        if (notification == CBN_SELCHANGE)
            Refresh(dialog);
        return;
    }
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case kMakerBoldId:
    case kMakerFrameLineId:
        Refresh(dialog);
        return;
    case kMakerTextColourId:
        ChooseColour(dialog, state->style.text);
        return;
    case kMakerBackColourId:
        ChooseColour(dialog, state->style.background);
        return;
    case kMakerOutputBrowseId:
        StripMaker_OnBrowse(dialog);
        return;
    case kMakerWriteId:
        StripMaker_OnWrite(dialog);
        return;
    case kMakerCloseId:
    case IDCANCEL:
        StripMaker_OnClose(dialog);
        return;
    }
}

LRESULT StripMaker_Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        StripMaker_OnInitDialog(window, static_cast<int>(lParam));
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        if (ScrollOnRequest(window, message, wParam, lParam))
            return 0;
        break;
    case WM_COMMAND:
        StripMaker_OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case kMakerFaceMissingMessage:
        StripMaker_OnFaceMissing(window);
        return 0;
    case WM_CLOSE:
        StripMaker_OnClose(window);
        return 0;
    case WM_NCDESTROY:
        StripMaker_OnNcDestroy(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RunStripMaker(HWND owner, int sign)
{
    RunModalWindow(owner, CreateDefinedWindow(owner, kStripMakerWindow, sign));
}

LRESULT CALLBACK StripMakerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(StripMaker_Dispatch, window, message, wParam, lParam);
}

const WindowDefinition kStripMakerWindow = {"幕の作成", 0, WS_CAPTION | WS_SYSMENU, 760, 560, StripMakerProc, &gApp.maker};

}  // namespace rolva
