// The one writer of the user's files: a new file, a replaced one keeping how it was kept, a
// read-only target refused before anything is written, a write given up leaving the old file,
// and a target another program holds tried again and then reported. No temporary is ever left.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TestSupport.h"
#include "base/FileMessages.h"
#include "base/FileStreams.h"

namespace rolva {
namespace {

const char kTemporarySuffix[] = ".rolva-new";
const char kBackupSuffix[] = ".rolva-old";
constexpr DWORD kWatched = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;

class UserFileWriterTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-user-file-writer";
        test::RemoveTree(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        target_ = folder_ + "\\target.dat";
    }
    void TearDown() override { test::RemoveTree(folder_); }

    bool TemporaryLeft() const
    {
        return GetFileAttributesA((target_ + kTemporarySuffix).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    bool BackupLeft() const
    {
        return GetFileAttributesA((target_ + kBackupSuffix).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // The target's contents, read after clearing read-only so the fixture can read and remove it.
    std::string Contents() const
    {
        SetFileAttributesA(target_.c_str(), GetFileAttributesA(target_.c_str()) & ~FILE_ATTRIBUTE_READONLY);
        return test::ReadFileBytes(target_);
    }

    std::string folder_;
    std::string target_;
};

TEST_F(UserFileWriterTest, WritesReplacesRefusesAndGivesUpAsTheTargetAllows)
{
    struct Case {
        const char* name;
        const char* old;           // the target's contents before, nullptr when there is none
        DWORD oldAttributes;       // the target's attributes before
        DWORD madeWith;            // the attributes the new file is made with
        bool commit;               // false: the sink goes without Commit
        std::uint32_t error;       // what the writer reports, 0 when it saved
        bool opened;               // whether a new file was made at all
        const char* after;         // the target's contents after, nullptr when there is none
        DWORD attributesAfter;     // the watched attributes of the target after
    };
    const Case cases[] = {
        {"a new file", nullptr, 0, FILE_ATTRIBUTE_NORMAL, true, 0, true, "new", 0},
        {"a hidden file replaced stays hidden", "old", FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_NORMAL, true, 0, true,
         "new", FILE_ATTRIBUTE_HIDDEN},
        {"a system file replaced stays so", "old", FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_NORMAL, true, 0, true, "new",
         FILE_ATTRIBUTE_SYSTEM},
        {"made hidden over a plain file", "old", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN, true, 0, true, "new",
         FILE_ATTRIBUTE_HIDDEN},
        {"made hidden as a new file", nullptr, 0, FILE_ATTRIBUTE_HIDDEN, true, 0, true, "new", FILE_ATTRIBUTE_HIDDEN},
        {"a plain file replaced stays plain", "old", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL, true, 0, true, "new",
         0},
        {"read-only refused", "old", FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_NORMAL, true, ERROR_ACCESS_DENIED, false,
         "old", FILE_ATTRIBUTE_READONLY},
        {"hidden read-only refused", "old", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_NORMAL,
         true, ERROR_ACCESS_DENIED, false, "old", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
        {"given up over an old file", "old", FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_NORMAL, false, 0, true, "old", 0},
        {"given up with no file before", nullptr, 0, FILE_ATTRIBUTE_NORMAL, false, 0, true, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.old) {
            test::WriteFileBytes(target_, c.old);
            ASSERT_TRUE(SetFileAttributesA(target_.c_str(), c.oldAttributes));
        }
        {
            ReplacingFileSink sink(target_, c.madeWith);
            EXPECT_EQ(c.opened, sink.IsOpen());
            // Refused before anything is written: not even an empty new file beside the target.
            EXPECT_EQ(c.opened, TemporaryLeft());
            if (c.opened) {
                EXPECT_EQ(0u, WriteAllBytes(sink, "new", 3));
                if (c.commit) {
                    EXPECT_EQ(c.error == 0, sink.Commit());
                }
            }
            if (c.error != 0) {
                EXPECT_EQ(c.error, sink.LastError());
            }
        }
        EXPECT_FALSE(TemporaryLeft());
        EXPECT_FALSE(BackupLeft());
        const DWORD attributes = GetFileAttributesA(target_.c_str());
        if (c.after) {
            ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
            EXPECT_EQ(c.attributesAfter, attributes & kWatched) << std::hex << attributes;
            EXPECT_EQ(c.after, Contents());
        } else {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, attributes);
        }
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
            ASSERT_TRUE(DeleteFileA(target_.c_str()));
        }
    }
}

TEST_F(UserFileWriterTest, RefusedTargetsNeverReachTheEncoder)
{
    // A read-only file and a folder of the target's name: the error the save message shows.
    test::WriteFileBytes(target_, "old");
    ASSERT_TRUE(SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string folderTarget = folder_ + "\\taken";
    ASSERT_TRUE(CreateDirectoryA(folderTarget.c_str(), nullptr));
    for (const std::string& path : {target_, folderTarget}) {
        SCOPED_TRACE(path);
        bool encoded = false;
        const std::uint32_t error = WriteUserFile(path, [&encoded](ByteSink&) {
            encoded = true;
            return 0u;
        });
        EXPECT_EQ(static_cast<std::uint32_t>(ERROR_ACCESS_DENIED), error);
        EXPECT_FALSE(encoded);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + kTemporarySuffix).c_str()));
    }
    EXPECT_EQ("old", Contents());
    EXPECT_NE(0u, GetFileAttributesA(folderTarget.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(UserFileWriterTest, AnEncoderFailureIsReportedAndNothingIsReplaced)
{
    test::WriteFileBytes(target_, "old");
    const std::uint32_t error = WriteUserFile(target_, [](ByteSink& sink) {
        std::uint32_t written = 0;
        sink.Write("half", 4, &written);
        return static_cast<std::uint32_t>(ERROR_DISK_FULL);
    });
    EXPECT_EQ(static_cast<std::uint32_t>(ERROR_DISK_FULL), error);
    EXPECT_EQ("old", Contents());
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(UserFileWriterTest, AFinishedFileWaitsUnderItsTemporaryNameUntilCommitted)
{
    // The LED frames: all written first, then all renamed.
    test::WriteFileBytes(target_, "old");
    {
        ReplacingFileSink sink(target_, FILE_ATTRIBUTE_HIDDEN);
        ASSERT_EQ(0u, WriteAllBytes(sink, "new", 3));
        ASSERT_TRUE(sink.Finish());
        EXPECT_EQ("old", Contents());
        const DWORD waiting = GetFileAttributesA((target_ + kTemporarySuffix).c_str());
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, waiting);
        EXPECT_NE(0u, waiting & FILE_ATTRIBUTE_HIDDEN);
        EXPECT_EQ("new", test::ReadFileBytes(target_ + kTemporarySuffix));
    }
    // Never committed: the old file stays and the finished new one goes.
    EXPECT_EQ("old", Contents());
    EXPECT_FALSE(TemporaryLeft());

    ReplacingFileSink sink(target_);
    ASSERT_EQ(0u, WriteAllBytes(sink, "new", 3));
    ASSERT_TRUE(sink.Finish());
    EXPECT_TRUE(sink.Commit());
    EXPECT_EQ("new", Contents());
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(UserFileWriterTest, ATemporaryLeftByAnEarlierRunDoesNotStopASave)
{
    // A crash between writing and replacing leaves the new file beside the target, hidden or
    // read-only as it was made; the next save of that target must still go through.
    for (DWORD leftWith : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_SYSTEM}) {
        SCOPED_TRACE(leftWith);
        const std::string stale = target_ + kTemporarySuffix;
        test::WriteFileBytes(stale, "stale");
        ASSERT_TRUE(SetFileAttributesA(stale.c_str(), leftWith));
        EXPECT_EQ(0u, WriteUserFileBytes(target_, "new", 3));
        EXPECT_EQ(0u, GetFileAttributesA(target_.c_str()) & kWatched) << "the stale file's attributes came along";
        EXPECT_EQ("new", Contents());
        EXPECT_FALSE(TemporaryLeft());
        SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(target_.c_str());
    }
}

struct HeldFile {
    HANDLE handle;
    DWORD releaseAfterMs;  // INFINITE: held until the test lets go
};

DWORD WINAPI ReleaseLater(LPVOID parameter)
{
    const HeldFile* held = static_cast<const HeldFile*>(parameter);
    Sleep(held->releaseAfterMs);
    CloseHandle(held->handle);
    return 0;
}

TEST_F(UserFileWriterTest, ATargetHeldByAnotherHandleIsTriedAgainThenReported)
{
    struct Case {
        const char* name;
        DWORD releaseAfterMs;  // INFINITE: longer than the writer waits
        bool saved;
    };
    const Case cases[] = {
        {"let go of while the writer waits", 120, true},
        {"held for longer than the writer waits", INFINITE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteFileBytes(target_, "old");
        // No sharing at all: neither replacing nor renaming can take its name meanwhile.
        HeldFile held{CreateFileA(target_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr),
                      c.releaseAfterMs};
        ASSERT_NE(INVALID_HANDLE_VALUE, held.handle);
        HANDLE releaser = c.releaseAfterMs == INFINITE ? nullptr
                                                       : CreateThread(nullptr, 0, ReleaseLater, &held, 0, nullptr);
        const DWORD start = GetTickCount();
        const std::uint32_t error = WriteUserFileBytes(target_, "new", 3);
        const DWORD took = GetTickCount() - start;
        if (releaser) {
            WaitForSingleObject(releaser, INFINITE);
            CloseHandle(releaser);
        } else {
            CloseHandle(held.handle);
        }
        if (c.saved) {
            EXPECT_EQ(0u, error);
            EXPECT_EQ("new", Contents());
        } else {
            // Reported only after it was tried again for the while a scanner may hold a file.
            EXPECT_NE(0u, error);
            EXPECT_GE(took, 400u);
            EXPECT_EQ("old", Contents());
        }
        EXPECT_FALSE(TemporaryLeft());
        EXPECT_FALSE(BackupLeft());
        ASSERT_TRUE(DeleteFileA(target_.c_str()));
    }
}

// ReplaceFileW failing after the old file left its name, as it does on Windows when the new
// file cannot be renamed (a scanner opened it at that moment): a replace that takes the old file
// away and fails, and renames that fail while they are asked to.
DWORD gReplaceError;
bool gTemporaryMoveFails;
bool gOtherMovesFail;

BOOL WINAPI ReplaceLosingTheTarget(LPCWSTR replaced, LPCWSTR, LPCWSTR backup, DWORD, LPVOID, LPVOID)
{
    // _2: the old file is under the backup name; the other: it is gone.
    if (gReplaceError == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        MoveFileExW(replaced, backup, 0);
    else
        DeleteFileW(replaced);
    SetLastError(gReplaceError);
    return FALSE;
}

BOOL WINAPI MoveFailingWhenAsked(LPCWSTR from, LPCWSTR to, DWORD flags)
{
    const std::wstring source(from);
    const bool temporary = source.size() > 10 && source.compare(source.size() - 10, 10, L".rolva-new") == 0;
    if (temporary ? gTemporaryMoveFails : gOtherMovesFail) {
        SetLastError(ERROR_WRITE_PROTECT);
        return FALSE;
    }
    return MoveFileExW(from, to, flags);
}

TEST_F(UserFileWriterTest, AReplacementFailingAfterTheOldFileLeftNeverLosesBothCopies)
{
    struct Case {
        const char* name;
        DWORD replaceError;
        bool temporaryMoveFails;  // the new file cannot take the target's name afterwards
        bool otherMovesFail;      // nor the old one go back
        std::uint32_t error;
        const char* after;  // the target's contents after, nullptr when there is none
        bool newLeft;       // the new contents kept under the temporary name, and said
        bool oldLeft;       // the old contents kept under the backup name, and said
    };
    const Case cases[] = {
        {"gone, and the new file cannot take its name", ERROR_UNABLE_TO_MOVE_REPLACEMENT, true, true,
         ERROR_UNABLE_TO_MOVE_REPLACEMENT, nullptr, true, false},
        {"gone, and the new file takes its name", ERROR_UNABLE_TO_MOVE_REPLACEMENT, false, true, 0, "new", false,
         false},
        {"set aside, and neither can take its name", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, true,
         ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, nullptr, true, true},
        {"set aside, and the old one goes back", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true, false,
         ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, "old", false, false},
        {"set aside, and the new file takes its name", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, false, true, 0, "new", false,
         false},
    };
    const FilePlacingCalls real = gFilePlacing;
    gFilePlacing = {ReplaceLosingTheTarget, MoveFailingWhenAsked};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gReplaceError = c.replaceError;
        gTemporaryMoveFails = c.temporaryMoveFails;
        gOtherMovesFail = c.otherMovesFail;
        test::WriteFileBytes(target_, "old");
        const std::uint32_t error = WriteUserFileBytes(target_, "new", 3);
        EXPECT_EQ(c.error, error);
        if (c.after) {
            EXPECT_EQ(c.after, Contents());
        } else {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(target_.c_str()));
        }

        const std::string temporary = target_ + kTemporarySuffix;
        const std::string backup = target_ + kBackupSuffix;
        EXPECT_EQ(c.newLeft, TemporaryLeft());
        EXPECT_EQ(c.oldLeft, BackupLeft());
        if (c.newLeft) {
            EXPECT_EQ("new", test::ReadFileBytes(temporary));
        }
        if (c.oldLeft) {
            EXPECT_EQ("old", test::ReadFileBytes(backup));
        }
        EXPECT_EQ(c.newLeft ? temporary : std::string(), FilesLeftByLastSave().newContents);
        EXPECT_EQ(c.oldLeft ? backup : std::string(), FilesLeftByLastSave().oldContents);
        // The message the user reads names where each is.
        const std::string message = SaveErrorText(error);
        EXPECT_EQ(c.newLeft, message.find(temporary) != std::string::npos) << message;
        EXPECT_EQ(c.oldLeft, message.find(backup) != std::string::npos) << message;

        for (const std::string& path : {target_, temporary, backup}) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
    gFilePlacing = real;
}

// A backup an earlier save left behind (and named to the user) holds the only copy of what was
// there before it: a later save, replacing or failing, never overwrites or removes it, and keeps
// its own old contents under the next free name.
TEST_F(UserFileWriterTest, ABackupAnEarlierSaveLeftIsNeverOverwrittenOrRemoved)
{
    const std::string earlier = target_ + kBackupSuffix;
    const std::string next = earlier + "2";
    const struct {
        const char* name;
        bool failing;  // the replacement stops with the old file set aside and stuck there
    } cases[] = {{"replaced", false}, {"stopped half way", true}};
    const FilePlacingCalls real = gFilePlacing;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteFileBytes(earlier, "earlier old");
        test::WriteFileBytes(target_, "old");
        if (c.failing) {
            gFilePlacing = {ReplaceLosingTheTarget, MoveFailingWhenAsked};
            gReplaceError = ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
            gTemporaryMoveFails = true;
            gOtherMovesFail = true;
        }
        const std::uint32_t error = WriteUserFileBytes(target_, "new", 3);
        gFilePlacing = real;

        EXPECT_EQ("earlier old", test::ReadFileBytes(earlier));
        if (c.failing) {
            EXPECT_NE(0u, error);
            EXPECT_EQ(next, FilesLeftByLastSave().oldContents);
            EXPECT_EQ("old", test::ReadFileBytes(next));
        } else {
            EXPECT_EQ(0u, error);
            EXPECT_EQ("new", Contents());
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(next.c_str())) << "its own backup went";
        }
        for (const std::string& path : {target_, earlier, next, target_ + kTemporarySuffix}) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
}

// With every backup name taken by earlier saves, a save is refused rather than overwrite one.
TEST_F(UserFileWriterTest, ASaveWithEveryBackupNameTakenIsRefused)
{
    const std::string first = target_ + kBackupSuffix;
    for (int n = 1; n <= 99; ++n)
        test::WriteFileBytes(n == 1 ? first : first + std::to_string(n), "earlier " + std::to_string(n));
    test::WriteFileBytes(target_, "old");
    EXPECT_NE(0u, WriteUserFileBytes(target_, "new", 3));
    EXPECT_EQ("old", Contents());
    EXPECT_EQ("earlier 99", test::ReadFileBytes(first + "99"));
    EXPECT_FALSE(TemporaryLeft());
}

}  // namespace
}  // namespace rolva
