// A shell started in-process on a scratch installation whose program folder holds the media.
#pragma once

#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "shell/button_bar_form.h"
#include "shell/main_form.h"
#include "win_harness.h"

class ShellTest : public ::testing::Test {
 protected:
  // Media files of the scratch installation that are left out.
  std::set<std::wstring> omitted;
  int argumentCount = 1;

  void SetUp() override;
  void TearDown() override;

  // Creates the main window and waits until the bar shows; false when it never did.
  bool StartShell();
  bool BarVisible() const;
  HWND Bar() const { return main->ButtonBar().hwnd(); }

  wt::ScratchFolder install;
  std::unique_ptr<wt::RedirectedFiles> files;
  wt::MessageBoxRecorder boxes;
  std::unique_ptr<wt::SoundRecorder> sounds;
  ShellActions actions;
  std::unique_ptr<MainForm> main;
};
