#include "toolkit/exception_report.h"

#include <windows.h>

#include <exception>
#include <string>

#include "toolkit/text.h"

namespace tk {

void ReportStoppedException(const wchar_t* where) noexcept {
  try {
    std::wstring text = L"Voltrane: an exception stopped at ";
    text += where;
    try {
      throw;
    } catch (const std::exception& e) {
      text += L": ";
      text += Widen(e.what());
    } catch (...) {
      text += L" (no text: not a standard exception)";
    }
    text += L"\n";
    OutputDebugStringW(text.c_str());
  } catch (...) {
    OutputDebugStringW(L"Voltrane: an exception stopped at a barrier\n");
  }
}

}  // namespace tk
