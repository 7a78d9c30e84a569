// SPDX-License-Identifier: GPL-3.0-or-later
// A live window: the controls built from its description, its size, its
// mouse pointer and the events that reach its handlers.
//
// Events run one at a time on the caller's thread. An event raised while
// another is running (the resize that a handler's own size write causes) runs
// at once, nested inside that write. After the outermost event the view is
// synced once, then any error that ended a handler is shown to the user and
// any sentence a handler set for assistive technology is announced.
//
// A front end reaches a Form through FormHost, which turns what the toolkit
// reports into these calls; tests that play a user call them directly.
#pragma once

#include "Control.h"
#include "ControlArray.h"
#include "FormDescription.h"
#include "FormView.h"
#include "NullView.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvara {

enum class WindowState { Normal, Minimized, Maximized, FullScreen };

enum class EventKind { Load, Resize, Click, KeyPress };

namespace MousePointer {
constexpr int Default = 0;
constexpr int Arrow = 1;
constexpr int Hourglass = 11;
} // namespace MousePointer

class Form {
  public:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(std::int16_t& keyAscii)>;

    explicit Form(const FormDescription& description);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    const std::string& messageTitle() const { return m_messageTitle; }
    float minimumClientWidth() const { return m_minimumClientWidth; }
    float minimumClientHeight() const { return m_minimumClientHeight; }

    // A lone control or a control array by name. An unknown name is a
    // programming error (std::invalid_argument), not a run-time error.
    Control& control(std::string_view name) const;
    ControlArray& array(std::string_view name) const;
    // Every control in creation order.
    const std::vector<Control*>& controls() const { return m_order; }

    // Outer size: the inner area plus the window frame.
    float width() const { return m_innerWidth + m_frameWidth; }
    float height() const { return m_innerHeight + m_frameHeight; }
    // Writing the outer size is refused unless the window is in its normal
    // state; a write that changes the size raises the resize event. A size
    // beyond the largest the desktop can show is taken as that largest size.
    void setWidth(double outerWidth);
    void setHeight(double outerHeight);
    // The largest outer size the desktop can show the window at (the free
    // area of its screen), as the front end learns it; unset, no limit.
    void setLargestSize(double outerWidth, double outerHeight);
    float scaleWidth() const { return m_innerWidth; }
    float scaleHeight() const { return m_innerHeight; }

    // The frame's thickness (both sides added) as the desktop reports it.
    // Framing a window for the first time keeps its outer size: the inner
    // area shrinks or grows to make room, which raises the resize event if it
    // changes. Later the desktop changes the frame around an inner area it
    // has already sized (maximizing, restoring), so the inner size stays.
    enum class Keep { OuterSize, InnerSize };
    void setFrameSize(double width, double height, Keep keep = Keep::OuterSize);
    float frameWidth() const { return m_frameWidth; }
    float frameHeight() const { return m_frameHeight; }
    // The size of one pixel, which gives picture boxes their one-pixel border.
    void setTwipsPerPixel(double twips);

    WindowState windowState() const { return m_state; }
    void setWindowState(WindowState state) { m_state = state; }

    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    // Handlers by the name of their source: the window's own name for load
    // and resize, a control's name for click. An unbound event does nothing.
    void bind(const std::string& source, EventKind event, Handler handler);
    void bindKeyPress(const std::string& source, KeyHandler handler);

    // The events, as the front end or a test raises them.
    void load();
    // The user gave the window a new inner size; raises resize if it changed.
    void userResize(double innerWidth, double innerHeight);
    void click(std::string_view source);
    // Returns the character code as the handler left it; 0 discards it.
    std::int16_t keyPress(std::string_view source, std::int16_t keyAscii);

    // A sentence for assistive technology to speak where the user is, such
    // as the result of the last event. Each setting is announced once, even
    // when the sentence is the same as before: after the event's sync, or at
    // once outside an event.
    void setLiveSummary(std::string summary);

    // The view to sync and report to; null puts back the built-in null view.
    void setView(FormView* view) { m_view = view != nullptr ? view : &m_nullView; }

  private:
    void resizeInner(float innerWidth, float innerHeight);
    void raise(std::string_view source, EventKind event);
    template <typename Body> void dispatch(EventKind kind, Body&& body);
    void report();
    void endHandlerWithError(EventKind kind, const RuntimeError& error);

    std::string m_name;
    std::string m_caption;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control*> m_order;
    std::map<std::string, Control*, std::less<>> m_byName;
    std::map<std::string, std::unique_ptr<ControlArray>, std::less<>> m_arrays;

    float m_innerWidth;
    float m_innerHeight;
    float m_frameWidth = 0;
    float m_frameHeight = 0;
    WindowState m_state = WindowState::Normal;
    int m_mousePointer = MousePointer::Default;

    std::map<std::pair<std::string, EventKind>, Handler, std::less<>> m_handlers;
    std::map<std::string, KeyHandler, std::less<>> m_keyPresses;

    std::string m_messageTitle;
    float m_minimumClientWidth;
    float m_minimumClientHeight;
    float m_largestWidth;
    float m_largestHeight;
    std::vector<std::string> m_pendingAnnouncements; // told once the outermost event ends
    NullView m_nullView;
    FormView* m_view = &m_nullView;
    int m_depth = 0;                           // events running, the nested one included
    std::vector<RuntimeError> m_pendingErrors; // shown once the outermost event ends
    bool m_resizeErrorShown = false;           // a failing resize was reported; repeats stay quiet
};

} // namespace kelvara
