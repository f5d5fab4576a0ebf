// The handle holders themselves: one owner per handle, freed exactly once with its own call,
// given up without being freed, and a selection that puts the DC's previous object back.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/Handles.h"

namespace rolva {
namespace {

// What a copy would mean: two owners, two frees.
template <typename T>
constexpr bool kNotCopyable = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T>;

static_assert(kNotCopyable<BitmapHandle> && kNotCopyable<FontHandle> && kNotCopyable<BrushHandle> &&
              kNotCopyable<RegionHandle> && kNotCopyable<KernelHandle> && kNotCopyable<FileHandle> &&
              kNotCopyable<ModuleHandle> && kNotCopyable<ChangeNotificationHandle> && kNotCopyable<MenuHandle> &&
              kNotCopyable<IconHandle>);
static_assert(kNotCopyable<ScopedSelect> && kNotCopyable<MemoryDc> && kNotCopyable<WindowDc> &&
              kNotCopyable<ComApartment> && kNotCopyable<ComObject<IUnknown>>);
// Moves cannot fail: a holder moved into a container or a returned value never leaks.
static_assert(std::is_nothrow_move_constructible_v<BitmapHandle> && std::is_nothrow_move_assignable_v<BitmapHandle>);
static_assert(std::is_nothrow_move_constructible_v<FileHandle> && std::is_nothrow_move_assignable_v<FileHandle>);

// The holder's own logic, over handles that are plain numbers: every free is written down.
std::vector<int> gFreed;

struct CountingTraits {
    static int Invalid() { return 0; }
    static bool IsValid(int h) { return h != 0; }
    static void Free(int h) { gFreed.push_back(h); }
};
using CountedHandle = UniqueHandle<int, CountingTraits>;

class UniqueHandleLogic : public testing::Test {
protected:
    void SetUp() override { gFreed.clear(); }
};

TEST_F(UniqueHandleLogic, MovingHandsOverOwnershipAndFreesOnce)
{
    {
        CountedHandle first(7);
        CountedHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(0, first.Get());
        EXPECT_EQ(7, second.Get());

        CountedHandle third(9);
        third = std::move(second);  // the 9 third held goes now, the 7 comes with the move
        EXPECT_EQ(std::vector<int>{9}, gFreed);
        EXPECT_EQ(0, second.Get());
        EXPECT_EQ(7, third.Get());

        CountedHandle& same = third;
        third = std::move(same);  // moving into itself keeps what it holds
        EXPECT_EQ(7, third.Get());
        EXPECT_EQ(std::vector<int>{9}, gFreed);
    }
    EXPECT_EQ((std::vector<int>{9, 7}), gFreed) << "each handle freed once, the empty holders free nothing";
}

TEST_F(UniqueHandleLogic, ResetFreesTheOldHandleAndKeepsTheNewOne)
{
    const struct {
        const char* what;
        int held;
        int next;
        std::vector<int> freedByReset;
        std::vector<int> freedAtEnd;
    } cases[] = {
        {"another handle", 3, 4, {3}, {3, 4}},
        {"the same handle", 3, 3, {}, {3}},
        {"nothing", 3, 0, {3}, {3}},
        {"into an empty holder", 0, 4, {}, {4}},
        {"nothing into an empty holder", 0, 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gFreed.clear();
        {
            CountedHandle holder(c.held);
            holder.Reset(c.next);
            EXPECT_EQ(c.freedByReset, gFreed);
            EXPECT_EQ(c.next, holder.Get());
            holder.Reset(c.next);  // twice with the same handle: still no free
            EXPECT_EQ(c.freedByReset, gFreed);
        }
        EXPECT_EQ(c.freedAtEnd, gFreed);
    }
}

TEST_F(UniqueHandleLogic, ReleaseGivesTheHandleUpUnfreed)
{
    {
        CountedHandle holder(5);
        EXPECT_EQ(5, holder.Release());
        EXPECT_FALSE(holder);
        EXPECT_EQ(0, holder.Release()) << "nothing left to give";
    }
    EXPECT_TRUE(gFreed.empty());
}

// The real holders, each over the kind of handle it is for: it is alive while held, and gone
// once the holder is, freed with the call that kind needs.
std::string TempFolder()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

bool KernelHandleAlive(HANDLE h)
{
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != FALSE;
}

// What a kind leaves behind once its tests are done.
struct NothingLeft {
    static void CleanUp() {}
};

struct BitmapKind : NothingLeft {
    using Holder = BitmapHandle;
    static HBITMAP Make() { return CreateBitmap(1, 1, 1, 1, nullptr); }
    static bool Alive(HBITMAP h) { return GetObjectType(h) == OBJ_BITMAP; }
};

struct FontKind : NothingLeft {
    using Holder = FontHandle;
    static HFONT Make() { return CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"); }
    static bool Alive(HFONT h) { return GetObjectType(h) == OBJ_FONT; }
};

struct BrushKind : NothingLeft {
    using Holder = BrushHandle;
    static HBRUSH Make() { return CreateSolidBrush(RGB(1, 2, 3)); }
    static bool Alive(HBRUSH h) { return GetObjectType(h) == OBJ_BRUSH; }
};

struct RegionKind : NothingLeft {
    using Holder = RegionHandle;
    static HRGN Make() { return CreateRectRgn(0, 0, 4, 4); }
    static bool Alive(HRGN h) { return GetObjectType(h) == OBJ_REGION; }
};

struct KernelKind : NothingLeft {
    using Holder = KernelHandle;
    static HANDLE Make() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    static bool Alive(HANDLE h) { return KernelHandleAlive(h); }
};

struct FileKind : NothingLeft {
    using Holder = FileHandle;
    static HANDLE Make()
    {
        static int made = 0;
        const std::string path = TempFolder() + "rolva-handles-test-" + std::to_string(++made) + ".tmp";
        return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    static bool Alive(HANDLE h) { return KernelHandleAlive(h); }
};

struct ChangeNotificationKind : NothingLeft {
    using Holder = ChangeNotificationHandle;
    static HANDLE Make() { return FindFirstChangeNotificationA(TempFolder().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME); }
    static bool Alive(HANDLE h) { return KernelHandleAlive(h); }
};

// A copy of a system library under a name nothing has loaded, mapped as data: each load is a
// view of its own, unmapped by its FreeLibrary. (A library loaded already would only be counted.)
struct ModuleKind {
    using Holder = ModuleHandle;
    static std::string CopyPath() { return TempFolder() + "rolva-handles-test.dll"; }
    static HMODULE Make()
    {
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        CopyFileA((std::string(system) + "\\version.dll").c_str(), CopyPath().c_str(), FALSE);
        return LoadLibraryExA(CopyPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void CleanUp() { DeleteFileA(CopyPath().c_str()); }
    static bool Alive(HMODULE h)
    {
        // A data-file module's handle is its view's address with a low bit set.
        MEMORY_BASIC_INFORMATION view{};
        const auto base = reinterpret_cast<const void*>(reinterpret_cast<UINT_PTR>(h) & ~UINT_PTR{3});
        return VirtualQuery(base, &view, sizeof view) != 0 && view.State != MEM_FREE;
    }
};

struct MenuKind : NothingLeft {
    using Holder = MenuHandle;
    static HMENU Make() { return CreatePopupMenu(); }
    static bool Alive(HMENU h) { return IsMenu(h) != FALSE; }
};

struct IconKind : NothingLeft {
    using Holder = IconHandle;
    static HICON Make() { return CopyIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(32512))); }  // IDI_APPLICATION
    static bool Alive(HICON h)
    {
        ICONINFO info{};
        if (!GetIconInfo(h, &info))
            return false;
        DeleteObject(info.hbmMask);  // GetIconInfo hands out copies
        DeleteObject(info.hbmColor);
        return true;
    }
};

template <typename Kind>
class Holder : public testing::Test {
protected:
    static void TearDownTestSuite() { Kind::CleanUp(); }
};

using HolderKinds = testing::Types<BitmapKind, FontKind, BrushKind, RegionKind, KernelKind, FileKind,
                                   ChangeNotificationKind, ModuleKind, MenuKind, IconKind>;
TYPED_TEST_SUITE(Holder, HolderKinds);

TYPED_TEST(Holder, FreesItsHandleWhenItGoes)
{
    const auto raw = TypeParam::Make();
    ASSERT_TRUE(TypeParam::Alive(raw));
    {
        typename TypeParam::Holder holder(raw);
        EXPECT_TRUE(holder);
        EXPECT_EQ(raw, holder.Get());
    }
    EXPECT_FALSE(TypeParam::Alive(raw));
}

TYPED_TEST(Holder, AMovedHolderLeavesItsSourceEmptyAndFreesOnce)
{
    using Holder = typename TypeParam::Holder;
    const auto first = TypeParam::Make();
    const auto second = TypeParam::Make();
    {
        Holder source(first);
        Holder target(std::move(source));
        EXPECT_FALSE(source);
        EXPECT_EQ(first, target.Get());

        Holder other(second);
        other = std::move(target);  // second goes now; first lives on in other
        EXPECT_FALSE(target);
        EXPECT_FALSE(TypeParam::Alive(second));
        EXPECT_TRUE(TypeParam::Alive(first));
    }
    EXPECT_FALSE(TypeParam::Alive(first));
}

TYPED_TEST(Holder, ResetFreesTheOldOneAndReleaseFreesNothing)
{
    const auto first = TypeParam::Make();
    const auto second = TypeParam::Make();
    typename TypeParam::Holder holder(first);
    holder.Reset(second);
    EXPECT_FALSE(TypeParam::Alive(first));
    holder.Reset(second);
    EXPECT_TRUE(TypeParam::Alive(second)) << "the same handle again is kept, not freed";

    const auto released = holder.Release();
    EXPECT_EQ(second, released);
    EXPECT_FALSE(holder);
    holder.Reset();
    EXPECT_TRUE(TypeParam::Alive(released));
    { typename TypeParam::Holder owner(released); }  // the test's to free now
    EXPECT_FALSE(TypeParam::Alive(released));
}

// INVALID_HANDLE_VALUE is a failed CreateFile or FindFirstChangeNotification, not a handle: a
// holder of it is empty and never closes it (closing it would close this process's pseudo-handle).
TEST(KernelHolders, TakeTheFailureValuesForEmpty)
{
    FileHandle file;
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.Get()) << "CreateFileA's failure value is the empty one";
    EXPECT_FALSE(file);
    file.Reset(nullptr);
    EXPECT_FALSE(file);

    ChangeNotificationHandle change;
    EXPECT_EQ(INVALID_HANDLE_VALUE, change.Get());
    EXPECT_FALSE(change);

    KernelHandle event(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(event);
}

// The selection helper, over every kind of object a DC holds one of at a time.
TEST(ScopedSelect, PutsTheDcsPreviousObjectBack)
{
    MemoryDc dc(nullptr);
    ASSERT_TRUE(dc.Get());
    BitmapHandle bitmap(CreateBitmap(2, 2, 1, 1, nullptr));
    FontHandle font(FontKind::Make());
    BrushHandle brush(BrushKind::Make());
    UniqueHandle<HPEN, GdiObjectTraits<HPEN>> pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    const struct {
        const char* what;
        UINT type;
        HGDIOBJ object;
    } cases[] = {
        {"bitmap", OBJ_BITMAP, bitmap.Get()},
        {"font", OBJ_FONT, font.Get()},
        {"brush", OBJ_BRUSH, brush.Get()},
        {"pen", OBJ_PEN, pen.Get()},
        {"stock brush", OBJ_BRUSH, GetStockObject(BLACK_BRUSH)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const HGDIOBJ before = GetCurrentObject(dc.Get(), c.type);
        ASSERT_NE(before, c.object);
        {
            ScopedSelect select(dc.Get(), c.object);
            EXPECT_EQ(c.object, GetCurrentObject(dc.Get(), c.type));
        }
        EXPECT_EQ(before, GetCurrentObject(dc.Get(), c.type));
    }
}

TEST(ScopedSelect, NestedSelectionsUnwindInOrder)
{
    MemoryDc dc(nullptr);
    BrushHandle first(CreateSolidBrush(RGB(10, 0, 0)));
    BrushHandle second(CreateSolidBrush(RGB(20, 0, 0)));
    const HGDIOBJ start = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    {
        ScopedSelect outer(dc.Get(), first.Get());
        {
            ScopedSelect inner(dc.Get(), second.Get());
            EXPECT_EQ(second.Get(), GetCurrentObject(dc.Get(), OBJ_BRUSH));
        }
        EXPECT_EQ(first.Get(), GetCurrentObject(dc.Get(), OBJ_BRUSH));
    }
    EXPECT_EQ(start, GetCurrentObject(dc.Get(), OBJ_BRUSH));
}

TEST(MemoryDc, IsAMemoryDcForItsScopeAndDeletedAfter)
{
    HDC raw = nullptr;
    {
        MemoryDc dc(nullptr);
        raw = dc.Get();
        EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(raw));
    }
    EXPECT_EQ(0u, GetObjectType(raw));
}

// A COM object that counts its references.
class CountedUnknown : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;  // the one a creating call hands out
};

TEST(ComObject, ReleasesItsReferenceOnceAndBeforeReceivingAnother)
{
    CountedUnknown first;
    CountedUnknown second;
    {
        ComObject<IUnknown> holder;
        *holder.Receive() = &first;
        EXPECT_EQ(&first, holder.Get());
        *holder.Receive() = &second;  // the first reference goes before the second comes
        EXPECT_EQ(0u, first.references);
        EXPECT_EQ(1u, second.references);
        holder.Reset();
        EXPECT_FALSE(holder);
        holder.Reset();  // nothing held: nothing released
        EXPECT_EQ(0u, second.references);
        first.references = 1;
        *holder.ReceiveVoid() = static_cast<IUnknown*>(&first);
    }
    EXPECT_EQ(0u, first.references);
    EXPECT_EQ(0u, second.references);
}

}  // namespace
}  // namespace rolva
