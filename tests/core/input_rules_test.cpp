#include "saver/input_rules.h"

#include <gtest/gtest.h>

namespace brelvix {
namespace {

struct KeyCase {
    int key;
    bool usable;
    bool secure;
    KeyOutcome outcome;
};

TEST(InputRules, KeysEndTheSaverAndF1OpensTheSetupUnlessTheDesktopLocks) {
    constexpr int kKeyA = 65;
    constexpr int kKeyF2 = 113;
    const KeyCase cases[] = {
        {kKeyF1, false, false, KeyOutcome::OpenSetup},
        {kKeyF1, false, true, KeyOutcome::EndSession},
        {kKeyF1, true, false, KeyOutcome::Nothing},
        {kKeyF1, true, true, KeyOutcome::Nothing},
        {kKeyA, false, false, KeyOutcome::EndSession},
        {kKeyA, false, true, KeyOutcome::EndSession},
        {kKeyF2, false, false, KeyOutcome::EndSession},
        {kKeyA, true, false, KeyOutcome::Nothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideSaverKey(c.key, c.usable, c.secure), c.outcome)
            << c.key << " usable " << c.usable << " secure " << c.secure;
    }
}

struct PressCase {
    int button;
    int shift;
    PressOutcome full;   // over the full-screen saver
    PressOutcome usable; // on the usable screen
};

TEST(InputRules, OnlyPlainLeftAndRightPressesCount) {
    const PressCase cases[] = {
        {kButtonLeft, kShiftNone, PressOutcome::EndSession, PressOutcome::Nothing},
        {kButtonRight, kShiftNone, PressOutcome::AboutWithHint, PressOutcome::AboutWithoutHint},
        {kButtonMiddle, kShiftNone, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonLeft, kShiftShift, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonLeft, kShiftCtrl, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonLeft, kShiftAlt, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonRight, kShiftCtrl, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonRight, kShiftShift | kShiftCtrl, PressOutcome::Nothing, PressOutcome::Nothing},
        {kButtonMiddle, kShiftAlt, PressOutcome::Nothing, PressOutcome::Nothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideSaverPress(c.button, c.shift, false), c.full) << c.button << "/" << c.shift;
        EXPECT_EQ(DecideSaverPress(c.button, c.shift, true), c.usable)
            << c.button << "/" << c.shift;
    }
}

struct BarCase {
    int button;
    int shift;
    bool usable;
    bool onStrip;
    bool onGlyph;
    StatusBarPress outcome;
};

TEST(InputRules, StatusBarDragsOnTheUsableScreenAndClosesOnlyThroughItsGlyph) {
    using B = StatusBarPress;
    const BarCase cases[] = {
        {kButtonLeft, kShiftNone, true, false, false, B::Drag},
        {kButtonLeft, kShiftShift, true, false, false, B::SaverPress},
        {kButtonLeft, kShiftNone, false, false, false, B::SaverPress},
        {kButtonRight, kShiftNone, true, false, false, B::SaverPress},
        {kButtonLeft, kShiftNone, true, true, true, B::CloseGlyph},
        {kButtonLeft, kShiftNone, false, true, true, B::Nothing},
        {kButtonRight, kShiftNone, true, true, true, B::Nothing},
        {kButtonLeft, kShiftCtrl, true, true, true, B::Nothing},
        {kButtonLeft, kShiftNone, true, true, false, B::Nothing},
        {kButtonLeft, kShiftNone, false, true, false, B::Nothing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecideStatusBarPress(c.button, c.shift, c.usable, c.onStrip, c.onGlyph),
                  c.outcome)
            << c.button << "/" << c.shift << " usable " << c.usable << " strip " << c.onStrip
            << " glyph " << c.onGlyph;
    }
}

struct MoveCase {
    int dx;
    int dy;
    bool ends;
};

TEST(InputRules, TwoPixelsOfTremblingAreToleratedThreeAreNot) {
    const MoveCase cases[] = {
        {0, 0, false}, {2, 0, false}, {-2, 0, false}, {0, 2, false}, {2, -2, false}, {3, 0, true},
        {-3, 0, true}, {0, 3, true},  {0, -3, true},  {3, 3, true},  {1, -3, true},  {100, 0, true},
    };
    for (const auto& c : cases) {
        MouseReference ref;
        EXPECT_FALSE(MouseMoveEndsSaver(ref, 500, 400)) << "the first position is the reference";
        EXPECT_TRUE(ref.MouseRefTaken);
        EXPECT_EQ(MouseMoveEndsSaver(ref, 500 + c.dx, 400 + c.dy), c.ends) << c.dx << "," << c.dy;
        EXPECT_EQ(ref.MouseRefTaken, !c.ends) << "an ending move drops the reference";
    }
}

TEST(InputRules, MovementIsMeasuredFromTheFirstPositionNotTheLast) {
    MouseReference ref;
    MouseMoveEndsSaver(ref, 10, 10);
    EXPECT_FALSE(MouseMoveEndsSaver(ref, 12, 10));
    EXPECT_TRUE(MouseMoveEndsSaver(ref, 13, 10)); // 1 pixel from the last, 3 from the first
}

TEST(InputRules, ADroppedReferenceIsTakenAgainWhereTheMouseThenIs) {
    MouseReference ref;
    MouseMoveEndsSaver(ref, 10, 10);
    ref.MouseRefTaken = false; // as a right press does
    EXPECT_FALSE(MouseMoveEndsSaver(ref, 200, 200));
    EXPECT_FALSE(MouseMoveEndsSaver(ref, 202, 198));
    EXPECT_TRUE(MouseMoveEndsSaver(ref, 197, 200));
}

TEST(InputRules, TheHintNamesTheProgramAndF1) {
    EXPECT_EQ(AboutHint(L"Brelvix"), L"(when Brelvix is running press F1 for setup)");
}

} // namespace
} // namespace brelvix
