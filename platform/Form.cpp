// SPDX-License-Identifier: GPL-3.0-or-later
// A live window and its events.
#include "Form.h"

#include "Numeric.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kelvara {

namespace {
constexpr const char* desktopOwnsSize = "das Fenster ist maximiert, seine Größe legt der Desktop "
                                        "fest. Erst wiederherstellen, dann ändern.";
} // namespace

Form::Form(const FormDescription& description)
    : m_name(description.name), m_caption(description.caption),
      m_innerWidth(description.clientWidth), m_innerHeight(description.clientHeight),
      m_messageTitle(description.messageTitle),
      m_minimumClientWidth(description.minimumClientWidth),
      m_minimumClientHeight(description.minimumClientHeight),
      m_largestWidth(std::numeric_limits<float>::infinity()),
      m_largestHeight(std::numeric_limits<float>::infinity()) {
    for (const ControlDescription& d : description.controls) {
        Control* parent = nullptr;
        if (!d.parent.empty() && d.parent != description.name) {
            auto found = std::find_if(m_order.begin(), m_order.end(),
                                      [&](const Control* c) { return c->name() == d.parent; });
            if (found == m_order.end()) {
                throw std::invalid_argument("container " + d.parent + " not described before " +
                                            d.name);
            }
            parent = *found;
        }
        auto& created = m_controls.emplace_back(std::make_unique<Control>(d, parent));
        m_order.push_back(created.get());
        if (d.index >= 0) {
            auto& members = m_arrays[d.name];
            if (!members) {
                members = std::make_unique<ControlArray>(d.name);
            }
            members->add(*created);
        } else {
            m_byName[d.name] = created.get();
        }
    }
    setTwipsPerPixel(15.0);
}

Control& Form::control(std::string_view name) const {
    const auto found = m_byName.find(name);
    if (found == m_byName.end()) {
        throw std::invalid_argument("no control named " + std::string(name));
    }
    return *found->second;
}

ControlArray& Form::array(std::string_view name) const {
    const auto found = m_arrays.find(name);
    if (found == m_arrays.end()) {
        throw std::invalid_argument("no control array named " + std::string(name));
    }
    return *found->second;
}

void Form::setWidth(double outerWidth) {
    const float outer = numeric::toSingle(outerWidth);
    if (m_state != WindowState::Normal) {
        throw PropertyRefusedError(desktopOwnsSize);
    }
    resizeInner(std::max(0.0F, std::min(outer, m_largestWidth) - m_frameWidth), m_innerHeight);
}

void Form::setHeight(double outerHeight) {
    const float outer = numeric::toSingle(outerHeight);
    if (m_state != WindowState::Normal) {
        throw PropertyRefusedError(desktopOwnsSize);
    }
    resizeInner(m_innerWidth, std::max(0.0F, std::min(outer, m_largestHeight) - m_frameHeight));
}

void Form::setLargestSize(double outerWidth, double outerHeight) {
    m_largestWidth = numeric::toSingle(outerWidth);
    m_largestHeight = numeric::toSingle(outerHeight);
}

void Form::setLiveSummary(std::string summary) {
    m_pendingAnnouncements.push_back(std::move(summary));
    if (m_depth == 0) {
        report();
    }
}

void Form::setFrameSize(double width, double height, Keep keep) {
    const float outerWidth = this->width();
    const float outerHeight = this->height();
    m_frameWidth = numeric::toSingle(width);
    m_frameHeight = numeric::toSingle(height);
    if (keep == Keep::InnerSize) {
        return;
    }
    resizeInner(std::max(0.0F, outerWidth - m_frameWidth),
                std::max(0.0F, outerHeight - m_frameHeight));
}

void Form::setTwipsPerPixel(double twips) {
    for (Control* each : m_order) {
        if (each->kind() == ControlKind::PictureBox) {
            each->setBorder(numeric::toSingle(twips));
        }
    }
}

void Form::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    m_view->mousePointerChanged(pointer);
}

void Form::bind(const std::string& source, EventKind event, Handler handler) {
    m_handlers[{source, event}] = std::move(handler);
}

void Form::bindKeyPress(const std::string& source, KeyHandler handler) {
    m_keyPresses[source] = std::move(handler);
}

void Form::load() {
    raise(m_name, EventKind::Load);
}

void Form::userResize(double innerWidth, double innerHeight) {
    resizeInner(std::max(0.0F, numeric::toSingle(innerWidth)),
                std::max(0.0F, numeric::toSingle(innerHeight)));
}

void Form::click(std::string_view source) {
    raise(source, EventKind::Click);
}

std::int16_t Form::keyPress(std::string_view source, std::int16_t keyAscii) {
    const auto found = m_keyPresses.find(source);
    dispatch(EventKind::KeyPress, [&] {
        if (found != m_keyPresses.end()) {
            found->second(keyAscii);
        }
    });
    return keyAscii;
}

void Form::resizeInner(float innerWidth, float innerHeight) {
    if (innerWidth == m_innerWidth && innerHeight == m_innerHeight) {
        return; // a size that stays as it is raises no event
    }
    m_innerWidth = innerWidth;
    m_innerHeight = innerHeight;
    raise(m_name, EventKind::Resize);
}

void Form::raise(std::string_view source, EventKind event) {
    const auto found = m_handlers.find(std::pair{std::string(source), event});
    dispatch(event, [&] {
        if (found != m_handlers.end()) {
            found->second();
        }
        if (event == EventKind::Resize) {
            m_resizeErrorShown = false;
        }
    });
}

template <typename Body> void Form::dispatch(EventKind kind, Body&& body) {
    ++m_depth;
    try {
        body();
    } catch (const RuntimeError& error) {
        endHandlerWithError(kind, error);
    }
    --m_depth;
    if (m_depth > 0) {
        return;
    }
    m_view->sync();
    report();
}

void Form::report() {
    // Taken out first: a message box runs an event loop, and what the user
    // does meanwhile may raise events of its own. The sentence comes before
    // the message, as it did when the handler set it.
    std::vector<std::string> sentences;
    sentences.swap(m_pendingAnnouncements);
    for (const std::string& sentence : sentences) {
        m_view->announce(sentence);
    }
    std::vector<RuntimeError> errors;
    errors.swap(m_pendingErrors);
    for (const RuntimeError& error : errors) {
        m_view->showError(error);
    }
}

void Form::endHandlerWithError(EventKind kind, const RuntimeError& error) {
    // A busy pointer must not outlive the handler that set it.
    if (m_mousePointer != MousePointer::Default) {
        setMousePointer(MousePointer::Default);
    }
    // A window dragged about raises a stream of resizes; one message for a
    // failing layout is enough until a resize succeeds again.
    if (kind == EventKind::Resize) {
        if (m_resizeErrorShown) {
            return;
        }
        m_resizeErrorShown = true;
    }
    m_pendingErrors.push_back(error);
}

} // namespace kelvara
