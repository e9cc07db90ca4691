#include "games/caro/CaroView.h"

#include <random>

#include "games/caro/CaroService.h"
#include "lobby/GlobalService.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScreenFactory.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"

namespace zuno {

namespace {
uint32_t chance() {
    static std::mt19937 generator{std::random_device{}()};
    return generator();
}

// Caro's start button blinks between its own two pictures. The board shows a part of the grid with
// the last stones in its middle: the players' bubbles lie along its top and bottom edges instead (the
// opponent's at the top, mine at the bottom), the notices between mine and the middle.
BoardTableLook caroLook() {
    BoardTableLook look;
    look.blink = {"caro-start.png", "caro-start2.png"};
    auto decorations = BoardTableLook::landscapeDecorations();
    decorations.bubbleCentres[0] = {240, 280};
    decorations.bubbleCentres[2] = {240, 40};
    decorations.bubbleCentres[TableDecorations::kCentre] = {240, 223};
    decorations.bubbleAreas[0] = ui::Rect(102, 262, 276, 36);
    decorations.bubbleAreas[2] = ui::Rect(102, 22, 276, 36);
    decorations.bubbleAreas[TableDecorations::kCentre] = ui::Rect(102, 190, 276, 66);  // under the stake
    look.decorationGeometry = decorations;
    return look;
}
}  // namespace

const ui::BindingTable& CaroView::bindings() {
    using B = ui::Bind<CaroView>;
    static const ui::BindingTable table(&BoardTableView::bindings(),
                                        {B::outlet("optionSpeed", &CaroView::optionSpeed),
                                         B::action("clickSetSpeed", &CaroView::clickSetSpeed)});
    return table;
}

CaroView::CaroView(std::string nibName) : BoardTableView(std::move(nibName), caroLook()), random(chance) {}

void CaroView::viewDidLoad() {
    BoardTableView::viewDidLoad();
    if (optionSpeed) {
        optionSpeed->customInterval = [this] { return customInterval; };
        optionSpeed->setCustomInterval = [this](int8_t speed) { customInterval = speed; };
    }
    placeBoard();
}

void CaroView::viewWillAppear(bool animated) {
    BoardTableView::viewWillAppear(animated);
    if (table().isInBoard) return;
    customInterval = menuSpeed::kNormal;
    placeBoard();
}

void CaroView::placeBoard() {
    if (board) board->removeFromSuperview();
    board = CaroBoard::create({0, 0, kBoardSide, kBoardSide});
    board->setCenter(view()->bounds().center());
    board->isMyTurn = [this] { return table().isInBoard && table().turn == table().myId; };
    board->onMove = [this](int8_t x, int8_t y) {
        CaroService::getInstance().moveWithRoomId(table().roomID, table().boardID, x, y);
    };
    board->onShownPartMoved = [this] { playMoved(); };
    // Just above the background, under every other view of the screen.
    view()->insertSubview(board, view()->subviews().empty() ? 0 : 1);
}

void CaroView::clearBoard() {
    if (board) board->reset();
}

void CaroView::startWithMoveFirst(int32_t whoMoveFirst, int32_t interval) {
    // The seat timers empty once per move.
    std::vector<ui::ImagePtr> frames;
    for (const auto& name : Resources::getInstance().arrayImgCRTimer()) frames.push_back(ui::Image::imageNamed(name));
    for (auto* timer : {imgTimer0.get(), imgTimer2.get()}) {
        if (!timer) continue;
        timer->setAnimationImages(frames);
        timer->setAnimationDuration(interval / 1000);
    }
    startGameWithMoveFirst(whoMoveFirst, interval);
    resetView(true);
    board->initXO(random);
    const bool iMoveFirst = table().iMoveFirst();
    const std::string x = board->model().imgX();
    const std::string o = board->model().imgO();
    const std::pair<ui::ImageView*, const std::string*> marks[] = {{ok0.get(), iMoveFirst ? &x : &o},
                                                                   {ok2.get(), iMoveFirst ? &o : &x}};
    for (const auto& [mark, image] : marks) {
        if (!mark) continue;
        mark->setImage(ui::Image::imageNamed(*image));
        mark->setHidden(false);
    }
}

void CaroView::moveWithWho(int32_t, int8_t x, int8_t y, int32_t nextMove) {
    moveMadeWithNext(nextMove);
    PlaySound::playSoundMove();
    // After the opponent's stone it is my turn: the view goes to that stone.
    board->moveWithX(x, y, nextMove == table().myId);
}

void CaroView::moveAndWinWithWhoWin(int32_t, int8_t x, int8_t y, int8_t winX, int8_t winY, int8_t winDx,
                                    int8_t winDy) {
    board->moveAndWinWithX(x, y, winX, winY, winDx, winDy);
}

void CaroView::sendStart() {
    GlobalService::getInstance().startGameWithRoomId(table().roomID, table().boardID, customInterval);
}

void CaroView::requestDraw() { CaroService::getInstance().requestDrawWithRoomId(table().roomID, table().boardID); }

void CaroView::clickSetSpeed() { presentSheet(optionSpeed); }

std::vector<BoardRightEntry> CaroView::rightEntries(int kind) const {
    if (kind == 0) {
        return {{"ZUNO_toc_do", 37, "caro-toc-do-danh.png", 0, "clickSetSpeed"},
                {"ZUNO_dat_pass", 98, "caro-mat-khau.png", 65, "clickSetPass"},
                {"ZUNO_invite", 163, "caro-moi-choi.png", 130, "clickInvite"}};
    }
    if (kind == 1 || kind == 3) {
        return {{"ZUNO_pleaseLose", 105, "caro-xin-thua.png", 65, "clickLose"},
                {"ZUNO_pleaseDraw", 166, "caro-xin-hoa.png", 130, "clickDraw"}};
    }
    return {};
}

ZUNO_REGISTER_SCREEN(CaroView)

}  // namespace zuno
