// A long random sequence of user events on the headless window, with the
// invariants that must hold after every one of them.
//
// The seed is printed; KELVARA_SEED=<seed> replays a run.
#include "ClockRandom.h"
#include "HeadlessWindow.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>

namespace kelvara::test {
namespace {

std::uint64_t seedForRun() {
    if (const char* fixed = std::getenv("KELVARA_SEED")) {
        return std::strtoull(fixed, nullptr, 10);
    }
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

class RandomEvents : public ::testing::Test {
  protected:
    RandomEvents() : m_seed(seedForRun()), m_pick(m_seed), m_dice([] { return 7ULL; }) {
        std::cout << "random event seed: " << m_seed << "\n";
        RecordProperty("seed", std::to_string(m_seed));
        form.setView(&view);
        form.load();
        view.clear();
    }

    enum class Kind { Resize, Roll, Reset, Key, Paste };

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_pick); }

    double randomSize() {
        switch (uniform(0, 9)) {
        case 0:
            return 0;
        case 1:
            return uniform(0, 1) == 0 ? 1e7 : 4e5; // past the layout's 16-bit limits
        case 2:
            return 6400 + uniform(0, 200); // around the narrow limit
        default:
            return uniform(0, 20000) + uniform(0, 3) * 0.25;
        }
    }

    std::string randomText() {
        switch (uniform(0, 999)) {
        case 0:
            return std::string(1'000'000, static_cast<char>('0' + uniform(0, 9)));
        case 1:
            return "1e" + std::to_string(uniform(0, 400));
        default:
            break;
        }
        switch (uniform(0, 5)) {
        case 0: {
            std::string bytes(static_cast<std::size_t>(uniform(0, 12)), '\0');
            for (char& c : bytes) {
                c = static_cast<char>(uniform(0, 255)); // NULs and invalid UTF-8 included
            }
            return bytes;
        }
        case 1:
            return std::to_string(uniform(-50, 50)) + (uniform(0, 1) ? ".5" : "");
        case 2:
            return "  " + std::to_string(uniform(0, 3000)) + "  ";
        case 3:
            return std::to_string(uniform(0, 99)) + "abc";
        default:
            return std::to_string(uniform(0, 2500));
        }
    }

    Kind randomKind() {
        const int roll = uniform(0, 99);
        if (roll < 30) {
            return Kind::Resize;
        }
        if (roll < 45) {
            return Kind::Roll;
        }
        if (roll < 48) {
            return Kind::Reset;
        }
        if (roll < 80) {
            return Kind::Key;
        }
        return Kind::Paste;
    }

    Control& Line1(int i) { return form.array("Line1")(i); }

    std::uint64_t m_seed;
    std::mt19937_64 m_pick;
    ClockRandom m_dice;
    FrmMain frmMain{m_dice};
    Form& form = frmMain.form();
    NullView view;
};

TEST_F(RandomEvents, hundred_thousand_events_keep_the_invariants) {
    // Rolls a bar has had beyond its count: the roll whose count was full.
    std::array<int, 11> extra{};
    std::array<float, 11> bottom{};
    for (int i = 0; i <= 10; ++i) {
        bottom[static_cast<std::size_t>(i)] = Line1(i).top() + Line1(i).height();
    }
    const std::map<Kind, std::set<ErrorKind>> allowed = {
        {Kind::Resize, {ErrorKind::Overflow, ErrorKind::PropertyRefused}},
        {Kind::Roll, {ErrorKind::TypeMismatch, ErrorKind::Overflow}},
        {Kind::Reset, {}},
        {Kind::Key, {}},
        {Kind::Paste, {}},
    };

    int fullCounts = 0;
    for (int event = 0; event < 100'000; ++event) {
        // Now and then a series long enough to fill a count, so that the
        // overflow path is always part of the run.
        const bool fillACount = event % 20'000 == 19'999;
        const Kind kind = fillACount ? Kind::Roll : randomKind();
        if (fillACount) {
            form.control("txtAnz").setText("1000000");
        }
        view.clear();
        switch (kind) {
        case Kind::Resize:
            if (uniform(0, 20) == 0) {
                form.setWindowState(uniform(0, 1) ? WindowState::Maximized : WindowState::Normal);
            }
            form.userResize(randomSize(), randomSize());
            break;
        case Kind::Roll:
            form.click("cmdOptions");
            break;
        case Kind::Reset:
            form.click("cmdCancel");
            extra.fill(0);
            break;
        case Kind::Key: {
            const auto code = static_cast<std::int16_t>(uniform(-32768, 32767));
            const std::int16_t kept = form.keyPress("txtAnz", code);
            const bool digit = (code >= 48 || code == 8) && code <= 57;
            ASSERT_EQ(kept, digit ? code : 0) << "event " << event;
            break;
        }
        case Kind::Paste:
            form.control("txtAnz").setText(randomText());
            break;
        }

        SCOPED_TRACE("event " + std::to_string(event) + ", seed " + std::to_string(m_seed));
        ASSERT_NE(form.mousePointer(), MousePointer::Hourglass);
        for (ErrorKind error : view.errors()) {
            ASSERT_TRUE(allowed.at(kind).count(error)) << static_cast<int>(error);
        }

        // The layout can only end early on a screen area too wide for
        // 16-bit columns, or when a maximized window is too narrow to widen.
        const bool layoutCompletes =
            form.control("imgScreen").scaleWidth() < 376820.5F &&
            !(form.windowState() != WindowState::Normal && form.scaleWidth() <= 6500);
        const float baseline = form.control("frmOptions").top() - 500;
        for (int i = 0; i <= 10; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            const float now = Line1(i).top() + Line1(i).height();
            if (kind == Kind::Reset) {
                ASSERT_EQ(Line1(i).height(), 0) << "bar " << i;
            }
            if ((kind == Kind::Resize || kind == Kind::Reset) && layoutCompletes) {
                ASSERT_EQ(now, baseline) << "bar " << i;
            } else if (kind == Kind::Resize) {
                // An early end leaves the bars it did not reach where they were.
                ASSERT_TRUE(now == baseline || now == bottom[slot]) << "bar " << i;
            } else if (kind != Kind::Reset) {
                ASSERT_EQ(now, bottom[slot]) << "bar " << i; // nothing else moves a bar's foot
            }
            bottom[slot] = now;
        }
        if (kind == Kind::Roll) {
            const bool overflowed = view.errors() == std::vector{ErrorKind::Overflow};
            for (int i = 0; i <= 10; ++i) {
                const auto slot = static_cast<std::size_t>(i);
                const int over = static_cast<int>(Line1(i).height()) - frmMain.Tally()(i);
                if (overflowed && over == extra[slot] + 1) {
                    ASSERT_EQ(frmMain.Tally()(i), 32767) << "bar " << i;
                    extra[slot] = over;
                    ++fullCounts;
                }
                ASSERT_EQ(over, extra[slot]) << "bar " << i;
            }
        }
    }
    EXPECT_GE(fullCounts, 5);
}

} // namespace
} // namespace kelvara::test
