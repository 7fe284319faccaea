// Tab 3 of the setup form: the mouse's buttons, axes and sensitivity. The page is the form's child
// window; its controls come with the page's own template.
#pragma once

#include "toolkit/form.h"

class MouseTab : public tk::Form {
 public:
  MouseTab() : tk::Form(L"ID_MouseTab") {}

 private:
  void Register() override;
};
