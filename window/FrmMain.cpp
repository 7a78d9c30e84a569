// SPDX-License-Identifier: GPL-3.0-or-later
// The window frmMain: its events, start-up, reset and key filter.
#include "FrmMain.h"

#include "FrmMainDescription.h"
#include "Layout.h"
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
    describeHistogram(nullptr);
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
    describeHistogram("");
}

void FrmMain::txtAnz_KeyPress(std::int16_t& KeyAscii) {
    const std::int16_t k = KeyAscii;
    if ((k >= 48 || k == 8) && k <= 57) {
        return;
    }
    KeyAscii = 0;
}

void FrmMain::cmdOptions_Click() {
    // The series has no error handling of its own; a screen reader hears how
    // it ended all the same, with the counts the labels will show.
    try {
        rollSeries(
            {m_form, m_txtAnz, m_Line1, m_lblAnzahl, m_Tally, m_random, layout::countAboveBar});
    } catch (const RuntimeError&) {
        describeHistogram("Die Serie endete mit einem Fehler. ");
        throw;
    }
    describeHistogram("");
}

void FrmMain::describeHistogram(const char* outcome) {
    // The counts come from the tally, the numbers the count labels show, not
    // from the bars: a series that ends in a full count has grown a bar by a
    // roll that was never counted.
    std::string counts;
    for (std::int16_t i = 0; i <= 10; ++i) {
        const std::string item =
            "Summe " + std::to_string(i + 2) + ": " + std::to_string(m_Tally(i));
        Line1(i).setAccessibleName(item);
        counts += (i == 0 ? "" : ", ") + item;
    }
    const std::int32_t total = m_Tally.total();
    const std::string summary =
        total == 0 && lblAnzahl(0).caption().empty()
            ? std::string("Das Histogramm ist leer.")
            : std::to_string(total) + (total == 1 ? " Wurf. " : " Würfe. ") + counts + ".";
    imgScreen().setAccessibleName("Histogramm der Augensummen. " + summary);
    if (outcome != nullptr) {
        frmMain().setLiveSummary(outcome + summary);
    }
}

} // namespace kelvara
