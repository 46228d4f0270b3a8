#include "platform/automation/dispatch.h"

#include <gtest/gtest.h>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "support/raised_number.h"

namespace prefdesk::automation {
namespace {

// A small late-bound object: a sum with an optional operand, an in/out swap, a text
// property, an object property put by reference, and a nested object for dotted paths.
class Sample : public Dispatch {
 public:
  Sample() {
    table_.Add({"Add", 1, MemberKind::Method,
                {{"a", "Long"}, {"b", "Long", ParamDirection::In, true}}, "Long"},
               [](Arguments& args) {
                 EXPECT_EQ(args.size(), 2u);
                 return Variant(CLng(args[0]) + CLng(args[1]));
               });
    table_.Add({"Swap", 2, MemberKind::Method,
                {{"x", "String", ParamDirection::InOut}, {"y", "String", ParamDirection::InOut}},
                "Boolean"},
               [](Arguments& args) {
                 std::swap(args[0], args[1]);
                 return Variant(true);
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
    table_.Add({"Child", 4, MemberKind::PropertyPutRef, {{"value", "Object"}}, ""},
               [this](Arguments& args) {
                 child_ = args[0];
                 return Variant();
               });
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

TEST(Dispatch, InvokesByNameOrDispatchId) {
  Sample sample;
  Arguments args{int32_t{2}, "40"};
  EXPECT_EQ(sample.Invoke("add", MemberKind::Method, args), Variant(int32_t{42}));
  Arguments one{int16_t{5}};
  EXPECT_EQ(sample.Invoke(1, MemberKind::Method, one), Variant(int32_t{5}));
  EXPECT_EQ(one.size(), 1u);  // the omitted optional argument is not added to the caller's
}

TEST(Dispatch, WritesBackInOutArguments) {
  Sample sample;
  Arguments args{"left", "right"};
  EXPECT_EQ(sample.Invoke("Swap", MemberKind::Method, args), Variant(true));
  EXPECT_EQ(args[0], Variant("right"));
  EXPECT_EQ(args[1], Variant("left"));
  // In arguments are converted for the handler but left as they were for the caller.
  Arguments in{"3.6"};
  EXPECT_EQ(sample.Invoke("Level", MemberKind::Method, in), Variant(int16_t{4}));
  EXPECT_EQ(in[0], Variant("3.6"));
}

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

TEST(Dispatch, PropertiesByNameAndPutByReference) {
  auto sample = std::make_shared<Sample>();
  const Variant object{ObjectRef(sample)};
  PutProperty(object, "CAPTION", int32_t{12});
  EXPECT_EQ(sample->caption_, "12");
  EXPECT_EQ(GetProperty(object, "caption"), Variant("12"));

  auto child = std::make_shared<Sample>();
  PutProperty(object, "Child", ObjectRef(child));  // no put: falls back to the put by reference
  EXPECT_EQ(sample->child_, Variant(ObjectRef(child)));
  PutPropertyPath(object, {"Child", "Caption"}, "nested");
  EXPECT_EQ(child->caption_, "nested");
  EXPECT_EQ(test_support::RaisedNumber([&] { sample->PutProperty("Child", "text"); }), kErrMemberNotFound);
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

TEST(MemberTable, KeepsSlotOrderAndRefusesDuplicates) {
  Sample sample;
  const auto& members = sample.Members().Members();
  ASSERT_EQ(members.size(), 7u);
  EXPECT_EQ(members[2].name, "Caption");
  EXPECT_EQ(members[3].kind, MemberKind::PropertyPut);
  MemberTable table;
  table.Add({"A", 1, MemberKind::Method, {}, ""}, [](Arguments&) { return Variant(); });
  EXPECT_EQ(test_support::RaisedNumber([&] {
              table.Add({"a", 2, MemberKind::Method, {}, ""}, [](Arguments&) { return Variant(); });
            }),
            kErrKeyAlreadyUsed);
  EXPECT_NE(table.Find("a", MemberKind::Method), nullptr);
  EXPECT_EQ(table.Find("a", MemberKind::PropertyGet), nullptr);
}

TEST(EventSource, DeliversToAdvisedSinksOnly) {
  EventSource source;
  std::vector<std::string> received;
  const int first = source.Advise([&](int32_t dispid, const Arguments& args) {
    received.push_back("first " + std::to_string(dispid) + " " + CStr(args.at(0)));
  });
  int second = 0;
  second = source.Advise([&](int32_t dispid, const Arguments&) {
    received.push_back("second " + std::to_string(dispid));
    source.Unadvise(second);  // a sink may leave while the event is delivered
  });
  EXPECT_NE(first, second);
  source.Fire(1, {int32_t{2}});
  source.Fire(1, {int32_t{0}});
  source.Unadvise(first);
  source.Unadvise(first);
  source.Fire(1, {int32_t{1}});
  EXPECT_EQ(received, (std::vector<std::string>{"first 1 2", "second 1", "first 1 0"}));
}

}  // namespace
}  // namespace prefdesk::automation
