#include "autorun/autorun_application.h"

AutorunApplication::AutorunApplication() {
  app_.On<tk::Event::Start>([this](tk::CancelArgs& a) {
    form_ = std::make_unique<AutoRunForm>();
    if (!form_->Create(nullptr)) a.cancel = true;
    return true;
  });
  app_.On<tk::Event::End>([this] {
    form_.reset();
    return true;
  });
}

int AutorunApplication::Run() { return app_.Run(); }
