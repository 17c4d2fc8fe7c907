#include "skin/core/NumericText.h"
#include "skin/core/ValueBoxModel.h"

#include <gtest/gtest.h>

namespace {

ValueBoxModel StepBox(int32_t minimum, int32_t maximum, int32_t step) {
    ValueBoxModel box;
    EXPECT_TRUE(box.SetRange(minimum, maximum));
    box.SetStep(step);
    return box;
}

ValueBoxModel TableBox() {
    ValueBoxModel box;
    EXPECT_TRUE(box.SetRange(1, 12));
    box.SetTable(DefaultValueTable());
    return box;
}

TEST(ValueBoxModel_Enter, FiltersTheTypedTextAndKeepsItInRange) {
    struct Case {
        const char* typed;
        int32_t value;
        bool rewrite;
    };
    const Case cases[] = {
        {"a-12b3", -50, true},    // -123 raised to the minimum
        {"12", 12, false},
        {"+7", 7, true},
        {"007", 7, true},         // leading zeros skipped
        {"0", 0, false},          // no start character at all: 0
        {"abc", 0, true},
        {"999", 50, true},        // capped at the maximum
        {"99999999999999999999", 50, true},  // far beyond 32 bits, still capped
        {"-", 0, true},
        {"1-2", 12, true},        // a sign after the first digit is dropped
    };
    for (const auto& c : cases) {
        ValueBoxModel box = StepBox(-50, 50, 1);
        const ValueBoxChange change = box.Enter(c.typed);
        EXPECT_EQ(change.value, c.value) << c.typed;
        EXPECT_EQ(box.Value(), c.value) << c.typed;
        EXPECT_EQ(change.rewriteField, c.rewrite) << c.typed;
        EXPECT_EQ(change.fieldText, std::to_string(c.value)) << c.typed;
        EXPECT_TRUE(change.notify) << c.typed;
    }
}

TEST(ValueBoxModel_FocusLost, SnapsToTheStepAndAlwaysReports) {
    struct Case {
        const char* typed;
        int32_t value;
        bool rewrite;
    };
    const Case cases[] = {
        {"12", 10, true},
        {"13", 15, true},
        {"15", 15, false},
        {"  7", 5, true},     // leading blanks skipped
        {"98", 100, true},
        {"104", 100, true},   // snapped to 105, capped
        {"-3", 0, true},      // snapped to -5, raised
        {"", 0, true},
        {"40x", 40, true},    // the number ends at the first other character
    };
    for (const auto& c : cases) {
        ValueBoxModel box = StepBox(0, 100, 5);
        const ValueBoxChange change = box.FocusLost(c.typed);
        EXPECT_EQ(change.value, c.value) << c.typed;
        EXPECT_EQ(change.rewriteField, c.rewrite) << c.typed;
        EXPECT_TRUE(change.notify) << c.typed;
    }
}

TEST(ValueBoxModel_StepButtons, MoveByTheStepOntoMultiplesInsideTheRange) {
    struct Case {
        const char* what;
        int32_t minimum, maximum, step, start;
        bool up;
        int32_t value;
    };
    const Case cases[] = {
        {"up from 12", 0, 100, 5, 12, true, 15},
        {"down from 12", 0, 100, 5, 12, false, 5},
        {"up at the maximum", 0, 100, 5, 100, true, 100},
        {"down at the minimum", 0, 100, 5, 0, false, 0},
        {"up with step 1", 0, 255, 1, 254, true, 255},
        {"down with step 1", 0, 255, 1, 1, false, 0},
        {"up towards a maximum off the step", 0, 13, 5, 10, true, 13},
        {"down from a value off the step", 0, 100, 5, 8, false, 5},
        {"negative values snap to the nearest multiple", -50, 50, 5, -2, false, -5},
    };
    for (const auto& c : cases) {
        ValueBoxModel box = StepBox(c.minimum, c.maximum, c.step);
        box.SetValue(c.start);
        const ValueBoxChange change = c.up ? box.Up() : box.Down();
        EXPECT_EQ(change.value, c.value) << c.what;
        EXPECT_EQ(box.Value(), c.value) << c.what;
        EXPECT_TRUE(change.notify) << c.what;
        EXPECT_EQ(change.fieldText, std::to_string(c.value)) << c.what;
    }
}

TEST(ValueBoxModel_TableButtons, WalkTheTableWithinTheRange) {
    ValueBoxModel box = TableBox();
    box.SetValue(12);
    EXPECT_FALSE(box.Up().notify);  // already at the maximum
    EXPECT_EQ(box.Value(), 12);
    box.SetValue(11);
    EXPECT_TRUE(box.Up().notify);
    EXPECT_EQ(box.Value(), 12);
    box.SetValue(1);
    EXPECT_FALSE(box.Down().notify);
    EXPECT_EQ(box.Value(), 1);
    box.SetValue(6);
    EXPECT_EQ(box.Down().value, 5);
    EXPECT_EQ(box.TableIndex(), 4u);
}

TEST(ValueBoxModel_Table, AValueNotInTheTableTakesIndexOne) {
    ValueBoxModel box;
    ASSERT_TRUE(box.SetRange(0, 1000));
    box.SetTable({100, 200, 300, 400, 500, 600, 700, 800, 900, 950, 980, 1000});
    box.SetValue(300);
    EXPECT_EQ(box.TableIndex(), 2u);
    box.SetValue(250);
    EXPECT_EQ(box.TableIndex(), 1u);
    EXPECT_EQ(box.Up().value, 300);
}

TEST(ValueBoxModel_SetRange, RefusesMinEqualMax) {
    ValueBoxModel box;
    EXPECT_FALSE(box.SetRange(4, 4));
    EXPECT_EQ(box.Minimum(), 0);
    EXPECT_EQ(box.Maximum(), 10);
}

TEST(ValueBoxModel_FieldLength, FitsTheLongestNumberOfTheRange) {
    struct Case {
        int32_t minimum, maximum, length;
    };
    const Case cases[] = {
        {0, 255, 3}, {1, 12, 2}, {-50, 50, 3}, {0, 9, 1}, {-100, 50, 4},
    };
    for (const auto& c : cases) {
        ValueBoxModel box;
        ASSERT_TRUE(box.SetRange(c.minimum, c.maximum));
        EXPECT_EQ(box.FieldLength(), c.length) << c.minimum << ".." << c.maximum;
    }
}

TEST(NumericOnly, KeepsDigitsCommaAndPeriod) {
    EXPECT_EQ(NumericOnly("12a3"), "123");
    EXPECT_TRUE(NeedsNumericRewrite("12a3"));
    EXPECT_EQ(NumericOnly("1,5.0 x-"), "1,5.0");
    EXPECT_FALSE(NeedsNumericRewrite("1,5.0"));
    EXPECT_EQ(NumericOnly(""), "");
}

TEST(NumericKeyAllowed, Table) {
    struct Case {
        uint32_t key;
        bool allowed;
    };
    const Case cases[] = {
        {'0', true}, {'9', true}, {0x0D, true}, {0xBC, true}, {0xBE, true},
        {0x25, true}, {0x27, true}, {0x24, true}, {0x23, true}, {0x08, true}, {0x2E, true},
        {'A', false},   // letters
        {0x60, false},  // keypad 0
        {0x69, false},  // keypad 9
        {0x26, false},  // up arrow
        {0xBD, false},  // minus
        {0x20, false},  // space
    };
    for (const auto& c : cases) EXPECT_EQ(NumericKeyAllowed(c.key), c.allowed) << std::hex << c.key;
}

}  // namespace
