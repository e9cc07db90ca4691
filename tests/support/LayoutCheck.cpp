#include "support/LayoutCheck.h"

#include <cxxabi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <typeinfo>

#include "platform/backend/CairoCanvas.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Responder.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "shell/CustomLabel.h"
#include "shell/ProgressHUD.h"
#include "shell/UIController.h"
#include "shell/ZunoViewController.h"
#include "support/DrawnPlay.h"
#include "support/LanguageWords.h"
#include "table/CardView.h"
#include "table/TableDecorations.h"
#include "tools/artwork/PicturePixels.h"

namespace zuno::testing {

namespace {

// How far a drawn thing may run over an edge before it counts.
constexpr double kEdgeSlack = 1.0;
// The least contrast ratio (1 to 21) of a text's letters against what lies behind them that reads.
// The texts a player reads on the client's screens measure 1.65 and more (the stakes' yellow on the
// light green of a table the least; white on the dark blue panels some 10); white on a light panel
// measures 1.06.
constexpr double kLeastTextContrast = 1.5;
// Letters fainter than this are no text drawn (a title that carries a value, not shown).
constexpr double kLeastTextOpacity = 0.05;
// The share of a focused field that may lie under something else or off the window.
constexpr double kFocusedFieldHiddenShare = 0.25;
// Sample step over a card when looking for its visible strip, and the strip's least size.
constexpr double kCardSampleStep = 2.0;
constexpr int kCardStripSamples = 4;
// How far apart, in points, a fly-text's way is looked at.
constexpr double kFlightSampleStep = 2.0;

std::string className(const std::type_info& type) {
    int status = 0;
    char* name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::string out = status == 0 && name ? name : type.name();
    std::free(name);
    const auto colons = out.rfind("::");
    return colons == std::string::npos ? out : out.substr(colons + 2);
}

std::string classOf(const ui::View& view) { return className(typeid(view)); }
std::string classOf(const ui::ViewController& controller) { return className(typeid(controller)); }

std::string frameText(const ui::Rect& r) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%.4g, %.4g, %.4g, %.4g)", r.x(), r.y(), r.width(), r.height());
    return buffer;
}

// A text with its numbers blurred, so that a subject stays the same when an amount changes.
std::string stableText(const std::string& text) {
    std::string out;
    bool inNumber = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit || (inNumber && (c == ',' || c == '.'))) {
            if (!inNumber) out += '#';
            inNumber = true;
            continue;
        }
        inNumber = false;
        out += c == '\n' ? ' ' : c;
    }
    constexpr size_t kLongest = 28;
    if (out.size() > kLongest) {
        size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out = out.substr(0, cut) + "...";
    }
    return out;
}

const std::string* shownText(const ui::View& view) {
    if (auto line = dynamic_cast<const CustomLabel*>(&view)) return &line->text();
    if (auto label = dynamic_cast<const ui::Label*>(&view)) return label->text() ? &*label->text() : nullptr;
    return nullptr;
}

// The button whose title the label is, if it is one.
const ui::Button* titleOwner(const ui::View& view) {
    auto button = dynamic_cast<const ui::Button*>(view.superviewPointer());
    return button && button->titleLabel().get() == &view ? button : nullptr;
}

std::string describe(const ui::View& view) {
    if (auto button = titleOwner(view)) return "title of " + describe(*button);
    std::string out = classOf(view);
    if (!view.identifier().empty()) return out + " '" + view.identifier() + "'";
    if (auto button = dynamic_cast<const ui::Button*>(&view)) {
        if (auto title = button->currentTitle(); title && !title->empty()) return out + " \"" + stableText(*title) + "\"";
        auto picture = button->currentImage() ? button->currentImage() : button->currentBackgroundImage();
        if (picture && !picture->name().empty()) return out + " [" + picture->name() + "]";
    }
    if (auto image = dynamic_cast<const ui::ImageView*>(&view); image && image->image() && !image->image()->name().empty()) {
        return out + " [" + image->image()->name() + "]";
    }
    if (auto text = shownText(view); text && !text->empty()) return out + " \"" + stableText(*text) + "\"";
    for (auto* up = view.superviewPointer(); up; up = up->superviewPointer()) {
        if (!up->identifier().empty()) return out + " in '" + up->identifier() + "'";
    }
    return out;
}

// One visible view, in the order of drawing.
struct Drawn {
    ui::View* view = nullptr;
    ui::Window* window = nullptr;  // none when a view is checked alone
    ui::Rect rect;                 // the view's bounds in the root's coordinates
    ui::Rect clipped;              // the part its clipping ancestors let show (not clipped by the window)
    ui::Rect unscrolled;           // the same, but for the scroll views among them
    // The same, but for the sides of an ancestor on the window's own edge (the navigation stack's):
    // what they cut off runs off the window.
    ui::Rect withinWindowEdges;
    int layer = 0;                 // modal layers drawn before it
    double alpha = 1;              // its opacity with its ancestors'
    bool interactive = true;       // it and every ancestor take touches
    bool animating = false;        // it or an ancestor is moving or fading
    std::vector<ui::Rect> play;    // where it shows a game's play, in the root's coordinates, clipped
};

struct Layer {
    std::string name;
};

// Most of the window: a sheet or dialog over the screen, or a control behind everything (a tap on the
// background that ends typing).
bool covers(const ui::Rect& r, const ui::Rect& area) {
    const ui::Rect shown = r.intersection(area);
    return shown.width() * shown.height() >= 0.8 * area.width() * area.height();
}

// No clip yet: the views' own extent decides whether they leave the window.
const ui::Rect kNoClip(-1e9, -1e9, 2e9, 2e9);

// What a view's clipping ancestors let show of it: all of them, all but the scroll views, and all but
// the sides of an ancestor that lie on the window's edge (or beyond it).
struct Clips {
    ui::Rect all = kNoClip;
    ui::Rect unscrolled = kNoClip;
    ui::Rect withinWindowEdges = kNoClip;
};

// The rectangle, with each side that lies on or beyond the area's edge moved out of reach.
ui::Rect openAtEdges(const ui::Rect& r, const ui::Rect& area, double slack) {
    const double x0 = r.minX() <= area.minX() + slack ? kNoClip.minX() : r.minX();
    const double y0 = r.minY() <= area.minY() + slack ? kNoClip.minY() : r.minY();
    const double x1 = r.maxX() >= area.maxX() - slack ? kNoClip.maxX() : r.maxX();
    const double y1 = r.maxY() >= area.maxY() - slack ? kNoClip.maxY() : r.maxY();
    return ui::Rect(x0, y0, x1 - x0, y1 - y0);
}

