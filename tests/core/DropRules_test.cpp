#include "app/core/DropRules.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(IsPictureFileName, KnowsTheLoadersEndingsInAnyCase)
{
    const struct {
        const char* path;
        bool withoutGdiplus;
        bool withGdiplus;
    } cases[] = {
        {"a.bmp", true, true},   {"A.BMP", true, true},    {"a.jpg", true, true},  {"a.Jpeg", true, true},
        {"a.gif", true, true},   {"a.png", false, true},   {"a.TIF", false, true}, {"a.tiff", false, true},
        {"a.rv4", false, false}, {"bmp", false, false},    {"a.bmp.txt", false, false},
        {"C:\\pics.bmp\\strip", false, false},  // the dot is in a folder's name
        {"C:\\\x95\x5C.gif", true, true},        // 表 ends in '\'
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.withoutGdiplus, IsPictureFileName(c.path, false)) << c.path;
        EXPECT_EQ(c.withGdiplus, IsPictureFileName(c.path, true)) << c.path;
    }
}

TEST(ChooseDropAction, OpensTheFirstDataFileWhereverItLands)
{
    const std::vector<DroppedItem> items{
        {"C:\\p\\strip.bmp", false}, {"C:\\frames", true}, {"C:\\s\\old.rv3", false}, {"C:\\s\\new.rv4", false}};
    for (DropTarget target : {DropTarget::Form, DropTarget::RollSign, DropTarget::LedSign}) {
        const DropAction action = ChooseDropAction(items, target, true);
        EXPECT_EQ(DropActionKind::OpenDataFile, action.kind);
        EXPECT_EQ("C:\\s\\old.rv3", action.path);
    }
    // A folder named like a data file is a folder.
    const DropAction folder = ChooseDropAction({{"C:\\odd.rv4", true}}, DropTarget::Form, true);
    EXPECT_EQ(DropActionKind::Ignore, folder.kind);
}

TEST(ChooseDropAction, GivesASignWhatItsKindTakes)
{
    const std::vector<DroppedItem> mixed{
        {"C:\\notes.txt", false}, {"C:\\frames", true}, {"C:\\a.png", false}, {"C:\\b.bmp", false}};
    const struct {
        DropTarget target;
        bool gdiplus;
        DropActionKind kind;
        const char* path;
    } cases[] = {
        {DropTarget::RollSign, true, DropActionKind::SetSignStrip, "C:\\a.png"},
        {DropTarget::RollSign, false, DropActionKind::SetSignStrip, "C:\\b.bmp"},  // no PNG without GDI+
        {DropTarget::LedSign, true, DropActionKind::SetSignFolder, "C:\\frames"},
        {DropTarget::Form, true, DropActionKind::Ignore, ""},
    };
    for (const auto& c : cases) {
        const DropAction action = ChooseDropAction(mixed, c.target, c.gdiplus);
        EXPECT_EQ(c.kind, action.kind) << static_cast<int>(c.target);
        EXPECT_EQ(c.path, action.path);
    }
    EXPECT_EQ(DropActionKind::Ignore, ChooseDropAction({{"C:\\frames", true}}, DropTarget::RollSign, true).kind);
    EXPECT_EQ(DropActionKind::Ignore, ChooseDropAction({{"C:\\a.bmp", false}}, DropTarget::LedSign, true).kind);
    EXPECT_EQ(DropActionKind::Ignore, ChooseDropAction({}, DropTarget::RollSign, true).kind);
}

}  // namespace
}  // namespace rolva
