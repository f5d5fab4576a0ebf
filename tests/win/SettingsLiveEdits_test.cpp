// The arrows of the settings dialog's number fields, clicked as a person clicks them: each step
// changes the Form, the sign or the slot at once, keeps to the field's range, starts from a
// number typed into the field when it is a valid one, and rebuilds a sign's rounded region only
// when its size or radius changed.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/ScrolledPicture.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "settings/SettingsIds.h"
#include "settings/core/NumberFields.h"

namespace rolva {
namespace {

// Records the outer width and height asked of the Form, before the system applies the smallest
// size it allows a captioned window.
class FormSizeRecorder {
public:
    FormSizeRecorder()
    {
        current_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(gApp.form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    }
    ~FormSizeRecorder()
    {
        SetWindowLongPtrA(gApp.form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        current_ = nullptr;
    }
    FormSizeRecorder(const FormSizeRecorder&) = delete;
    FormSizeRecorder& operator=(const FormSizeRecorder&) = delete;

    int AskedWidth() const { return width_; }
    int AskedHeight() const { return height_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_WINDOWPOSCHANGING && current_) {
            const WINDOWPOS& pos = *reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!(pos.flags & SWP_NOSIZE)) {
                current_->width_ = pos.cx;
                current_->height_ = pos.cy;
            }
        }
        return CallWindowProcA(current_->previous_, window, message, wParam, lParam);
    }