class Walk {
public:
    Walk(ui::Rect area, std::string screen, const ui::ViewController* topScreen)
        : area_(area), topScreen_(topScreen) {
        layers_.push_back({std::move(screen)});
    }

    void window(ui::Window& w, bool modal) {
        if (modal) startLayer("dialog");
        root_ = &w;
        currentWindow_ = &w;
        visit(w, Clips{}, true, false, 1.0);
    }
    void alone(ui::View& root) {
        root_ = &root;
        currentWindow_ = nullptr;
        visit(root, Clips{}, true, false, 1.0);
    }

    const std::vector<Drawn>& drawn() const { return drawn_; }
    const std::vector<Layer>& layers() const { return layers_; }
    int topLayer() const { return int(layers_.size()) - 1; }
    const ui::Rect& area() const { return area_; }
    // Whether a screen of the client is drawn (the toolkit's own tests draw bare views).
    bool hasScreen() const { return topScreen_ != nullptr; }
    ui::View* root() const { return root_; }
    // Whether the application's windows are walked, rather than one view alone.
    bool walksWindows() const { return root_ && root_ == currentWindow_; }

private:
    void startLayer(const std::string& name) { layers_.push_back({layers_.front().name + " > " + name}); }

    // A sheet, a message box, a progress box or an open side menu: what lies under it takes no taps.
    bool isModal(const ui::View& view, const ui::Rect& rect) const {
        if (&view == root_) return false;
        if (dynamic_cast<const ProgressHUD*>(&view)) return true;
        if (auto screen = dynamic_cast<const ZunoViewController*>(topScreen_)) {
            if (screen->viewMenu.get() == &view) return rect.intersects(area_);
        }
        // A dialog put straight into the window over the screen, with a backdrop that takes the taps.
        if (screenDrawn_ && dynamic_cast<const ui::Window*>(view.superviewPointer()) && view.isUserInteractionEnabled() &&
            covers(rect, area_) && !containsScreen(view)) {
            return true;
        }
        auto controller = view.viewController();
        if (!controller || controller == topScreen_ || dynamic_cast<const ui::NavigationController*>(controller)) {
            return false;
        }
        bool nested = false;
        for (auto* up = view.superviewPointer(); up && !nested; up = up->superviewPointer()) {
            nested = up->viewController() != nullptr;
        }
        const ui::Rect shown = rect.intersection(area_);
        return nested && covers(shown, area_);
    }

    bool containsScreen(const ui::View& view) const {
        auto screenView = topScreen_ ? topScreen_->viewIfLoaded() : nullptr;
        return screenView && (screenView.get() == &view || screenView->isDescendantOf(&view));
    }

    void visit(ui::View& view, Clips clips, bool interactive, bool animating, double alpha) {
        alpha *= view.presentedAlpha();
        if (view.isHidden() || alpha < 0.01) return;
        const ui::Rect rect = view.convertRectToView(view.bounds(), root_ == currentWindow_ ? nullptr : root_);
        animating = animating || ui::Animator::shared().isAnimating(&view);
        interactive = interactive && view.isUserInteractionEnabled();
        if (isModal(view, rect)) {
            const auto* controller = view.viewController();
            startLayer(controller ? classOf(*controller) : classOf(view));
        }
        if (topScreen_ && topScreen_->viewIfLoaded().get() == &view) screenDrawn_ = true;
        Drawn d;
        d.view = &view;
        d.window = currentWindow_;
        d.rect = rect;
        d.clipped = rect.intersection(clips.all);
        d.unscrolled = rect.intersection(clips.unscrolled);
        d.withinWindowEdges = rect.intersection(clips.withinWindowEdges);
        d.layer = topLayer();
        d.alpha = alpha;
        d.interactive = interactive;
        d.animating = animating;
        for (const ui::Rect& r : playDrawnBy(view)) {
            const ui::Rect shown = view.convertRectToView(r, root_ == currentWindow_ ? nullptr : root_).intersection(clips.all);
            if (!shown.isEmpty()) d.play.push_back(shown);
        }
        drawn_.push_back(d);
        if (view.clipsToBounds()) {
            clips.all = clips.all.intersection(rect);
            // A scroll view's content beyond its bounds is scrolled away, wherever its edges lie.
            if (dynamic_cast<const ui::ScrollView*>(&view)) {
                clips.withinWindowEdges = clips.withinWindowEdges.intersection(rect);
            } else {
                clips.unscrolled = clips.unscrolled.intersection(rect);
                clips.withinWindowEdges = clips.withinWindowEdges.intersection(openAtEdges(rect, area_, kEdgeSlack));
            }
        }
        for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(view.subviews())) {
            visit(*sub, clips, interactive, animating, alpha);
        }
    }

    ui::Rect area_;
    const ui::ViewController* topScreen_;
    ui::View* root_ = nullptr;
    ui::Window* currentWindow_ = nullptr;
    bool screenDrawn_ = false;
    std::vector<Drawn> drawn_;
    std::vector<Layer> layers_;
};

bool isCard(const ui::View& view) { return dynamic_cast<const CardView*>(&view) != nullptr; }

// A table's chat bubble: the picture of a seat's bubble ("chat0" to "chat4") with its rows of text.
bool isBubble(const ui::View& view) {
    const std::string& name = view.identifier();
    if (!dynamic_cast<const ui::ImageView*>(&view) || name.size() != 5 || name.rfind("chat", 0) != 0 ||
        name[4] < '0' || name[4] > '9') {
        return false;
    }
    return std::any_of(view.subviews().begin(), view.subviews().end(), [](const auto& row) {
        const std::string* text = shownText(*row);
        return !row->isHidden() && text && !text->empty();
    });
}

bool insideBubble(const ui::View& view) {
    for (auto* up = view.superviewPointer(); up; up = up->superviewPointer()) {
        if (isBubble(*up)) return true;
    }
    return false;
}

// A picture of its own on the screen (an avatar, a chip stack, a marker), not a background under texts.
bool isSmallPicture(const ui::View& view) {
    auto image = dynamic_cast<const ui::ImageView*>(&view);
    if (!image || !image->image() || dynamic_cast<const ui::Button*>(view.superviewPointer())) return false;
    for (auto* up = view.superviewPointer(); up; up = up->superviewPointer()) {
        if (isCard(*up)) return false;
    }
    const ui::Size size = view.bounds().size;
    return size.width <= 100 && size.height <= 100;
}

