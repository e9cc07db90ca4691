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
    // Another interface file for the same class (a game's own look of a shared sheet); before the view
    // is loaded.
    void setNibName(std::optional<std::string> name) { nibName_ = std::move(name); }
    // What loading the interface file found wrong (empty when it loaded clean). With strict loading
    // a problem raises InterfaceLoader::Failure from view() instead, before viewDidLoad.
    const std::vector<std::string>& interfaceProblems() const { return interfaceProblems_; }
    // The interface file could not be read, or left outlets unbound (possible only without strict
    // loading): the view is a blank one and viewDidLoad never ran. Such a screen is not shown.
    bool interfaceFailed() const { return interfaceFailed_; }

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

    // None once the stack (or the parent) is gone.
    std::shared_ptr<NavigationController> navigationController() const;
    std::shared_ptr<ViewController> parentViewController() const { return parent_.lock(); }

    // A controller shown over this one's view until dismissed. It leaves with its presenter: when the
    // presenter leaves its stack or goes, the presented controller is dismissed, and it lives until its
    // slide-out ends.
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
    std::vector<std::string> interfaceProblems_;
    bool interfaceFailed_ = false;
    std::shared_ptr<View> view_;
    std::string title_;
    // For a screen whose interface file failed: an alert naming the file, and true.
    bool refusedForItsInterface();
    // Leaving a navigation stack: forget it, and dismiss what this controller presents.
    void leaveStack(bool animated);

    std::weak_ptr<NavigationController> navigation_;
    std::weak_ptr<ViewController> parent_;
    std::shared_ptr<ViewController> modal_;
};

using ViewControllerPtr = std::shared_ptr<ViewController>;

}  // namespace zuno::ui
