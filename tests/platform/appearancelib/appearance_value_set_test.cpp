// The appearance library on its own: scheme objects, the system-scheme collection, and the
// value set's lists, events and user actions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/appearancelib/appearance_object.h"
#include "platform/appearancelib/appearance_value_set.h"
#include "platform/appearancelib/scheme_collection.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::appearancelib {
namespace {

using automation::Arguments;
using automation::Variant;
using Strings = std::vector<std::string>;

// Doubles quotes and marks the text, so the tests see that the host's writer was used.
std::string MarkedLiteral(std::string_view text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

SchemeRef NamedScheme(const std::string& key, const std::string& chinese, const std::string& english) {
  auto scheme = Scheme::Create();
  scheme->SetValue("Name", Variant(key));
  scheme->SetValue("ScreenStyleNameChinese", Variant(chinese));
  scheme->SetValue("ScreenStyleNameEnglish", Variant(english));
  return scheme;
}

class ValueSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Toolkit::Current().UseHeadless();
    window_ = std::make_shared<ui::Window>("frmSchemes");
    set_ = window_->Add<AppearanceValueSet>("AppearanceValueSet1", {},
                                            ValueSetEnvironment{MarkedLiteral, [this] { return chinese_; }});
    window_->Load();
    window_->SetVisible(true);
    set_->Advise([this](int32_t dispid, const Arguments& args) {
      std::string text = std::to_string(dispid);
      for (const Variant& arg : args) text += "|" + automation::CStr(arg);
      events_.push_back(text);
    });
    schemes_->AddScheme("Standard", NamedScheme("Standard", "标准", "Standard"));
    schemes_->AddScheme("ClassicBlue", NamedScheme("ClassicBlue", "经典蓝", "Classic Blue"));
  }
  void TearDown() override { window_->Unload(); }

  std::shared_ptr<ui::Window> window_;
  std::shared_ptr<AppearanceValueSet> set_;
  SchemeCollectionRef schemes_ = SchemeCollection::Create();
  bool chinese_ = false;
  Strings events_;
};

TEST_F(ValueSetTest, InsertAndUpdateListsCoverTheTableColumnsInOrder) {
  std::string columns;
  std::string values;
  EXPECT_THROW(set_->GetInsertLists(columns, values), automation::AutomationError);
  const auto scheme = Scheme::Create();
  scheme->SetValue("ColorFormBack", Variant(int32_t{16114132}));
  scheme->SetValue("FontPopNameFrom", Variant("O'Neil Sans"));
  scheme->SetValue("FontBoldCaption", Variant(true));
  scheme->SetValue("ColorTitleTextSheet", Variant(16777215.0f));
  scheme->SetValue("FontSizeListColumnbar", Variant(10.5f));
  set_->SetCurrentScheme(scheme);
  set_->GetInsertLists(columns, values);
  EXPECT_TRUE(columns.starts_with("ColorFormBack,ColorPopFormBack,FontPopNameFrom,FontPopSizeFrom,FontNameCaption,"));
  EXPECT_TRUE(columns.ends_with(",FontNameListColumnbar,FontSizeListColumnbar,FontBoldListColumnbar,FontSizeList"));
  EXPECT_TRUE(values.starts_with("16114132,0,'O''Neil Sans',0,'',1,0,")) << values;
  EXPECT_TRUE(values.ends_with(",'',10.5,0,10.5")) << values;
  EXPECT_NE(values.find(",16777215,"), std::string::npos) << values;
  EXPECT_EQ(std::count(columns.begin(), columns.end(), ','), 45);
  EXPECT_EQ(std::count(values.begin(), values.end(), ','), 45);

  const std::string update = set_->GetUpdateList();
  EXPECT_TRUE(update.starts_with("ColorFormBack=16114132,ColorPopFormBack=0,FontPopNameFrom='O''Neil Sans',"));
  EXPECT_TRUE(update.ends_with(",FontSizeListColumnbar=10.5,FontBoldListColumnbar=0,FontSizeList=10.5"));
}

TEST_F(ValueSetTest, PersonsActionsRaiseTheEventsAndOnlyValidEditsChangeTheScheme) {
  set_->ShowDefaultSchemes(schemes_.get());
  const auto scheme = Scheme::Create();
  set_->SetCurrentScheme(scheme);
  EXPECT_TRUE(set_->UserSelectScheme(1));
  EXPECT_FALSE(set_->UserSelectScheme(2));
  EXPECT_EQ(set_->SelectedSchemeName(), "Classic Blue");
  EXPECT_TRUE(set_->UserCommand("SaveAs"));
  EXPECT_TRUE(set_->UserEditValue("ColorCaption", "blue"));
  EXPECT_TRUE(set_->UserEditValue("FontSizeGrid", "80"));
  EXPECT_TRUE(set_->UserEditValue("FontNameGrid", ""));
  EXPECT_TRUE(set_->UserEditValue("FontSizeGrid", "12"));
  EXPECT_EQ(events_, (Strings{"1|Scheme", "1|SaveAs", "2|AppearanceValueSet|13|Type mismatch",
                              "3|AppearanceValueSet|The font size must be between 1 and 72.",
                              "3|AppearanceValueSet|Please choose a font."}));
  EXPECT_EQ(scheme->Value("ColorCaption"), Variant(int32_t{0}));
  EXPECT_EQ(scheme->Value("FontSizeGrid"), Variant(12.0f));
  EXPECT_EQ(set_->ShownValue("FontNameGrid"), Variant(""));
  set_->SetDefaultFontName("宋体");
  EXPECT_EQ(set_->ShownValue("FontNameGrid"), Variant("宋体"));

  // A control that cannot be used does nothing.
  events_.clear();
  set_->SetEnabled(false);
  EXPECT_FALSE(set_->UserCommand("Delete"));
  EXPECT_FALSE(set_->UserSelectScheme(0));
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace prefdesk::appearancelib
