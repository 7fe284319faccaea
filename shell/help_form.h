// The help viewer: eight full pictures, one at a time, chosen with a vertical scroll bar. The
// button bar owns the object for the whole run and owns its window; only the window comes and
// goes. Each opening starts at the first page; Esc or the close box closes it.
#pragma once

#include <string>

#include "toolkit/form.h"
#include "toolkit/handles.h"
#include "toolkit/picture_box.h"
#include "toolkit/scroll_bar.h"

inline constexpr int kHelpPageCount = 8;
inline constexpr int kHelpPictureWidth = 600;
inline constexpr int kHelpPictureHeight = 450;

// The page's file, relative to the program's folder: "KzR\LHelp01.bmp" for page 0.
std::string HelpPageFile(int page);

class HelpForm : public tk::Form {
 public:
  HelpForm();

  // Opens the window at page 0, owned by `owner`. An open window is brought to the front
  // instead, at the page it shows: there is never a second one.
  void Show(HWND owner);
  bool IsOpen() const { return hwnd() != nullptr; }
  // Loads the page's file afresh and shows it; a file in neither folder is reported and
  // leaves the box without a picture.
  void ShowHelpPage(int page);

  tk::PictureBox pictb_Help;
  tk::ScrollBar vscroll_Help;

 private:
  void Register() override;
  void Created() override;
  void Layout();

  // The picture shown; the box only borrows it.
  tk::BitmapHandle picture_;
};
