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
    m_form.setAccessibleDescriber(
        [this](const Control& control) { return accessibleDescription(control); });
}

std::string FrmMain::accessibleName(const Control& control) const {
    // A screen reader reads the histogram bar by bar, as tall as it stands:
    // "Summe 7: 833".
    if (control.name() == "Line1") {
        return "Summe " + std::to_string(control.index() + 2) + ": " +
               std::to_string(barHeight(control.index()));
    }
    if (control.name() == "imgScreen") {
        return "Histogramm der Augensummen";
    }
    if (control.name() == "txtAnz") {
        return "Anzahl der Würfe";
    }
    return control.caption();
}

std::string FrmMain::accessibleDescription(const Control& control) const {
    // The whole histogram in one sentence, on the screen area and on both
    // buttons: a screen reader speaks a change to the focused object's
    // description, so the result of a series is heard where the user is.
    if (control.name() != "imgScreen" && control.name() != "cmdOptions" &&
        control.name() != "cmdCancel") {
        return {};
    }
    std::int32_t total = 0;
    std::string sums;
    for (std::int16_t i = 0; i <= 10; ++i) {
        total += barHeight(i);
        sums += (i == 0 ? "Summe " : ", Summe ") + std::to_string(i + 2) + ": " +
                std::to_string(barHeight(i));
    }
    if (total == 0) {
        return "Das Histogramm ist leer.";
    }
    return std::to_string(total) + (total == 1 ? " Wurf. " : " Würfe. ") + sums + ".";
}

std::int32_t FrmMain::barHeight(std::int32_t i) const {
    return static_cast<std::int32_t>(m_Line1(i).height());
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
