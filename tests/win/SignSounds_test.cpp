// The sounds of the signs on the real windows, where the test machine has no sound device: the
// program runs on with sound on, a roll tells the board each frame stop and 強 cuts it, the
// output's thread stops at once at the end, the user's sound files take the built-ins' place
// and a broken one is named once in a message while the built-in sound stays, and the サウンド
// menu keeps its choices in the program's own file.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/MenuIds.h"
#include "app/Application.h"
#include "app/SoundMenu.h"
#include "base/OwnFiles.h"
#include "base/WindowRegistry.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "sound/SignSounds.h"
#include "sound/SoundFiles.h"
#include "sound/SoundOutput.h"
#include "sound/core/SoundSynthesis.h"
#include "sound/core/WavFile.h"

namespace rolva {
namespace {

std::string WavBytes(const std::vector<std::int16_t>& samples, int rate)
{
    MemoryByteSink sink;
    EncodeWav(samples.data(), samples.size(), rate, 1, sink);
    return std::string(sink.Bytes().begin(), sink.Bytes().end());
}

class SignSoundsTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        real_ = OwnFileFoldersInUse();
        root_ = test::FreshTempFolder("rolva-sounds");
        sounds_ = root_ + "\\sounds";
        CreateDirectoryA(sounds_.c_str(), nullptr);
        UseOwnFileFolders({root_, root_ + "\\user", "win_tests"});
        UseSoundFolder(sounds_);
        for (int sign = 0; sign < kSignCount; ++sign) {
            gDocument.signs[sign].kind = static_cast<std::uint8_t>(SignKind::Roll);
            ResetSign(sign);
        }
        SoundSettings on;
        ChangeSoundSettings(on);
        GetMenuStringA(gMenus.sound, kCommandSoundOn, firstLabel_, sizeof firstLabel_, MF_BYCOMMAND);
    }

    void TearDown() override
    {
        for (int sign = 0; sign < kSignCount; ++sign) {
            ResetSign(sign);
            SetPanelText(kSpeedEditIds[sign], "0");
            SetPanelText(kIntervalEditIds[sign], "0");
            SetPanelText(kNumberDisplayIds[sign], "0");
            gDocument.signs[sign].keypadEntry.clear();
        }
        ChangeSoundSettings(SoundSettings{});
        UpdateSoundMenu(gMenus.sound);
        // The first item as the run's start showed it, before the output found no device.
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING;
        item.dwTypeData = firstLabel_;
        SetMenuItemInfoA(gMenus.sound, kCommandSoundOn, FALSE, &item);
        UseOwnFileFolders(real_);
        UseSoundFolder(SoundFolderBesideExecutable());
        test::RemoveTree(root_);
    }

    // The cues the signs wrote on the board while the roll ran, read as the output would.
    static std::vector<SoundEvent> CuesWhile(const std::function<void()>& act)
    {
        std::vector<SoundEvent> cues;
        SoundBoardReader reader;
        reader.Take(TheSoundBoard());
        act();
        const DWORD start = GetTickCount();
        while (!RollThreadsIdle() && GetTickCount() - start < 10000) {
            for (const SoundEvent& e : reader.Take(TheSoundBoard()))
                cues.push_back(e);
            test::PumpMessages(1);
            Sleep(1);
        }
        test::PumpMessages();
        for (const SoundEvent& e : reader.Take(TheSoundBoard()))
            cues.push_back(e);
        return cues;
    }

    static int Count(const std::vector<SoundEvent>& cues, SoundCue cue, int sign)
    {
        int count = 0;
        for (const SoundEvent& e : cues)
            count += e.cue == cue && e.sign == sign;
        return count;
    }

    OwnFileFolders real_;
    std::string root_;
    std::string sounds_;
    char firstLabel_[200] = {};
};

TEST_F(SignSoundsTest, ARollWithSoundOnEndsAsWithoutItAndKnocksAtEachFrame)
{
    EXPECT_TRUE(SoundOutputRunning());
    const int height = SignHeight(0);
    ASSERT_GT(height, 0);
    SetPanelText(kNumberDisplayIds[0], "3");
    SetPanelText(kSpeedEditIds[0], "0");
    // Knocks 200 ms apart: a reader held up on a busy machine still sees each on its own.
    SetPanelText(kIntervalEditIds[0], "200");
    const std::vector<SoundEvent> cues = CuesWhile([] { StartSign(0); });
    EXPECT_EQ(3, gDocument.signs[0].currentFrame);
    EXPECT_EQ(-3 * height, gDocument.signs[0].scrollOffset);
    EXPECT_EQ(3, Count(cues, SoundCue::Knock, 0)) << "one knock at each frame the strip stood on";
    EXPECT_GE(Count(cues, SoundCue::Move, 0), 1);
    EXPECT_EQ(0, Count(cues, SoundCue::Cut, 0));
    // The last word on the motor (a knock seen a look late may come after it).
    SoundCue lastMotor = SoundCue::Knock;
    for (const SoundEvent& event : cues) {
        if (event.sign == 0 && (event.cue == SoundCue::Move || event.cue == SoundCue::Halt))
            lastMotor = event.cue;
    }
    EXPECT_EQ(SoundCue::Halt, lastMotor) << "the motor stands at the end";
    EXPECT_EQ(0, Count(cues, SoundCue::Knock, 1)) << "the other sign stayed silent";
    EXPECT_EQ(nullptr, test::FindOwnDialog()) << "no message, though no device plays the sound";
}

