#include "platform/automation/type_library.h"

#include <gtest/gtest.h>


namespace prefdesk::automation {
namespace {

TypeLibrary ExampleLibrary() {
  MemberTable table;
  const auto none = [](Arguments&) { return Variant(); };
  table.Add({"Count", 0x68030001, MemberKind::PropertyPut, {{"value", "Integer"}}, ""}, none);
  table.Add({"Read", 0x60030002, MemberKind::Method,
             {{"source", "Connection"}, {"value", "Long", ParamDirection::InOut},
              {"owner", "Object", ParamDirection::In, true}},
             "Boolean"},
            none);
  TypeLibrary library{"Demo", "{00000000-0000-0000-0000-00000000000A}", 1, 1, 1033, {}, {}, {}};
  library.classes.push_back({"ClsDemo", "{00000000-0000-0000-0000-00000000000B}", true, true, true,
                             "Demo.ClsDemo", "_ClsDemo", "__ClsDemo"});
  library.interfaces.push_back({"_ClsDemo", "{00000000-0000-0000-0000-00000000000C}", true, true,
                                true, true, table.Members()});
  library.interfaces.push_back({"__ClsDemo", "{00000000-0000-0000-0000-00000000000D}", false, true,
                                false, false,
                                {{"Done", 1, MemberKind::Method, {{"state", "Enum_State"}}, ""}}});
  library.enumerations.push_back(
      {"Enum_State", "{00000000-0000-0000-0000-00000000000E}", {{"E_On", 0}, {"E_Off", -1}}});
  return library;
}

TEST(TypeLibraryJson, WritesTheRecordInAFixedReadableForm) {
  const std::string json = WriteTypeLibraryJson(ExampleLibrary());
  EXPECT_TRUE(json.starts_with(
            "{\n  \"name\": \"Demo\",\n  \"guid\": \"{00000000-0000-0000-0000-00000000000A}\",\n"
            "  \"version\": \"1.1\",\n  \"locale\": 1033,\n"))
      << json;
  EXPECT_NE(json.find("\"flags\": [\n        \"appobject\",\n        \"creatable\",\n"
                      "        \"predeclid\"\n      ],\n      \"progId\": \"Demo.ClsDemo\","),
            std::string::npos);
  EXPECT_NE(json.find("\"slot\": 7,\n          \"name\": \"Count\",\n"
                      "          \"dispid\": \"0x68030001\",\n          \"kind\": \"propput\","),
            std::string::npos);
  EXPECT_NE(json.find("\"slot\": 8,"), std::string::npos);
  EXPECT_NE(json.find("\"direction\": \"inout\""), std::string::npos);
  EXPECT_NE(json.find("\"optional\": true"), std::string::npos);
  EXPECT_NE(json.find("\"result\": \"Boolean\""), std::string::npos);
  EXPECT_NE(json.find("\"result\": null"), std::string::npos);
  // The dispatch-only event interface has no slots.
  EXPECT_EQ(json.find("\"slot\": 9"), std::string::npos);
  EXPECT_NE(json.find("\"name\": \"E_Off\",\n          \"value\": -1"), std::string::npos);
  EXPECT_EQ(json.back(), '\n');
  EXPECT_EQ(json, WriteTypeLibraryJson(ExampleLibrary()));
}

TEST(TypeLibraryJson, EmptyListsAndEscapedNames) {
  TypeLibrary library;
  library.name = "Odd \"name\"\n";
  const std::string json = WriteTypeLibraryJson(library);
  EXPECT_NE(json.find("\"name\": \"Odd \\\"name\\\"\\n\""), std::string::npos);
  EXPECT_NE(json.find("\"classes\": [],\n  \"interfaces\": [],\n  \"enumerations\": []\n}"),
            std::string::npos);
}

TEST(TypeLibraryIdl, WritesAttributesMembersAndClasses) {
  const std::string idl = WriteTypeLibraryIdl(ExampleLibrary());
  EXPECT_TRUE(idl.starts_with(
      "[\n  uuid(00000000-0000-0000-0000-00000000000A),\n  version(1.1),\n  lcid(1033)\n]\n"))
      << idl;
  EXPECT_NE(idl.find("library Demo\n{"), std::string::npos);
  EXPECT_NE(idl.find("      hidden,\n      dual,\n      nonextensible,\n      oleautomation\n    ]\n"
                     "    interface _ClsDemo : IDispatch {\n"),
            std::string::npos);
  EXPECT_NE(idl.find("[id(0x68030001), propput]\n        HRESULT Count([in] short value);"),
            std::string::npos);
  EXPECT_NE(idl.find("HRESULT Read([in] Connection* source, [in, out] long* value, "
                     "[in, optional] IDispatch* owner, [out, retval] VARIANT_BOOL* result);"),
            std::string::npos);
  EXPECT_NE(idl.find("dispinterface __ClsDemo {\n        properties:\n        methods:\n"
                     "        [id(0x00000001)]\n        void Done([in] Enum_State state);"),
            std::string::npos);
  EXPECT_NE(idl.find("// programmatic name: Demo.ClsDemo\n"), std::string::npos);
  EXPECT_NE(idl.find("      appobject,\n      predeclid\n    ]\n    coclass ClsDemo {\n"
                     "        [default] interface _ClsDemo;\n"
                     "        [default, source] dispinterface __ClsDemo;\n"),
            std::string::npos);
  EXPECT_NE(idl.find("        E_On = 0,\n        E_Off = -1\n    } Enum_State;"), std::string::npos);
  EXPECT_EQ(DispidText(-4), "0xFFFFFFFC");
}

}  // namespace
}  // namespace prefdesk::automation
