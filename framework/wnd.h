// Window base with a per-class message map, in the vocabulary the rest of the
// program uses (m_hWnd, Default, DestroyWindow, PreTranslateMessage).
#pragma once

#include <windows.h>

#include <string>

#include "framework/geometry.h"

class CWnd;

// One row of a message map: a message (or, for WM_COMMAND, a command id) and the
// member that handles it. Rows are tried in table order; a row with message 0 ends
// the table.
struct MessageMapEntry {
    UINT message;
    UINT commandId;                             // WM_COMMAND rows only
    void (CWnd::*onCommand)();                  // command rows
    LRESULT (CWnd::*onMessage)(WPARAM, LPARAM); // message rows
};

#define BEGIN_MESSAGE_MAP(theClass)                                                                \
    const MessageMapEntry* theClass::GetMessageMap() const {                                       \
        using ThisClass = theClass;                                                                \
        static const MessageMapEntry entries[] = {
#define ON_COMMAND(id, member)                                                                     \
    {WM_COMMAND, static_cast<UINT>(id), static_cast<void (CWnd::*)()>(&ThisClass::member), nullptr},
#define ON_MESSAGE(msg, member)                                                                    \
    {static_cast<UINT>(msg), 0, nullptr,                                                           \
     static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::member)},
#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, nullptr, nullptr }                                                                     \
    }                                                                                              \
    ;                                                                                              \
    return entries;                                                                                \
    }
#define DECLARE_MESSAGE_MAP() const MessageMapEntry* GetMessageMap() const override;

// Brings a window to the foreground unless it is there already: asking again costs a
// round trip to the window system for nothing.
void BringToForeground(HWND hwnd);
// The dialog or message box a window shows in front of itself (nested ones: the one on
// top), else the window itself.
HWND FrontPopup(HWND owner);

// The desktop's work area (the primary monitor's, less the taskbar): what the player
// window's start position and fit measure against.
Rect DesktopWorkArea();

// Moves a window wholly inside the work area of its owner's monitor: centred on a
// visible owner, else on that work area, and moved in where it would stand out.
void PlaceInsideWorkArea(HWND hwnd);

// While one lives, the first window this thread activates (a message box, a system
// dialog) is placed inside the work area like the program's own dialogs: the system
// centres such a window on its owner even where that leaves its buttons off the screen.
class PopupInsideWorkArea {
  public:
    PopupInsideWorkArea();
    ~PopupInsideWorkArea();
    PopupInsideWorkArea(const PopupInsideWorkArea&) = delete;
    PopupInsideWorkArea& operator=(const PopupInsideWorkArea&) = delete;

  private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
    PopupInsideWorkArea* m_outer; // a scope opened while this one waits for its window
    bool m_placed = false;
};

// A window's text, and setting it only when it differs: an unchanged caption or field
// is not redrawn, and the caret and selection of an edit field stay where they are.
// Both in UTF-8, through the wide functions: the text is whatever name it shows.
std::string WindowText(HWND hwnd);
void SetWindowTextIfChanged(HWND hwnd, const char* text);

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Takes over an existing child window: its messages go through this object first.
    bool SubclassDlgItem(int id, CWnd* parent);
    bool SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();

    virtual BOOL DestroyWindow();
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Default processing of the message being handled.
    LRESULT Default();

    std::string GetWindowText() const;
    void SetWindowText(const char* text) { SetWindowTextIfChanged(m_hWnd, text); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    static CWnd* FromHandle(HWND hwnd);

  protected:
    virtual const MessageMapEntry* GetMessageMap() const { return nullptr; }
    virtual void PreSubclassWindow() {}
    // A parent's WM_DRAWITEM for this control; true when the control drew itself.
    virtual bool ReflectDrawItem(DRAWITEMSTRUCT*) { return false; }
    // Routes a message through the message map; unhandled messages go to Default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Tries the message map; true when a row handled the message.
    bool DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {0, 0, 0};
    WNDPROC m_oldWndProc = nullptr;
};
