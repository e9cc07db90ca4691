// A tree of views under a window, built and changed at random from a seed: labels, pictures, scroll
// views and views that draw past their bounds, nested and reaching outside their superviews, moved to
// fractional and whole places, faded, hidden, turned, scrolled, reordered, animated, and covered by
// opaque views and pictures (some that hide what lies under them, some that must not: turned,
// translucent, rounded or hidden ones).
#pragma once

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/Color.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace zuno::ui::test {

// A picture with a gradient; translucent towards its right edge when asked.
ImagePtr gradientPicture(int width, int height, bool translucent);

// Draws past its bounds, as a text longer than its line does; how far changes with its content.
class Overflowing : public View {
public:
    using View::View;
    double reach = 20;
    void drawRect(Canvas& canvas, const Rect&) override;
};

class RandomScene {
public:
    RandomScene(Window& window, unsigned seed);

    // The views of the tree, under the window.
    void build();
    // One step's random changes; what they were, for failure messages.
    std::string change();

    int below(int n) { return int(random_() % unsigned(n)); }
    double uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(random_); }
    // Places on whole points half the time, else on half and quarter points.
    double place(double from, double to);

private:
    Color colour();
    Rect frame();
    std::shared_ptr<View> makeView();
    std::string changeView(const std::shared_ptr<View>& v);
    std::string scroll(View& v);
    // Makes the view cover all of its superview's bounds opaquely (with its background or an opaque
    // picture), in front of its siblings, now and then with something that must keep it from hiding
    // them; answers what it did.
    std::string cover(View& v);
    std::string spoilCover(View& v);
    // Makes a view drawn before the cover reach past it.
    std::string reachPast(View& cover);
    // Puts the view and its superviews on whole points, untransformed, so that a cover inside lands on
    // whole pixels.
    void alignOnWholePoints(View& v);

    Window& window_;
    std::mt19937 random_;
    std::vector<std::shared_ptr<View>> views_;
    std::shared_ptr<ScrollView> largeScrollView_;
};

}  // namespace zuno::ui::test