// Whether the text and the picture belong to one control (a button's title beside its own image).
bool partOfOneControl(const ui::View& text, const ui::View& picture) {
    for (auto* up = picture.superviewPointer(); up; up = up->superviewPointer()) {
        if (text.isDescendantOf(up) && dynamic_cast<const ui::Control*>(up)) return true;
    }
    return text.isDescendantOf(&picture);
}

bool insideCard(const ui::View& view) {
    for (auto* up = view.superviewPointer(); up; up = up->superviewPointer()) {
        if (isCard(*up)) return true;
    }
    return false;
}

// A control that is seen: a button with a picture or a title, a switch, a field; not a bare tap area
// over a picture or a text.
bool showsItself(const ui::View& view) {
    if (isCard(view) || insideCard(view)) return false;
    if (auto button = dynamic_cast<const ui::Button*>(&view)) {
        const auto title = button->currentTitle();
        return button->currentBackgroundImage() || button->currentImage() || (title && !title->empty());
    }
    return dynamic_cast<const ui::Control*>(&view) != nullptr;
}

bool drawsSomething(const ui::View& view) {
    if (auto bg = view.presentedBackgroundColor(); bg && bg->a > 0.01) return true;
    if (auto image = dynamic_cast<const ui::ImageView*>(&view)) return image->image() != nullptr;
    if (auto text = shownText(view)) return !text->empty();
    // A bare tap area (one behind a form that ends the typing) shows nothing.
    if (auto button = dynamic_cast<const ui::Button*>(&view)) {
        return button->buttonType() == ui::Button::Type::RoundedRect || showsItself(view);
    }
    if (dynamic_cast<const ui::Control*>(&view)) return true;
    if (auto layer = view.layerIfAny(); layer && layer->borderWidth() > 0) return true;
    return typeid(view) != typeid(ui::View);
}

// A view that hides what lies under it: a background, a picture, a text, a control or a border.
bool paintsOver(const ui::View& view) {
    if (auto bg = view.presentedBackgroundColor(); bg && bg->a > 0.1) return true;
    if (auto image = dynamic_cast<const ui::ImageView*>(&view)) return image->image() != nullptr;
    if (auto text = shownText(view)) return !text->empty();
    if (dynamic_cast<const ui::Control*>(&view)) return true;
    auto layer = view.layerIfAny();
    return layer && layer->borderWidth() > 0;
}

// Draws what the views draw but their texts.
class TextlessCanvas : public ui::CairoCanvas {
public:
    using ui::CairoCanvas::CairoCanvas;
    double drawText(std::string_view text, ui::Point, const ui::Font& font) override { return font.widthOfText(text); }
};

// Draws the views' texts alone (shadows included), on nothing, faded as their views are.
class TextOnlyCanvas : public ui::CairoCanvas {
public:
    using ui::CairoCanvas::CairoCanvas;
    void fillRect(const ui::Rect&) override {}
    void strokeRect(const ui::Rect&) override {}
    void clearRect(const ui::Rect&) override {}
    void fillPath() override { cairo_new_path(context()); }
    void strokePath() override { cairo_new_path(context()); }
    void drawLinearGradient(ui::Point, ui::Point, const ui::Color&, const ui::Color&) override {}
    void drawImage(const ui::Image&, ui::Point, double) override {}
    void drawImage(const ui::Image&, const ui::Rect&, double) override {}
};

// A picture of the windows (or of the view checked alone) at scale 1, in the walk's coordinates: as
// shown, without the texts, or the texts alone.
class Picture {
public:
    enum class Kind { Shown, Textless, TextOnly };

    Picture(const Walk& walk, Kind kind) : area_(walk.area()) {
        const int width = std::max(1, int(std::ceil(area_.width()))), height = std::max(1, int(std::ceil(area_.height())));
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(surface_);
        if (kind != Kind::TextOnly) {
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_paint(cr);
        }
        {
            std::unique_ptr<ui::CairoCanvas> canvas;
            switch (kind) {
                case Kind::Shown: canvas = std::make_unique<ui::CairoCanvas>(cr); break;
                case Kind::Textless: canvas = std::make_unique<TextlessCanvas>(cr); break;
                case Kind::TextOnly: canvas = std::make_unique<TextOnlyCanvas>(cr); break;
            }
            if (walk.walksWindows()) {
                for (const auto& window : ui::Application::shared().windows()) {
                    if (!window->isHidden()) window->renderPlainly(*canvas);
                }
            } else {
                canvas->translate(-area_.x(), -area_.y());
                walk.root()->renderTree(*canvas);
            }
        }
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
    }
    ~Picture() { cairo_surface_destroy(surface_); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The pixels a rectangle (in the walk's coordinates) covers, as [x0, x1) x [y0, y1).
    struct Pixels {
        int x0, y0, x1, y1;
    };
    Pixels pixelsOf(const ui::Rect& r) const {
        const int width = cairo_image_surface_get_width(surface_), height = cairo_image_surface_get_height(surface_);
        return {std::max(0, int(std::floor(r.minX() - area_.x()))), std::max(0, int(std::floor(r.minY() - area_.y()))),
                std::min(width, int(std::ceil(r.maxX() - area_.x()))), std::min(height, int(std::ceil(r.maxY() - area_.y())))};
    }
    // Premultiplied ARGB.
    uint32_t at(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface_) + size_t(y) * size_t(cairo_image_surface_get_stride(surface_));
        return reinterpret_cast<const uint32_t*>(row)[x];
    }

private:
    ui::Rect area_;
    cairo_surface_t* surface_;
};

double channel(uint32_t pixel, int shift) { return double((pixel >> shift) & 0xFF) / 255; }

ui::Color colourOf(uint32_t opaquePixel) {
    return {channel(opaquePixel, 16), channel(opaquePixel, 8), channel(opaquePixel, 0), 1};
}

// The screen as shown and without its texts, and where the texts' letters lie: a letter's core shows
// its colour as the player sees it (faded, shadowed, over what it is drawn on) beside the colour
// behind it.
class TextPictures {
public:
    explicit TextPictures(const Walk& walk)
        : shown_(walk, Picture::Kind::Shown), behind_(walk, Picture::Kind::Textless), letters_(walk, Picture::Kind::TextOnly) {}

