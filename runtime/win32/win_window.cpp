#include "win_window.h"

#include <algorithm>

#include "pc_keyboard.h"

namespace game::win {
namespace {

constexpr wchar_t kClassName[] = L"TarnwickGame";
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_VISIBLE;
constexpr int kIconResource = 1;  // the icon group Create Game writes
constexpr USHORT kGenericDesktopPage = 1, kMouseUsage = 2;

RECT MonitorArea(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(MONITORINFO);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

bool RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof(WNDCLASSEXW);
  c.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
  c.lpfnWndProc = DefWindowProcW;  // replaced per window once it is made
  c.hInstance = instance;
  c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  c.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  c.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  c.lpszClassName = kClassName;
  return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

GameWindow::~GameWindow() {
  if (window_) {
    CaptureMouse(false);
    DestroyWindow(window_);
  }
}

bool GameWindow::Open(const std::wstring& title, int width, int height, bool full_screen) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance)) return false;
  windowed_.length = sizeof(WINDOWPLACEMENT);
  RECT area{0, 0, width, height};
  AdjustWindowRect(&area, kWindowedStyle, FALSE);
  window_ =
      CreateWindowExW(0, kClassName, title.c_str(), kWindowedStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      area.right - area.left, area.bottom - area.top, nullptr, nullptr, instance, nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWindow::Procedure));
  dc_ = GetDC(window_);
  RECT client;
  GetClientRect(window_, &client);
  client_width_ = client.right, client_height_ = client.bottom;
  if (full_screen) ToggleFullScreen();
  return true;
}

bool GameWindow::Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) closed_ = true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return !closed_;
}

