#include "src/component/registration.h"

#include <fstream>
#include <stdexcept>

#include "src/component/cls_prefdesk.h"
#include "src/component/enumerations.h"
#include "src/columns/record_classes.h"

namespace prefdesk::component {

namespace {

using automation::ClassRecord;
using automation::EnumRecord;
using automation::InterfaceRecord;
using automation::MemberInfo;
using automation::MemberKind;
using automation::ParamInfo;

std::vector<MemberInfo> EventMembers() {
  return {MemberInfo{"OptionSuccess", kDispidOptionSuccess, MemberKind::Method,
                     {ParamInfo{"Option_Success", "Enum_OpitonSuccess"}}, ""}};
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

automation::TypeLibrary PrefdeskTypeLibrary() {
  automation::TypeLibrary library;
  library.name = "Prefdesk";
  library.guid = "{CFDF4F0D-DB12-49AB-A309-ADBC33205E38}";
  library.version_major = 1;
  library.version_minor = 1;
  library.locale = 1033;

  library.classes = {
      ClassRecord{"ClsPrefdesk", "{6D208C54-245F-44AA-AFC4-7E2500EE9304}", true, true, true,
                  kProgId, "_ClsPrefdesk", "__ClsPrefdesk"},
      ClassRecord{"clsTitleInfo", "{2D90B863-63C1-4B22-95BB-B1B5D2F86227}", false, false, false,
                  "", "_clsTitleInfo", ""},
      ClassRecord{"ClsListInfo", "{0F023FDB-3843-4421-9764-99AEB04E4A79}", false, false, false,
                  "", "_ClsListInfo", ""},
  };

  library.interfaces = {
      InterfaceRecord{"_ClsPrefdesk", "{1A893E7B-642A-4CA9-AA7A-2F64CCEAA670}", true, true, true,
                      true, ClsPrefdesk::DescribeMembers().Members()},
      InterfaceRecord{"__ClsPrefdesk", "{74FDD297-2FD8-4EDA-AD15-0453527798D3}", false, true,
                      false, false, EventMembers()},
      InterfaceRecord{"_clsTitleInfo", "{DAED535B-BEEE-4839-8737-467F0C4270A8}", true, false,
                      false, false, columns::clsTitleInfo::DescribeMembers().Members()},
      InterfaceRecord{"_ClsListInfo", "{B24EB3FB-46B6-4484-BF72-9FB874816B1F}", true, false,
                      false, false, columns::ClsListInfo::DescribeMembers().Members()},
  };

  library.enumerations = {
      EnumRecord{"Enum_TimeSlotInterval", "{3DD1C049-85BF-49C1-9606-CEBF83AF6884}",
                 {{"E_Time15", E_Time15},
                  {"E_Time30", E_Time30},
                  {"E_Time60", E_Time60},
                  {"E_Time120", E_Time120},
                  {"E_Time180", E_Time180},
                  {"E_Time240", E_Time240}}},
      EnumRecord{"Enum_OpitonSuccess", "{9FF687F6-9D68-4161-B450-6A3DCFAF0596}",
                 {{"E_OptionSuccess", E_OptionSuccess},
                  {"E_OptionFail", E_OptionFail},
                  {"E_OptionCancel", E_OptionCancel}}},
  };
  return library;
}

void WriteRegistrationRecord(const std::filesystem::path& folder) {
  const automation::TypeLibrary library = PrefdeskTypeLibrary();
  WriteFile(folder / "Prefdesk.typelib.json", automation::WriteTypeLibraryJson(library));
  WriteFile(folder / "Prefdesk.idl", automation::WriteTypeLibraryIdl(library));
}

}  // namespace prefdesk::component