    struct Measure {
        double contrast = 0;
        ui::Color letters, behind;
    };
    // The best contrast of the letters' cores (the most opaque of the text's pixels, its shadow's
    // among them) in the rectangle against what lies behind them; none where no text was drawn.
    std::optional<Measure> contrastIn(const ui::Rect& r) const {
        const auto px = letters_.pixelsOf(r);
        double opaquest = 0;
        for (int y = px.y0; y < px.y1; ++y) {
            for (int x = px.x0; x < px.x1; ++x) opaquest = std::max(opaquest, channel(letters_.at(x, y), 24));
        }
        if (opaquest < kLeastTextOpacity) return std::nullopt;
        Measure best;
        for (int y = px.y0; y < px.y1; ++y) {
            for (int x = px.x0; x < px.x1; ++x) {
                if (channel(letters_.at(x, y), 24) < 0.9 * opaquest) continue;
                const ui::Color seen = colourOf(shown_.at(x, y)), back = colourOf(behind_.at(x, y));
                const double ratio = pictures::contrast(seen, back);
                if (ratio > best.contrast) best = {ratio, seen, back};
            }
        }
        return best;
    }

private:
    Picture shown_, behind_, letters_;
};

class Checker {
public:
    Checker(const Walk& walk, std::vector<LayoutFinding>& out) : walk_(walk), out_(out) {}

    void run() {
        for (const auto& d : walk_.drawn()) {
            if (d.clipped.isEmpty()) continue;
            if (!d.animating) {
                checkCovered(d);
                checkOffWindow(d);
                checkCut(d);
            }
            if (walk_.hasScreen()) checkLanguage(d);
        }
        checkOverlaps();
        checkCutAlike();
        checkContrast();
        checkFocusedField();
    }

    // The bubble rule alone: no pictures drawn.
    void runBubbles() {
        std::vector<TextBox> texts;
        std::vector<const Drawn*> cards, pictures;
        gather(texts, cards, pictures);
        checkBubbles(texts, cards);
    }

private:
    void add(const Drawn& d, std::string rule, std::string subject, std::string detail) {
        out_.push_back({walk_.layers()[size_t(d.layer)].name, std::move(rule), std::move(subject), std::move(detail)});
    }

    std::shared_ptr<ui::View> hitAt(const Drawn& d, ui::Point p) const {
        if (!d.window) return walk_.root()->hitTest(p, nullptr);
        auto windows = ui::Application::shared().windows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            if ((*it)->isHidden()) continue;
            if (auto hit = (*it)->hitTest((*it)->pointFromSuperview(p), nullptr)) return hit;
        }
        return nullptr;
    }

    static bool within(const ui::View* hit, const ui::View& view) {
        return hit && (hit == &view || hit->isDescendantOf(&view));
    }

    void checkCovered(const Drawn& d) {
        if (d.layer != walk_.topLayer() || !d.interactive) return;
        const ui::Rect shown = d.clipped.intersection(walk_.area());
        if (shown.isEmpty()) return;
        if (isCard(*d.view)) return checkCardStrip(d, shown);
        auto control = dynamic_cast<ui::Control*>(d.view);
        if (!control || !control->isEnabled() || covers(d.rect, walk_.area())) return;
        const ui::Point centre = shown.contains(d.rect.center()) ? d.rect.center() : shown.center();
        auto hit = hitAt(d, centre);
        if (within(hit.get(), *d.view)) return;
        add(d, "covered",
            describe(*d.view) + " under " + (hit ? describe(*hit) : std::string("nothing: outside its superview")),
            frameText(d.rect) + (hit ? " taken by " + frameText(hit->convertRectToView(hit->bounds(), nullptr)) : ""));
    }

    // A card of a fanned hand needs a strip of its own that takes the tap; one wholly under other cards
    // is not seen and needs none.
    void checkCardStrip(const Drawn& d, const ui::Rect& shown) {
        std::set<int> columns, rows;
        std::shared_ptr<ui::View> taker;
        for (double y = shown.minY() + 1; y < shown.maxY() - 1; y += kCardSampleStep) {
            for (double x = shown.minX() + 1; x < shown.maxX() - 1; x += kCardSampleStep) {
                auto hit = hitAt(d, {x, y});
                if (within(hit.get(), *d.view)) {
                    columns.insert(int(x));
                    rows.insert(int(y));
                    continue;
                }
                bool underCard = false;
                for (auto* v = hit.get(); v && !underCard; v = v->superviewPointer()) underCard = isCard(*v);
                if (!underCard && !taker) taker = hit;
            }
        }
        if (int(columns.size()) >= kCardStripSamples && int(rows.size()) >= kCardStripSamples) return;
        if (!taker && columns.empty()) return;
        add(d, "covered",
            describe(*d.view) + (taker ? " under " + describe(*taker) : std::string(" with too narrow a strip")),
            frameText(d.rect) + " takes taps on " + std::to_string(columns.size()) + " columns");
    }

    void checkOffWindow(const Drawn& d) {
        if (!drawsSomething(*d.view) || insideCard(*d.view)) return;
        const ui::Rect& area = walk_.area();
        const ui::Rect& r = d.withinWindowEdges;
        if (!r.intersects(area)) return;  // out of sight at a place of its own
        if (r.minX() <= area.minX() && r.minY() <= area.minY() && r.maxX() >= area.maxX() && r.maxY() >= area.maxY()) {
            return;  // a background under the whole window
        }
        if (r.minX() < area.minX() - kEdgeSlack || r.minY() < area.minY() - kEdgeSlack ||
            r.maxX() > area.maxX() + kEdgeSlack || r.maxY() > area.maxY() + kEdgeSlack) {
            add(d, "off-window", describe(*d.view), frameText(r) + " in " + frameText(area));
        }
    }

    struct TextBox {
        const Drawn* drawn;
        ui::Rect box;
    };

    // Where the label draws its text, laid out as the label lays it out; how much it needs beside.
    struct Measure {
        ui::Rect drawnBox;   // the text as drawn, within the label's bounds
        bool cut = false;
        std::string why;
    };

