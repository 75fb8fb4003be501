#include "platform/component/variant.h"

#include <gtest/gtest.h>

#include "platform/component/error.h"

using kelvane::Array;
using kelvane::Error;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

ErrorKind KindOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no error";
  return ErrorKind::Other;
}

}  // namespace

TEST(Variant, TextOfEachType) {
  struct Case {
    Variant value;
    std::string text;
  } cases[] = {
      {Variant(), ""},
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(int16_t{-7}), "-7"},
      {Variant(int32_t{16711680}), "16711680"},
      {Variant(-4.5f), "-4.5"},
      {Variant(0.1f), "0.1"},
      {Variant(2.25), "2.25"},
      {Variant("abc"), "abc"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value.ToString(), c.text);
  EXPECT_EQ(KindOf([] { Variant(kelvane::Null{}).ToString(); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(KindOf([] { Variant(Array(0, 1)).ToString(); }), ErrorKind::TypeMismatch);
}

TEST(Variant, NumericTextAndWholeNumbers) {
  struct Case {
    const char* text;
    bool numeric;
  } cases[] = {{"12", true}, {" 12 ", true}, {"-4.5", true}, {"+3", true}, {".5", true}, {"1e3", true},
               {"", false}, {"abc", false}, {"0-1", false}, {"1e", false}, {"--1", false}, {"1.2.3", false}};
  for (const auto& c : cases) EXPECT_EQ(Variant(c.text).IsNumeric(), c.numeric) << c.text;
  EXPECT_FALSE(Variant().IsNumeric());
  EXPECT_TRUE(Variant(int16_t{3}).IsNumeric());

  EXPECT_EQ(Variant("0255").ToInt16(), 255);
  EXPECT_EQ(Variant().ToInt16(), 0);
  EXPECT_EQ(Variant("2.5").ToInt16(), 2);  // halves go to even
  EXPECT_EQ(Variant("3.5").ToInt16(), 4);
  EXPECT_EQ(Variant(true).ToInt16(), -1);
  EXPECT_EQ(KindOf([] { Variant("32768").ToInt16(); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Variant(int32_t{-40000}).ToInt16(); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { Variant("0-1").ToInt32(); }), ErrorKind::TypeMismatch);
  EXPECT_EQ(Variant("-4.5").ToSingle(), -4.5f);
}

TEST(Variant, Booleans) {
  EXPECT_TRUE(Variant("True").ToBool());
  EXPECT_FALSE(Variant("false").ToBool());
  EXPECT_TRUE(Variant(int16_t{2}).ToBool());
  EXPECT_EQ(KindOf([] { Variant("maybe").ToBool(); }), ErrorKind::TypeMismatch);
}

TEST(Array, TwoDimensionsGrowByRowsKeepingContents) {
  Array a(0, 1, 0, 0);
  a.Set(0, 0, "ARG");
  a.Set(1, 0, "Argentina");
  a.RedimPreserve(2);
  a.Set(0, 2, "FRA");
  EXPECT_EQ(a.UBound(1), 1);
  EXPECT_EQ(a.UBound(2), 2);
  EXPECT_EQ(a.at(0, 0).ToString(), "ARG");
  EXPECT_EQ(a.at(1, 0).ToString(), "Argentina");
  EXPECT_TRUE(a.at(1, 1).IsEmpty());
  EXPECT_EQ(a.at(0, 2).ToString(), "FRA");
  EXPECT_EQ(KindOf([&] { a.at(2, 0); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.at(0, 3); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.at(0); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.UBound(3); }), ErrorKind::SubscriptOutOfRange);
}

TEST(Array, ThreeDimensionsGrowInTheLastKeepingContents) {
  Array a(0, 2, 0, 4, 0, 0);
  a.Set(2, 4, 0, int16_t{7});
  a.Set(1, 0, 0, int16_t{3});
  a.RedimPreserve(3);
  a.Set(0, 1, 3, int16_t{9});
  EXPECT_EQ(a.Dimensions(), 3);
  EXPECT_EQ(a.UBound(2), 4);
  EXPECT_EQ(a.UBound(3), 3);
  EXPECT_EQ(a.size(), 3u * 5u * 4u);
  EXPECT_EQ(a.at(2, 4, 0), Variant(int16_t{7}));
  EXPECT_EQ(a.at(1, 0, 0), Variant(int16_t{3}));
  EXPECT_EQ(a.at(0, 1, 3), Variant(int16_t{9}));
  EXPECT_TRUE(a.at(2, 4, 3).IsEmpty());
  EXPECT_EQ(KindOf([&] { a.at(3, 0, 0); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.at(0, 5, 0); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.at(0, 0, 4); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([&] { a.at(0, 0); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(KindOf([] { Array(0, 1, 0, 1).at(0, 0, 0); }), ErrorKind::SubscriptOutOfRange);
}

TEST(Array, StringArrayStoresTextAndVariantCopiesAreDeep) {
  Array s(0, 1, Array::Elements::String);
  EXPECT_TRUE(s.at(0).IsString());
  s.Set(1, int16_t{5});
  EXPECT_EQ(s.at(1), Variant("5"));

  Variant original(std::move(s));
  Variant copy = original;
  copy.AsArray().Set(0, "changed");
  EXPECT_EQ(original.AsArray().at(0).ToString(), "");
  EXPECT_FALSE(original == copy);
  EXPECT_EQ(KindOf([] { Variant("x").AsArray(); }), ErrorKind::TypeMismatch);
}
