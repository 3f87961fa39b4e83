#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using shell::DoubleFieldText;
using shell::DoubleToText;
using shell::ResultText;
using shell::RoundTo;
using shell::SingleToText;
using shell::TextToSingle;

TEST(TextToSingle, AcceptsPlainDecimalSpellings) {
  struct Case {
    const char* text;
    float value;
  } cases[] = {
      {"0.014", 0.014f}, {"1.5", 1.5f},   {"55000", 55000.0f}, {"-0.25", -0.25f},
      {"+3", 3.0f},      {".5", 0.5f},    {"5.", 5.0f},        {" 12.5 ", 12.5f},
      {"1e-5", 1e-5f},   {"2.5E3", 2500}, {"0", 0.0f},         {"-0", -0.0f},
      {"0.1", 0.1f},     {"1E-50", 0.0f},
  };
  for (const auto& c : cases) {
    auto v = TextToSingle(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(TextToSingle, RefusesWhatIsNotANumber) {
  for (const char* text : {"", " ", "abc", "nan", "NaN", "inf", "-inf", "infinity", "1,5", "1.2.3",
                           "--1", "+-1", "1e", "1e+", "0x10", "1 2", "e5", ".", "-", "1e39",
                           "3.5e38", "１２"}) {
    EXPECT_FALSE(TextToSingle(text).has_value()) << text;
  }
}

TEST(TextToSingle, RoundsTheDecimalToTheNearestSingle) {
  // 16777217 lies halfway between two singles and rounds to even.
  EXPECT_EQ(*TextToSingle("16777217"), 16777216.0f);
  EXPECT_EQ(*TextToSingle("0.1"), static_cast<float>(0.1));
}

TEST(SingleToText, ShortestPlainDecimalThatReadsBack) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {
      {0.014f, "0.014"}, {1.5f, "1.5"},         {55000.0f, "55000"},  {-0.25f, "-0.25"},
      {1e-5f, "0.00001"}, {0.0f, "0"},          {-0.0f, "0"},         {0.1f, "0.1"},
      {3.14159f, "3.14159"}, {1e10f, "10000000000"}, {2.5e-8f, "0.000000025"},
  };
  for (const auto& c : cases) EXPECT_EQ(SingleToText(c.value), c.text);
}

TEST(SingleToText, NeverSpellsNanOrInfinity) {
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::quiet_NaN()), "");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(ResultText(std::nan(""), 3), "");
}

TEST(SingleToText, RoundTripsEverySingleOfASweep) {
  // Walk through singles over many magnitudes: the text reads back equal.
  for (float v = 1e-7f; v < 1e9f; v = v * 1.37f + 1e-9f) {
    for (float w : {v, -v, std::nextafter(v, 2 * v)}) {
      auto back = TextToSingle(SingleToText(w));
      ASSERT_TRUE(back.has_value()) << w;
      EXPECT_EQ(*back, w);
    }
  }
}

TEST(DoubleToText, FifteenSignificantDigitsAsAPlainDecimal) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {5.550000000000001, "5.55"},
      {9.492812792012824, "9.49281279201282"},
      {-164.61285908175722, "-164.612859081757"},
      {0.1 + 0.2, "0.3"},
      {0.9999999999999999, "1"},
      {27.37, "27.37"},
      {36600.0, "36600"},
      {1e-7, "0.0000001"},
      {-0.000123456789012345678, "-0.000123456789012346"},
      {123456789012345678.0, "123456789012346000"},
      {99999.9999999999951, "100000"},
      {0.0, "0"},
      {-0.0, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(DoubleToText(c.value), c.text) << c.text;
  EXPECT_EQ(DoubleToText(std::nan("")), "");
  EXPECT_EQ(DoubleToText(-std::numeric_limits<double>::infinity()), "");
}

TEST(DoubleFieldText, ReadsBackToTheSameDouble) {
  EXPECT_EQ(DoubleFieldText(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(DoubleFieldText(1e-7), "0.0000001");
  EXPECT_EQ(DoubleFieldText(27.37), "27.37");
  EXPECT_EQ(DoubleFieldText(36600.0), "36600");
  EXPECT_EQ(DoubleFieldText(-0.0), "0");
  EXPECT_EQ(DoubleFieldText(std::nan("")), "");
  for (double v = 1e-9; v < 1e12; v = v * 1.731 + 1e-12)
    EXPECT_EQ(std::stod(DoubleFieldText(v)), v);
}

TEST(RoundTo, HalfUpToKDecimals) {
  struct Case {
    double x;
    int k;
    double rounded;
  } cases[] = {
      {1.2345, 3, 1.235}, {1.2344, 3, 1.234}, {2.5, 0, 3.0},    {-2.5, 0, -2.0},
      {-1.2346, 3, -1.235}, {0.0005, 3, 0.001}, {0.00049, 3, 0.0}, {123.456, 1, 123.5},
      {-0.0004, 3, 0.0},  {7.0, 2, 7.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundTo(c.x, c.k), c.rounded) << c.x;
}

TEST(ResultText, RoundsThenShowsTheSingle) {
  EXPECT_EQ(ResultText(1.23456, 3), "1.235");
  EXPECT_EQ(ResultText(0.5, 0), "1");
  EXPECT_EQ(ResultText(-0.0001, 3), "0");
  EXPECT_EQ(ResultText(2.0 / 3.0, 2), "0.67");
  // A single result is widened first: 0.0125f is a little above 0.0125.
  EXPECT_EQ(ResultText(0.0125f, 3), "0.013");
}
