#include "sound/core/SoundBoard.h"

#include <gtest/gtest.h>

#include "SoundCueText.h"

namespace rolva {
namespace {

TEST(SoundBoard, WhatChangedBetweenTwoLooksBecomesCuesInOrder)
{
    SoundBoard board;
    SoundBoardReader reader;
    struct Step {
        void (*write)(SoundBoard&);
        const char* cues;
    };
    const Step steps[] = {
        {[](SoundBoard&) {}, ""},
        {[](SoundBoard& b) { b.Moving(0, 10); }, "0move10 "},
        {[](SoundBoard& b) { b.Moving(0, 10); }, ""},
        {[](SoundBoard& b) { b.Moving(0, 4); }, "0move4 "},
        {[](SoundBoard& b) { b.FrameStop(0); }, "0knock 0halt "},
        {[](SoundBoard& b) { b.Moving(0, 4); }, "0move4 "},
        // A whole frame between two looks: the knock is heard and the motor runs on.
        {[](SoundBoard& b) { b.FrameStop(0); b.Moving(0, 4); }, "0knock "},
        {[](SoundBoard& b) { b.Moving(1, -3); b.Halted(0); }, "0halt 1move0 "},
        {[](SoundBoard& b) { b.FrameStop(1); b.Cut(1); }, "1knock 1cut "},
        {[](SoundBoard& b) { for (int k = 0; k < 5; ++k) b.Click(0); }, "0click 0click "},
        {[](SoundBoard& b) { b.Cut(0); b.Moving(2, 10); b.Click(-1); }, "0cut "},
        // A roll started again at its old speed right after a cut: its motor runs again.
        {[](SoundBoard& b) { b.Moving(0, 4); }, "0move4 "},
        {[](SoundBoard& b) { b.Cut(0); b.Moving(0, 4); }, "0cut 0move4 "},
    };
    for (const Step& step : steps) {
        step.write(board);
        EXPECT_EQ(step.cues, test::SignCues(reader.Take(board))) << step.cues;
    }
}

// An output started after some rolls hears only what comes after: the motor still running,
// and no knock, click or cut of before.
TEST(SoundBoard, AReaderThatBeginsNowHearsNothingOfThePastButARunningMotor)
{
    SoundBoard board;
    board.FrameStop(0);
    board.Click(1);
    board.Cut(1);
    board.Moving(0, 7);
    SoundBoardReader reader(board);
    EXPECT_EQ("0move7 ", test::SignCues(reader.Take(board)));
    board.FrameStop(0);
    EXPECT_EQ("0knock 0halt ", test::SignCues(reader.Take(board)));
}

}  // namespace
}  // namespace rolva
