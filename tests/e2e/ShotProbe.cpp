// Reads a screenshot of the window the way a person looks at it: finds the
// green bars and tells how tall each is in pixels and whether a yellow count
// stands above it. Used by the end-to-end test, which drives the real
// program from outside and so has nothing but the screen to go by.
//
//   shot_probe FILE.png   prints "bars N total T" and one "bar HEIGHT COUNTED" line per bar
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

namespace {

const QColor barGreen(0, 192, 0);
const QColor countYellow(255, 255, 0);

struct Bar {
    int left = 0;
    int right = 0;
    int top = 0;
    int height = 0;
};

int greenInColumn(const QImage& image, int x, int* top) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == barGreen) {
            if (count == 0) {
                *top = y;
            }
            ++count;
        }
    }
    return count;
}

bool yellowAbove(const QImage& image, const Bar& bar) {
    // A count stands 450 twips (30 pixels at 96 dpi) above its bar's top.
    for (int y = std::max(0, bar.top - 32); y < bar.top; ++y) {
        for (int x = bar.left; x <= bar.right; ++x) {
            if (image.pixelColor(x, y) == countYellow) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<Bar> bars;
    bool inBar = false;
    for (int x = 0; x < image.width(); ++x) {
        int top = 0;
        const int green = greenInColumn(image, x, &top);
        if (green > 0 && !inBar) {
            bars.push_back({x, x, top, green});
        } else if (green > 0) {
            bars.back().right = x;
        }
        inBar = green > 0;
    }
    int total = 0;
    for (Bar& bar : bars) {
        int top = 0;
        bar.height = greenInColumn(image, (bar.left + bar.right) / 2, &top);
        bar.top = top;
        total += bar.height;
    }
    std::printf("bars %zu total %d\n", bars.size(), total);
    for (const Bar& bar : bars) {
        std::printf("bar %d %d\n", bar.height, yellowAbove(image, bar) ? 1 : 0);
    }
    return 0;
}
