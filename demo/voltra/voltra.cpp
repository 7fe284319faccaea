// The stand-in of the game "voltra.exe": it records how it was started (voltra_report.h), then
// shows a full-screen window with a few values of the configuration file it found. It ends on
// Esc, or after the seconds that VOLTRA_SECONDS gives.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/font.h"
#include "voltra_report.h"

namespace {

constexpr UINT_PTR kEndTimer = 1;

struct GameWindow {
  std::wstring configuration;
  std::vector<voltra::Shown> values;
  tk::FontHandle title;
  tk::FontHandle text;
};

GameWindow* TheGame(HWND hwnd) {
  return reinterpret_cast<GameWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Paint(HWND hwnd, HDC dc, const GameWindow& game) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  const int left = client.right / 8;
  int top = client.bottom / 6;
  HGDIOBJ old = SelectObject(dc, game.title.get());
  SetTextColor(dc, RGB(255, 170, 40));
  const std::wstring heading = L"VOLTRANE — демонстрационная игра";
  TextOutW(dc, left, top, heading.c_str(), int(heading.size()));
  top += 70;
  SelectObject(dc, game.text.get());
  SetTextColor(dc, RGB(192, 192, 192));
  const std::wstring file =
      L"Конфигурация: " + (game.configuration.empty() ? L"не найдена" : game.configuration);
  TextOutW(dc, left, top, file.c_str(), int(file.size()));
  top += 50;
  for (const voltra::Shown& shown : game.values) {
    const std::wstring line = shown.caption + L": " + shown.value;
    TextOutW(dc, left, top, line.c_str(), int(line.size()));
    top += 34;
  }
  const std::wstring hint = L"Esc — выход";
  SetTextColor(dc, RGB(255, 255, 0));
  TextOutW(dc, left, client.bottom - client.bottom / 6, hint.c_str(), int(hint.size()));
  SelectObject(dc, old);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (GameWindow* game = TheGame(hwnd)) Paint(hwnd, dc, *game);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_KEYDOWN:
      if (w == VK_ESCAPE) DestroyWindow(hwnd);
      return 0;
    case WM_TIMER:
      if (w == kEndTimer) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, w, l);
}

HWND CreateGameWindow(HINSTANCE instance, GameWindow& game) {
  WNDCLASSW type{};
  type.lpfnWndProc = WindowProc;
  type.hInstance = instance;
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.lpszClassName = L"VoltraneStandInGame";
  RegisterClassW(&type);
  HWND hwnd = CreateWindowExW(0, type.lpszClassName, L"Voltrane", WS_POPUP, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                              nullptr, instance, nullptr);
  if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&game));
  return hwnd;
}

UINT SecondsToRun() {
  wchar_t text[32];
  DWORD n = GetEnvironmentVariableW(L"VOLTRA_SECONDS", text, 32);
  return n > 0 && n < 32 ? UINT(_wtoi(text)) : 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  GameWindow game;
  game.configuration = voltra::WriteStartLog();
  game.values = voltra::PresentedValues(game.configuration);
  game.title = tk::CreateFontFromText("28.Arial.Bold.CharSet=204");
  game.text = tk::CreateFontFromText("18.Arial.CharSet=204");
  HWND hwnd = CreateGameWindow(instance, game);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  if (UINT seconds = SecondsToRun()) SetTimer(hwnd, kEndTimer, seconds * 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