void GameWindow::Present(const FrameBuffer& frame) {
  if (!dc_ || frame.width <= 0 || frame.height <= 0 || client_width_ <= 0 || client_height_ <= 0) return;
  // The largest rectangle of the frame's proportions, centred; black around it.
  int width = client_width_, height = client_width_ * frame.height / frame.width;
  if (height > client_height_) height = client_height_, width = client_height_ * frame.width / frame.height;
  const int x = (client_width_ - width) / 2, y = (client_height_ - height) / 2;
  if (width != client_width_ || height != client_height_) {
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT bands[] = {{0, 0, client_width_, y},
                          {0, y + height, client_width_, client_height_},
                          {0, y, x, y + height},
                          {x + width, y, client_width_, y + height}};
    for (const RECT& band : bands) FillRect(dc_, &band, black);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = frame.width;
  info.bmiHeader.biHeight = -frame.height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetStretchBltMode(dc_, width < frame.width ? HALFTONE : COLORONCOLOR);
  StretchDIBits(dc_, x, y, width, height, 0, 0, frame.width, frame.height, frame.pixels.data(), &info,
                DIB_RGB_COLORS, SRCCOPY);
}

int GameWindow::refresh_rate() const {
  const int rate = dc_ ? GetDeviceCaps(dc_, VREFRESH) : 0;
  return rate > 1 ? rate : 60;  // 0 and 1 stand for the hardware's default
}

void GameWindow::CaptureMouse(bool capture) {
  mouse_wanted_ = capture;
  ApplyMouseCapture();
}

// The mouse is held only while the window is active, so that the player can leave it.
void GameWindow::ApplyMouseCapture() {
  const bool hold = mouse_wanted_ && window_ && GetActiveWindow() == window_;
  if (hold == mouse_held_) return;
  mouse_held_ = hold;
  RAWINPUTDEVICE mouse{kGenericDesktopPage, kMouseUsage, hold ? 0u : static_cast<DWORD>(RIDEV_REMOVE),
                       hold ? window_ : nullptr};
  RegisterRawInputDevices(&mouse, 1, sizeof(mouse));
  ShowCursor(hold ? FALSE : TRUE);
  if (hold) {
    RECT client;
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ClipCursor(&client);
  } else {
    ClipCursor(nullptr);
  }
}

void GameWindow::ToggleFullScreen() {
  full_screen_ = !full_screen_;
  if (full_screen_) {
    GetWindowPlacement(window_, &windowed_);
    const RECT screen = MonitorArea(window_);
    SetWindowLongPtrW(window_, GWL_STYLE, kFullScreenStyle);
    SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  } else {
    SetWindowLongPtrW(window_, GWL_STYLE, kWindowedStyle);
    SetWindowPlacement(window_, &windowed_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  }
  if (mouse_held_) {
    mouse_held_ = false;
    ApplyMouseCapture();
  }
}

void GameWindow::SetFullScreen(bool full_screen) {
  if (full_screen != full_screen_) ToggleFullScreen();
}

void GameWindow::SetClientSize(int width, int height) {
  RECT area{0, 0, width, height};
  AdjustWindowRect(&area, kWindowedStyle, FALSE);
  const int outer_width = area.right - area.left, outer_height = area.bottom - area.top;
  if (full_screen_) {
    RECT& kept = windowed_.rcNormalPosition;
    kept.right = kept.left + outer_width, kept.bottom = kept.top + outer_height;
    return;
  }
  SetWindowPos(window_, nullptr, 0, 0, outer_width, outer_height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool GameWindow::TakeFullScreenToggle() {
  const bool toggled = full_screen_toggled_;
  full_screen_toggled_ = false;
  return toggled;
}

TicInput GameWindow::TakeInput() {
  TicInput input = next_;
  input.held = held_ | next_.pressed;  // a tap shorter than a tic still counts
  next_ = TicInput{};
  return input;
}

void GameWindow::Key(int key, bool down) {
  if (key <= 0 || key >= kKeyCount) return;
  if (down && !held_.test(static_cast<size_t>(key))) next_.pressed.set(static_cast<size_t>(key));
  held_.set(static_cast<size_t>(key), down);
}

void GameWindow::ReadRawMouse(LPARAM l) {
  RAWINPUT input;
  UINT size = sizeof(input);
  if (GetRawInputData(reinterpret_cast<HRAWINPUT>(l), RID_INPUT, &input, &size, sizeof(RAWINPUTHEADER)) ==
      static_cast<UINT>(-1))
    return;
  if (input.header.dwType != RIM_TYPEMOUSE || (input.data.mouse.usFlags & MOUSE_MOVE_ABSOLUTE)) return;
  next_.mouse_dx += input.data.mouse.lLastX;
  next_.mouse_dy += input.data.mouse.lLastY;
}

LRESULT CALLBACK GameWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<GameWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->Handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

LRESULT GameWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CLOSE:
      closed_ = true;
      return 0;
    case WM_SIZE:
      client_width_ = LOWORD(l), client_height_ = HIWORD(l);
      if (mouse_held_) {
        mouse_held_ = false;
        ApplyMouseCapture();
      }
      return 0;
    case WM_ACTIVATE:
      held_.reset();  // keys let go elsewhere never come back up here
      ApplyMouseCapture();
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      if (down && w == VK_RETURN && (l & (1 << 29))) {      // Alt+Enter
        if (!(l & (1 << 30))) full_screen_toggled_ = true;  // the game keeps the mode among its options
        return 0;
      }
      if (down && w == VK_F4 && (l & (1 << 29))) break;  // Alt+F4 closes the window
      const int scancode = static_cast<int>((l >> 16) & 0xFF);
      Key(KeyOfPcScancode(scancode, (l & (1 << 24)) != 0), down);
      return 0;
    }
    case WM_SYSCOMMAND:
      if ((w & 0xFFF0) == SC_KEYMENU) return 0;  // Alt alone does not open the window menu
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      Key(kMouseLeft, message == WM_LBUTTONDOWN);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      Key(kMouseRight, message == WM_RBUTTONDOWN);
      return 0;
    case WM_INPUT:
      if (mouse_held_) ReadRawMouse(l);
      break;
    case WM_PAINT:
      ValidateRect(window_, nullptr);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

}  // namespace game::win
