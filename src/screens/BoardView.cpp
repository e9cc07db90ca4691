#include "screens/BoardView.h"

#include <atomic>

#include "lobby/GameRegistry.h"
#include "lobby/GlobalService.h"
#include "lobby/ScreenEvents.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PasswordIntoBoard.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
// Written by the game decoders on the connection's reader thread, read by the screens.
std::atomic<int32_t> tableListType{0};
std::atomic<int32_t> buttonsHeldDown{0};

void logTouches() { sys::Log::line(sys::format("num of touch %d", {BoardView::numOfTouchUp()})); }
}  // namespace

const ui::BindingTable& BoardView::bindings() {
    using B = ui::Bind<BoardView>;
    static const ui::BindingTable table(&LobbyListScreen::bindings(),
                                        {
                                            B::outlet("scrollView", &BoardView::scrollView),
                                            B::outlet("passIntoBoard", &BoardView::passIntoBoard),
                                            B::action("doTouchDown:", &BoardView::doTouchDown),
                                            B::action("doTouchUpOutside:", &BoardView::doTouchUpOutside),
                                            B::action("doJoinBoard:", &BoardView::doJoinBoard),
                                        });
    return table;
}

BoardView::BoardView(std::string nibName) : LobbyListScreen(std::move(nibName)) {}

int32_t BoardView::type() { return tableListType; }
void BoardView::setType(int32_t type) { tableListType = type; }

int32_t BoardView::numOfTouchUp() { return buttonsHeldDown; }
void BoardView::setnumOfTouchUp(int32_t count) { buttonsHeldDown = count; }

bool BoardView::isFull(int32_t listType, int8_t nPlayer) {
    switch (listType) {
        case 0: return nPlayer > 1;
        case 1: return nPlayer > 3;
        case 2: return nPlayer > 4;
        default: return false;
    }
}

std::vector<int> BoardView::visibleMarkers(int8_t gameType) {
    const GameDescriptor* game = GameRegistry::find(gameType);
    switch (game ? game->tableListSeats : kMarkers) {
        case 2: return {3, 4};
        case 4: return {1, 2, 3, 4};
        default: return {1, 2, 3, 4, 5, 6, 7, 8};
    }
}

std::string BoardView::markerImageName(int marker, int8_t nPlayer, int8_t gameType) {
    // The shown markers fill in their order, so a two-seat table shows its one or two players.
    const std::vector<int> shown = visibleMarkers(gameType);
    int rank = marker;
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] == marker) rank = static_cast<int>(i) + 1;
    const bool taken = nPlayer >= rank || nPlayer >= kMarkers || nPlayer < 0;
    const bool upright = marker == 1 || marker == 3 || marker == 7 || marker == 8;
    if (upright) return taken ? "01-1.png" : "01-4.png";
    return taken ? "01-2.png" : "01-3.png";
}

std::string BoardView::tableImageName(int8_t roomLevel) {
    if (roomLevel == 1) return "dsbandaigia.png";
    if (roomLevel == 2) return "dsbanvip.png";
    return "dsbanthuong.png";
}

int BoardView::numberRowInView() const { return static_cast<int>((listBoard.size() + kColumns - 1) / kColumns); }

double BoardView::heightOfView() const { return numberRowInView() * kTileHeight; }

std::shared_ptr<Board> BoardView::selectedBoard() const {
    if (selectedBoardIndex < 0 || selectedBoardIndex >= static_cast<int>(listBoard.size())) return nullptr;
    return listBoard[static_cast<size_t>(selectedBoardIndex)];
}

void BoardView::setTitle() {
    const auto key = roomNameKey(UIController::gameType());
    const std::string name = key ? Resources::getInstance().textForKey(*key) : std::string();
    setTopBarTitle(sys::uppercase(sys::format("%@ %d", {name, roomId_})));
}

void BoardView::viewDidLoad() {
    LobbyListScreen::viewDidLoad();
    scrollView->setScrollEnabled(true);
    if (!refreshHeaderView) {
        refreshHeaderView = std::make_shared<RefreshTableHeaderView>(ui::Rect(0, -kHeaderHeight, 480, kHeaderHeight));
        refreshHeaderView->setBackgroundColor(ui::Color::clear());
        refreshHeaderView->setBottomBorderThickness(1);
        scrollView->addSubview(refreshHeaderView);
        scrollView->setShowsVerticalScrollIndicator(true);
    }
}

void BoardView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
    LobbyListScreen::viewWillAppear(animated);
    setTitle();
    setnumOfTouchUp(0);
    labelCaptions();
}

void BoardView::viewDidAppear(bool animated) {
    LobbyListScreen::viewDidAppear(animated);
    showLoadingScreen();
    requestList();
}

void BoardView::requestList() { GlobalService::getInstance().requestBoardListWithRoomId(roomId_); }

void BoardView::reloadData() {
    std::vector<std::shared_ptr<ui::View>> old;
    for (const auto& sub : scrollView->subviews())
        if (sub != refreshHeaderView) old.push_back(sub);
    for (const auto& sub : old) sub->removeFromSuperview();
    scrollView->setContentSize({480, heightOfView()});
    for (size_t i = 0; i < listBoard.size(); ++i) {
        if (listBoard[i]) scrollView->addSubview(makeTile(i, *listBoard[i]));
    }
}

