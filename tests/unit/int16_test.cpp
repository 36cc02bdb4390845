#include "basic/int16.h"

#include <gtest/gtest.h>

#include "basic/runtime_error.h"

namespace startart {
namespace {

int OverflowNumber(auto&& operation) {
    try {
        operation();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST(Int16, ArithmeticInsideTheRangeIsExact) {
    EXPECT_EQ(Add16(32000, 767), 32767);
    EXPECT_EQ(Sub16(-32000, 768), -32768);
    EXPECT_EQ(Mul16(16, 1200), 19200);
    EXPECT_EQ(Mul16(-256, 128), -32768);
    EXPECT_EQ(Neg16(32767), -32767);
}

TEST(Int16, LeavingTheRangeIsOverflowError6) {
    EXPECT_EQ(OverflowNumber([] { Add16(32767, 1); }), 6);
    EXPECT_EQ(OverflowNumber([] { Sub16(-32768, 1); }), 6);
    EXPECT_EQ(OverflowNumber([] { Mul16(16, 2100); }), 6);
    EXPECT_EQ(OverflowNumber([] { Mul16(-32768, -1); }), 6);
    EXPECT_EQ(OverflowNumber([] { Neg16(-32768); }), 6);
}

TEST(Int16, ConversionRoundsHalvesToEven) {
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(-3.5), -4);
    EXPECT_EQ(ToInt16(7170.4999), 7170);
    EXPECT_EQ(ToInt16(10545.0f), 10545);
    EXPECT_EQ(ToInt16(32767.49), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
}

TEST(Int16, ConversionOutsideTheRangeIsOverflow) {
    EXPECT_EQ(OverflowNumber([] { ToInt16(32767.5); }), 6);
    EXPECT_EQ(OverflowNumber([] { ToInt16(-32768.51); }), 6);
    EXPECT_EQ(OverflowNumber([] { ToInt16(1e30); }), 6);
    EXPECT_EQ(OverflowNumber([] { ToInt16(std::numeric_limits<double>::infinity()); }), 6);
    EXPECT_EQ(OverflowNumber([] { ToInt16(std::numeric_limits<double>::quiet_NaN()); }), 6);
}

}  // namespace
}  // namespace startart
