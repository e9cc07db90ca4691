#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace zuno::ui {

// One row of a table view. Cells are kept for reuse under their identifier once scrolled away.
class TableViewCell : public View {
public:
    enum class Style { Default = 0, Value1 = 1, Value2 = 2, Subtitle = 3 };
    enum class SelectionStyle { None = 0, Blue = 1, Gray = 2 };
    enum class AccessoryType { None = 0, DisclosureIndicator = 1, DetailDisclosureButton = 2, Checkmark = 3 };

    TableViewCell(Style style, std::optional<std::string> reuseIdentifier);

    Style style() const { return style_; }
    const std::optional<std::string>& reuseIdentifier() const { return reuseIdentifier_; }
    const std::shared_ptr<View>& contentView() const { return contentView_; }
    const std::shared_ptr<Label>& textLabel();
    const std::shared_ptr<Label>& detailTextLabel();
    const std::shared_ptr<ImageView>& imageView();

    AccessoryType accessoryType() const { return accessoryType_; }
    void setAccessoryType(AccessoryType t) { accessoryType_ = t; setNeedsLayout(); }
    std::shared_ptr<View> accessoryView() const { return accessoryView_; }
    void setAccessoryView(std::shared_ptr<View> view);
    SelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(SelectionStyle s) { selectionStyle_ = s; }
    // The image and the labels start indentationLevel x indentationWidth points in from the left edge.
    int indentationLevel() const { return indentationLevel_; }
    void setIndentationLevel(int level) { indentationLevel_ = level; setNeedsLayout(); }
    double indentationWidth() const { return indentationWidth_; }
    void setIndentationWidth(double width) { indentationWidth_ = width; setNeedsLayout(); }

    bool isSelected() const { return selected_; }
    virtual void setSelected(bool on, bool animated = false);
    bool isHighlighted() const { return highlighted_; }
    virtual void setHighlighted(bool on, bool animated = false);
    bool isShowingDeleteConfirmation() const { return deleteButton_ != nullptr; }

    // Called before the table hands the cell out again.
    virtual void prepareForReuse() {}

    void layoutSubviews() override;
    void drawRect(Canvas& canvas, const Rect& rect) override;

private:
    friend class TableView;
    void showDeleteButton(const std::string& title, std::function<void()> onTap);
    void hideDeleteButton();
    void updateLabelHighlight();

    Style style_;
    std::optional<std::string> reuseIdentifier_;
    std::shared_ptr<View> contentView_;
    std::shared_ptr<Label> textLabel_, detailTextLabel_;
    std::shared_ptr<ImageView> imageView_;
    std::shared_ptr<View> accessoryView_;
    std::shared_ptr<Button> deleteButton_;
    bool accessoryHiddenBeforeDelete_ = false;
    AccessoryType accessoryType_ = AccessoryType::None;
    SelectionStyle selectionStyle_ = SelectionStyle::Blue;
    int indentationLevel_ = 0;
    double indentationWidth_ = 10;
    bool selected_ = false;
    bool highlighted_ = false;
    bool separator_ = true;
    Color separatorColor_ = Color::rgb255(224, 224, 224);
};

using TableViewCellPtr = std::shared_ptr<TableViewCell>;

}  // namespace zuno::ui
