#include "platform/ui/TableViewCell.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Canvas.h"
#include "platform/ui/Layer.h"

namespace zuno::ui {

namespace {
// A bin, drawn on a delete button that has no title so that it still says what it does.
class BinGlyph : public View {
public:
    using View::View;
    void drawRect(Canvas& canvas, const Rect&) override {
        const Point c = bounds().center();
        canvas.setFillColor(Color::white());
        canvas.fillRect(Rect(c.x - 7, c.y - 7, 14, 2));      // the lid
        canvas.fillRect(Rect(c.x - 2.5, c.y - 9, 5, 2));     // its handle
        canvas.setStrokeColor(Color::white());
        canvas.setLineWidth(1.6);
        canvas.beginPath();
        canvas.moveTo({c.x - 5.5, c.y - 3.5});
        canvas.lineTo({c.x - 4.5, c.y + 8});
        canvas.lineTo({c.x + 4.5, c.y + 8});
        canvas.lineTo({c.x + 5.5, c.y - 3.5});
        canvas.closePath();
        canvas.moveTo({c.x - 1.8, c.y - 1});
        canvas.lineTo({c.x - 1.8, c.y + 5.5});
        canvas.moveTo({c.x + 1.8, c.y - 1});
        canvas.lineTo({c.x + 1.8, c.y + 5.5});
        canvas.strokePath();
    }
};
}  // namespace

TableViewCell::TableViewCell(Style style, std::optional<std::string> reuseIdentifier)
    : View(Rect(0, 0, 320, 44)), style_(style), reuseIdentifier_(std::move(reuseIdentifier)) {
    setBackgroundColor(Color::white());
    contentView_ = std::make_shared<View>(bounds());
    contentView_->setAutoresizingMask(Autoresizing::FlexibleWidth | Autoresizing::FlexibleHeight);
    addSubview(contentView_);
}

const std::shared_ptr<Label>& TableViewCell::textLabel() {
    if (!textLabel_) {
        textLabel_ = std::make_shared<Label>();
        textLabel_->setBackgroundColor(std::nullopt);
        textLabel_->setFont(Font::boldSystemFontOfSize(style_ == Style::Subtitle ? 18 : 20));
        contentView_->addSubview(textLabel_);
        setNeedsLayout();
    }
    return textLabel_;
}

const std::shared_ptr<Label>& TableViewCell::detailTextLabel() {
    if (!detailTextLabel_) {
        detailTextLabel_ = std::make_shared<Label>();
        detailTextLabel_->setBackgroundColor(std::nullopt);
        detailTextLabel_->setFont(Font::systemFontOfSize(14));
        detailTextLabel_->setTextColor(Color::gray());
        if (style_ == Style::Default) detailTextLabel_->setHidden(true);
        contentView_->addSubview(detailTextLabel_);
        setNeedsLayout();
    }
    return detailTextLabel_;
}

const std::shared_ptr<ImageView>& TableViewCell::imageView() {
    if (!imageView_) {
        imageView_ = std::make_shared<ImageView>();
        contentView_->insertSubview(imageView_, 0);
        setNeedsLayout();
    }
    return imageView_;
}

void TableViewCell::setAccessoryView(std::shared_ptr<View> view) {
    if (accessoryView_) accessoryView_->removeFromSuperview();
    accessoryView_ = std::move(view);
    if (accessoryView_) addSubview(accessoryView_);
    setNeedsLayout();
}

void TableViewCell::setSelected(bool on, bool) {
    selected_ = on;
    updateLabelHighlight();
    setNeedsDisplay();
}

void TableViewCell::setHighlighted(bool on, bool) {
    highlighted_ = on;
    updateLabelHighlight();
    setNeedsDisplay();
}

void TableViewCell::updateLabelHighlight() {
    bool lit = (selected_ || highlighted_) && selectionStyle_ != SelectionStyle::None;
    for (auto* l : {&textLabel_, &detailTextLabel_}) {
        if (*l) {
            if (!(*l)->highlightedTextColor()) (*l)->setHighlightedTextColor(Color::white());
            (*l)->setHighlighted(lit);
        }
    }
}

void TableViewCell::layoutSubviews() {
    Rect b = bounds();
    double accessoryWidth = 0;
    if (accessoryView_) {
        Rect a = accessoryView_->frame();
        accessoryView_->setFrame(Rect(b.maxX() - a.width() - 10, std::floor((b.height() - a.height()) / 2), a.width(), a.height()));
        accessoryWidth = a.width() + 20;
    } else if (accessoryType_ != AccessoryType::None) {
        accessoryWidth = 30;
    }
    if (deleteButton_) accessoryWidth = std::max(accessoryWidth, deleteButton_->frame().width() + 14);
    if (contentView_->superview().get() == this) contentView_->setFrame(Rect(0, 0, b.width() - accessoryWidth, b.height()));
    Rect c = contentView_->bounds();
    const double indent = std::max(0, indentationLevel_) * indentationWidth_;
    double x = indent + 10;
    if (imageView_ && imageView_->image()) {
        Size s = imageView_->image()->size();
        double h = std::min(s.height, c.height());
        double w = s.height > 0 ? s.width * h / s.height : s.width;
        imageView_->setFrame(Rect(indent, std::floor((c.height() - h) / 2), w, h));
        x = indent + w + 10;
    }
    double w = std::max(0.0, c.width() - x - 10);
    if (style_ == Style::Subtitle && detailTextLabel_ && detailTextLabel_->text()) {
        double h1 = textLabel_ ? textLabel_->font().lineHeight() : 0;
        double h2 = detailTextLabel_->font().lineHeight();
        double top = std::floor((c.height() - h1 - h2) / 2);
        if (textLabel_) textLabel_->setFrame(Rect(x, top, w, h1));
        detailTextLabel_->setFrame(Rect(x, top + h1, w, h2));
    } else if ((style_ == Style::Value1 || style_ == Style::Value2) && detailTextLabel_) {
        if (textLabel_) textLabel_->setFrame(Rect(x, 0, w / 2, c.height()));
        detailTextLabel_->setTextAlignment(style_ == Style::Value1 ? TextAlignment::Right : TextAlignment::Left);
        detailTextLabel_->setFrame(Rect(x + w / 2, 0, w / 2, c.height()));
    } else if (textLabel_) {
        textLabel_->setFrame(Rect(x, 0, w, c.height()));
    }
    if (deleteButton_) {
        Rect d = deleteButton_->frame();
        deleteButton_->setFrame(Rect(b.maxX() - d.width() - 7, std::floor((b.height() - d.height()) / 2), d.width(), d.height()));
    }
}

void TableViewCell::drawRect(Canvas& canvas, const Rect&) {
    Rect b = bounds();
    bool lit = (selected_ || highlighted_) && selectionStyle_ != SelectionStyle::None;
    if (lit) {
        if (selectionStyle_ == SelectionStyle::Gray) {
            canvas.setFillColor(Color::white(0.75));
            canvas.fillRect(b);
        } else {
            canvas.save();
            canvas.clipToRect(b);
            canvas.drawLinearGradient({0, b.minY()}, {0, b.maxY()}, Color::rgb255(5, 140, 245), Color::rgb255(1, 93, 230));
            canvas.restore();
        }
    }
    if (accessoryType_ != AccessoryType::None && !accessoryView_ && !deleteButton_) {
        canvas.setStrokeColor(lit ? Color::white() : Color::gray());
        canvas.setLineWidth(3);
        canvas.beginPath();
        double cx = b.maxX() - 18, cy = b.midY();
        if (accessoryType_ == AccessoryType::Checkmark) {
            canvas.moveTo({cx - 7, cy});
            canvas.lineTo({cx - 2, cy + 5});
            canvas.lineTo({cx + 7, cy - 6});
        } else {
            canvas.moveTo({cx - 3, cy - 6});
            canvas.lineTo({cx + 3, cy});
            canvas.lineTo({cx - 3, cy + 6});
        }
        canvas.strokePath();
    }
    if (separator_) {
        canvas.setFillColor(separatorColor_);
        canvas.fillRect(Rect(b.x(), b.maxY() - 1, b.width(), 1));
    }
}

void TableViewCell::showDeleteButton(const std::string& title, std::function<void()> onTap) {
    if (deleteButton_) return;
    deleteButton_ = std::make_shared<Button>(Button::Type::Custom, Rect(0, 0, 63, 30));
    deleteButton_->setTitle(title);
    deleteButton_->titleLabel()->setFont(Font::boldSystemFontOfSize(14));
    deleteButton_->setBackgroundColor(Color::rgb255(210, 30, 30));
    deleteButton_->layer().setCornerRadius(6);
    if (title.empty()) {
        auto bin = std::make_shared<BinGlyph>(deleteButton_->bounds());
        bin->setBackgroundColor(std::nullopt);
        bin->setUserInteractionEnabled(false);
        deleteButton_->addSubview(bin);
    }
    deleteButton_->addHandler([onTap = std::move(onTap)](Control&) { onTap(); }, ControlEvent::TouchUpInside);
    // The delete button takes the accessory's place until it goes.
    if (accessoryView_) {
        accessoryHiddenBeforeDelete_ = accessoryView_->isHidden();
        accessoryView_->setHidden(true);
    }
    addSubview(deleteButton_);
    setNeedsLayout();
    setNeedsDisplay();
    layoutIfNeeded();
}

void TableViewCell::hideDeleteButton() {
    if (!deleteButton_) return;
    deleteButton_->removeFromSuperview();
    deleteButton_.reset();
    if (accessoryView_) accessoryView_->setHidden(accessoryHiddenBeforeDelete_);
    setNeedsLayout();
    setNeedsDisplay();
}

}  // namespace zuno::ui
