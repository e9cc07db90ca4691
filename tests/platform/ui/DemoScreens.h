// A small two-screen program made of the toolkit's pieces: a list screen (from an interface file)
// with a title label, a table and a button that opens a second screen; picking a row asks through an
// alert. The toolkit tests run it headless and in the SDL window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace zuno::ui::demo {

class DemoDetail : public ViewController {
public:
    void loadView() override;
    std::shared_ptr<Label> caption;
    std::shared_ptr<Button> backButton;
};

class DemoHome : public ViewController,
                 public TableViewDataSource,
                 public TableViewDelegate,
                 public AlertViewDelegate {
    ZUNO_BINDINGS
public:
    DemoHome() : ViewController(std::string("DemoHome")) {}

    std::shared_ptr<Label> lblTitle;
    std::shared_ptr<Button> btnNext;
    std::shared_ptr<TableView> tableView;
    std::vector<std::string> rooms{"Tien Len", "Phom", "Poker", "Co Tuong", "Caro", "Blocks"};
    std::shared_ptr<AlertView> alert;
    int pendingRow = -1;

    void viewDidLoad() override;
    void showDetail(Object* sender);

    int numberOfRowsInSection(TableView& table, int section) override;
    std::shared_ptr<TableViewCell> cellForRowAtIndexPath(TableView& table, IndexPath path) override;
    void didSelectRowAtIndexPath(TableView& table, IndexPath path) override;
    void clickedButtonAtIndex(AlertView& alert, int buttonIndex) override;
};

// The interface file of the list screen.
extern const char* kDemoHomeXml;

struct DemoApp {
    std::shared_ptr<Window> window;
    std::shared_ptr<NavigationController> nav;
    std::shared_ptr<DemoHome> home;
};

// Writes the interface file into the folder, points the loader there and shows the first screen.
DemoApp launchDemo(const std::string& interfaceFolder);

}  // namespace zuno::ui::demo
