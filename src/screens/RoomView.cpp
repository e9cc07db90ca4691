#include "screens/RoomView.h"

#include <mutex>

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "platform/ui/TableViewCell.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

namespace {
constexpr const char* kCellIdentifier = "RoomCell";
constexpr double kBarCellX[] = {352, 364, 376, 388, 400};

std::mutex roomNameMutex;
std::string& roomName() {
    static std::string name;
    return name;
}

std::shared_ptr<ui::ImageView> barImage(double x, const char* name) {
    auto image = std::make_shared<ui::ImageView>(ui::Rect(x, 10, 10, 11));
    image->setImage(ui::Image::imageNamed(name));
    image->setContentMode(ui::ContentMode::Center);
    return image;
}

const RoomView::Rooms kNoRooms;
}  // namespace

const ui::BindingTable& RoomView::bindings() {
    using B = ui::Bind<RoomView>;
    static const ui::BindingTable table(&LobbyListScreen::bindings(),
                                        {B::outlet("tableView", &RoomView::tableView_)});
    return table;
}

RoomView::RoomView(std::string nibName) : LobbyListScreen(std::move(nibName)) {}

float RoomView::fullness(int8_t roomFree) {
    const int taken = roomFree * 100;
    return (100.0f - static_cast<float>(taken) / static_cast<float>(kRoomPlaces)) / 100.0f;
}

std::string RoomView::levelImageName(int level) {
    switch (level) {
        case 0: return "phong-binh-dan.png";
        case 1: return "phong-dai-gia.png";
        case 2: return "phong-vip.png";
        default: return {};
    }
}

std::string RoomView::levelTitleKey(int level) {
    switch (level) {
        case 0: return "ZUNO_roomLevel0";
        case 1: return "ZUNO_roomLevel1";
        case 2: return "ZUNO_roomLevel2";
        default: return {};
    }
}

std::string RoomView::gameRoomName() {
    std::lock_guard<std::mutex> lock(roomNameMutex);
    return roomName();
}

void RoomView::setGameRoomName(std::string name) {
    std::lock_guard<std::mutex> lock(roomNameMutex);
    roomName() = std::move(name);
}

void RoomView::viewDidLoad() {
    LobbyListScreen::viewDidLoad();
    if (!refreshHeaderView) {
        const double h = tableView_->bounds().height();
        refreshHeaderView = std::make_shared<RefreshTableHeaderView>(ui::Rect(0, -h, 480, h));
        sys::Log::line(sys::format("{%d, %d}", {480, static_cast<int>(h)}));
        refreshHeaderView->setBackgroundColor(ui::Color::clear());
        refreshHeaderView->setBottomBorderThickness(1);
        tableView_->addSubview(refreshHeaderView);
        tableView_->setShowsVerticalScrollIndicator(true);
    }
}

void RoomView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    LobbyListScreen::viewWillAppear(animated);
    if (auto key = roomNameKey(UIController::gameType())) {
        setTopBarTitle(sys::uppercase(Resources::getInstance().textForKey(*key)));
    }
    labelCaptions();
}

void RoomView::viewDidAppear(bool animated) {
    LobbyListScreen::viewDidAppear(animated);
    showLoadingScreen();
    requestList();
}

void RoomView::requestList() { GlobalService::getInstance().requestRoomList(); }

const RoomView::Rooms& RoomView::roomsOfSection(int section) const {
    if (section < 0 || section >= static_cast<int>(keys.size())) return kNoRooms;
    auto group = names.find(keys[static_cast<size_t>(section)]);
    return group == names.end() ? kNoRooms : group->second;
}

int RoomView::numberOfSectionsInTableView(ui::TableView&) { return static_cast<int>(keys.size()); }

int RoomView::numberOfRowsInSection(ui::TableView&, int section) {
    return static_cast<int>(roomsOfSection(section).size());
}