    static Measure measure(const ui::Label& label, const std::string& text, const ui::Rect& rect) {
        Measure m;
        const ui::Rect box = rect;
        const bool custom = dynamic_cast<const CustomLabel*>(&label) != nullptr;
        // An emoticon label of several lines lays its text out itself.
        auto wrapping = custom && label.numberOfLines() != 1 ? static_cast<const CustomLabel*>(&label) : nullptr;
        ui::Font font = label.font();
        const int lines = custom && !wrapping ? 1 : label.numberOfLines();
        if (label.adjustsFontSizeToFitWidth() && lines == 1 && !custom) {
            const double least = label.minimumFontSize() > 0 ? label.minimumFontSize() : 1;
            while (font.pointSize() > least && font.widthOfText(text) > box.width()) {
                font = font.withSize(std::max(least, font.pointSize() - 1));
            }
        }
        const double lineHeight = font.lineHeight();
        std::vector<std::string> laid;
        if (wrapping) {
            laid = wrapping->wrappedLines(box.width());
        } else if (lines == 1) {
            laid = font.wrap(text, 1e9, 0, ui::LineBreakMode::Clip);
        } else {
            laid = font.wrap(text, box.width(), 0,
                             label.lineBreakMode() == ui::LineBreakMode::CharacterWrap ? ui::LineBreakMode::CharacterWrap
                                                                                       : ui::LineBreakMode::WordWrap,
                             label.breaksLongWords());
        }
        const int allowed = lines == 0 ? std::max(1, int(std::floor(box.height() / lineHeight))) : lines;
        double widest = 0;
        for (const auto& l : laid) widest = std::max(widest, wrapping ? wrapping->advanceOf(l) : font.widthOfText(l));
        const int shown = std::min<int>(int(laid.size()), allowed);
        const double height = lineHeight * shown;
        if (int(laid.size()) > allowed) {
            m.cut = true;
            m.why = std::to_string(laid.size()) + " lines for " + std::to_string(allowed);
        } else if (widest > box.width() + 0.5) {
            m.cut = true;
            m.why = "needs " + std::to_string(int(std::ceil(widest))) + " points of width";
        } else if (height - box.height() > 0.3 * font.pointSize()) {
            m.cut = true;
            m.why = "needs " + std::to_string(int(std::ceil(height))) + " points of height";
        }
        const double width = std::min(widest, box.width());
        const double x = box.x() + label.lineOffset(width, box.width());
        const double y = box.y() + std::floor((box.height() - height) / 2);
        m.drawnBox = ui::Rect(x, y, width, height).intersection(box);
        return m;
    }

    void checkCut(const Drawn& d) {
        auto label = dynamic_cast<const ui::Label*>(d.view);
        const std::string* text = shownText(*d.view);
        if (!label || !text || text->empty()) return;
        if (auto button = titleOwner(*d.view)) {
            // The title is laid out inside its button; one that spills out of the button is cut.
            const ui::Rect own = button->convertRectToView(button->bounds(), d.window ? nullptr : walk_.root());
            const Measure m = measure(*label, *text, d.rect);
            const ui::Rect inside = m.drawnBox.intersection(own);
            const double lost = m.drawnBox.width() * m.drawnBox.height() - inside.width() * inside.height();
            if (m.cut || lost > 0.2 * m.drawnBox.width() * m.drawnBox.height()) {
                add(d, "cut", describe(*d.view) + " \"" + stableText(*text) + "\"",
                    frameText(own) + ": " + (m.cut ? m.why : std::string("the title runs out of its button")));
            }
            return;
        }
        if (label->truncatesOnPurpose()) return;
        const Measure m = measure(*label, *text, d.rect);
        if (m.cut) {
            add(d, "cut", describe(*d.view) + " \"" + stableText(*text) + "\"", frameText(d.rect) + ": " + m.why);
            return;
        }
        const ui::Rect seen = m.drawnBox.intersection(d.unscrolled);
        if (seen.width() * seen.height() < 0.8 * m.drawnBox.width() * m.drawnBox.height()) {
            add(d, "cut", describe(*d.view) + " \"" + stableText(*text) + "\"",
                frameText(d.rect) + ": an ancestor shows only " + frameText(seen));
        }
    }

    // The texts drawn (where their letters lie), the cards and the small pictures, not moving.
    void gather(std::vector<TextBox>& texts, std::vector<const Drawn*>& cards, std::vector<const Drawn*>& pictures) const {
        for (const auto& d : walk_.drawn()) {
            if (d.animating || d.clipped.isEmpty()) continue;
            if (isCard(*d.view)) cards.push_back(&d);
            if (isSmallPicture(*d.view)) pictures.push_back(&d);
            auto label = dynamic_cast<const ui::Label*>(d.view);
            const std::string* text = shownText(*d.view);
            if (!label || !text || text->empty()) continue;
            ui::Rect box = measure(*label, *text, d.rect).drawnBox.intersection(d.clipped);
            // The line height holds some air above and below the letters.
            const double air = 0.15 * label->font().pointSize();
            box = ui::Rect(box.x() + 0.5, box.y() + air, box.width() - 1, box.height() - 2 * air);
            if (box.width() > 0 && box.height() > 0) texts.push_back({&d, box});
        }
    }

    // A text as a player reads it where it is cut: what is drawn, against the whole text.
    struct Reading {
        const Drawn* drawn;
        std::string name;
        std::string whole, shown;
    };

    // The part of a line that shows in a box `width` wide, the line drawn from `left` in it: the
    // letters wholly inside.
    static std::string lettersInside(const ui::Font& font, const std::string& line, double left, double width) {
        std::string out;
        for (size_t at = 0; at < line.size();) {
            const size_t next = ui::nextCharacterStart(line, at);
            const double from = left + font.widthOfText(std::string_view(line).substr(0, at));
            const double to = left + font.widthOfText(std::string_view(line).substr(0, next));
            if (from >= -0.5 && to <= width + 0.5) out += line.substr(at, next - at);
            at = next;
        }
        return out;
    }

    static std::string withoutSpaces(const std::string& text) {
        std::string out;
        for (char c : text)
            if (c != ' ' && c != '\n' && c != '\t') out += c;
        return out;
    }

