#include "platform/ui/AlertView.h"

#include <algorithm>
#include <cmath>

#include "platform/core/MainThread.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Layer.h"

namespace zuno::ui {

namespace {

constexpr double kPanelWidth = 284;
constexpr double kButtonHeight = 43;
constexpr double kPad = 12;

std::vector<std::weak_ptr<AlertView>>& shownAlerts() {
    static auto* list = new std::vector<std::weak_ptr<AlertView>>;
    return *list;
}

// What had the keyboard before the alerts came up. It has it back once the last alert shown has closed
// and whatever its button did is done: an alert closed to open another in its place hands it on.
std::weak_ptr<Responder>& keyboardOwner() {
    static auto* owner = new std::weak_ptr<Responder>;
    return *owner;
}

bool insideAlert(const Responder* responder, const AlertView* alert = nullptr) {
    for (auto* view = dynamic_cast<const View*>(responder); view; view = view->superviewPointer()) {
        if (alert ? view == alert : dynamic_cast<const AlertView*>(view) != nullptr) return true;
    }
    return false;
}

// In a window that shows, with nothing hidden or moving on the way up (a sheet sliding out takes its
// field with it).
bool isShownAtRest(const View& view) {
    const View* v = &view;
    for (; v->superviewPointer(); v = v->superviewPointer()) {
        if (v->isHidden() || Animator::shared().isAnimating(v)) return false;
    }
    const auto windows = Application::shared().windows();
    return !v->isHidden() && std::any_of(windows.begin(), windows.end(), [v](const WindowPtr& w) { return w.get() == v; });
}

Responder* firstKeyInputIn(const View& view) {
    for (const auto& sub : view.subviews()) {
        if (dynamic_cast<KeyInput*>(sub.get()) && sub->canBecomeFirstResponder()) return sub.get();
        if (auto* inner = firstKeyInputIn(*sub)) return inner;
    }
    return nullptr;
}

// Once the alert's button has done its work (which may open another alert in its place). Not to a
// field that something else has given the keyboard meanwhile, nor to one that has left the screen or
// is on its way (a screen sliding away, a sheet sliding out).
void giveKeyboardBack() {
    sys::RunLoop::main().post([] {
        if (AlertView::topAlert()) return;
        auto owner = keyboardOwner().lock();
        keyboardOwner().reset();
        if (!owner || Responder::firstResponder()) return;
        if (auto* view = dynamic_cast<View*>(owner.get()); view && !isShownAtRest(*view)) return;
        owner->becomeFirstResponder();
    });
}

// The rounded dark-blue box behind the alert's texts and buttons.
class AlertPanel : public View {
public:
    using View::View;
    void drawRect(Canvas& canvas, const Rect&) override {
        Rect b = bounds().insetBy(1, 1);
        canvas.save();
        canvas.beginPath();
        canvas.addRoundedRect(b, 10);
        canvas.clipToPath();
        canvas.drawLinearGradient({0, b.minY()}, {0, b.maxY()}, Color::rgb255(48, 74, 126, 0.95),
                                  Color::rgb255(14, 30, 72, 0.95));
        canvas.restore();
        canvas.setStrokeColor(Color::white(1, 0.85));
        canvas.setLineWidth(2);
        canvas.beginPath();
        canvas.addRoundedRect(b, 10);
        canvas.strokePath();
    }
};

}  // namespace

AlertView::AlertView(std::optional<std::string> title, std::optional<std::string> message,
                     std::weak_ptr<AlertViewDelegate> delegate, std::optional<std::string> cancelButtonTitle,
                     std::vector<std::string> otherButtonTitles)
    : View(Rect(0, 0, Screen::kWidth, Screen::kHeight)),
      title_(std::move(title)),
      message_(std::move(message)),
      delegate_(std::move(delegate)) {
    setBackgroundColor(Color{0, 0, 0, 0.4});
    if (cancelButtonTitle) {
        cancelIndex_ = 0;
        buttonTitles_.push_back(*cancelButtonTitle);
    }
    for (auto& t : otherButtonTitles) buttonTitles_.push_back(std::move(t));
    panel_ = std::make_shared<AlertPanel>(Rect(0, 0, kPanelWidth, 100));
    panel_->setOpaque(false);
    addSubview(panel_);
}

AlertView::~AlertView() = default;

void AlertView::setTitle(std::optional<std::string> t) {
    title_ = std::move(t);
    if (visible_) place();
}

void AlertView::setMessage(std::optional<std::string> m) {
    message_ = std::move(m);
    if (visible_) place();
}

int AlertView::addButtonWithTitle(const std::string& title) {
    buttonTitles_.push_back(title);
    if (visible_) build();
    return int(buttonTitles_.size()) - 1;
}

std::string AlertView::buttonTitleAtIndex(int index) const {
    if (index < 0 || index >= int(buttonTitles_.size())) return {};
    return buttonTitles_[size_t(index)];
}

int AlertView::firstOtherButtonIndex() const {
    int first = cancelIndex_ == 0 ? 1 : 0;
    return first < int(buttonTitles_.size()) ? first : -1;
}

int AlertView::defaultButtonIndex() const {
    const int other = firstOtherButtonIndex();
    return other >= 0 ? other : cancelIndex_;
}

std::shared_ptr<Button> AlertView::buttonAtIndex(int index) const {
    if (index < 0 || index >= int(buttons_.size())) return nullptr;
    return buttons_[size_t(index)];
}

void AlertView::build() {
    for (auto& b : buttons_) b->removeFromSuperview();
    buttons_.clear();
    if (!titleLabel_) {
        titleLabel_ = std::make_shared<Label>();
        titleLabel_->setBackgroundColor(std::nullopt);
        titleLabel_->setTextColor(Color::white());
        titleLabel_->setFont(Font::boldSystemFontOfSize(18));
        titleLabel_->setTextAlignment(TextAlignment::Center);
        titleLabel_->setNumberOfLines(0);
        titleLabel_->setBreaksLongWords(true);
        panel_->addSubview(titleLabel_);
        messageLabel_ = std::make_shared<Label>();
        messageLabel_->setBackgroundColor(std::nullopt);
        messageLabel_->setTextColor(Color::white());
        messageLabel_->setFont(Font::systemFontOfSize(16));
        messageLabel_->setTextAlignment(TextAlignment::Center);
        messageLabel_->setNumberOfLines(0);
        // What a dialog says is read whole: a long name or number in it wraps rather than being cut.
        messageLabel_->setBreaksLongWords(true);
        panel_->addSubview(messageLabel_);
    }
    for (size_t i = 0; i < buttonTitles_.size(); ++i) {
        auto b = std::make_shared<Button>(Button::Type::Custom);
        b->setTitle(buttonTitles_[i]);
        b->titleLabel()->setFont(Font::boldSystemFontOfSize(17));
        bool cancel = int(i) == cancelIndex_;
        b->setBackgroundColor(cancel ? Color::rgb255(70, 80, 100, 0.9) : Color::rgb255(90, 110, 150, 0.9));
        b->layer().setCornerRadius(6);
        b->layer().setBorderWidth(1);
        b->layer().setBorderColor(Color::white(1, 0.5));
        int index = int(i);
        std::weak_ptr<AlertView> self = std::static_pointer_cast<AlertView>(shared_from_this());
        b->addHandler(
            [self, index](Control&) {
                if (auto alert = self.lock()) alert->tapButtonAtIndex(index);
            },
            ControlEvent::TouchUpInside);
        panel_->addSubview(b);
        buttons_.push_back(b);
    }
    place();
}

void AlertView::place() {
    // Laid out here rather than in layoutSubviews, so that a subclass that lays out nothing itself
    // still shows a usable alert.
    const double width = kPanelWidth - 2 * kPad;
    titleLabel_->setText(title_);
    messageLabel_->setText(message_);
    const bool hasMessage = message_ && !message_->empty();
    double messageHeight = hasMessage ? messageLabel_->sizeThatFits({width, 0}).height : 0;
    double height = placeContents(messageHeight);
    // A message taller than the window holds keeps as many whole lines as there is room for.
    const double room = bounds().height() - 2 * kPad;
    if (hasMessage && height > room) {
        const double line = messageLabel_->font().lineHeight();
        messageHeight = std::max(line, std::floor((messageHeight - (height - room)) / line) * line);
        height = placeContents(messageHeight);
    }
    Rect b = bounds();
    panel_->setFrame(
        Rect(std::floor((b.width() - kPanelWidth) / 2), std::floor((b.height() - height) / 2), kPanelWidth, height));
}

double AlertView::placeContents(double messageHeight) {
    const double width = kPanelWidth - 2 * kPad;
    double y = kPad + 4;
    if (title_ && !title_->empty()) {
        Size s = titleLabel_->sizeThatFits({width, 0});
        titleLabel_->setFrame(Rect(kPad, y, width, s.height));
        y += s.height + 6;
    } else {
        titleLabel_->setFrame(Rect(kPad, y, width, 0));
    }
    messageLabel_->setFrame(Rect(kPad, y, width, messageHeight));
    if (messageHeight > 0) y += messageHeight + 8;
    if (!buttons_.empty()) y += 4;
    if (buttons_.size() == 2) {
        // Two buttons side by side, the cancel button on the left.
        double w = (width - 8) / 2;
        buttons_[0]->setFrame(Rect(kPad, y, w, kButtonHeight));
        buttons_[1]->setFrame(Rect(kPad + w + 8, y, w, kButtonHeight));
        y += kButtonHeight + kPad;
    } else {
        // Stacked; the cancel button goes last, at the bottom.
        std::vector<size_t> order;
        for (size_t i = 0; i < buttons_.size(); ++i) {
            if (int(i) != cancelIndex_) order.push_back(i);
        }
        if (cancelIndex_ >= 0 && cancelIndex_ < int(buttons_.size())) order.push_back(size_t(cancelIndex_));
        for (size_t i : order) {
            buttons_[i]->setFrame(Rect(kPad, y, width, kButtonHeight));
            y += kButtonHeight + 7;
        }
        y += buttons_.empty() ? kPad : kPad - 7;
    }
    return y;
}

void AlertView::show() {
    ZUNO_MAIN_THREAD_ONLY("an alert");
    if (visible_) return;
    auto self = std::static_pointer_cast<AlertView>(shared_from_this());
    if (auto d = delegate_.lock()) d->willPresentAlertView(*this);
    Responder* typing = Responder::firstResponder();
    if (!typing) typing = Application::shared().responderTakingReturn();
    if (typing && !insideAlert(typing)) keyboardOwner() = typing->weak_from_this();
    build();
    setAlpha(1);
    setUserInteractionEnabled(true);
    auto window = std::make_shared<Window>();
    window->setWindowLevel(Window::kLevelAlert);
    window->setBackgroundColor(std::nullopt);
    setFrame(window->bounds());
    window->addSubview(self);
    window_ = window;
    visible_ = true;
    dismissing_ = false;
    shownAlerts().push_back(self);
    window->makeVisible();
    takeKeyboard();
    place();
    panel_->setTransform(AffineTransform::scale(0.9, 0.9));
    View::animate(0.15, [this] { panel_->setTransform(AffineTransform::identity()); });
    if (auto d = delegate_.lock()) d->didPresentAlertView(*this);
}

void AlertView::tapButtonAtIndex(int index) {
    if (!visible_ || dismissing_) return;
    auto keep = shared_from_this();
    if (auto d = delegate_.lock()) d->clickedButtonAtIndex(*this, index);
    dismissWithClickedButtonIndex(index, true);
}

void AlertView::dismissWithClickedButtonIndex(int index, bool animated) {
    ZUNO_MAIN_THREAD_ONLY("an alert");
    if (!visible_ || dismissing_) return;
    dismissing_ = true;
    auto self = std::static_pointer_cast<AlertView>(shared_from_this());
    if (auto d = delegate_.lock()) d->willDismissWithButtonIndex(*this, index);
    auto& list = shownAlerts();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const std::weak_ptr<AlertView>& w) { return w.expired() || w.lock() == self; }),
               list.end());
    if (insideAlert(Responder::firstResponder(), this)) Responder::firstResponder()->resignFirstResponder();
    if (auto under = topAlert()) {
        under->takeKeyboard();
    } else {
        giveKeyboardBack();
    }
    auto finish = [self, index] {
        self->visible_ = false;
        self->dismissing_ = false;
        if (auto window = self->window_.lock()) {
            window->close();
            self->removeFromSuperview();
        }
        self->window_.reset();
        if (auto d = self->delegate_.lock()) d->didDismissWithButtonIndex(*self, index);
    };
    // The alert leaves the screen at once; with animation its window fades first.
    if (animated && !window_.expired()) {
        setUserInteractionEnabled(false);
        View::animate(0.2, [this] { setAlpha(0); }, [finish](bool) { finish(); });
    } else {
        finish();
    }
}