std::shared_ptr<ui::View> BoardView::makeTile(size_t index, const Board& board) const {
    const double x = kColumnStep * static_cast<double>(index % kColumns) + kLeftMargin;
    const double y = kTileHeight * static_cast<double>(index / kColumns);
    auto tile = std::make_shared<ui::View>(ui::Rect(x, y, kTileWidth, kTileHeight));
    tile->setBackgroundColor(ui::Color::clear());

    auto table = std::make_shared<ui::ImageView>(ui::Rect(21, 21, 55, 33));
    table->setImage(ui::Image::imageNamed(tableImageName(roomInfo_ ? roomInfo_->lv() : 0)));
    tile->addSubview(table);

    const int8_t game = UIController::gameType();
    for (int marker : visibleMarkers(game)) {
        const ui::Point at = kMarkerOrigins[static_cast<size_t>(marker - 1)];
        auto seat = std::make_shared<ui::ImageView>(ui::Rect(at.x, at.y, 18, 26));
        seat->setImage(ui::Image::imageNamed(markerImageName(marker, board.nPlayer(), game)));
        tile->addSubview(seat);
    }
    if (board.isPass()) {
        auto lock = std::make_shared<ui::ImageView>(ui::Rect(42, 30, 16, 16));
        lock->setImage(ui::Image::imageNamed("clock.png"));
        tile->addSubview(lock);
    }
    if (board.money() > 0) {
        auto stake = std::make_shared<ui::Label>(ui::Rect(0, 66, 90, 14));
        stake->setBackgroundColor(ui::Color::clear());
        stake->setTextColor(ui::Color::yellow());
        stake->setFont(ui::Font::boldSystemFontOfSize(10));
        stake->setTextAlignment(ui::TextAlignment::Center);
        stake->setText(sys::format("%@$", {Util::formatNumber(board.money())}));
        tile->addSubview(stake);
    }

    auto button = std::make_shared<ui::Button>(ui::Button::Type::Custom);
    button->setFrame(ui::Rect(0, 0, kTileWidth, kTileHeight));
    button->setShowsTouchWhenHighlighted(true);
    // The tag carries the table's index; the button draws no title of its own.
    button->setTag(static_cast<int>(index));
    auto* self = const_cast<BoardView*>(this);
    button->addTarget(self, "doTouchDown:", ui::ControlEvent::TouchDown);
    button->addTarget(self, "doTouchUpOutside:", ui::ControlEvent::TouchUpOutside);
    button->addTarget(self, "doJoinBoard:", ui::ControlEvent::TouchUpInside);
    tile->addSubview(button);
    return tile;
}

void BoardView::doTouchDown(ui::Object*) {
    setnumOfTouchUp(numOfTouchUp() + 1);
    logTouches();
}

void BoardView::doTouchUpOutside(ui::Object*) {
    setnumOfTouchUp(numOfTouchUp() - 1);
    logTouches();
}

void BoardView::doJoinBoard(ui::Button* sender) {
    logTouches();
    if (numOfTouchUp() > 1) {
        sys::Log::line("Chon nhieu hon 2 ban cung luc.");
        setnumOfTouchUp(0);
        return;
    }
    // A table screen on top is already open (a Poker table lets the player look on).
    auto nav = navigationController();
    auto top = nav ? nav->topViewController() : nullptr;
    if (dynamic_cast<TableScreenEvents*>(top.get()) && GameRegistry::currentFamily() != TableFamily::Poker) return;

    if (!sender) return;
    selectedBoardIndex = sender->tag();
    std::shared_ptr<Board> board = selectedBoard();
    if (!board) {
        setnumOfTouchUp(0);
        return;
    }
    const Resources& r = Resources::getInstance();
    if (isFull(type(), board->nPlayer())) {
        UIController::startOKDlg(r.textForKey("ZUNO_cannotJoinBoard"));
        setnumOfTouchUp(0);
        return;
    }
    const PlayerPtr me = UIController::myInfo();
    const int64_t money = me ? me->money() : 0;
    if (static_cast<int64_t>(board->money()) > money) {
        UIController::setOkValue(UIController::okGoTopUp);
        UIController::startCancelOkDlg(r.textForKey("ZUNO_wantChargeMoney"), r.textForKey("ZUNO_cancel"),
                                       r.textForKey("ZUNO_loading"));
        setnumOfTouchUp(0);
        return;
    }
    if (board->isPass()) {
        if (passIntoBoard) {
            passIntoBoard->setBoardList(std::static_pointer_cast<BoardView>(shared_from_this()));
            view()->addSubview(passIntoBoard->view());
            passIntoBoard->viewWillAppear(false);
        }
        setnumOfTouchUp(0);
        return;
    }
    // The guard stays up until the table screen shows or the server refuses.
    GlobalService::getInstance().joinBoardWithroomId(roomId_, board->boardId(), std::string());
}

ZUNO_REGISTER_SCREEN(BoardView)

}  // namespace zuno
