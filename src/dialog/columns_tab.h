// The Column tab of the options window: three linked check lists (titles, first-level lists
// of the current title, second-level lists of the current first-level list), their check marks
// (visibility) and the four move buttons of each list (ordering).
//
// The tab keeps two copies of the column layout:
//   LoadedColumns()  the loading collection: the records as they were read by LoadColumnValue
//                    (positions and visibility from the layout reader). Nothing edits it later;
//                    Save compares against it.
//   EditedColumns()  the column collection: field-by-field copies of the loading records, made
//                    at the end of LoadColumnValue. The check and move handlers and the refills
//                    of the dependent lists write to it; the layout writer saves it.
// Both are empty until LoadColumnValue has run and are replaced by a new load.
//
// The tab wires its own control events when constructed: OnClick of lstGrandFather and
// lstFather, OnItemCheck of the three lists, OnClick of the twelve move buttons. The controls
// must outlive the tab.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace prefdesk::ado { class Recordset; }
namespace prefdesk::columns { class clsMainOptionColumns; }
namespace prefdesk::ui {
class CheckListBox;
class CommandButton;
class Window;
}  // namespace prefdesk::ui

namespace prefdesk::dialog {

// The controls of the Column tab, owned by the options window.
struct ColumnsTabControls {
  ui::CheckListBox* lstGrandFather = nullptr;
  ui::CheckListBox* lstFather = nullptr;
  ui::CheckListBox* lstSon = nullptr;
  ui::CommandButton* cmdGrandFatherTop = nullptr;
  ui::CommandButton* cmdGrandFatherUp = nullptr;
  ui::CommandButton* cmdGrandFatherDown = nullptr;
  ui::CommandButton* cmdGrandFatherBottom = nullptr;
  ui::CommandButton* cmdFatherTop = nullptr;
  ui::CommandButton* cmdFatherUp = nullptr;
  ui::CommandButton* cmdFatherDown = nullptr;
  ui::CommandButton* cmdFatherBottom = nullptr;
  ui::CommandButton* cmdSonTop = nullptr;
  ui::CommandButton* cmdSonUp = nullptr;
  ui::CommandButton* cmdSonDown = nullptr;
  ui::CommandButton* cmdSonBottom = nullptr;
};

class ColumnsTab {
 public:
  // Every control must be given; raises 91 when one is missing.
  explicit ColumnsTab(const ColumnsTabControls& controls);
  // Takes the controls from the window by their names (lstGrandFather, ..., cmdSonBottom);
  // raises 438 when one is missing.
  explicit ColumnsTab(ui::Window& window);
  // Removes the handlers it put on the controls.
  ~ColumnsTab();
  ColumnsTab(const ColumnsTab&) = delete;
  ColumnsTab& operator=(const ColumnsTab&) = delete;

  // Loads the user's layout (the server's, else the local defaults) into the three lists and
  // the two collections, and makes the first title current. True when it failed; the layout
  // readers have shown their own errors.
  [[nodiscard]] bool LoadColumnValue();

  columns::clsMainOptionColumns& EditedColumns();
  columns::clsMainOptionColumns& LoadedColumns();

  // The layout record sets as the reader returned them, with the user's check marks and
  // positions written into their rows; the dependent lists are refilled from them. Empty
  // before loading; closed after a failed load.
  const std::shared_ptr<ado::Recordset>& TitleLists() const { return title_lists_; }
  const std::shared_ptr<ado::Recordset>& ListSons() const { return list_sons_; }

 private:
  enum class Move { Top, Up, Down, Bottom };
  void WireEvents();

  // Loading (columns_tab_load.cpp). Errors raised on the way end the load as a failure.
  struct LoadIndex;
  [[nodiscard]] bool ReadLayout();
  void PlaceStrayRows();
  void TitlePass(bool chinese);
  void ListPass();
  void LoadTitleLists(const std::string& title_name, const LoadIndex& index);
  void LoadListSons(const std::string& title_name, const std::string& list_name,
                    const LoadIndex& index);
  void CopyLoadedToEdited();
  void CloseRecordsets();

  // Refills of the dependent lists (columns_tab_refill.cpp).
  // The name of the title whose caption is the current item of lstGrandFather; empty when
  // none has it.
  std::string CurrentTitleName() const;
  void lstGrandFather_Click();
  void lstFather_Click();

  // Check marks (columns_tab_visibility.cpp).
  void lstGrandFather_ItemCheck(int16_t index);
  void lstFather_ItemCheck(int16_t index);
  void lstSon_ItemCheck(int16_t index);

  // Moves (columns_tab_order.cpp).
  void MoveItem(ui::CheckListBox& list, Move move);
  bool& GuardOf(const ui::CheckListBox& list);
  void RenumberTitles();
  void RenumberLists();
  void RenumberListSons();

  ColumnsTabControls controls_;
  // The layout as the reader returned it; the lists are refilled from these rows.
  std::shared_ptr<ado::Recordset> title_lists_;
  std::shared_ptr<ado::Recordset> list_sons_;
  int32_t title_min_ = 0, title_max_ = 0;
  int32_t list_min_ = 0, list_max_ = 0;
  int32_t son_min_ = 0, son_max_ = 0;
  std::unique_ptr<columns::clsMainOptionColumns> loaded_;
  std::unique_ptr<columns::clsMainOptionColumns> edited_;
  bool title_guard_ = false;
  bool list_guard_ = false;
  bool son_guard_ = false;
};

}  // namespace prefdesk::dialog
