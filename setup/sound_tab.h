// Tab 1 of the setup form: the sound settings. The page is the form's child window; its controls
// come with the page's own template.
#pragma once

#include "toolkit/form.h"

class SoundTab : public tk::Form {
 public:
  SoundTab() : tk::Form(L"ID_SoundTab") {}

 private:
  void Register() override;
};
