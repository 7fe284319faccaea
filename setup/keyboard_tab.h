// Tab 2 of the setup form: the two keys of each of the game's actions. The page is the form's child
// window; its controls come with the page's own template.
#pragma once

#include "toolkit/form.h"

class KeyboardTab : public tk::Form {
 public:
  KeyboardTab() : tk::Form(L"ID_KeyboardTab") {}

 private:
  void Register() override;
};
