// A long random sequence of user events on the headless window, with the
// invariants that must hold after every one. The seed is printed;
// KELVARA_SEED=<seed> replays a run.
#include "ClockRandom.h"
#include "HeadlessWindow.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

namespace kelvara::test {
namespace {

std::uint64_t seedForRun() {
    if (const char* fixed = std::getenv("KELVARA_SEED")) {
        return std::strtoull(fixed, nullptr, 10);
    }
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

TEST(RandomEvents, bars_stay_on_the_baseline_and_match_their_counts) {
    const std::uint64_t seed = seedForRun();
    std::cout << "random event seed: " << seed << "\n";
    std::mt19937_64 pick(seed);
    const auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(pick); };
    ClockRandom dice([] { return 7ULL; });
    FrmMain frmMain(dice);
    Form& form = frmMain.form();
    NullView view;
    form.setView(&view);
    form.load();
    std::array<int, 11> overflowed{}; // rolls a bar had beyond its full count
    for (int event = 0; event < 50'000; ++event) {
        SCOPED_TRACE("event " + std::to_string(event) + ", seed " + std::to_string(seed));
        view.clear();
        const int kind = event % 10'000 == 9'999 ? 9 : uniform(0, 9);
        if (kind < 4) {
            form.userResize(uniform(0, 3) == 0 ? 6400 + uniform(0, 200) : uniform(0, 20000),
                            uniform(0, 12000));
        } else if (kind < 7) {
            form.control("txtAnz").setText(uniform(0, 5) == 0 ? std::to_string(uniform(0, 99)) + "x"
                                                              : std::to_string(uniform(-5, 2500)));
        } else if (kind == 7 && uniform(0, 5) == 0) {
            form.click("cmdCancel");
            overflowed.fill(0);
        } else {
            if (kind == 9) {
                form.control("txtAnz").setText("1000000"); // long enough to fill a count
            }
            form.click("cmdOptions");
        }
        ASSERT_NE(form.mousePointer(), MousePointer::Hourglass);
        for (ErrorKind error : view.errors()) {
            ASSERT_TRUE(error == ErrorKind::TypeMismatch || error == ErrorKind::Overflow);
        }
        const bool full = view.errors() == std::vector{ErrorKind::Overflow};
        const float baseline = form.control("frmOptions").top() - 500;
        for (int i = 0; i <= 10; ++i) {
            Control& bar = form.array("Line1")(i);
            ASSERT_EQ(bar.top() + bar.height(), baseline) << "bar " << i;
            const int over = static_cast<int>(bar.height()) - frmMain.Tally()(i);
            const auto slot = static_cast<std::size_t>(i);
            if (full && over == overflowed[slot] + 1 && frmMain.Tally()(i) == 32767) {
                overflowed[slot] = over;
            }
            ASSERT_EQ(over, overflowed[slot]) << "bar " << i;
        }
    }
}

} // namespace
} // namespace kelvara::test
