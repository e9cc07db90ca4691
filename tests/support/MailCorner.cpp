#include "support/MailCorner.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <typeinfo>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextView.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebView.h"
#include "shell/CustomLabel.h"
#include "shell/UIController.h"

namespace zuno::testing {

namespace {

std::string className(const ui::View& view) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(view).name(), nullptr, nullptr, &status);
    std::string out = status == 0 && name ? name : typeid(view).name();
    std::free(name);
    const auto colons = out.rfind("::");
    return colons == std::string::npos ? out : out.substr(colons + 2);
}

std::string textOf(const ui::View& view) {
    if (auto line = dynamic_cast<const CustomLabel*>(&view)) return line->text();
    if (auto label = dynamic_cast<const ui::Label*>(&view)) return label->text().value_or("");
    if (auto button = dynamic_cast<const ui::Button*>(&view)) return button->currentTitle().value_or("");
    return {};
}

std::string describe(const ui::View& view, const ui::Rect& r) {
    std::string name = className(view);
    if (!view.identifier().empty()) name += " '" + view.identifier() + "'";
    if (const std::string text = textOf(view); !text.empty()) name += " \"" + text + "\"";
    return name + " at " + std::to_string(int(r.x())) + "," + std::to_string(int(r.y())) + " " +
           std::to_string(int(r.width())) + "x" + std::to_string(int(r.height()));
}

bool holdsTheWholePlace(const ui::Rect& r) {
    return r.contains(kMailButtonFrame.origin) && r.contains({kMailButtonFrame.maxX() - 1, kMailButtonFrame.maxY() - 1});
}

// Where a one-line label draws its text; several lines may fill the frame.
ui::Rect drawnText(const ui::Label& label, const std::string& text, const ui::Rect& frame) {
    const bool custom = dynamic_cast<const CustomLabel*>(&label) != nullptr;
    if (!custom && label.numberOfLines() != 1) return frame;
    const double width = std::min(frame.width(), label.font().widthOfText(text));
    const double height = std::min(frame.height(), label.font().lineHeight());
    double x = frame.x();
    if (!custom && label.textAlignment() == ui::TextAlignment::Center) x += (frame.width() - width) / 2;
    if (!custom && label.textAlignment() == ui::TextAlignment::Right) x = frame.maxX() - width;
    return ui::Rect(x, frame.y() + (frame.height() - height) / 2, width, height);
}

// A picture of its own (an avatar, an icon, a tab's picture, a header's band or a strip), not a
// button's own picture.
bool isPicture(const ui::View& view) {
    auto image = dynamic_cast<const ui::ImageView*>(&view);
    return image && image->image() && !dynamic_cast<const ui::Button*>(view.superviewPointer());
}

bool isSmallPicture(const ui::View& view) { return view.bounds().width() <= 100 && view.bounds().height() <= 100; }

// A wide picture no taller than twice the button (a band behind a header or a row of tabs) is seen
// under the button where its left or right end lies under it; one that runs on past the button on both
// sides is a background there, and so is a taller picture (a table's felt).
bool isBand(const ui::View& view) { return view.bounds().height() <= 2 * kMailButtonFrame.height(); }

bool endsUnderTheButton(const ui::Rect& r) {
    const auto under = [](double x) { return x > kMailButtonFrame.minX() && x < kMailButtonFrame.maxX(); };
    return under(r.minX()) || under(r.maxX());
}

class Corner {
public:
    Corner(const ui::View& mail, UnderMail which, const std::vector<const ui::View*>& passedOver)
        : mail_(mail), which_(which), passedOver_(passedOver) {}

    // Returns false once the walk has reached the button: what follows is drawn over it.
    bool visit(const ui::View& view, const ui::Rect& clip) {
        for (const auto& sub : view.subviews()) {
            if (sub.get() == &mail_) {
                if (which_ == UnderMail::whatIsSeen) return false;
                continue;
            }
            if (which_ == UnderMail::whatIsSeen && (sub->isHidden() || sub->presentedAlpha() < 0.01)) continue;
            if (std::find(passedOver_.begin(), passedOver_.end(), sub.get()) != passedOver_.end()) continue;
            const ui::Rect frame = sub->convertRectToView(sub->bounds(), nullptr);
            ui::Rect seen = extentOf(*sub, frame);
            if (which_ == UnderMail::whatIsSeen) seen = seen.intersection(clip);
            if (!seen.isEmpty() && seen.intersects(kMailButtonFrame)) found.push_back(describe(*sub, frame));
            if (!visit(*sub, sub->clipsToBounds() ? clip.intersection(frame) : clip)) return false;
        }
        return true;
    }

    std::vector<std::string> found;

private:
    // The part of the view that counts, empty when none does.
    ui::Rect extentOf(const ui::View& view, const ui::Rect& frame) const {
        if (which_ == UnderMail::anyView) return holdsTheWholePlace(frame) ? ui::Rect() : frame;
        if (dynamic_cast<const ui::Button*>(view.superviewPointer())) return {};  // part of its button
        if (auto label = dynamic_cast<const ui::Label*>(&view)) {
            const std::string text = textOf(view);
            return text.empty() ? ui::Rect() : drawnText(*label, text, frame);
        }
        // Pages of text run to their views' edges.
        if (dynamic_cast<const ui::TextView*>(&view) || dynamic_cast<const ui::WebView*>(&view)) return frame;
        if (dynamic_cast<const ui::Control*>(&view) || (isPicture(view) && isSmallPicture(view))) {
            return holdsTheWholePlace(frame) ? ui::Rect() : frame;
        }
        if (isPicture(view) && isBand(view) && endsUnderTheButton(frame)) return frame;
        return {};
    }

    const ui::View& mail_;
    UnderMail which_;
    const std::vector<const ui::View*>& passedOver_;
};

}  // namespace

std::vector<std::string> viewsUnderTheMailButton(const ui::ViewController& screen, UnderMail which,
                                                 const std::vector<const ui::View*>& passedOver) {
    auto mail = UIController::btnAlertMessage();
    auto root = screen.viewIfLoaded();
    if (!mail || !root) return {};
    Corner corner(*mail, which, passedOver);
    corner.visit(*root, root->convertRectToView(root->bounds(), nullptr));
    return corner.found;
}

}  // namespace zuno::testing
