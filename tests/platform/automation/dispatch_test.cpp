#include "platform/automation/dispatch.h"

#include <gtest/gtest.h>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "support/raised_number.h"

namespace prefdesk::automation {
namespace {

// A small late-bound object: a sum with an optional operand, a text property, and a nested
// object for dotted paths.
class Sample : public Dispatch {
 public:
  Sample() {
    table_.Add({"Add", 1, MemberKind::Method,
                {{"a", "Long"}, {"b", "Long", ParamDirection::In, true}}, "Long"},
               [](Arguments& args) {
                 EXPECT_EQ(args.size(), 2u);
                 return Variant(CLng(args[0]) + CLng(args[1]));
               });
    table_.Add({"Caption", 3, MemberKind::PropertyGet, {}, "String"},
               [this](Arguments&) { return Variant(caption_); });
    table_.Add({"Caption", 3, MemberKind::PropertyPut, {{"value", "String"}}, ""},
               [this](Arguments& args) {
                 caption_ = *args[0].Get<std::string>();
                 return Variant();
               });
    table_.Add({"Child", 4, MemberKind::PropertyGet, {}, "Object"},
               [this](Arguments&) { return child_; });
    table_.Add({"Level", 5, MemberKind::Method, {{"n", "Integer"}}, "Integer"},
               [](Arguments& args) { return args[0]; });
  }
  const MemberTable& Members() const override { return table_; }
  std::string ClassName() const override { return "Sample"; }

  std::string caption_;
  Variant child_;

 private:
  MemberTable table_;
};

TEST(Dispatch, RaisesForUnknownMembersAndWrongCounts) {
  Sample sample;
  Arguments none;
  Arguments three{1, 2, 3};
  Arguments big{int32_t{40000}};
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.Invoke("Missing", MemberKind::Method, none); }),
            kErrMemberNotFound);
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.Invoke(99, MemberKind::Method, none); }), kErrMemberNotFound);
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.Invoke("Add", MemberKind::Method, none); }),
            kErrWrongArgumentCount);
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.Invoke("Add", MemberKind::Method, three); }),
            kErrWrongArgumentCount);
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.Invoke("Level", MemberKind::Method, big); }), kErrOverflow);
  EXPECT_EQ(test_support::RaisedNumber([&] { sample.PutProperty("Add", 1); }), kErrMemberNotFound);
  try {
    sample.GetProperty("Nope");
    ADD_FAILURE() << "an unknown property was read";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Source(), "Sample");
    EXPECT_EQ(e.Description(), "Object doesn't support this property or method");
  }
}

TEST(Dispatch, MissingObjectsRaise91) {
  auto sample = std::make_shared<Sample>();
  const Variant object{ObjectRef(sample)};
  for (const Variant& missing : {Variant(), Variant(ObjectRef{}), Variant::Null(), Variant(5)}) {
    EXPECT_EQ(test_support::RaisedNumber([&] { GetProperty(missing, "Caption"); }), kErrObjectRequired);
    EXPECT_EQ(test_support::RaisedNumber([&] { PutProperty(missing, "Caption", "x"); }), kErrObjectRequired);
  }
  // The second step of a path reaches an unset object.
  EXPECT_EQ(test_support::RaisedNumber([&] { PutPropertyPath(object, {"Child", "Caption"}, "x"); }),
            kErrObjectRequired);
}

}  // namespace
}  // namespace prefdesk::automation