void AlertView::pressReturnKey() {
    const int index = defaultButtonIndex();
    if (index >= 0) tapButtonAtIndex(index);
}

void AlertView::pressEscapeKey() {
    if (cancelIndex_ >= 0) {
        tapButtonAtIndex(cancelIndex_);
    } else if (!buttonTitles_.empty()) {
        dismissWithClickedButtonIndex(0, true);
    }
}

void AlertView::typeText(const std::string& text) {
    if (auto* field = typingField()) field->insertText(text);
}

void AlertView::deleteBackward() {
    if (auto* field = typingField()) field->deleteBackward();
}

Responder* AlertView::ownField() const { return firstKeyInputIn(*this); }

KeyInput* AlertView::typingField() {
    auto* field = ownField();
    if (!field) return nullptr;
    if (!field->isFirstResponder()) field->becomeFirstResponder();
    return dynamic_cast<KeyInput*>(field);
}

void AlertView::takeKeyboard() {
    if (auto* field = ownField(); field && field->becomeFirstResponder()) return;
    becomeFirstResponder();
}

std::shared_ptr<AlertView> AlertView::topAlert() {
    auto& list = shownAlerts();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (auto alert = it->lock()) return alert;
    }
    return nullptr;
}

std::vector<std::shared_ptr<AlertView>> AlertView::visibleAlerts() {
    std::vector<std::shared_ptr<AlertView>> out;
    for (auto& w : shownAlerts()) {
        if (auto a = w.lock()) out.push_back(a);
    }
    return out;
}

}  // namespace zuno::ui
