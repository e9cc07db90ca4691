#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/View.h"

namespace zuno::ui {

class PickerView;

class PickerViewDataSource {
public:
    virtual ~PickerViewDataSource() = default;
    virtual int numberOfComponentsInPickerView(PickerView& picker) = 0;
    virtual int numberOfRowsInComponent(PickerView& picker, int component) = 0;
};

class PickerViewDelegate {
public:
    virtual ~PickerViewDelegate() = default;
    virtual std::optional<std::string> titleForRow(PickerView& picker, int row, int component) { return std::nullopt; }
    virtual void didSelectRow(PickerView& picker, int row, int component) {}
    virtual double rowHeightForComponent(PickerView& picker, int component) { return 44; }
};

// Wheels of rows, one per component; the row in the middle band is the selected one. A tap above or
// below the band turns the wheel by one row, a drag by as many rows as it covers.
class PickerView : public View {
public:
    PickerView();
    explicit PickerView(const Rect& frame);

    void setDataSource(std::weak_ptr<PickerViewDataSource> d) { dataSource_ = std::move(d); reloadAllComponents(); }
    void setDelegate(std::weak_ptr<PickerViewDelegate> d) { delegate_ = std::move(d); setNeedsDisplay(); }
    int numberOfComponents() const { return int(selection_.size()); }
    int numberOfRowsInComponent(int component) const;
    int selectedRowInComponent(int component) const;
    void selectRow(int row, int component, bool animated);
    void reloadAllComponents();
    void reloadComponent(int component);
    bool showsSelectionIndicator() const { return showsSelection_; }
    void setShowsSelectionIndicator(bool on) { showsSelection_ = on; setNeedsDisplay(); }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void drawRect(Canvas& canvas, const Rect& rect) override;

private:
    int componentAt(Point p) const;
    double rowHeight(int component) const;
    void turn(int component, int rows);

    std::weak_ptr<PickerViewDataSource> dataSource_;
    std::weak_ptr<PickerViewDelegate> delegate_;
    std::vector<int> selection_;
    std::vector<int> rowCounts_;
    bool showsSelection_ = true;
    Point touchStart_;
    Font font_ = Font::boldSystemFontOfSize(20);
};

}  // namespace zuno::ui
