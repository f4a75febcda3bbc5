// Reads a screenshot of the lesson window and reports, as name=value lines for a shell to evaluate, what the
// end-to-end tests look for: which step buttons are drawn, how much of the title is drawn, a fingerprint of
// the number row, how far the speed slider's groove is filled, how much navy text stands in each row of each
// arrangement block of the panel, and over the whole board how much is the title band's navy, navy of any
// kind, or black (blanked).
//
//   lesson_screen SCREENSHOT WINDOW_X WINDOW_Y
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

// Places on the board, in window pixels.
constexpr int kPanelX = 12, kPanelY = 136, kBox = 44;
constexpr int kNumberRowX = 20, kNumberRowY = 87, kNumberRowWidth = 193, kNumberRowHeight = 45;
constexpr int kButtonY = 700, kButtonWidth = 161, kButtonHeight = 49;
constexpr int kSliderX = 848, kSliderY = 88, kSliderHeight = 20;
constexpr int kBoardWidth = 1024, kBoardHeight = 768;
constexpr int kBandX = 1, kBandY = 1, kBandWidth = 896, kBandHeight = 48;

class Screen {
public:
    Screen(QImage image, int windowX, int windowY) : image_(std::move(image)), x_(windowX), y_(windowY) {}

    // Pixels of a window rectangle whose colour meets `test`.
    int Count(int x, int y, int width, int height, const std::function<bool(QRgb)>& test) const {
        int n = 0;
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column) {
                const QPoint at(x_ + column, y_ + row);
                if (image_.valid(at) && test(image_.pixel(at))) ++n;
            }
        return n;
    }

    // A fingerprint of a window rectangle's pixels: equal while it shows the same.
    unsigned Fingerprint(int x, int y, int width, int height) const {
        unsigned hash = 2166136261u;  // FNV-1a over the colours
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column) {
                const QPoint at(x_ + column, y_ + row);
                hash = (hash ^ (image_.valid(at) ? image_.pixel(at) : 0u)) * 16777619u;
            }
        return hash;
    }

private:
    QImage image_;
    int x_, y_;
};

bool NotWhite(QRgb p) {
    return qRed(p) < 230 || qGreen(p) < 230 || qBlue(p) < 230;
}
// The solid core of navy text; anti-aliased edges and the sky-blue grid do not count.
bool Navy(QRgb p) {
    return qBlue(p) >= 90 && qRed(p) <= 70 && qGreen(p) <= 70 && qBlue(p) > qRed(p) + 60;
}
bool Black(QRgb p) {
    return qRed(p) < 24 && qGreen(p) < 24 && qBlue(p) < 24;
}
// The title band's plain navy, not text drawn in it.
bool BandNavy(QRgb p) {
    return qRed(p) < 24 && qGreen(p) < 24 && qBlue(p) >= 112 && qBlue(p) <= 144;
}
// The title's green on the navy band.
bool Lime(QRgb p) {
    return qGreen(p) >= 200 && qRed(p) <= 100 && qBlue(p) <= 100;
}
// The blue with which the style fills the slider's groove up to the handle.
bool GrooveFill(QRgb p) {
    return qRed(p) < 100 && qGreen(p) > 120 && qBlue(p) > 180;
}

void Report(const char* name, int value) {
    std::printf("%s=%d\n", name, value);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: lesson_screen SCREENSHOT WINDOW_X WINDOW_Y\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "lesson_screen: cannot read %s\n", argv[1]);
        return 2;
    }
    const Screen screen(image.convertToFormat(QImage::Format_RGB32), std::atoi(argv[2]), std::atoi(argv[3]));

    const struct {
        const char* name;
        int x;
    } buttons[] = {{"problem_button", 512}, {"arrange_button", 680}, {"result_button", 848}};
    for (const auto& button : buttons)
        Report(button.name, screen.Count(button.x, kButtonY, kButtonWidth, kButtonHeight, NotWhite));

    // Whether the problem changed: the number row's pixels.
    std::printf("number_row=%u\n",
                screen.Fingerprint(kNumberRowX, kNumberRowY, kNumberRowWidth, kNumberRowHeight));
    Report("title_lime", screen.Count(kBandX, kBandY, kBandWidth, kBandHeight, Lime));

    // A filled stretch near the right end of the 100-pixel track means the handle stands at FAST.
    Report("slider_fill_right", screen.Count(kSliderX + 66, kSliderY, 16, kSliderHeight, GrooveFill));

    Report("title_band", screen.Count(kBandX, kBandY, kBandWidth, kBandHeight, BandNavy));
    Report("navy_pixels", screen.Count(0, 0, kBoardWidth, kBoardHeight, Navy));
    Report("black_pixels", screen.Count(0, 0, kBoardWidth, kBoardHeight, Black));

    // Block i (1 … 6) stands at column 8 × ((i − 1) div 2), row 5 × ((i − 1) mod 2) of the grid; its rows are
    // the heading, the product, and the two lines of working.
    for (int block = 1; block <= 6; ++block)
        for (int row = 0; row < 4; ++row) {
            const int left = kPanelX + (block - 1) / 2 * 8 * kBox;
            const int top = kPanelY + ((block - 1) % 2 * 5 + row) * kBox;
            const std::string name = "navy_block" + std::to_string(block) + "_row" + std::to_string(row);
            Report(name.c_str(), screen.Count(left, top, 6 * kBox, kBox, Navy));
        }
    return 0;
}
