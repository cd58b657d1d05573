#include "runtime/window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "runtime/application_frame.h"
#include "runtime/child_window_turn.h"
#include "runtime/control_ids.h"
#include "runtime/font.h"
#include "runtime/menu_ids.h"
#include "runtime/runtime.h"
#include "runtime/standard_actions.h"
#include "runtime/status_layout.h"

namespace rt {
namespace {

// MDI child windows get command ids from here up, clear of menu entries and controls.
constexpr UINT kFirstMdiChildId = 0xFF00;

// How long a closing frame waits for its children's threads: long enough for each to play its
// closing animation, short enough that a thread stuck in a dialog does not keep the program.
constexpr DWORD kChildrenCloseTimeoutMs = 5000;

thread_local std::vector<Window*> openWindows;

DWORD StyleOf(const WindowDefinition& definition) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  if (definition.mdiChild) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
  }
  if (definition.systemMenu) {
    style |= WS_SYSMENU;
  }
  if (definition.resizable) {
    style |= WS_THICKFRAME;
  }
  if (definition.maximizeBox) {
    style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD ExtendedStyleOf(const WindowDefinition& definition) {
  return definition.doubleFrame ? WS_EX_DLGMODALFRAME : 0;
}

// The MDI client paints the frame's wallpaper; everything else is its own.
LRESULT CALLBACK MdiClientProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR window) {
  const auto* frame = reinterpret_cast<const Window*>(window);
  // The client's list of children is shared with the children's threads, which update it too.
  const bool bookkeeping =
      (message >= WM_MDICREATE && message <= WM_MDIREFRESHMENU) || message == WM_PARENTNOTIFY;
  const auto turn = bookkeeping ? TurnUnlessAnswering() : std::nullopt;
  switch (message) {
    case WM_ERASEBKGND:
      if (frame->paintWallPaper(hwnd, reinterpret_cast<HDC>(wParam))) {
        return 1;
      }
      break;
    case WM_SIZE:
      if (!frame->wallPaper().empty() && !frame->tiled()) {
        InvalidateRect(hwnd, nullptr, TRUE);  // a stretched image covers the new size anew
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

RECT AreaToCentreIn(HWND owner, HWND mdiClient) {
  RECT area{};
  if (mdiClient) {
    GetClientRect(mdiClient, &area);
  } else if (owner) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  return area;
}

}  // namespace

Window* CurrentWindow() {
  return openWindows.empty() ? nullptr : openWindows.back();
}

Window::Window(const WindowDefinition& definition, std::span<const Use> uses)
    : definition_(definition),
      menu_(definition.menuBar),
      font_(CreateDefinedFont(definition.font)),
      base_(MeasureBaseUnits(static_cast<HFONT>(font_.get()))),
      color_(kNoColor) {
  if (Window* current = CurrentWindow();
      current && !definition.applicationFrame && !definition.mdiChild) {
    owner_ = current->handle();
  }
  setColor(definition.color);
  create();
  if (hwnd_) {
    createControls(uses);
  }
  openWindows.push_back(this);
  events_.push_back({EventKind::OpenWindow, 0});
}

Window::~Window() {
  // Children on other threads must be destroyed by their own threads, before the frame goes.
  if (mdiClient_) {
    CloseApplicationFrame(mdiClient_, kChildrenCloseTimeoutMs);
  }
  std::erase(openWindows, this);
  controls_.clear();
  // Re-enable the owner first so that Windows activates it, not some other program.
  if (owner_) {
    EnableWindow(owner_, TRUE);
  }
  if (hwnd_ && definition_.mdiChild) {
    HWND client = GetParent(hwnd_);
    {
      const ChildWindowTurn turn;
      DestroyWindow(hwnd_);
    }
    PostMessageA(client, WM_MDIREFRESHMENU, 0, 0);  // the Window menu lists it no more
  } else if (hwnd_) {
    DestroyWindow(hwnd_);
  }
}

void Window::create() {
  HWND mdiClient = nullptr;
  if (definition_.mdiChild) {
    mdiClient = ApplicationFrameClient();
    if (!mdiClient) {
      return;  // no frame to open in: the window does not open
    }
  }
  const DWORD style = StyleOf(definition_);
  const DWORD extendedStyle = definition_.mdiChild ? WS_EX_MDICHILD : ExtendedStyleOf(definition_);
  RECT frame{0, 0, DialogToPixelsX(definition_.width, base_),
             DialogToPixelsY(definition_.height, base_)};
  AdjustWindowRectEx(&frame, style, menu_.handle() != nullptr, extendedStyle);
  const int width = definition_.width == kDefault ? CW_USEDEFAULT : frame.right - frame.left;
  const int height = definition_.height == kDefault ? CW_USEDEFAULT : frame.bottom - frame.top;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  if (definition_.centred && width != CW_USEDEFAULT && height != CW_USEDEFAULT) {
    const RECT area = AreaToCentreIn(owner_, mdiClient);
    x = area.left + (area.right - area.left - width) / 2;
    y = area.top + (area.bottom - area.top - height) / 2;
  } else if (definition_.x != kDefault && definition_.y != kDefault) {
    x = DialogToPixelsX(definition_.x, base_);
    y = DialogToPixelsY(definition_.y, base_);
  }
  const std::string title(definition_.title);
  if (mdiClient) {
    // Created by this thread, the child belongs to it: its messages come to this thread's loop.
    const ChildWindowTurn turn;
    hwnd_ = CreateMDIWindowA(kWindowClass, title.c_str(), style, x, y, width, height, mdiClient,
                             GetModuleHandleA(nullptr), reinterpret_cast<LPARAM>(this));
    // One keyboard for the frame and its children, as Windows gives child windows of another
    // thread by itself: the frame's menus then take the keys typed while a child has the focus.
    AttachThreadInput(GetCurrentThreadId(), GetWindowThreadProcessId(mdiClient, nullptr), TRUE);
    if (hwnd_ && ApplicationFrameClient() != mdiClient) {
      PostMessageA(hwnd_, WM_CLOSE, 0, 0);  // the frame began to close while this one opened
    }
    return;
  }
  hwnd_ = CreateWindowExA(extendedStyle, definition_.applicationFrame ? kFrameClass : kWindowClass,
                          title.c_str(), style, x, y, width, height, owner_, menu_.attach(),
                          GetModuleHandleA(nullptr), this);
  if (definition_.applicationFrame) {
    createFrameParts();
  }
  if (owner_) {
    EnableWindow(owner_, FALSE);
  }
}

void Window::createControls(std::span<const Use> uses) {
  int field = 0;
  for (const ControlDefinition& definition : definition_.controls) {
    controls_.push_back(std::make_unique<Control>(
        definition, ++field, hwnd_, static_cast<HFONT>(font_.get()), definition_.font, base_));
  }
  for (const Use& use : uses) {
    if (Control* bound = control(fieldOf(use.label))) {
      bound->bind(use.variable);
    }
  }
  display();
}

void Window::createFrameParts() {
  CLIENTCREATESTRUCT client{menu_.windowList(), kFirstMdiChildId};
  // MDIS_ALLCHILDSTYLES: children keep the frame, caption and boxes their definitions give.
  mdiClient_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE | MDIS_ALLCHILDSTYLES, 0, 0,
      0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), &client);
  RegisterApplicationFrame(mdiClient_);
  SetWindowSubclass(mdiClient_, MdiClientProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  // Created with its scroll bars showing, the client would show them until it first counts its
  // children; with none yet there is nothing to scroll.
  ShowScrollBar(mdiClient_, SB_BOTH, FALSE);
  if (!definition_.statusZones.empty()) {
    statusBar_ =
        CreateWindowExA(0, STATUSCLASSNAMEA, nullptr,
                        WS_CHILD | WS_VISIBLE | (definition_.resizable ? SBARS_SIZEGRIP : 0), 0, 0,
                        0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  RECT area{};
  GetClientRect(hwnd_, &area);
  layoutFrame(area.right, area.bottom);
}

void Window::layoutFrame(int width, int height) const {
  int statusHeight = 0;
  if (statusBar_) {
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    statusHeight = bar.bottom - bar.top;
    std::vector<int> zones;
    for (int zone : definition_.statusZones) {
      zones.push_back(zone == kRemainingWidth ? zone : DialogToPixelsX(zone, base_));
    }
    std::vector<int> edges = StatusZoneEdges(zones, width);
    SendMessageA(statusBar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  }
  if (mdiClient_) {
    MoveWindow(mdiClient_, 0, 0, width, std::max(0, height - statusHeight), TRUE);
  }
}

Event Window::nextEvent() {
  if (!hwnd_) {
    return {EventKind::CloseWindow, 0};  // it never opened
  }
  if (!shown_) {
    if (!IsWindowVisible(hwnd_)) {
      std::optional<ChildWindowTurn> turn;
      if (definition_.mdiChild) {
        turn.emplace();
      }
      ShowWindow(hwnd_, SW_SHOW);
    }
    UpdateWindow(hwnd_);
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
      SetFocus(first);
    }
    shown_ = true;
  }
  while (events_.empty()) {
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // Someone ended the thread's message loop: keep the quit for the outer loops.
      PostQuitMessage(static_cast<int>(message.wParam));
      return {EventKind::CloseWindow, 0};
    }
    const bool ours = message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd);
    if (!(ours && translate(message))) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  const Event event = events_.front();
  events_.pop_front();
  if (event.kind == EventKind::Accepted) {
    acceptedField_ = event.field;
  }
  return event;
}

void Window::push(Event event) {
  events_.push_back(event);
  // A message sent from another thread (a click sent by a test or a tool) is handled inside
  // GetMessage, which then goes on waiting: wake nextEvent() so that it sees the event now.
  if (InSendMessage()) {
    PostMessageA(hwnd_, WM_NULL, 0, 0);
  }
}

void Window::post(EventKind kind, int field) const {
  PostMessageA(hwnd_, kPostedEventMessage, static_cast<WPARAM>(kind), field);
}

bool Window::translate(MSG& message) const {
  if (mdiClient_) {
    return TranslateMDISysAccel(mdiClient_, &message);
  }
  // A child's keys (Ctrl+F4, Ctrl+F6) come to its own thread, not to the frame's.
  if (definition_.mdiChild && TranslateMDISysAccel(GetParent(hwnd_), &message)) {
    return true;
  }
  return !definition_.controls.empty() && IsDialogMessageA(hwnd_, &message);
}

HWND Window::handle(int field) const {
  if (field == 0) {
    return hwnd_;
  }
  const Control* found = control(field);
  return found ? found->handle() : nullptr;
}

Control* Window::control(int field) const {
  if (field < 1 || field > static_cast<int>(controls_.size())) {
    return nullptr;
  }
  return controls_[static_cast<std::size_t>(field - 1)].get();
}

int Window::fieldOf(std::string_view label) const {
  for (const auto& candidate : controls_) {
    if (candidate->definition().label == label) {
      return candidate->field();
    }
  }
  return 0;
}

ControlType Window::type(int field) const {
  if (field == 0) {
    return ControlType::Window;
  }
  if (const Control* found = control(field)) {
    return found->type();
  }
  if (const MenuBar::Entry* entry = field < 0 ? menu_.entryForField(field) : nullptr) {
    return entry->popup ? ControlType::Menu : ControlType::MenuEntry;
  }
  return ControlType{0};
}

Control* Window::controlFor(HWND hwnd) const {
  for (const auto& candidate : controls_) {
    if (candidate->owns(hwnd)) {
      return candidate.get();
    }
  }
  return nullptr;
}

std::string Window::text(int field) const {
  if (const Control* found = control(field)) {
    return found->screenText();
  }
  if (field < 0) {
    return menu_.text(field);
  }
  if (field != 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Window::setText(int field, std::string_view text) {
  if (Control* found = control(field)) {
    found->setScreenText(text);
  } else if (field == 0) {
    SetWindowTextA(hwnd_, std::string(text).c_str());
  } else if (menu_.setText(field, text)) {
    DrawMenuBar(hwnd_);  // the entry may sit on the bar itself
  }
}

int Window::createMenuItem(ControlType type, int parentField) {
  return menu_.append(type, parentField);
}

std::string Window::icon(int field) const {
  const MenuBar::Entry* entry = menu_.entryForField(field);
  return entry ? entry->icon : std::string();
}

void Window::setIcon(int field, std::string_view name) {
  if (menu_.setIcon(field, name)) {
    DrawMenuBar(hwnd_);
  }
}

bool Window::setWallPaper(std::string_view name) {
  const bool shows = wallPaper_.setName(name);
  repaintBackground(clientHandle());
  return shows;
}

void Window::setTiled(bool on) {
  wallPaper_.setTiled(on);
  repaintBackground(clientHandle());
}

void Window::repaintBackground(HWND area) const {
  // Transparent controls show the background through them: they are painted again over it.
  RedrawWindow(area, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Window::paintWallPaper(HWND area, HDC dc) const {
  RECT client{};
  GetClientRect(area, &client);
  return wallPaper_.paint(dc, client);
}

void Window::display(int field) {
  for (const auto& each : controls_) {
    if (field != 0 && each->field() != field) {
      continue;
    }
    if (each->type() == ControlType::RadioButton) {
      if (const Control* group = groupOf(*each)) {
        if (auto* value = std::get_if<std::int32_t*>(&group->variable())) {
          each->displayChoice(**value);
        }
      }
    } else {
      each->display();
    }
  }
}

void Window::update(int field) {
  for (const auto& each : controls_) {
    if (field == 0 || each->field() == field) {
      each->update();
    }
  }
}

void Window::hide(int field) {
  if (Control* found = control(field)) {
    found->show(false);
  }
}

void Window::unhide(int field) {
  if (Control* found = control(field)) {
    found->show(true);
  }
}

RECT Window::fieldRect(int field) const {
  RECT rect{};
  if (field == 0 && mdiClient_) {
    // The MDI client's whole area: its scroll bars come and go with the child windows.
    GetWindowRect(mdiClient_, &rect);
    return {0, 0, rect.right - rect.left, rect.bottom - rect.top};
  }
  if (field == 0) {
    GetClientRect(hwnd_, &rect);
    return rect;
  }
  if (HWND hwnd = handle(field)) {
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

RECT Window::outerRect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  // A child window's place is where SetWindowPos puts it: in its parent's client area.
  if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetAncestor(hwnd_, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

int Window::xpos(int field) const {
  if (field == 0) {
    return toUnitsX(outerRect().left);
  }
  return toUnitsX(fieldRect(field).left);
}

int Window::ypos(int field) const {
  if (field == 0) {
    return toUnitsY(outerRect().top);
  }
  return toUnitsY(fieldRect(field).top);
}

void Window::setPosition(int x, int y) {
  const int left = pixels_ ? x : DialogToPixelsX(x, base_);
  const int top = pixels_ ? y : DialogToPixelsY(y, base_);
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setSize(int width, int height) {
  // The frame around the client area keeps its size: grow the window by the difference.
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  const RECT client = fieldRect(0);
  const int wantedWidth = pixels_ ? width : DialogToPixelsX(width, base_);
  const int wantedHeight = pixels_ ? height : DialogToPixelsY(height, base_);
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + wantedWidth - client.right,
               outer.bottom - outer.top + wantedHeight - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Window::width(int field) const {
  const RECT rect = fieldRect(field);
  return toUnitsX(rect.right - rect.left);
}

int Window::height(int field) const {
  const RECT rect = fieldRect(field);
  return toUnitsY(rect.bottom - rect.top);
}

WNDPROC Window::procedure() const {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
}

void Window::setProcedure(WNDPROC procedure) {
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

void Window::setColor(std::int32_t color) {
  color_ = color;
  colorBrush_.reset(color < 0 ? nullptr : CreateSolidBrush(static_cast<COLORREF>(color)));
  if (hwnd_) {
    repaintBackground(hwnd_);
  }
}

HBRUSH Window::backgroundBrush() const {
  if (colorBrush_) {
    return static_cast<HBRUSH>(colorBrush_.get());
  }
  if (color_ != kNoColor) {
    if (HBRUSH system = GetSysColorBrush(static_cast<int>(color_ & 0x7FFFFFFF))) {
      return system;
    }
  }
  return GetSysColorBrush(definition_.gray ? COLOR_BTNFACE : COLOR_WINDOW);
}

HBRUSH Window::backgroundUnder(HWND control, HDC dc) const {
  POINT origin{};
  MapWindowPoints(control, hwnd_, &origin, 1);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const HBRUSH wallPaper = wallPaper_.brushFor(dc, client, origin);
  return wallPaper ? wallPaper : backgroundBrush();
}

Control* Window::groupOf(const Control& radio) const {
  for (int field = radio.field() - 1; field >= 1; --field) {
    Control* candidate = control(field);
    if (candidate->type() == ControlType::OptionGroup) {
      return candidate;
    }
  }
  return nullptr;
}

void Window::chooseRadio(const Control& radio) {
  Control* group = groupOf(radio);
  if (!group || !radio.chosen()) {
    return;
  }
  const auto value =
      static_cast<std::int32_t>(std::atoi(std::string(radio.definition().value).c_str()));
  auto* variable = std::get_if<std::int32_t*>(&group->variable());
  if (variable && **variable != value) {
    **variable = value;
    push({EventKind::Accepted, group->field()});
  }
}

void Window::onControlCommand(Control& control, int code) {
  switch (control.type()) {
    case ControlType::Button:
      if (code == BN_CLICKED) {
        push({EventKind::Accepted, control.field()});
      }
      break;
    case ControlType::CheckBox:
      if (code == BN_CLICKED) {
        control.update();
        push({EventKind::Accepted, control.field()});
      }
      break;
    case ControlType::RadioButton:
      if (code == BN_CLICKED) {
        chooseRadio(control);
      }
      break;
    case ControlType::Entry:
    case ControlType::Text:
    case ControlType::SpinBox:
      if (code == EN_CHANGE) {
        control.markEdited();
      } else if (code == EN_KILLFOCUS && control.edited()) {
        control.update();
        push({EventKind::Accepted, control.field()});
      }
      break;
    default:
      break;
  }
}

void Window::setStatusText(int zone, std::string_view text) const {
  if (statusBar_) {
    SendMessageA(statusBar_, SB_SETTEXTA, zone,
                 reinterpret_cast<LPARAM>(std::string(text).c_str()));
  }
}

bool Window::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!hwnd_) {
    hwnd_ = hwnd;
  }
  switch (message) {
    case kPostedEventMessage:
      push({static_cast<EventKind>(wParam), static_cast<int>(lParam)});
      return true;
    case WM_CLOSE:
      push({EventKind::CloseWindow, 0});
      return true;
    case WM_COMMAND:
      if (lParam == 0 && menu_.entryForCommand(LOWORD(wParam))) {
        onMenuCommand(LOWORD(wParam));
        return true;
      }
      if (Control* from = controlFor(reinterpret_cast<HWND>(lParam))) {
        onControlCommand(*from, HIWORD(wParam));
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      if (const Control* from = controlFor(reinterpret_cast<HWND>(lParam))) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const HBRUSH background = from->definition().transparent
                                      ? backgroundUnder(reinterpret_cast<HWND>(lParam), dc)
                                      : backgroundBrush();
        result = reinterpret_cast<LRESULT>(from->colour(dc, background));
        return true;
      }
      return false;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (const Control* from = controlFor(item->hwndItem)) {
        from->drawRegion(*item);
        result = TRUE;
        return true;
      }
      return false;
    }
    case DM_GETDEFID:
      for (const auto& each : controls_) {
        if (each->definition().defaultButton) {
          result = MAKELRESULT(ControlId(each->field()), DC_HASDEFID);
          return true;
        }
      }
      return false;
    case WM_MENUSELECT:
      onMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return false;
    case WM_SIZE:
      if (definition_.applicationFrame) {
        layoutFrame(LOWORD(lParam), HIWORD(lParam));
      }
      if (wParam != SIZE_MINIMIZED && shown_ && lParam != lastSize_) {
        push({EventKind::Sized, 0});
      }
      if (!definition_.applicationFrame && wallPaper_.shows() && !wallPaper_.tiled()) {
        repaintBackground(hwnd);  // a stretched image covers the new size anew
      }
      lastSize_ = lParam;
      return definition_.applicationFrame;
    case WM_WINDOWPOSCHANGING:
      // An owned window hidden before it closes (a closing animation) hands the activation
      // back to its owner, which can take it only when enabled.
      if (owner_ && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW)) {
        EnableWindow(owner_, TRUE);
      }
      return false;
    case WM_SYSCOMMAND:
      // Alt and a letter in a child open the frame's menu bar. Posted to the frame's thread: a
      // menu tracked from inside a message sent by this thread does not open its popups.
      if (definition_.mdiChild && (wParam & 0xFFF0) == SC_KEYMENU && lParam != ' ') {
        PostMessageA(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, wParam, lParam);
        return true;
      }
      return false;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      if (mdiClient_) {
        onFrameMenuLoop(message == WM_ENTERMENULOOP);
      }
      return false;
    case WM_SETFOCUS:
      return mdiClient_ && inMenuLoop_;  // the menu keeps the focus it took
    case WM_WINDOWPOSCHANGED:
      if (definition_.mdiChild) {
        onMdiChildShown(reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
      }
      return false;
    case WM_MOVE:
      if (shown_ && lParam != lastPosition_) {
        push({EventKind::Moved, 0});
      }
      lastPosition_ = lParam;
      return false;
    case WM_ERASEBKGND: {
      if (!paintWallPaper(hwnd, reinterpret_cast<HDC>(wParam))) {
        RECT area{};
        GetClientRect(hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area, backgroundBrush());
      }
      result = 1;
      return true;
    }
    default:
      return false;
  }
}

LRESULT Window::defaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (definition_.applicationFrame) {
    return DefFrameProcA(hwnd, mdiClient_, message, wParam, lParam);
  }
  if (definition_.mdiChild) {
    // These update the frame's list of children and its Window menu from this thread.
    const bool bookkeeping = message == WM_SETFOCUS || message == WM_CHILDACTIVATE ||
                             message == WM_SIZE || message == WM_DESTROY;
    const auto turn = bookkeeping ? TurnUnlessAnswering() : std::nullopt;
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Window::onMdiChildShown(UINT flags) const {
  // A child that appears is the active one, as a new child always is; the frame activates it
  // while this thread still has its turn (it shows a window). The Window menu lists only the
  // children that show.
  HWND client = GetParent(hwnd_);
  if (flags & SWP_SHOWWINDOW) {
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd_), 0);
  }
  if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
    PostMessageA(client, WM_MDIREFRESHMENU, 0, 0);
  }
}

void Window::onFrameMenuLoop(bool entered) {
  // Keys go to the thread of the focused window, and a child's thread is not the one that runs
  // the frame's menu: the frame holds the focus while its menu is open and then gives it back.
  inMenuLoop_ = entered;
  if (entered) {
    SetFocus(hwnd_);
  } else if (HWND active =
                 reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0))) {
    SetFocus(active);
  }
}

void Window::onMenuCommand(int commandId) {
  const MenuBar::Entry* entry = menu_.entryForCommand(commandId);
  if (entry->action == StandardAction::None) {
    push({EventKind::Accepted, entry->field});
  } else {
    RunStandardAction(entry->action, *this);
  }
}

void Window::onMenuSelect(UINT item, UINT flags, HMENU menu) const {
  const MenuBar::Entry* entry = nullptr;
  if (flags == 0xFFFF && menu == nullptr) {
    entry = nullptr;  // the menu has closed
  } else if (flags & MF_POPUP) {
    entry = menu_.entryForPopup(GetSubMenu(menu, static_cast<int>(item)));
  } else {
    entry = menu_.entryForCommand(static_cast<int>(item));
  }
  setStatusText(0, entry ? entry->message : std::string_view{});
}

}  // namespace rt
