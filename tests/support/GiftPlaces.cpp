#include "support/GiftPlaces.h"

#include <algorithm>
#include <cstdio>

#include "platform/core/AtomicFile.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "shell/CustomLabel.h"
#include "shell/Resources.h"
#include "support/LayoutCheck.h"
#include "table/CardView.h"

namespace zuno::testing {
namespace {

constexpr double kSmallPicture = 100;  // larger pictures are the table's ground

std::string frameText(const ui::Rect& r) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "(%.4g, %.4g, %.4g, %.4g)", r.x(), r.y(), r.width(), r.height());
    return buffer;
}

bool seen(const ui::View& view) { return !view.isHidden() && view.alpha() > 0.01; }

const std::string* textOf(const ui::View& view) {
    if (auto line = dynamic_cast<const CustomLabel*>(&view)) return &line->text();
    if (auto label = dynamic_cast<const ui::Label*>(&view)) return label->text() ? &*label->text() : nullptr;
    return nullptr;
}

// The part of a label its text takes: a line as wide as its letters, placed as the label aligns it.
ui::Rect textBox(const ui::Label& label, const std::string& text, const ui::Rect& frame) {
    if (label.numberOfLines() != 1) return frame;
    const double width = std::min(frame.width(), label.font().widthOfText(text));
    double x = frame.x();
    if (label.textAlignment() == ui::TextAlignment::Center) x += (frame.width() - width) / 2;
    if (label.textAlignment() == ui::TextAlignment::Right) x += frame.width() - width;
    return ui::Rect(x, frame.y(), width, frame.height());
}

// What a gift may not lie on, in the screen's points: nothing when the view is ground or a container.
std::optional<ui::Rect> neededPart(const ui::View& view, const ui::View& screen) {
    const ui::Rect frame = view.convertRectToView(view.bounds(), &screen);
    if (dynamic_cast<const CardView*>(&view)) return frame;
    if (auto button = dynamic_cast<const ui::Button*>(&view)) {
        const auto title = button->currentTitle();
        if (button->currentBackgroundImage() || button->currentImage() || (title && !title->empty())) return frame;
        return std::nullopt;  // a bare tap area over a text or a picture
    }
    if (dynamic_cast<const ui::Control*>(&view)) return frame;
    if (auto label = dynamic_cast<const ui::Label*>(&view)) {
        if (dynamic_cast<const ui::Button*>(view.superviewPointer())) return std::nullopt;  // its button's title
        const std::string* text = textOf(view);
        if (!text || text->empty()) return std::nullopt;
        return textBox(*label, *text, frame);
    }
    if (auto image = dynamic_cast<const ui::ImageView*>(&view)) {
        if (!image->image() || frame.width() > kSmallPicture || frame.height() > kSmallPicture) return std::nullopt;
        return frame;
    }
    return std::nullopt;
}

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    const ui::Rect both = a.intersection(b);
    return both.width() > 1 && both.height() > 1;
}

void collect(const ui::View& view, const ui::View& screen, const std::vector<const ui::View*>& gifts,
             std::vector<std::pair<const ui::View*, ui::Rect>>& out) {
    if (!seen(view)) return;
    if (std::find(gifts.begin(), gifts.end(), &view) != gifts.end()) return;
    if (&view != &screen) {
        if (auto part = neededPart(view, screen)) out.emplace_back(&view, *part);
    }
    // A card's own pictures and texts are the card's.
    if (dynamic_cast<const CardView*>(&view)) return;
    for (const auto& sub : view.subviews()) collect(*sub, screen, gifts, out);
}

}  // namespace

void storeGiftPictures() {
    for (int i = 0; i < 6; ++i) {
        const auto png = sys::readWholeFile(std::string(ZUNO_BUNDLE_DIR) + "/images/item-gift-" + std::to_string(i + 1) + ".png");
        if (png) Resources::getInstance().setItemWithImage(sys::Data(png->begin(), png->end()), kFirstGiftItem + i);
    }
}

std::vector<std::shared_ptr<ui::View>> giftsOf(const std::vector<PlayerPtr>& players) {
    std::vector<std::shared_ptr<ui::View>> gifts;
    for (const auto& player : players) {
        if (player) gifts.insert(gifts.end(), player->gifts().begin(), player->gifts().end());
    }
    return gifts;
}

std::vector<std::string> giftsCovering(ui::View& screen, const std::vector<std::shared_ptr<ui::View>>& gifts,
                                       GiftPlacesOptions options) {
    std::vector<const ui::View*> giftViews;
    for (const auto& gift : gifts) {
        if (gift) giftViews.push_back(gift.get());
    }
    std::vector<std::pair<const ui::View*, ui::Rect>> needed;
    collect(screen, screen, giftViews, needed);
    std::vector<std::string> findings;
    for (size_t i = 0; i < giftViews.size(); ++i) {
        const ui::View& gift = *giftViews[i];
        const ui::Rect place = gift.convertRectToView(gift.bounds(), &screen);
        const std::string name = "gift " + std::to_string(i) + " " + frameText(place);
        if (gift.superviewPointer() == nullptr) findings.push_back(name + " is not on the screen");
        if (!screen.bounds().insetBy(-1, -1).contains(place)) findings.push_back(name + " is off the window");
        for (const auto& [view, part] : needed) {
            if (overlap(place, part)) findings.push_back(name + " covers " + describeView(*view) + " " + frameText(part));
        }
        for (size_t j = i + 1; j < giftViews.size() && !options.giftsMayOverlap; ++j) {
            const ui::Rect other = giftViews[j]->convertRectToView(giftViews[j]->bounds(), &screen);
            if (overlap(place, other)) findings.push_back(name + " covers gift " + std::to_string(j) + " " + frameText(other));
        }
    }
    return findings;
}

}  // namespace zuno::testing
