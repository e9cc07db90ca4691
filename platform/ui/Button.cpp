#include "platform/ui/Button.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"

namespace zuno::ui {

Button::Button(Type type) : Button(type, Rect()) {}

Button::Button(Type type, const Rect& frame) : Control(frame), type_(type) {
    titleLabel_ = std::make_shared<Label>();
    titleLabel_->setBackgroundColor(std::nullopt);
    titleLabel_->setFont(Font::boldSystemFontOfSize(type == Type::RoundedRect ? 15 : 18));
    titleLabel_->setTextAlignment(TextAlignment::Center);
    titleLabel_->setHidden(true);
    imageView_ = std::make_shared<ImageView>();
    imageView_->setHidden(true);
    imageView_->setContentMode(ContentMode::Center);
    if (type == Type::RoundedRect) {
        titleColors_[ControlState::Normal] = Color::rgb255(50, 79, 133);
        titleColors_[ControlState::Highlighted] = Color::white();
    } else {
        titleColors_[ControlState::Normal] = Color::white();
    }
    setOpaque(false);
}

template <class T>
std::optional<T> Button::lookup(const std::map<unsigned, T>& m, unsigned state) {
    auto it = m.find(state);
    if (it != m.end()) return it->second;
    // Selected and highlighted together fall back to selected, then to normal.
    if (state & ControlState::Selected) {
        it = m.find(ControlState::Selected);
        if (it != m.end()) return it->second;
    }
    it = m.find(ControlState::Normal);
    if (it != m.end()) return it->second;
    return std::nullopt;
}

void Button::setTitle(std::optional<std::string> title, unsigned state) {
    const bool newRole = state == ControlState::Normal && titleForState(ControlState::Normal) != title;
    titles_[state] = std::move(title);
    if (newRole) roleChanged();
    refresh();
}

std::optional<std::string> Button::titleForState(unsigned state) const {
    auto t = lookup(titles_, state);
    return t ? *t : std::nullopt;
}

void Button::setTitleColor(std::optional<Color> color, unsigned state) {
    if (color) {
        titleColors_[state] = *color;
    } else {
        titleColors_.erase(state);
    }
    refresh();
}

std::optional<Color> Button::titleColorForState(unsigned state) const { return lookup(titleColors_, state); }

void Button::setTitleShadowColor(std::optional<Color> color, unsigned state) {
    if (color) {
        titleShadowColors_[state] = *color;
    } else {
        titleShadowColors_.erase(state);
    }
    refresh();
}

void Button::setImage(ImagePtr image, unsigned state) {
    if (image) {
        images_[state] = std::move(image);
    } else {
        images_.erase(state);
    }
    refresh();
}

ImagePtr Button::imageForState(unsigned state) const { return lookup(images_, state).value_or(nullptr); }

void Button::setBackgroundImage(ImagePtr image, unsigned state) {
    if (image) {
        backgrounds_[state] = std::move(image);
    } else {
        backgrounds_.erase(state);
    }
    refresh();
}

ImagePtr Button::backgroundImageForState(unsigned state) const {
    return lookup(backgrounds_, state).value_or(nullptr);
}

std::optional<std::string> Button::currentTitle() const { return titleForState(state()); }
ImagePtr Button::currentImage() const { return imageForState(state()); }
ImagePtr Button::currentBackgroundImage() const { return backgroundImageForState(state()); }

void Button::stateChanged() { refresh(); }

void Button::refresh() {
    auto title = currentTitle();
    // A title label text set directly (without a title) stays in the label but is not drawn.
    if (title) titleLabel_->setText(title);
    titleLabel_->setHidden(!title || title->empty());
    titleLabel_->setTextColor(titleColorForState(state()).value_or(Color::white()));
    titleLabel_->setShadowColor(lookup(titleShadowColors_, state()));
    auto image = currentImage();
    imageView_->setImage(image);
    imageView_->setHidden(!image);
    setNeedsLayout();
    setNeedsDisplay();
}

void Button::layoutSubviews() {
    Rect content = bounds().inset(contentInsets_);
    auto image = currentImage();
    bool hasTitle = !titleLabel_->isHidden();
    Size imageSize = image ? image->size() : Size{};
    if (image) {
        // An image larger than the button shrinks to fit, keeping its proportions.
        double k = std::min({1.0, content.width() / std::max(imageSize.width, 1.0),
                             content.height() / std::max(imageSize.height, 1.0)});
        imageSize = {imageSize.width * k, imageSize.height * k};
    }
    // A title of several lines wraps in the room beside the image.
    const double titleRoom = std::max(0.0, content.width() - imageSize.width);
    Size titleSize = hasTitle ? titleLabel_->sizeThatFits({titleRoom, content.height()}) : Size{};
    titleSize.width = std::min(titleSize.width, titleRoom);
    double total = imageSize.width + titleSize.width;
    double x = content.x() + std::floor((content.width() - total) / 2);
    if (image) {
        Rect r(x, content.y() + std::floor((content.height() - imageSize.height) / 2), imageSize.width, imageSize.height);
        if (!hasTitle) {
            ContentMode mode = contentMode();
            if (mode == ContentMode::ScaleToFill || mode == ContentMode::Redraw) mode = ContentMode::Center;
            r = placeContent(imageSize, content, mode);
        }
        imageView_->setFrame(r.inset(imageInsets_));
        if (!imageView_->superview()) addSubview(imageView_);
    }
    if (hasTitle) {
        Rect r(x + imageSize.width, content.y() + std::floor((content.height() - titleSize.height) / 2),
               titleSize.width, titleSize.height);
        titleLabel_->setFrame(r.inset(titleInsets_));
        if (!titleLabel_->superview()) addSubview(titleLabel_);
    }
    if (!titleLabel_->superview()) addSubview(titleLabel_);
    if (!imageView_->superview()) insertSubview(imageView_, 0);
}

void Button::drawRect(Canvas& canvas, const Rect& rect) {
    Rect box = bounds();
    if (auto bg = currentBackgroundImage()) {
        canvas.drawImage(*bg, box, !isEnabled() && adjustsDisabled_ ? 0.5 : 1.0);
    } else if (type_ == Type::RoundedRect) {
        canvas.setFillColor(isHighlighted() ? Color::rgb255(2, 109, 230) : Color::white());
        canvas.beginPath();
        canvas.addRoundedRect(box.insetBy(0.5, 0.5), 9);
        canvas.fillPath();
        canvas.setStrokeColor(Color::rgb255(140, 150, 170));
        canvas.setLineWidth(1);
        canvas.beginPath();
        canvas.addRoundedRect(box.insetBy(0.5, 0.5), 9);
        canvas.strokePath();
    }
    if (isHighlighted() && adjustsHighlighted_ && type_ == Type::Custom && (currentImage() || currentBackgroundImage())) {
        canvas.setFillColor(Color{0, 0, 0, 0.3});
        canvas.fillRect(box);
    }
    if (isHighlighted() && showsTouch_) {
        // A soft white glow in the middle, as the toolkit shows for such buttons.
        double r = std::min(20.0, std::max(box.width(), box.height()) / 2);
        canvas.save();
        canvas.beginPath();
        canvas.addArc(box.center(), r, 0, 2 * M_PI, true);
        canvas.clipToPath();
        canvas.drawLinearGradient({box.midX(), box.midY() - r}, {box.midX(), box.midY() + r}, Color::white(1, 0.2),
                                  Color::white(1, 0.6));
        canvas.restore();
    }
}

Size Button::sizeThatFits(Size size) const {
    Size t = titleLabel_->isHidden() ? Size{} : titleLabel_->sizeThatFits(size);
    Size i = currentImage() ? currentImage()->size() : Size{};
    Size b = currentBackgroundImage() ? currentBackgroundImage()->size() : Size{};
    double w = std::max(t.width + i.width + contentInsets_.left + contentInsets_.right, b.width);
    double h = std::max({t.height, i.height, b.height}) + contentInsets_.top + contentInsets_.bottom;
    return {w, h};
}

}  // namespace zuno::ui
