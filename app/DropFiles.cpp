#include "app/DropFiles.h"

#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/core/DropPoint.h"
#include "app/core/DropRules.h"
#include "base/FileStreams.h"
#include "base/Handles.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "scene/SceneFile.h"
#include "scene/SignPictures.h"

namespace rolva {

namespace {

struct DropTraits {
    static HDROP Invalid() { return nullptr; }
    static bool IsValid(HDROP h) { return h != nullptr; }
    static void Free(HDROP h) { DragFinish(h); }
};
using DropHandle = UniqueHandle<HDROP, DropTraits>;

std::vector<DroppedItem> DroppedItems(HDROP drop)
{
    std::vector<DroppedItem> items;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::vector<char> buffer(length + 1, '\0');
        DragQueryFileA(drop, i, buffer.data(), length + 1);
        DroppedItem item;
        item.path = buffer.data();
        const DWORD attributes = FileAttributesOf(item.path);
        item.folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        items.push_back(std::move(item));
    }
    return items;
}

// The sign whose frame shows where the drop message was sent, or -1. The Form's children are
// read top of the z-order first, as the system finds a child under a point.
int SignAtDrop(HWND form)
{
    POINT origin{0, 0};
    ClientToScreen(form, &origin);
    RECT client{};
    GetClientRect(form, &client);
    std::vector<DropChild> children;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        DropChild entry;
        entry.left = r.left;
        entry.top = r.top;
        entry.right = r.right;
        entry.bottom = r.bottom;
        entry.visible = (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0 &&
                        (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0;
        for (int sign = 0; sign < kSignCount; ++sign) {
            if (child == SignFrameHandle(sign))
                entry.sign = sign;
        }
        children.push_back(entry);
    }
    return SignUnderDrop(GetMessagePos(), DropPoint{origin.x, origin.y}, client.right, client.bottom, children);
}

DropTarget TargetOf(int sign)
{
    if (sign < 0)
        return DropTarget::Form;
    switch (static_cast<SignKind>(gDocument.signs[sign].kind)) {
    case SignKind::Roll:
        return DropTarget::RollSign;
    case SignKind::Led:
        return DropTarget::LedSign;
    default:
        return DropTarget::Form;
    }
}

}  // namespace

void AcceptFileDrops(HWND form) { DragAcceptFiles(form, TRUE); }

void Form_OnDropFiles(HWND form, HDROP drop)
{
    const DropHandle owned(drop);
    if (!IsWindowEnabled(form) || !RollThreadsIdle())
        return;
    const int sign = SignAtDrop(form);
    const DropAction action = ChooseDropAction(DroppedItems(drop), TargetOf(sign), gDocument.gdiplusAvailable == 1);
    switch (action.kind) {
    case DropActionKind::OpenDataFile:
        OpenSceneFile(action.path);
        break;
    case DropActionKind::SetSignStrip:
        SetSignStrip(sign, action.path);
        break;
    case DropActionKind::SetSignFolder:
        SetSignFolder(sign, action.path);
        break;
    case DropActionKind::Ignore:
        break;
    }
}

}  // namespace rolva