    void gatherReadings(std::vector<Reading>& out) const {
        for (const auto& d : walk_.drawn()) {
            if (d.animating || d.clipped.isEmpty()) continue;
            if (auto segments = dynamic_cast<const ui::SegmentedControl*>(d.view)) {
                for (int i = 0; i < segments->numberOfSegments(); ++i) {
                    const std::string title = segments->titleForSegmentAtIndex(i);
                    if (title.empty()) continue;
                    out.push_back({&d, describe(*d.view) + " segment \"" + stableText(title) + "\"", title,
                                   segments->shownTitleForSegment(i)});
                }
                continue;
            }
            auto label = dynamic_cast<const ui::Label*>(d.view);
            if (!label || dynamic_cast<const CustomLabel*>(label) || !label->text() || label->text()->empty()) continue;
            const ui::Size box = d.rect.size;
            const auto laid = label->layOut(box);
            std::string shown;
            for (const auto& line : laid.lines) {
                const double width = laid.font.widthOfText(line);
                const double left = label->lineOffset(width, box.width);
                shown += (shown.empty() ? "" : " ") +
                         (width > box.width ? lettersInside(laid.font, line, left, box.width) : line);
            }
            out.push_back({&d, describe(*d.view), *label->text(), shown});
        }
    }

    // Two texts of one row, or of one sheet or dialog, cut so that they read the same: the player
    // cannot tell the two apart (three tabs that all read "Áo...").
    void checkCutAlike() {
        std::vector<Reading> cut;
        {
            std::vector<Reading> all;
            gatherReadings(all);
            for (auto& r : all)
                if (withoutSpaces(r.shown) != withoutSpaces(r.whole)) cut.push_back(std::move(r));
        }
        for (size_t i = 0; i < cut.size(); ++i) {
            for (size_t j = i + 1; j < cut.size(); ++j) {
                const Reading &a = cut[i], &b = cut[j];
                if (a.drawn->layer != b.drawn->layer || a.shown != b.shown || a.whole == b.whole) continue;
                const ui::Rect &ra = a.drawn->clipped, &rb = b.drawn->clipped;
                const bool oneRow = ra.minY() < rb.maxY() && rb.minY() < ra.maxY();
                if (!oneRow && a.drawn->layer == 0) continue;
                add(*b.drawn, "cut-alike", a.name + " and " + b.name + " both read \"" + stableText(a.shown) + "\"",
                    frameText(ra) + " and " + frameText(rb));
            }
        }
    }

    void checkOverlaps() {
        std::vector<TextBox> texts;
        std::vector<const Drawn*> cards, pictures;
        gather(texts, cards, pictures);
        checkPictureOverlaps(cards, pictures);
        checkControlOverlaps();
        checkBubbles(texts, cards);
        checkFlights(texts, cards, pictures);
        for (size_t i = 0; i < texts.size(); ++i) {
            for (size_t j = i + 1; j < texts.size(); ++j) {
                const auto& a = texts[i];
                const auto& b = texts[j];
                if (a.drawn->layer != b.drawn->layer) continue;
                const ui::Rect both = a.box.intersection(b.box);
                if (both.width() <= 1 || both.height() <= 1) continue;
                add(*b.drawn, "texts-overlap", describe(*a.drawn->view) + " and " + describe(*b.drawn->view),
                    frameText(a.box) + " and " + frameText(b.box));
            }
            for (const Drawn* picture : pictures) {
                const auto& t = texts[i];
                if (picture->layer != t.drawn->layer || partOfOneControl(*t.drawn->view, *picture->view)) continue;
                const ui::Rect both = t.box.intersection(picture->clipped);
                // A text laid wholly on a small picture (a count on a badge) is meant so.
                if (both.width() <= 1 || both.height() <= 1 || both == t.box) continue;
                add(*t.drawn, "texts-overlap", describe(*t.drawn->view) + " and " + describe(*picture->view),
                    frameText(t.box) + " and " + frameText(picture->clipped));
            }
            for (const Drawn* card : cards) {
                const auto& t = texts[i];
                if (card->layer != t.drawn->layer || t.drawn->view->isDescendantOf(card->view)) continue;
                const ui::Rect both = t.box.intersection(card->clipped);
                if (both.width() <= 1 || both.height() <= 1) continue;
                add(*t.drawn, "texts-overlap", describe(*t.drawn->view) + " and a card",
                    frameText(t.box) + " and " + describe(*card->view) + " " + frameText(card->clipped));
            }
        }
    }

    // A table's money fly-text shows only while it flies: it is judged along the rest of its way, from
    // where it shows now to where it lands, against the texts (a bubble's lines among them), cards and
    // small pictures at rest. Its way is a straight line, whatever the pace along it.
    void checkFlights(const std::vector<TextBox>& texts, const std::vector<const Drawn*>& cards,
                      const std::vector<const Drawn*>& pictures) {
        for (const auto& d : walk_.drawn()) {
            auto label = dynamic_cast<const ui::Label*>(d.view);
            const std::string* text = shownText(*d.view);
            if (!label || !text || text->empty() || d.view->identifier() != TableDecorations::kFlyTextIdentifier ||
                !d.animating || !d.view->superviewPointer())
                continue;
            const ui::View* into = d.window ? nullptr : walk_.root();
            const ui::Point shows = d.view->superviewPointer()->convertPointToView(d.view->presentedCenter(), into);
            const ui::Point lands = d.rect.center();
            const double air = 0.15 * label->font().pointSize();
            const ui::Rect atRest = measure(*label, *text, d.rect).drawnBox.insetBy(0.5, air);
            const double way = std::hypot(lands.x - shows.x, lands.y - shows.y);
            const int steps = std::max(1, int(std::ceil(way / kFlightSampleStep)));
            const auto wayOver = [&](const ui::Rect& other) -> std::optional<ui::Rect> {
                for (int step = 0; step <= steps; ++step) {
                    const double t = double(step) / steps;
                    const ui::Rect box = atRest.offsetBy((shows.x - lands.x) * (1 - t), (shows.y - lands.y) * (1 - t));
                    const ui::Rect both = box.intersection(other);
                    if (both.width() > 1 && both.height() > 1) return box;
                }
                return std::nullopt;
            };
            const std::string flying = describe(*d.view) + " \"" + stableText(*text) + "\" flying over ";
            for (const auto& t : texts) {
                if (t.drawn->layer != d.layer) continue;
                if (auto at = wayOver(t.box))
                    add(d, "flight-over", flying + describe(*t.drawn->view),
                        frameText(*at) + " and " + frameText(t.box));
            }
            for (const auto* group : {&cards, &pictures}) {
                for (const Drawn* other : *group) {
                    // It flies over the bubbles on purpose; their lines are among the texts.
                    if (other->layer != d.layer || isBubble(*other->view)) continue;
                    if (auto at = wayOver(other->clipped)) {
                        const std::string over = isCard(*other->view) ? "a card" : describe(*other->view);
                        add(d, "flight-over", flying + over,
                            frameText(*at) + " and " + describe(*other->view) + " " + frameText(other->clipped));
                    }
                }
            }
        }
    }

