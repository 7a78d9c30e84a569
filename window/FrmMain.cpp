// The window frmMain: its events, start-up, reset and key filter.
#include "FrmMain.h"

#include "FrmMainDescription.h"
#include "ResumeNext.h"

namespace kelvara {

namespace {

using PlainHandler = void (FrmMain::*)();

} // namespace

FrmMain::FrmMain(RandomSource& random)
    : m_form(frmMainDescription()), m_imgScreen(m_form.control("imgScreen")),
      m_frmOptions(m_form.control("frmOptions")), m_txtAnz(m_form.control("txtAnz")),
      m_Line1(m_form.array("Line1")), m_lblNr(m_form.array("lblNr")),
      m_lblAnzahl(m_form.array("lblAnzahl")), m_random(random) {
    bindEvents();
    m_form.setAccessibleNamer([this](const Control& control) { return accessibleName(control); });
}

std::string FrmMain::accessibleName(const Control& control) const {
    // A screen reader reads the histogram bar by bar: "Summe 7: 833".
    const std::string sum = "Summe " + std::to_string(control.index() + 2);
    if (control.name() == "Line1" || control.name() == "lblAnzahl") {
        return sum + ": " + std::to_string(m_Tally(control.index()));
    }
    if (control.name() == "lblNr") {
        return sum;
    }
    if (control.name() == "imgScreen") {
        return "Histogramm der Augensummen";
    }
    if (control.name() == "txtAnz") {
        return "Anzahl der Würfe";
    }
    return control.caption();
}

void FrmMain::bindEvents() {
    // The events the program handles; every other event of every control is ignored.
    const struct {
        const char* source;
        EventKind event;
        PlainHandler handler;
    } bindings[] = {
        {"frmMain", EventKind::Load, &FrmMain::Form_Load},
        {"frmMain", EventKind::Resize, &FrmMain::Form_Resize},
        {"cmdOptions", EventKind::Click, &FrmMain::cmdOptions_Click},
        {"cmdCancel", EventKind::Click, &FrmMain::cmdCancel_Click},
    };
    for (const auto& b : bindings) {
        m_form.bind(b.source, b.event, [this, handler = b.handler] { (this->*handler)(); });
    }
    m_form.bindKeyPress("txtAnz", [this](std::int16_t& KeyAscii) { txtAnz_KeyPress(KeyAscii); });
}

void FrmMain::Form_Load() {
    ResumeNext next;
    next([&] { frmMain().setWidth(10000); });
    next([&] { frmMain().setHeight(8000); });
    next([&] { imgScreen().setTop(0); });
    for (std::int16_t i = 0; i <= 10; ++i) {
        next([&] { Line1(i).setHeight(0); });
        next([&] { lblAnzahl(i).setCaption(""); });
    }
    next([&] { ArrangeControls(); });
}

void FrmMain::cmdCancel_Click() {
    Form_Load();
    // The counts start again with the bars; otherwise the labels would show
    // rolls that no bar shows, and a full count would stop every later series.
    m_Tally.clear();
}

void FrmMain::txtAnz_KeyPress(std::int16_t& KeyAscii) {
    const std::int16_t k = KeyAscii;
    if ((k >= 48 || k == 8) && k <= 57) {
        return;
    }
    KeyAscii = 0;
}

void FrmMain::cmdOptions_Click() {
    kelvara::cmdOptions_Click({m_form, m_txtAnz, m_Line1, m_lblAnzahl, m_Tally, m_random});
}

} // namespace kelvara
