#include "platform/automation/conversions.h"

#include <gtest/gtest.h>

#include "platform/automation/error.h"
#include "support/raised_number.h"

namespace prefdesk::automation {
namespace {

TEST(WholeNumbers, RoundHalfToEven) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(-3.5), -4);
  EXPECT_EQ(CInt(2.5000001), 3);
  EXPECT_EQ(CLng(Currency{25000}), 2);   // 2.5
  EXPECT_EQ(CLng(Currency{35000}), 4);   // 3.5
  EXPECT_EQ(CLng(Currency{-25001}), -3); // -2.5001
  EXPECT_EQ(CLng("  4.5 "), 4);
  EXPECT_EQ(CInt(Date{1.5}), 2);
}

TEST(WholeNumbers, OverflowAtTheTypeLimits) {
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(test_support::RaisedNumber([] { CInt(32767.5); }), kErrOverflow);  // rounds to 32768
  EXPECT_EQ(CInt(-32768.5), -32768);                              // rounds to even -32768
  EXPECT_EQ(test_support::RaisedNumber([] { CInt(int32_t{40000}); }), kErrOverflow);
  EXPECT_EQ(CLng(2147483647.0), 2147483647);
  EXPECT_EQ(test_support::RaisedNumber([] { CLng(2147483648.0); }), kErrOverflow);
  EXPECT_EQ(test_support::RaisedNumber([] { CLng("1e10"); }), kErrOverflow);
  EXPECT_EQ(test_support::RaisedNumber([] { CDbl("1e400"); }), kErrOverflow);
  EXPECT_EQ(test_support::RaisedNumber([] { CSng(1e39); }), kErrOverflow);
}

TEST(Conversions, NullRaisesAndEmptyIsZero) {
  const Variant null = Variant::Null();
  for (auto convert : {+[](const Variant& v) { CInt(v); }, +[](const Variant& v) { CLng(v); },
                       +[](const Variant& v) { CDbl(v); }, +[](const Variant& v) { CStr(v); },
                       +[](const Variant& v) { CBool(v); }, +[](const Variant& v) { CCur(v); },
                       +[](const Variant& v) { CDate(v); }}) {
    EXPECT_EQ(test_support::RaisedNumber([&] { convert(null); }), kErrInvalidUseOfNull);
  }
  const Variant empty;
  EXPECT_EQ(CInt(empty), 0);
  EXPECT_EQ(CLng(empty), 0);
  EXPECT_EQ(CDbl(empty), 0.0);
  EXPECT_EQ(CStr(empty), "");
  EXPECT_FALSE(CBool(empty));
  EXPECT_EQ(CCur(empty), Currency{});
  EXPECT_EQ(CDate(empty), Date{});
}

TEST(Conversions, TextThatIsNotANumberIsATypeMismatch) {
  for (const char* text : {"abc", "", " ", "1,5", "12a", "--1", "1e", "."}) {
    EXPECT_EQ(test_support::RaisedNumber([&] { CLng(text); }), kErrTypeMismatch) << text;
  }
  EXPECT_EQ(test_support::RaisedNumber([] { CBool("yes"); }), kErrTypeMismatch);
  EXPECT_EQ(test_support::RaisedNumber([] { CDate("tomorrow"); }), kErrTypeMismatch);
  EXPECT_EQ(test_support::RaisedNumber([] { CObj(int32_t{1}); }), kErrTypeMismatch);
  EXPECT_EQ(test_support::RaisedNumber([] { CObj(ObjectRef{}); }), kErrObjectRequired);
}

TEST(Conversions, Booleans) {
  EXPECT_EQ(CInt(true), -1);
  EXPECT_EQ(CDbl(true), -1.0);
  EXPECT_EQ(CInt(false), 0);
  EXPECT_TRUE(CBool(0.1));
  EXPECT_FALSE(CBool(int16_t{0}));
  EXPECT_TRUE(CBool(Currency{1}));
  EXPECT_TRUE(CBool("tRUE"));
  EXPECT_FALSE(CBool(" False "));
  EXPECT_TRUE(CBool("-1"));
  EXPECT_FALSE(CBool("0"));
  EXPECT_EQ(CStr(true), "True");
  EXPECT_EQ(CStr(false), "False");
}

