#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace zuno::ui {

class NavigationController;
enum class InterfaceOrientation;

// Owns one screen's view. The view is made on first use: from the interface file named by `nibName`
// (bundle/ui/<nibName>.xml, outlets and actions bound to this controller), or by loadView().
class ViewController : public Responder {
    ZUNO_BINDINGS
public:
    explicit ViewController(std::optional<std::string> nibName = std::nullopt);
    ~ViewController() override;

    std::shared_ptr<View> view();
    std::shared_ptr<View> viewIfLoaded() const { return view_; }
    bool isViewLoaded() const { return view_ != nullptr; }
    void setView(std::shared_ptr<View> view);
    const std::optional<std::string>& nibName() const { return nibName_; }

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewDidUnload() {}
    virtual void viewWillAppear(bool animated) {}
    virtual void viewDidAppear(bool animated) {}
    virtual void viewWillDisappear(bool animated) {}
    virtual void viewDidDisappear(bool animated) {}
    virtual void didReceiveMemoryWarning() {}
    virtual bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation orientation) const;

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    NavigationController* navigationController() const;
    ViewController* parentViewController() const { return parent_; }

    // A controller shown over this one's view until dismissed.
    void presentModalViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    void dismissModalViewControllerAnimated(bool animated);
    std::shared_ptr<ViewController> modalViewController() const { return modal_; }

    Responder* nextResponder() const override;

    std::shared_ptr<ViewController> sharedController() {
        return std::static_pointer_cast<ViewController>(shared_from_this());
    }

private:
    friend class NavigationController;
    std::optional<std::string> nibName_;
    std::shared_ptr<View> view_;
    std::string title_;
    std::weak_ptr<NavigationController> navigation_;
    ViewController* parent_ = nullptr;
    std::shared_ptr<ViewController> modal_;
};

using ViewControllerPtr = std::shared_ptr<ViewController>;

}  // namespace zuno::ui
