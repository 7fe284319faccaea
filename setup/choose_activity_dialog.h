// The activity chooser: a small modal dialog in which the player picks the activity that a
// mouse or joystick button, a hat direction or a digital axis direction triggers. The Mouse
// and Joystick pages each own one and open it from their grids; its operations also store the
// choice in the grid row's Controls entry and fill a grid column with the captions of the
// activities that a list of Controls entries holds.
//
// The result of the last run is program-wide (one pair for every chooser): ApplyChoice reads
// it right after the dialog closes. The window exists only while the dialog is shown; the
// object is reused for every run.
#pragma once

#include <span>
#include <string>

#include "config/setup_entry.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/handles.h"
#include "toolkit/label.h"
#include "toolkit/list_box.h"
#include "toolkit/picture_box.h"

// The Controls entry names shown by a grid, one per row in row order.
using ControlsKeyList = std::span<const char* const>;

class ChooseActivityDialog : public tk::Form {
 public:
  ChooseActivityDialog();

  tk::ListBox lb_ChooseActivity;
  tk::Button cb_OK;
  tk::Button cb_Cancel;
  tk::PictureBox pictb_ChooseActivity;
  tk::Label label_ChooseActivity;

  // True when the last run ended with OK or a double click on an item.
  static bool chosenFlag;
  // The activity accepted by the last run; null for the empty item (no activity).
  static KzSetupEntry* chosenEntry;

  // Shows the dialog modally over `owner` (which it disables while it runs) and returns
  // once it is closed.
  void RunChooser(HWND owner);
  // Stores the last run's choice in the Controls entry of the grid's current row and shows
  // its caption in `column`. Nothing happens without a choice or without a current row.
  static void ApplyChoice(tk::Grid& grid, ControlsKeyList keys, int column);
  // Cell (i, column) shows the caption of the activity that key i holds.
  static void FillControlsColumn(tk::Grid& grid, ControlsKeyList keys, int column);
  // The caption of the activity that the Controls entry holds; empty when it holds none. A
  // name that is no activity is reported by the lookup and shown between angle brackets, so
  // that the player sees that the file holds something the game will not understand.
  static std::wstring ActivityCaptionOf(const char* key);

 private:
  void Register() override;
  void Accept();

  tk::IconHandle windowIcon_;
  tk::IconHandle picture_;
};