    // A chat bubble showing over another one, over a text (a name, money), over a card or over play (a
    // well, the next piece, a board's pieces) hides them.
    void checkBubbles(const std::vector<TextBox>& texts, const std::vector<const Drawn*>& cards) {
        std::vector<const Drawn*> bubbles;
        for (const auto& d : walk_.drawn()) {
            if (!d.animating && !d.clipped.isEmpty() && isBubble(*d.view)) bubbles.push_back(&d);
        }
        auto over = [](const ui::Rect& a, const ui::Rect& b) {
            const ui::Rect both = a.intersection(b);
            return both.width() > 1 && both.height() > 1;
        };
        for (size_t i = 0; i < bubbles.size(); ++i) {
            const Drawn& bubble = *bubbles[i];
            for (size_t j = i + 1; j < bubbles.size(); ++j) {
                const Drawn& other = *bubbles[j];
                if (other.layer != bubble.layer || !over(bubble.clipped, other.clipped)) continue;
                add(other, "bubble-over", describe(*other.view) + " over " + describe(*bubble.view),
                    frameText(other.clipped) + " and " + frameText(bubble.clipped));
            }
            for (const auto& text : texts) {
                const ui::View& view = *text.drawn->view;
                if (text.drawn->layer != bubble.layer || insideBubble(view) || !over(bubble.clipped, text.box)) continue;
                add(bubble, "bubble-over", describe(*bubble.view) + " over " + describe(view),
                    frameText(bubble.clipped) + " and " + frameText(text.box));
            }
            for (const Drawn* card : cards) {
                if (card->layer != bubble.layer || !over(bubble.clipped, card->clipped)) continue;
                add(bubble, "bubble-over", describe(*bubble.view) + " over a card",
                    frameText(bubble.clipped) + " and " + describe(*card->view) + " " + frameText(card->clipped));
            }
            for (const auto& d : walk_.drawn()) {
                if (d.layer != bubble.layer) continue;
                const auto hidden = std::find_if(d.play.begin(), d.play.end(), [&](const ui::Rect& r) { return over(bubble.clipped, r); });
                if (hidden == d.play.end()) continue;
                add(bubble, "bubble-over", describe(*bubble.view) + " over the play of " + describe(*d.view),
                    frameText(bubble.clipped) + " and " + frameText(*hidden));
            }
        }
    }