TEST(Conversions, TextOfNumbers) {
  EXPECT_EQ(CStr(12.5), "12.5");
  EXPECT_EQ(CStr(3.0), "3");
  EXPECT_EQ(CStr(-0.25), "-0.25");
  EXPECT_EQ(CStr(0.1 + 0.2), "0.3");
  EXPECT_EQ(CStr(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(CStr(1e15), "1E+15");
  EXPECT_EQ(CStr(1.5e16), "1.5E+16");
  EXPECT_EQ(CStr(0.0001), "0.0001");
  EXPECT_EQ(CStr(0.00001), "1E-05");
  EXPECT_EQ(CStr(2.5f), "2.5");
  EXPECT_EQ(CStr(0.1f), "0.1");
  EXPECT_EQ(CStr(int16_t{-7}), "-7");
  EXPECT_EQ(CStr(int32_t{100000}), "100000");
}

TEST(Currency, TextRoundTripsAndRoundsAtTheFourthDecimal) {
  EXPECT_EQ(CCur("12.5").scaled, 125000);
  EXPECT_EQ(CCur(" -3.25 ").scaled, -32500);
  EXPECT_EQ(CCur("1.00005").scaled, 10000);   // half to even: down
  EXPECT_EQ(CCur("1.00015").scaled, 10002);   // half to even: up
  EXPECT_EQ(CCur("1.000050001").scaled, 10001);
  EXPECT_EQ(CCur("0.00004").scaled, 0);
  EXPECT_EQ(CCur("2.5e2").scaled, 2500000);
  EXPECT_EQ(CCur("922337203685477.5807").scaled, INT64_MAX);
  EXPECT_EQ(CCur("-922337203685477.5808").scaled, INT64_MIN);
  EXPECT_EQ(test_support::RaisedNumber([] { CCur("922337203685477.5808"); }), kErrOverflow);
  EXPECT_EQ(test_support::RaisedNumber([] { CCur("1e30"); }), kErrOverflow);
  EXPECT_EQ(CCur(0.125).scaled, 1250);
  EXPECT_EQ(CCur(int32_t{-7}).scaled, -70000);
  EXPECT_EQ(Currency::FromDouble(2.00025).scaled, 20002);

  EXPECT_EQ(CurrencyToText(Currency{125000}), "12.5");
  EXPECT_EQ(CurrencyToText(Currency{1000000}), "100");
  EXPECT_EQ(CurrencyToText(Currency{-32500}), "-3.25");
  EXPECT_EQ(CurrencyToText(Currency{1}), "0.0001");
  EXPECT_EQ(CurrencyToText(Currency{-1}), "-0.0001");
  EXPECT_EQ(CurrencyToText(Currency{INT64_MIN}), "-922337203685477.5808");
  for (const char* text : {"0", "12.5", "-3.25", "100", "0.0001", "922337203685477.5807"}) {
    EXPECT_EQ(CStr(CCur(text)), text);
  }
}

TEST(IsNumeric, FollowsThePlatformRule) {
  struct Case {
    Variant value;
    bool numeric;
  };
  const Case cases[] = {
      {Variant(), true},          {Variant::Null(), false},     {Variant(true), true},
      {Variant(int16_t{1}), true}, {Variant(2.5), true},        {Variant(Currency{1}), true},
      {Variant(Date{1.0}), false}, {Variant(ObjectRef{}), false}, {Variant(""), false},
      {Variant("   "), false},     {Variant(" 12 "), true},     {Variant("-1.5"), true},
      {Variant("+.5"), true},      {Variant("5."), true},       {Variant("1e3"), true},
      {Variant("1.5E-3"), true},   {Variant("1e"), false},      {Variant("1 2"), false},
      {Variant("12abc"), false},   {Variant("-"), false},       {Variant("0x10"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNumeric(c.value), c.numeric) << (c.value.Get<std::string>() ? *c.value.Get<std::string>() : "");
  }
}

TEST(Errors, PlatformNumbersCarryTheirStandardText) {
  try {
    CInt(1e9);
    FAIL() << "no error raised";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number(), kErrOverflow);
    EXPECT_EQ(e.Source(), "CInt");
    EXPECT_EQ(e.Description(), "Overflow");
    EXPECT_STREQ(e.what(), "Overflow");
  }
  EXPECT_EQ(ErrorText(kErrMemberNotFound), "Object doesn't support this property or method");
  EXPECT_EQ(ErrorText(kErrObjectRequired), "Object variable or With block variable not set");
  EXPECT_EQ(ErrorText(12345), "Application-defined or object-defined error");
}

}  // namespace
}  // namespace prefdesk::automation
