#include <cstring>
#include <thread>

#include "component_fixture.h"

namespace prefdesk::component_test {
namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::Variant;
using state::AppearanceValues;
using component::ClsPrefdesk;

using AppearanceTest = ComponentTest;

// A value set where every value differs from its default and from the others.
AppearanceValues Distinct(int seed) {
  AppearanceValues values;
  for (int i = 0; i < state::kAppearanceValueCount; ++i) {
    const std::string_view type = state::AppearanceValueInfos()[i].type;
    Variant v;
    if (type == "Long") v = Variant(int32_t{seed * 1000 + i});
    if (type == "Single") v = Variant(static_cast<float>(seed) + i / 4.0f);
    if (type == "String") v = Variant("Font" + std::to_string(seed) + "_" + std::to_string(i));
    if (type == "Boolean") v = Variant(true);
    state::SetAppearanceValue(values, i, v);
  }
  return values;
}

std::vector<Variant> AllValues(const AppearanceValues& values) {
  std::vector<Variant> all;
  for (int i = 0; i < state::kAppearanceValueCount; ++i) all.push_back(state::GetAppearanceValue(values, i));
  return all;
}

TEST_F(AppearanceTest, EverythingStartsAtZeroEmptyOrFalse) {
  std::vector<Variant> fresh;
  std::thread([&] {
    AppearanceValues values = Distinct(3);
    ClsPrefdesk::Create()->GetAppearance(values);
    fresh = AllValues(values);
  }).join();
  ASSERT_EQ(fresh.size(), 45u);
  for (int i = 0; i < 45; ++i) {
    const std::string_view type = state::AppearanceValueInfos()[i].type;
    Variant zero = type == "Long"     ? Variant(int32_t{0})
                   : type == "Single" ? Variant(0.0f)
                   : type == "String" ? Variant("")
                                      : Variant(false);
    EXPECT_EQ(fresh[i], zero) << state::AppearanceValueInfos()[i].name;
  }
}

TEST_F(AppearanceTest, GroupSetterChangesOnlyItsGroup) {
  auto prefdesk = ClsPrefdesk::Create();
  const AppearanceValues before = Distinct(1);
  EXPECT_FALSE(prefdesk->SetAppearance(before));
  const AppearanceValues grid_source = Distinct(2);
  EXPECT_FALSE(prefdesk->SetAppearance4(grid_source.Grid));

  AppearanceValues after;
  EXPECT_FALSE(prefdesk->GetAppearance(after));
  auto range = state::AppearanceGroupRange(4);
  int changed = 0;
  for (int i = 0; i < state::kAppearanceValueCount; ++i) {
    bool in_grid = i >= range.first && i < range.first + range.count;
    Variant expected = state::GetAppearanceValue(in_grid ? grid_source : before, i);
    EXPECT_EQ(state::GetAppearanceValue(after, i), expected) << i;
    changed += in_grid;
  }
  EXPECT_EQ(changed, 12);
}

TEST_F(AppearanceTest, ByDispatchIdTheSingleColoursKeepTheirBits) {
  auto prefdesk = ClsPrefdesk::Create();
  const AppearanceValues values = Distinct(5);
  Arguments set_args = AllValues(values);
  const float odd = 1.0e-38f * 3.3f;  // a value that a round trip through another type would lose
  set_args[22] = Variant(odd);
  EXPECT_EQ(prefdesk->Invoke(0x6003001d, MemberKind::Method, set_args), Variant(false));

  Arguments sheet(5);
  EXPECT_EQ(prefdesk->Invoke(0x60030018, MemberKind::Method, sheet), Variant(false));  // GetAppearance5
  ASSERT_EQ(sheet[2].Type(), automation::VarType::Single);
  float got = *sheet[2].Get<float>();
  EXPECT_EQ(std::memcmp(&got, &odd, sizeof odd), 0);
  EXPECT_EQ(sheet[3], Variant("Font5_23"));

  Arguments chart(4);
  prefdesk->Invoke("GetAppearance6", MemberKind::Method, chart);
  EXPECT_EQ(chart[1], state::GetAppearanceValue(values, 26));
}

class FontTest : public ComponentTest {
 protected:
  void SetUp() override {
    ComponentTest::SetUp();
    progress_ = std::make_shared<ui::Window>("frmSaveProgress");
    progress_label_ = progress_->Add<ui::Label>("lblInfo");
    progress_bar_ = progress_->Add<ui::ProgressBar>("ProgressBar1");
    state::Hooks().progress_window = [this] {
      progress_->Load();
      return state::WindowWithControls{progress_, {progress_label_, progress_bar_}};
    };
  }
  void TearDown() override {
    progress_->Unload();
    ComponentTest::TearDown();
  }

  std::shared_ptr<ui::Window> progress_;
  std::shared_ptr<ui::Label> progress_label_;
  std::shared_ptr<ui::ProgressBar> progress_bar_;
};

TEST_F(FontTest, FontNameReachesBothWindowsAndEveryControlWithAFont) {
  auto prefdesk = ClsPrefdesk::Create();
  prefdesk->SetFontName("Tahoma");
  auto dialog = last_dialog_.lock();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Form()->GetFont().Spec().name, "Tahoma");
  for (const auto& control : dialog->FormControls()) {
    if (control->HasFont()) {
      EXPECT_EQ(control->GetFont()->Spec().name, "Tahoma") << control->Name();
    }
  }
  EXPECT_EQ(progress_->GetFont().Spec().name, "Tahoma");
  EXPECT_EQ(progress_label_->GetFont()->Spec().name, "Tahoma");
  EXPECT_EQ(prefdesk->FontName(), "Tahoma");
}

TEST_F(FontTest, FontSizeSkipsWhatFails) {
  auto prefdesk = ClsPrefdesk::Create();
  automation::Arguments size{Variant(12.0f)};
  prefdesk->Invoke(0x68030000, MemberKind::PropertyPut, size);
  EXPECT_EQ(prefdesk->FontSize(), 12.0f);
  EXPECT_EQ(progress_label_->GetFont()->Spec().size, 12.0f);
  // A size the fonts refuse changes nothing and raises nothing.
  EXPECT_NO_THROW(prefdesk->SetFontSize(-1.0f));
  EXPECT_EQ(prefdesk->FontSize(), 12.0f);
}

}  // namespace
}  // namespace prefdesk::component_test