    // A button, a switch or a field that shows itself lies partly over another: one is drawn over the
    // other's edge (a control wholly on another, a button on a field say, is meant so).
    void checkControlOverlaps() {
        // The unread-mail button keeps its own place over the top-right corner, checked on its own.
        const auto mail = UIController::btnAlertMessage();
        std::vector<const Drawn*> controls;
        for (const auto& d : walk_.drawn()) {
            if (d.animating || d.clipped.isEmpty() || !showsItself(*d.view) || d.view == mail.get()) continue;
            if (covers(d.rect, walk_.area())) continue;
            controls.push_back(&d);
        }
        for (size_t i = 0; i < controls.size(); ++i) {
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const Drawn &a = *controls[i], &b = *controls[j];
                if (a.layer != b.layer || a.view->isDescendantOf(b.view) || b.view->isDescendantOf(a.view)) continue;
                const ui::Rect both = a.clipped.intersection(b.clipped);
                if (both.width() <= 2 || both.height() <= 2) continue;
                if (both == a.clipped || both == b.clipped) continue;
                add(b, "controls-overlap", describe(*a.view) + " and " + describe(*b.view),
                    frameText(a.clipped) + " and " + frameText(b.clipped));
            }
        }
    }

    // A card or a picture laid over much of a person-sized picture (an avatar): one of them hides the
    // other. A badge or a mark wholly on its picture is meant so, as are pictures of one control.
    void checkPictureOverlaps(const std::vector<const Drawn*>& cards, const std::vector<const Drawn*>& pictures) {
        auto personSized = [](const Drawn& d) { return d.rect.width() >= 30 && d.rect.height() >= 30; };
        auto related = [](const Drawn& a, const Drawn& b) {
            return a.layer != b.layer || a.view->isDescendantOf(b.view) || b.view->isDescendantOf(a.view) ||
                   partOfOneControl(*a.view, *b.view);
        };
        auto area = [](const ui::Rect& r) { return r.width() * r.height(); };
        auto check = [&](const Drawn& upper, const Drawn& lower, double share) {
            const ui::Rect both = upper.clipped.intersection(lower.clipped);
            if (both.width() <= 1 || both.height() <= 1) return;
            if (both == upper.clipped || both == lower.clipped) return;  // one wholly on the other
            // A piece on the mark of its own place, lifted a little when picked up.
            const ui::Rect &a = upper.rect, &b = lower.rect;
            if (a.size == b.size && std::abs(a.x() - b.x()) <= a.width() / 3 && std::abs(a.y() - b.y()) <= a.height() / 3) {
                return;
            }
            if (area(both) <= share * std::min(area(upper.clipped), area(lower.clipped))) return;
            add(upper, "pictures-overlap", describe(*upper.view) + " and " + describe(*lower.view),
                frameText(upper.clipped) + " and " + frameText(lower.clipped));
        };
        for (size_t i = 0; i < pictures.size(); ++i) {
            const Drawn& picture = *pictures[i];
            if (!personSized(picture)) continue;
            for (const Drawn* card : cards) {
                if (!related(*card, picture)) check(*card, picture, 0.25);
            }
            for (size_t j = 0; j < pictures.size(); ++j) {
                const Drawn& other = *pictures[j];
                if (j == i || !personSized(other) || related(other, picture)) continue;
                if (j > i) check(other, picture, 0.4);
            }
        }
    }

    void checkLanguage(const Drawn& d) {
        std::vector<std::string> texts;
        if (auto text = shownText(*d.view)) texts.push_back(*text);
        for (const auto& text : texts) {
            if (text.find("ZUNO_") != std::string::npos) {
                add(d, "key-shown", describe(*d.view), text);
            } else if (auto word = otherLanguageWord(text)) {
                add(d, "other-language", describe(*d.view) + " \"" + stableText(text) + "\"", "the word \"" + *word + "\"");
            }
        }
    }

    // A text in about the colour of what lies under it (white on white cells): its letters as the player
    // sees them against what lies behind them. Three pictures of the screen at scale 1, once per check.
    void checkContrast() {
        std::unique_ptr<TextPictures> pictures;  // drawn for the first text that needs them
        for (const auto& d : walk_.drawn()) {
            // Under a dialog the backdrop dims the text and what lies behind it alike.
            if (d.animating || d.clipped.isEmpty() || d.layer != walk_.topLayer()) continue;
            auto label = dynamic_cast<const ui::Label*>(d.view);
            const std::string* text = shownText(*d.view);
            if (!label || !text || text->empty()) continue;
            const ui::Rect box =
                measure(*label, *text, d.rect).drawnBox.intersection(d.clipped).intersection(walk_.area());
            if (box.width() < 1 || box.height() < 1) continue;
            if (!pictures) pictures = std::make_unique<TextPictures>(walk_);
            const auto seen = pictures->contrastIn(box);
            if (!seen || seen->contrast >= kLeastTextContrast) continue;
            const ui::Color &a = seen->letters, &b = seen->behind;
            char figures[128];
            std::snprintf(figures, sizeof figures, "contrast %.2f, letters (%d, %d, %d) on (%d, %d, %d)", seen->contrast,
                          int(std::lround(a.r * 255)), int(std::lround(a.g * 255)), int(std::lround(a.b * 255)),
                          int(std::lround(b.r * 255)), int(std::lround(b.g * 255)), int(std::lround(b.b * 255)));
            add(d, "text-contrast", describe(*d.view) + " \"" + stableText(*text) + "\"", frameText(box) + ": " + figures);
        }
    }

    // The field that has the keyboard must be seen: not hidden, not under a view drawn over it (the top
    // bar, a sheet, a row), not off the window. Typing into it would otherwise go where nobody sees.
    void checkFocusedField() {
        auto* field = dynamic_cast<ui::View*>(ui::Responder::firstResponder());
        if (!field || !dynamic_cast<ui::KeyInput*>(field)) return;
        ui::View* root = walk_.root();
        // A view checked alone answers for the field only when it holds it.
        if (!walk_.walksWindows() && (!root || !(field == root || field->isDescendantOf(root)))) return;
        const auto& drawn = walk_.drawn();
        size_t at = drawn.size();
        for (size_t i = 0; i < drawn.size(); ++i) {
            if (drawn[i].view == field) at = i;
        }
        if (at == drawn.size()) {
            out_.push_back({walk_.layers().back().name, "focus-hidden", describe(*field) + " not shown",
                            field->window() ? "hidden, or wholly faded" : "in no window"});
            return;
        }
        const Drawn& d = drawn[at];
        if (d.animating) return;
        auto area = [](const ui::Rect& r) { return std::max(0.0, r.width()) * std::max(0.0, r.height()); };
        const ui::Rect shown = d.clipped.intersection(walk_.area());
        if (area(shown) < (1 - kFocusedFieldHiddenShare) * area(d.rect)) {
            add(d, "focus-hidden", describe(*field) + " out of sight",
                frameText(d.rect) + " shows " + frameText(shown));
            return;
        }
        for (size_t j = at + 1; j < drawn.size(); ++j) {
            const Drawn& e = drawn[j];
            if (e.view->isDescendantOf(field) || e.alpha < 0.3 || !paintsOver(*e.view)) continue;
            const ui::Rect both = e.clipped.intersection(shown);
            if (both.width() <= 2 || both.height() <= 2 || area(both) < kFocusedFieldHiddenShare * area(shown)) continue;
            add(d, "focus-hidden", describe(*field) + " under " + describe(*e.view),
                frameText(shown) + " under " + frameText(e.clipped));
            return;
        }
    }

    const Walk& walk_;
    std::vector<LayoutFinding>& out_;
};

std::vector<LayoutFinding> findingsOf(const Walk& walk, bool bubblesOnly = false) {
    std::vector<LayoutFinding> out;
    Checker checker(walk, out);
    if (bubblesOnly) checker.runBubbles();
    else checker.run();
    // One finding per subject: a view seen twice (two windows, two steps of a fan) is named once.
    std::set<std::string> seen;
    std::vector<LayoutFinding> unique;
    for (auto& f : out) {
        if (seen.insert(f.key()).second) unique.push_back(std::move(f));
    }
    return unique;
}

// The screen on top of the first navigation stack in the tree (the window's root, or a stack whose
// view the application put into the window itself).
const ui::ViewController* topScreenIn(const ui::View& view) {
    if (auto navigation = dynamic_cast<const ui::NavigationController*>(view.viewController())) {
        return navigation->topViewController().get();
    }
    for (const auto& sub : view.subviews()) {
        if (auto top = topScreenIn(*sub)) return top;
    }
    return nullptr;
}

const ui::ViewController* topScreenOf(const ui::Window& window) {
    auto root = window.rootViewController();
    if (auto navigation = std::dynamic_pointer_cast<ui::NavigationController>(root)) {
        return navigation->topViewController().get();
    }
    if (auto top = topScreenIn(window)) return top;
    return root.get();
}

}  // namespace

std::vector<LayoutFinding> checkLayoutOfWindows() {
    auto windows = ui::Application::shared().windows();
    windows.erase(std::remove_if(windows.begin(), windows.end(), [](const auto& w) { return w->isHidden(); }),
                  windows.end());
    if (windows.empty()) return {};
    ui::Application::shared().layoutIfNeeded();
    const ui::ViewController* top = topScreenOf(*windows.front());
    Walk walk(windows.front()->bounds(), top ? classOf(*top) : "window", top);
    for (size_t i = 0; i < windows.size(); ++i) walk.window(*windows[i], i > 0);
    return findingsOf(walk);
}

std::string describeView(const ui::View& view) { return describe(view); }

std::string describeScreen(const ui::ViewController& screen) { return classOf(screen); }

std::vector<LayoutFinding> checkLayoutOfView(ui::View& root, bool bubblesOnly) {
    root.layoutIfNeeded();
    const auto* controller = root.viewController();
    Walk walk(root.bounds(), controller ? classOf(*controller) : classOf(root), controller);
    walk.alone(root);
    return findingsOf(walk, bubblesOnly);
}

}  // namespace zuno::testing