std::optional<double> RoomView::heightForRowAtIndexPath(ui::TableView&, ui::IndexPath) { return kRowHeight; }

std::optional<double> RoomView::heightForHeaderInSection(ui::TableView&, int) { return kHeaderHeight; }

std::shared_ptr<ui::View> RoomView::viewForHeaderInSection(ui::TableView&, int section) {
    const int level = section < static_cast<int>(keys.size()) ? keys[static_cast<size_t>(section)] : -1;
    // The band ends before the window's top right corner, where the unread-mail button lies while mail
    // waits and a section's header stands while its rooms scroll; the title stands in its middle.
    const ui::Rect bandFrame(34, 0, 394, 22);
    auto header = std::make_shared<ui::View>(bandFrame);
    header->setBackgroundColor(ui::Color::clear());
    auto band = std::make_shared<ui::ImageView>(bandFrame);
    band->setImage(ui::Image::imageNamed("phong-tieu-de.png"));
    header->addSubview(band);
    constexpr double kTitleWidth = 212;
    auto title = std::make_shared<ui::Label>(ui::Rect(bandFrame.x() + (bandFrame.width() - kTitleWidth) / 2, 2, kTitleWidth, 20));
    title->setBackgroundColor(ui::Color::clear());
    title->setTextColor(ui::Color::red());
    title->setFont(ui::Font::boldSystemFontOfSize(15));
    title->setTextAlignment(ui::TextAlignment::Center);
    title->setText(Resources::getInstance().textForKey(levelTitleKey(level)));
    header->addSubview(title);
    return header;
}

std::shared_ptr<ui::TableViewCell> RoomView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Default, kCellIdentifier);
    cell->setBackgroundColor(ui::Color::clear());
    auto content = cell->contentView();
    std::vector<std::shared_ptr<ui::View>> old = content->subviews();
    for (const auto& sub : old) sub->removeFromSuperview();

    const Rooms& rooms = roomsOfSection(path.section);
    if (path.row < 0 || path.row >= static_cast<int>(rooms.size()) || !rooms[static_cast<size_t>(path.row)]) return cell;
    const RoomInfo& room = *rooms[static_cast<size_t>(path.row)];

    const std::string level = levelImageName(room.lv());
    if (!level.empty()) {
        auto image = std::make_shared<ui::ImageView>(ui::Rect(50, 2, 25, 26));
        image->setImage(ui::Image::imageNamed(level));
        content->addSubview(image);
    }
    auto name = std::make_shared<ui::Label>(ui::Rect(85, 5, 100, 20));
    name->setBackgroundColor(ui::Color::clear());
    name->setTextColor(ui::Color::white());
    name->setFont(ui::Font::boldSystemFontOfSize(15));
    name->setText(sys::format("%@ %d", {Resources::getInstance().textForKey("ZUNO_room"), room.roomId()}));
    content->addSubview(name);

    content->addSubview(barImage(340, "limit.png"));
    content->addSubview(barImage(412, "limit.png"));
    const double full = fullness(room.roomFree());
    for (size_t i = 0; i < kCellThresholds.size(); ++i)
        content->addSubview(barImage(kBarCellX[i], full > kCellThresholds[i] ? "full.png" : "empty.png"));
    return cell;
}

void RoomView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    const Rooms& rooms = roomsOfSection(path.section);
    if (path.row < 0 || path.row >= static_cast<int>(rooms.size()) || !rooms[static_cast<size_t>(path.row)]) return;
    const auto& room = rooms[static_cast<size_t>(path.row)];
    auto boards = std::make_shared<BoardView>("BoardView");
    boards->setRoomInfo(room);
    boards->setRoomId(room->roomId());
    setTopBarTitle(sys::format("%@ %d", {title(), room->roomId()}));
    if (auto nav = navigationController()) nav->pushViewController(boards, true);
}

ZUNO_REGISTER_SCREEN(RoomView)

}  // namespace zuno
