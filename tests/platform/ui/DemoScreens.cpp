#include "DemoScreens.h"

#include <fstream>

#include "platform/ui/InterfaceLoader.h"

namespace zuno::ui::demo {

const char* kDemoHomeXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<interface>
  <view frame="0 0 480 320" background="#1d3557">
    <label outlet="lblTitle" frame="10 8 300 30" text="Chọn phòng" font="bold 18" color="white"/>
    <button outlet="btnNext" frame="350 6 120 34" title="Next" font="bold 16" background="#e63946" cornerRadius="8">
      <state name="highlighted" titleColor="#ffd166"/>
      <action event="touchUpInside" name="showDetail:"/>
    </button>
    <tableView outlet="tableView" frame="0 48 480 272" rowHeight="48" dataSource="owner" delegate="owner"/>
  </view>
</interface>
)";

const BindingTable& DemoHome::bindings() {
    using B = Bind<DemoHome>;
    static const BindingTable table(&ViewController::bindings(),
                                    {
                                        B::outlet("lblTitle", &DemoHome::lblTitle),
                                        B::outlet("btnNext", &DemoHome::btnNext),
                                        B::outlet("tableView", &DemoHome::tableView),
                                        B::action("showDetail:", &DemoHome::showDetail),
                                    });
    return table;
}

void DemoHome::viewDidLoad() { tableView->reloadData(); }

void DemoHome::showDetail(Object*) {
    auto detail = std::make_shared<DemoDetail>();
    detail->setTitle("detail");
    navigationController()->pushViewController(detail, true);
}

int DemoHome::numberOfRowsInSection(TableView&, int) { return int(rooms.size()); }

std::shared_ptr<TableViewCell> DemoHome::cellForRowAtIndexPath(TableView& table, IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier("room");
    if (!cell) cell = std::make_shared<TableViewCell>(TableViewCell::Style::Default, "room");
    cell->textLabel()->setText(rooms[size_t(path.row)]);
    return cell;
}

void DemoHome::didSelectRowAtIndexPath(TableView&, IndexPath path) {
    pendingRow = path.row;
    alert = std::make_shared<AlertView>(std::nullopt, "Join " + rooms[size_t(path.row)] + "?",
                                        std::dynamic_pointer_cast<AlertViewDelegate>(shared_from_this()),
                                        std::string("Cancel"), std::vector<std::string>{"OK"});
    alert->show();
}

void DemoHome::clickedButtonAtIndex(AlertView& a, int buttonIndex) {
    if (buttonIndex != a.cancelButtonIndex() && pendingRow >= 0) lblTitle->setText("Phòng: " + rooms[size_t(pendingRow)]);
    pendingRow = -1;
}

void DemoDetail::loadView() {
    auto v = std::make_shared<View>(Rect(0, 0, 480, 320));
    v->setBackgroundColor(Color::rgb255(42, 157, 143));
    caption = std::make_shared<Label>(Rect(20, 120, 440, 40));
    caption->setBackgroundColor(std::nullopt);
    caption->setTextColor(Color::white());
    caption->setFont(Font::boldSystemFontOfSize(24));
    caption->setTextAlignment(TextAlignment::Center);
    caption->setText("Second screen");
    v->addSubview(caption);
    backButton = std::make_shared<Button>(Button::Type::RoundedRect, Rect(10, 6, 80, 34));
    backButton->setTitle("Back");
    std::weak_ptr<ViewController> self = std::static_pointer_cast<ViewController>(shared_from_this());
    backButton->addHandler(
        [self](Control&) {
            if (auto me = self.lock()) me->navigationController()->popViewControllerAnimated(true);
        },
        ControlEvent::TouchUpInside);
    v->addSubview(backButton);
    setView(v);
}

DemoApp launchDemo(const std::string& interfaceFolder) {
    std::ofstream(interfaceFolder + "/DemoHome.xml") << kDemoHomeXml;
    InterfaceLoader::setInterfaceRoot(interfaceFolder);
    DemoApp app;
    app.window = std::make_shared<Window>();
    app.home = std::make_shared<DemoHome>();
    app.home->setTitle("home");
    app.nav = std::make_shared<NavigationController>(app.home);
    app.window->addSubview(app.nav->view());
    app.window->makeKeyAndVisible();
    return app;
}

}  // namespace zuno::ui::demo