    static FormSizeRecorder* current_;
    WNDPROC previous_ = nullptr;
    int width_ = -1;
    int height_ = -1;
};

FormSizeRecorder* FormSizeRecorder::current_ = nullptr;

// The first and last pixel of each row of a sign frame's shown region, top row first.
struct RowSpan {
    int first, last;
    bool operator==(const RowSpan& other) const { return first == other.first && last == other.last; }
};
std::vector<RowSpan> RegionRows(int sign)
{
    std::vector<RowSpan> rows;
    for (int y = 0; y < SignHeight(sign); ++y) {
        RowSpan row{-1, -1};
        for (int x = 0; x < SignWidth(sign); ++x) {
            if (test::SignRegionContains(sign, x, y)) {
                if (row.first < 0)
                    row.first = x;
                row.last = x;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

using SettingsArrowStepTest = test::SettingsDialogTest;

TEST_F(SettingsArrowStepTest, WidthStepResizesTheSignAndRebuildsItsRoundedRegion)
{
    SetSignWidth(0, 123);
    SetSignHeight(0, 57);
    gDocument.signs[0].cornerRadius = 20;
    ApplySignRegion(0);
    Open();
    const HRGN before = gDocument.signs[0].region;
    const std::vector<RowSpan> rowsBefore = RegionRows(0);

    ClickArrow(kWidthUpDownIds[0], true);

    EXPECT_EQ(124, SignWidth(0));
    EXPECT_EQ(57, SignHeight(0));
    EXPECT_EQ("124", Text(kWidthEditIds[0]));
    EXPECT_NE(before, gDocument.signs[0].region) << "the region was not rebuilt";
    // The right-hand corners moved out with the right edge; the left-hand ones stayed.
    const std::vector<RowSpan> rowsAfter = RegionRows(0);
    ASSERT_EQ(57u, rowsAfter.size());
    EXPECT_GT(rowsBefore[0].first, 0) << "the corners are rounded";
    for (size_t y = 0; y < rowsAfter.size(); ++y) {
        const RowSpan moved{rowsBefore[y].first, rowsBefore[y].last + 1};
        if (!(moved == rowsAfter[y])) {
            ADD_FAILURE() << "row " << y << " runs " << rowsAfter[y].first << ".." << rowsAfter[y].last
                          << ", not " << moved.first << ".." << moved.last;
            break;
        }
    }
    EXPECT_EQ((RowSpan{0, 123}), rowsAfter[28]) << "the middle row spans the new width";
}

// On an LED-style sign a wide page enters at the right edge: a width step starts its scroll
// again at the new edge.
TEST_F(SettingsArrowStepTest, AWidthStepStartsAWidePageAgainAtTheNewEdge)
{
    const std::string folder = test::FreshTempFolder("rolva-width-step-led");
    test::WriteColumnsBmp(folder + "\\000.bmp", 1000, 57, [](int x) { return RGB(x % 256, 0, 0); });
    SignSlot& slot = gDocument.signs[0];
    slot.kind = static_cast<std::uint8_t>(SignKind::Led);
    slot.picturePath = folder;
    slot.liveLook.scrollSpeed = 1;  // a pixel a second: the page stays at the edge meanwhile
    SetSignWidth(0, 123);
    SetSignHeight(0, 57);
    SetPanelText(kNumberDisplayIds[0], "0");
    StartSign(0);
    ASSERT_EQ(123, ScrolledPictureX(0).value_or(-1));
    Open();

    ClickArrow(kWidthUpDownIds[0], true);

    EXPECT_EQ(124, ScrolledPictureX(0).value_or(-1));
    StopRoll(0);
    slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
    slot.picturePath.clear();
    slot.liveLook = SignLiveLook{};
    SetSignPicture(0, nullptr);
    slot.pictureBitmap.Reset();
    ReleaseLedFolderWatches();
    test::RemoveTree(folder);
}

TEST_F(SettingsArrowStepTest, ASignPlaceOrCornerStepChangesItAtOnce)
{
    Open();
    const struct {
        int upDownId;
        bool up;
        std::function<int()> read;
        int expected;
    } cases[] = {
        {kLeftUpDownIds[1], true, [] { return SignLeft(1); }, SignLeft(1) + 1},
        {kTopUpDownIds[0], false, [] { return SignTop(0); }, SignTop(0) - 1},
        {kHeightUpDownIds[1], false, [] { return SignHeight(1); }, SignHeight(1) - 1},
        {kCornerUpDownIds[1], true, [] { return gDocument.signs[1].cornerRadius; },
         gDocument.signs[1].cornerRadius + 1},
        {kFramesUpDownIds[1], true, [] { return int{gDocument.signs[1].manuscriptFrames}; },
         gDocument.signs[1].manuscriptFrames + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upDownId);
        ClickArrow(c.upDownId, c.up);
        EXPECT_EQ(c.expected, c.read());
    }
}

TEST_F(SettingsArrowStepTest, AStepAtALimitAppliesTheLimit)
{
    // Each field starts at its limit while the window or slot holds something else, so the
    // value the step applies shows.
    FormSizeRecorder form;
    SetSignWidth(0, 123);
    gDocument.signs[0].manuscriptFrames = 4;
    gDocument.signs[1].cornerRadius = 9;
    Open();
    const struct {
        int upDownId;
        int start;
        bool up;
        std::function<int()> applied;
        int expected;
    } cases[] = {
        {kWidthUpDownIds[0], 1024, true, [] { return SignWidth(0); }, 1024},
        {kFramesUpDownIds[0], 1, false, [] { return int{gDocument.signs[0].manuscriptFrames}; }, 1},
        {kCornerUpDownIds[1], 0, false, [] { return gDocument.signs[1].cornerRadius; }, 0},
        {kFormWidthUpDownId, 20, false, [&] { return form.AskedWidth(); }, 20},
        {kFormHeightUpDownId, 1024, true, [&] { return form.AskedHeight(); }, 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upDownId);
        SendMessageA(Item(c.upDownId), UDM_SETPOS, 0, MAKELPARAM(c.start, 0));
        ClickArrow(c.upDownId, c.up);
        EXPECT_EQ(c.expected, c.applied());
        EXPECT_EQ(std::to_string(c.expected), Text(FindNumberField(c.upDownId)->editId));
    }
}

TEST_F(SettingsArrowStepTest, ATypedNumberCountsOnlyAtTheNextStepAndOnlyWhenInRange)
{
    SetSignLeft(0, 77);
    SetSignWidth(1, 123);
    Open();

    Type(kLeftEditIds[0], "300");
    test::PumpMessages();
    EXPECT_EQ(77, SignLeft(0)) << "typing alone changes nothing";
    ClickArrow(kLeftUpDownIds[0], false);
    EXPECT_EQ(299, SignLeft(0));
    EXPECT_EQ("299", Text(kLeftEditIds[0]));

    Type(kWidthEditIds[1], "5000");
    ClickArrow(kWidthUpDownIds[1], true);
    EXPECT_EQ(124, SignWidth(1)) << "the step starts from the last valid width";
    EXPECT_EQ("124", Text(kWidthEditIds[1]));
}

TEST_F(SettingsArrowStepTest, AFormSizeStepLeavesTheFocusInItsField)
{
    Open();
    const struct {
        int upDownId;
        int editId;
    } cases[] = {{kFormWidthUpDownId, kFormWidthEditId}, {kFormHeightUpDownId, kFormHeightEditId}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upDownId);
        SetFocus(dialog_);
        const int width = gApp.formRecord.Width();
        const int height = gApp.formRecord.Height();
        ClickArrow(c.upDownId, false);
        EXPECT_EQ(Item(c.editId), GetFocus());
        const bool widthStep = c.upDownId == kFormWidthUpDownId;
        EXPECT_EQ(widthStep ? width - 1 : width, gApp.formRecord.Width());
        EXPECT_EQ(widthStep ? height : height - 1, gApp.formRecord.Height());
    }
}

TEST_F(SettingsArrowStepTest, APlaceStepMovesTheSignWithoutRebuildingItsRegion)
{
    gDocument.signs[1].cornerRadius = 10;
    ApplySignRegion(1);
    Open();
    const HRGN region = gDocument.signs[1].region;
    const int left = SignLeft(1);
    const int top = SignTop(1);
    ClickArrow(kLeftUpDownIds[1], true);
    ClickArrow(kTopUpDownIds[1], true);
    EXPECT_EQ(left + 1, SignLeft(1));
    EXPECT_EQ(top + 1, SignTop(1));
    EXPECT_EQ(region, gDocument.signs[1].region);
}

TEST_F(SettingsArrowStepTest, UpAndDownKeysInAFieldActAsItsArrows)
{
    gDocument.signs[0].cornerRadius = 5;
    ApplySignRegion(0);
    Open();
    HWND field = Item(kCornerEditIds[0]);
    SetFocus(field);
    const auto press = [field](WPARAM key) {
        SendMessageA(field, WM_KEYDOWN, key, 1);
        SendMessageA(field, WM_KEYUP, key, 0xC0000001);
    };
    const HRGN before = gDocument.signs[0].region;
    press(VK_UP);
    EXPECT_EQ(6, gDocument.signs[0].cornerRadius);
    EXPECT_NE(before, gDocument.signs[0].region) << "a new radius re-rounds the sign";
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(4, gDocument.signs[0].cornerRadius);
    EXPECT_EQ("4", Text(kCornerEditIds[0]));
}

}  // namespace
}  // namespace rolva