TEST_F(SignSoundsTest, ResetCutsTheMotorAtOnce)
{
    SetPanelText(kNumberDisplayIds[1], "5");
    SetPanelText(kSpeedEditIds[1], "20");
    SetPanelText(kIntervalEditIds[1], "0");
    const std::vector<SoundEvent> cues = CuesWhile([] {
        StartSign(1);
        ASSERT_TRUE(test::PumpUntil([] { return gDocument.signs[1].scrollOffset <= -3; }));
        ResetSign(1);
    });
    EXPECT_EQ(0, gDocument.signs[1].scrollOffset);
    EXPECT_GE(Count(cues, SoundCue::Cut, 1), 1);
    ASSERT_FALSE(cues.empty());
    EXPECT_NE(SoundCue::Move, cues.back().cue) << "no motor after the cut";
}

TEST_F(SignSoundsTest, TheOutputStopsAtOnceAndStartsAgain)
{
    ASSERT_TRUE(SoundOutputRunning());
    const DWORD start = GetTickCount();
    EndSignSounds();
    EXPECT_LT(GetTickCount() - start, 1000u) << "the end of the program waits for no sound";
    EXPECT_FALSE(SoundOutputRunning());
    SoundSettings settings;
    ChangeSoundSettings(settings);
    EXPECT_TRUE(SoundOutputRunning());
}

TEST_F(SignSoundsTest, AUserFileTakesTheMotorsPlaceAndABrokenOneIsNamedOnce)
{
    // A motor of its own at half the mixer's rate, a knock that is no WAV, a click in 24 bits.
    const std::vector<std::int16_t> motor = {0, 8192, 16384, 8192, 0, -8192};
    test::WriteFileBytes(sounds_ + "\\motor.wav", WavBytes(motor, kSoundRate / 2));
    test::WriteFileBytes(sounds_ + "\\knock.wav", "not a sound");
    std::string click = WavBytes({1, 2, 3}, kSoundRate);
    click[34] = 24;  // bits per sample
    test::WriteFileBytes(sounds_ + "\\click.wav", click);
    UseSoundFolder(sounds_);

    const std::shared_ptr<const SoundSet> sounds = CurrentSounds();
    ASSERT_EQ(2 * motor.size(), sounds->motor.samples.size());
    EXPECT_FLOAT_EQ(0.25f, sounds->motor.samples[2]);
    EXPECT_EQ(SynthesizeKnock().samples, sounds->knock.samples) << "the built-in knock in place of the broken one";
    EXPECT_EQ(SynthesizeClick().samples, sounds->click.samples);

    std::vector<test::DialogAnswerer::Seen> seen;
    {
        test::DialogAnswerer answerer(IDOK);
        ShowSoundFileProblems(gApp.form);
        ShowSoundFileProblems(gApp.form);
        seen = answerer.SeenSoFar();
    }
    ASSERT_EQ(1u, seen.size()) << "one message for both files, once";
    EXPECT_EQ("読み込みエラー", seen[0].caption);
    EXPECT_NE(std::string::npos, seen[0].text.find(sounds_ + "\\knock.wav"));
    EXPECT_NE(std::string::npos, seen[0].text.find("WAV形式のファイルではありません。"));
    EXPECT_NE(std::string::npos, seen[0].text.find(sounds_ + "\\click.wav"));
    EXPECT_NE(std::string::npos, seen[0].text.find("8ビットか16ビット"));
    EXPECT_EQ(std::string::npos, seen[0].text.find("motor.wav"));
    EXPECT_EQ(gApp.form, seen[0].owner);
}

TEST_F(SignSoundsTest, TheSoundMenuKeepsItsChoicesInTheProgramsOwnFile)
{
    auto checked = [](int id) {
        SendMessageA(gApp.form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(gMenus.sound), 0);
        return (GetMenuState(gMenus.sound, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    const std::string file = root_ + "\\win_tests.sound";
    EXPECT_TRUE(checked(kCommandSoundOn));
    EXPECT_TRUE(checked(kCommandSoundVolumeFirst + 3)) << "80 % at first";

    SendMessageA(gApp.form, WM_COMMAND, kCommandSoundOn, 0);
    EXPECT_FALSE(checked(kCommandSoundOn));
    EXPECT_FALSE(SoundOutputRunning());
    EXPECT_EQ("sound=0\r\nvolume=80\r\nledclick=0\r\n", test::ReadFileBytes(file));

    SendMessageA(gApp.form, WM_COMMAND, kCommandSoundVolumeFirst + 1, 0);
    SendMessageA(gApp.form, WM_COMMAND, kCommandSoundLedClick, 0);
    SendMessageA(gApp.form, WM_COMMAND, kCommandSoundOn, 0);
    EXPECT_TRUE(checked(kCommandSoundOn));
    EXPECT_TRUE(checked(kCommandSoundVolumeFirst + 1));
    EXPECT_FALSE(checked(kCommandSoundVolumeFirst + 3));
    EXPECT_TRUE(checked(kCommandSoundLedClick));
    EXPECT_TRUE(SoundOutputRunning());
    EXPECT_EQ("sound=1\r\nvolume=40\r\nledclick=1\r\n", test::ReadFileBytes(file));

    // Where the device is missing the first item says so, and nothing else does.
    char label[200] = {};
    GetMenuStringA(gMenus.sound, kCommandSoundOn, label, sizeof label, MF_BYCOMMAND);
    test::WaitUntil([] { return SoundOutputFailed() || SoundBuffersPlayed() > 0; });
    SendMessageA(gApp.form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(gMenus.sound), 0);
    GetMenuStringA(gMenus.sound, kCommandSoundOn, label, sizeof label, MF_BYCOMMAND);
    if (SoundOutputFailed())
        EXPECT_STREQ("音を鳴らす(&O)（出力できる装置がありません）", label);
    else
        EXPECT_STREQ("音を鳴らす(&O)", label);
}

}  // namespace
}  // namespace rolva
