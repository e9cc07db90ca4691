#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace zuno::ui {

// A tappable control with a title, an image and a background image for each state; a state without
// its own value shows the normal state's.
class Button : public Control {
public:
    enum class Type { Custom = 0, RoundedRect = 1 };

    explicit Button(Type type = Type::Custom);
    Button(Type type, const Rect& frame);
    static std::shared_ptr<Button> buttonWithType(Type type) { return std::make_shared<Button>(type); }

    Type buttonType() const { return type_; }

    void setTitle(std::optional<std::string> title, unsigned state = ControlState::Normal);
    std::optional<std::string> titleForState(unsigned state) const;
    void setTitleColor(std::optional<Color> color, unsigned state = ControlState::Normal);
    std::optional<Color> titleColorForState(unsigned state) const;
    void setTitleShadowColor(std::optional<Color> color, unsigned state = ControlState::Normal);
    void setImage(ImagePtr image, unsigned state = ControlState::Normal);
    ImagePtr imageForState(unsigned state) const;
    void setBackgroundImage(ImagePtr image, unsigned state = ControlState::Normal);
    ImagePtr backgroundImageForState(unsigned state) const;

    std::optional<std::string> currentTitle() const;
    ImagePtr currentImage() const;
    ImagePtr currentBackgroundImage() const;

    // The label that shows the title (its font is the button's title font).
    const std::shared_ptr<Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<ImageView>& imageView() const { return imageView_; }

    bool showsTouchWhenHighlighted() const { return showsTouch_; }
    void setShowsTouchWhenHighlighted(bool on) { showsTouch_ = on; }
    bool adjustsImageWhenHighlighted() const { return adjustsHighlighted_; }
    void setAdjustsImageWhenHighlighted(bool on) { adjustsHighlighted_ = on; }
    bool adjustsImageWhenDisabled() const { return adjustsDisabled_; }
    void setAdjustsImageWhenDisabled(bool on) { adjustsDisabled_ = on; }
    EdgeInsets contentEdgeInsets() const { return contentInsets_; }
    void setContentEdgeInsets(EdgeInsets e) { contentInsets_ = e; setNeedsLayout(); }
    EdgeInsets titleEdgeInsets() const { return titleInsets_; }
    void setTitleEdgeInsets(EdgeInsets e) { titleInsets_ = e; setNeedsLayout(); }
    EdgeInsets imageEdgeInsets() const { return imageInsets_; }
    void setImageEdgeInsets(EdgeInsets e) { imageInsets_ = e; setNeedsLayout(); }

    void layoutSubviews() override;
    void drawRect(Canvas& canvas, const Rect& rect) override;
    Size sizeThatFits(Size size) const override;

protected:
    void stateChanged() override;

private:
    template <class T>
    static std::optional<T> lookup(const std::map<unsigned, T>& m, unsigned state);
    void refresh();

    Type type_;
    std::map<unsigned, std::optional<std::string>> titles_;
    std::map<unsigned, Color> titleColors_;
    std::map<unsigned, Color> titleShadowColors_;
    std::map<unsigned, ImagePtr> images_;
    std::map<unsigned, ImagePtr> backgrounds_;
    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<ImageView> imageView_;
    bool showsTouch_ = false;
    bool adjustsHighlighted_ = true;
    bool adjustsDisabled_ = true;
    EdgeInsets contentInsets_, titleInsets_, imageInsets_;
};

using ButtonPtr = std::shared_ptr<Button>;

}  // namespace zuno::ui
