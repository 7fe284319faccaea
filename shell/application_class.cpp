#include "shell/application_class.h"

#include <shellapi.h>

ApplicationClass::ApplicationClass(ShellActions actions, int argumentCount)
    : actions_(std::move(actions)), argumentCount_(argumentCount) {
  app_.On<tk::Event::Start>([this](tk::CancelArgs& a) {
    main_ = std::make_unique<MainForm>(actions_, argumentCount_);
    if (!main_->Create(nullptr)) a.cancel = true;
    return true;
  });
  app_.On<tk::Event::End>([this] {
    main_.reset();
    return true;
  });
}

int ApplicationClass::Run() { return app_.Run(); }

int CommandLineArgumentCount() {
  int count = 0;
  if (LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count)) LocalFree(args);
  return count;
}
