#include "games/blocks/BlocksView.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "games/blocks/BlocksService.h"
#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/PlayerDetailView.h"
#include "shell/PlaySound.h"
#include "shell/Util.h"

namespace zuno {

namespace {

constexpr double kMarkerScale = 0.5;
constexpr double kMarkerSide = 40 * kMarkerScale;
constexpr double kWellBorder = 2;  // the well picture's border round the cells
// The gauge right of the well, clear of its border: the markers' track from the top row to the floor,
// the bomb at the well's half height where the flag starts, and the flag, which carries the opponent's
// name, at the height of his stack.
ui::Point markerCentre() {
    return {blocksgeometry::cellFrame(0, tBoard::kColumns).x() + kWellBorder + 2 + kMarkerSide / 2, BlocksGame::kBoardPos.y};
}
ui::Rect gaugeTrackFrame() {
    const ui::Rect cells = blocksgeometry::cellFrame(0, 0).united(blocksgeometry::cellFrame(tBoard::kRows - 1, 0));
    return {markerCentre().x - 1, cells.y(), 2, cells.height()};
}
// The opponent's name beside the flag, from its right edge to the screen's; a flag above the well's top
// row (a full stack) keeps it beside that row, under the right-hand column.
constexpr double kFlagNameGap = 2;
ui::Rect flagNameFrame(ui::Point flagCentre) {
    const double x = flagCentre.x + kMarkerSide / 2 + kFlagNameGap;
    const double y = std::max(flagCentre.y - 7, blocksgeometry::cellFrame(0, 0).y());
    return {x, y, 320 - 2 - x, 14};
}

// During a game the well, the next piece and the opponent's gauge are play, and the stake has moved
// up onto the start button's place: the bubbles lie in the band it left above the well, between the
// seats' column and the right-hand one, in two rows. A bubble of one row is a row high, so that a
// notice shows in whichever row is free.
constexpr double kBandLeft = 68, kBandWidth = 182, kBandTop = 50, kBandRowHeight = 31, kBandRowGap = 2;

// The upright table: the seats left of the well, the bottom seat 0 low and the top seat 2 high, their
// gifts under each. Between games the well is empty: the opponent's bubble lies in the band between
// the stake and the well, mine low over the well, the notices in its middle.
TableDecorationGeometry portraitGeometry() {
    TableDecorationGeometry g;
    g.bubbleCentres = {ui::Point{160, 440}, {160, 240}, {160, 107}, {160, 240}, {160, 240}};
    g.bubbleFontSize = 12;
    g.bubbleHeight = kBandRowHeight;
    g.bubbleAreas[2] = ui::Rect(64, 95, 192, 21);  // below the stake button, above the well
    g.bubbleAreas[0] = ui::Rect(72, 404, 180, 72);
    g.bubbleAreas[TableDecorations::kCentre] = ui::Rect(72, 200, 180, 80);
    g.flyTextPoints = {ui::Point{34, 330}, {160, 240}, {34, 30}, {160, 240}};
    g.tableCentre = {160, 240};
    // Four gifts two by two in the seat's column, each apart from the others: mine between my money
    // and the chat button, the opponent's between his money and the next piece.
    g.giftSide = 22;
    g.giftFirst = {ui::Point{20, 387}, {160, 240}, {20, 111}, {160, 240}};
    g.giftStep = {ui::Point{24, 0}, {0, 0}, {24, 0}, {0, 0}};
    g.giftRowLength = {2, 0, 2, 0};
    g.giftRowStep = {ui::Point{0, 24}, {}, {0, 24}, {}};
    g.giftStarts = {ui::Point{20, 470}, {160, 240}, {20, 10}, {160, 240}};
    g.unseatedPoint = std::nullopt;
    return g;
}

BoardTableLook blocksLook() {
    BoardTableLook look;
    look.stakeFrame = ui::Rect(94, 56, 132, 39);
    look.stakeFrameInGame = std::nullopt;  // onto the start button's place, which continue needs back
    look.stakeStaysUntilContinue = false;
    look.stakeSlideSeconds = 0.5;
    look.stakeFontSize = 14;
    look.stakeFontSizeInGame = 11;
    look.topUpIcon = "icon-nap-win.png";
    look.passwordIcon = "blocks_datmk.png";
    look.inviteIcon = "blocks_moiban.png";
    look.resignAndDraw = false;
    look.blink = {"blocks_batdau.png", "blocks_batdau1.png", true};
    look.decorationGeometry = portraitGeometry();
    // In a game: the opponent's row above mine, the notices in either.
    look.bubbleAreasInGame[2] = ui::Rect(kBandLeft, kBandTop, kBandWidth, kBandRowHeight);
    look.bubbleAreasInGame[0] = ui::Rect(kBandLeft, kBandTop + kBandRowHeight + kBandRowGap, kBandWidth, kBandRowHeight);
    look.bubbleAreasInGame[TableDecorations::kCentre] = ui::Rect(kBandLeft, kBandTop, kBandWidth, 2 * kBandRowHeight + kBandRowGap);
    look.giftsBesidePictures = false;
    return look;
}

BlocksGame::Random deviceRandom() {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    return [engine] { return static_cast<uint32_t>((*engine)()); };
}

std::shared_ptr<ui::ImageView> markerImage(const char* name) {
    auto view = std::make_shared<ui::ImageView>(ui::Image::imageNamed(name));
    const ui::Size size = view->image() ? view->image()->size() : ui::Size{40, 40};
    view->setFrame(ui::Rect(0, 0, size.width * kMarkerScale, size.height * kMarkerScale));
    view->setCenter(markerCentre());
    view->setUserInteractionEnabled(false);
    view->setHidden(true);
    return view;
}

}  // namespace

#define O(name) B::outlet(#name, &BlocksView::name)

const ui::BindingTable& BlocksView::bindings() {
    using B = ui::Bind<BlocksView>;
    static const ui::BindingTable table(&BoardTableView::bindings(), {O(lblOwnerMark), O(lblMeMark), O(lblOwnerMarkTitle), O(lblMeMarkTitle), O(lblNextBlockTitle)});
    return table;
}

#undef O

BlocksView::BlocksView(std::string nibName)
    : BoardTableView(std::move(nibName), blocksLook()),
      random_(deviceRandom()),
      game_(std::make_unique<BlocksGame>([this] { return random(); })) {
    game_->setObserver(this);
}

BlocksView::~BlocksView() {
    stopRopeAnimation();
    game_->setObserver(nullptr);
}

bool BlocksView::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    return orientation == ui::InterfaceOrientation::Portrait;
}

// ---- life

void BlocksView::viewDidLoad() {
    BoardTableView::viewDidLoad();
    wellView = std::make_shared<BlocksWellView>(*game_, cells_);
    wellView->onGesture = [this](BlocksGesture gesture) { perform(gesture); };
    nextBlockView = std::make_shared<BlocksPreviewView>(*game_, cells_);
    gaugeTrack = std::make_shared<BlocksGaugeView>(gaugeTrackFrame(), kMarkerSide);
    gaugeTrack->setHidden(true);
    bom = markerImage("blocks_Win.png");
    rope = markerImage("blocks_Enemy.png");
    ropeName = std::make_shared<ui::Label>(flagNameFrame(markerCentre()));
    ropeName->setFont(ui::Font::boldSystemFontOfSize(9));
    ropeName->setTextColor(ui::Color::rgb255(127, 196, 255));
    ropeName->setBackgroundColor(ui::Color::clear());
    ropeName->setAdjustsFontSizeToFitWidth(true);
    ropeName->setMinimumFontSize(7);
    ropeName->setTruncatesOnPurpose(true);  // a long name shows whole under the opponent's avatar
    ropeName->setUserInteractionEnabled(false);
    ropeName->setHidden(true);
    // Behind every control of the table.
    size_t index = 0;
    for (const auto& v : std::initializer_list<std::shared_ptr<ui::View>>{wellView, nextBlockView, gaugeTrack, bom, rope, ropeName})
        view()->insertSubview(v, index++);
}

void BlocksView::viewWillAppear(bool animated) {
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::Portrait);
    BoardTableView::viewWillAppear(animated);
    customInterval_ = 1;
    if (btnStart) btnStart->setHidden(false);
}

void BlocksView::viewWillDisappear(bool animated) {
    gameEnd();
    BoardTableView::viewWillDisappear(animated);
    ui::Application::shared().setStatusBarOrientation(ui::InterfaceOrientation::LandscapeRight);
}

void BlocksView::sendStart() {
    GlobalService::getInstance().startGameWithRoomId(table().roomID, table().boardID, customInterval_);
}

// ---- the game's start and end

void BlocksView::startWithBricks(const std::vector<int8_t>& bricks) {
    Util::callRung();
    gameEnd();  // a start that finds a game running replaces it
    table().startWithMoveFirst(-1, 0);
    playing_ = game_->startWithBricks(bricks, static_cast<int32_t>(bricks.size()));
    for (auto* badge : {ok0.get(), ok2.get()})
        if (badge) badge->setHidden(true);
    cancelStartBlink();
    animationForButtonCuoc();
    if (btnStart) btnStart->setHidden(true);
    if (iconMoney) iconMoney->setHidden(true);
    createRightButtonsWithKindOf(table().rightColumnKind());
    if (!playing_) return;
    gaugeTrack->setHidden(false);
    bom->setHidden(false);
    auto opponent = table().opponent();
    ropeName->setText(opponent && opponent->IDDB() != -1 ? BoardTableModel::shownName(*opponent) : std::string());
    ropeName->setHidden(false);
    placeRope(markerCentre());
    rope->setHidden(false);
    startRopeAnimation();
}

void BlocksView::closeBoardWithInfo(const std::string& info) {
    BoardTableView::closeBoardWithInfo(info);
    if (btnStart) btnStart->setHidden(false);
    gameEnd();
}

void BlocksView::playerLeaveWithId(int32_t playerId) {
    BoardTableView::playerLeaveWithId(playerId);
    gameEnd();
}

void BlocksView::gameEnd() {
    if (!playing_) return;
    playing_ = false;
    game_->gameEnd();
    stopRopeAnimation();
    clearEffects();
    for (ui::View* shown : std::initializer_list<ui::View*>{lblNextBlockTitle.get(), gaugeTrack.get(), bom.get(), rope.get(), ropeName.get()})
        if (shown) shown->setHidden(true);
    showMark(lblMeMark, lblMeMarkTitle, "");
    showMark(lblOwnerMark, lblOwnerMarkTitle, "");
    const auto& model = table();
    if (auto owner = model.getPlayerWithID(model.ownerID)) setSeatInfoWithSeat(model.seatOf(owner->IDDB()), owner);
}

// ---- events of the game from the server

void BlocksView::addRandomWithRos(const std::vector<int8_t>& ros, int8_t row) { game_->addRandomWithRos(ros, row); }

void BlocksView::getHeightFromServerWithHeight(int8_t height) {
    game_->getHeightFromServerWithHeight(height);
    if (!playing_) return;
    drawEnemyHeight();
    startRopeAnimation();
}

void BlocksView::setRowsOfOpponent(int8_t count) {
    game_->setRowsOfOpponent(count);
    showMark(lblOwnerMark, lblOwnerMarkTitle, sys::format("%d", game_->ownerScore()));
}

void BlocksView::showMark(const std::shared_ptr<ui::Label>& mark, const std::shared_ptr<ui::Label>& caption,
                          const std::string& count) {
    if (mark) mark->setText(count);
    if (caption) caption->setHidden(count.empty());
}

// ---- the opponent's height marker

double BlocksView::enemyHeightTarget() const {
    const int32_t height = std::clamp<int32_t>(game_->fHeight(), 0, tBoard::kRows);
    return convertBoardToPositionAtRow(tBoard::kRows - 1 - height, tBoard::kColumns).y;
}

void BlocksView::drawEnemyHeight() {
    if (!rope) return;
    const double target = enemyHeightTarget();
    ui::Point centre = rope->center();
    if (std::abs(centre.y - target) <= kMarkerStep) {
        stopRopeAnimation();
        return;
    }
    centre.y += centre.y < target ? kMarkerStep : -kMarkerStep;
    placeRope(centre);
}

void BlocksView::placeRope(ui::Point centre) {
    rope->setCenter(centre);
    if (ropeName) ropeName->setFrame(flagNameFrame(centre));
}

void BlocksView::startRopeAnimation() {
    if (ropeAnimation_ != 0) return;
    ropeAnimation_ = sys::RunLoop::main().scheduleRepeating(kFrameSeconds, [this] { drawEnemyHeight(); });
}

void BlocksView::stopRopeAnimation() {
    if (ropeAnimation_ != 0) sys::RunLoop::main().cancel(ropeAnimation_);
    ropeAnimation_ = 0;
}

// ---- input

bool BlocksView::gameKeyDown(GameKey key) {
    if (!playing_) return false;
    switch (key) {
        case GameKey::Left: perform(BlocksGesture::Left); break;
        case GameKey::Right: perform(BlocksGesture::Right); break;
        case GameKey::Down: perform(BlocksGesture::Down); break;
        case GameKey::Up: perform(BlocksGesture::Rotate); break;
        case GameKey::Space: perform(BlocksGesture::DownFast); break;
    }
    return true;
}

void BlocksView::perform(BlocksGesture gesture) {
    if (playing_) game_->perform(gesture);
}

// ---- what the game tells

void BlocksView::blocksWellChanged() {
    if (wellView) wellView->gameChanged();
}

void BlocksView::blocksBlockChanged() {
    if (wellView) wellView->gameChanged();
}

void BlocksView::blocksNextBlockChanged() {
    // The caption shows with the piece: between a landing and the next spawn neither shows.
    if (lblNextBlockTitle) lblNextBlockTitle->setHidden(!game_->nextBlock());
    if (!nextBlockView) return;
    nextBlockView->setNeedsDisplay();
    if (game_->nextBlock()) effectBouncingNextBlock();
}

void BlocksView::blocksBlockLanded() {
    effectBouncingView();
    PlaySound::playBlocksDrop();
}

void BlocksView::blocksRowCleared(int32_t row) {
    effectBingo(row);
    showMark(lblMeMark, lblMeMarkTitle, sys::format("%d", game_->myScore()));
}

void BlocksView::blocksBingo() { PlaySound::playBlocksBingo(); }

void BlocksView::blocksRotated() { PlaySound::playBlocksRotate(); }

void BlocksView::blocksSendReport(const BlocksReport& report) {
    BlocksService::getInstance().sendBrickToServer(table().roomID, table().boardID, report);
}

// ---- effects

void BlocksView::effectBouncingNextBlock() {
    nextBlockView->setFrame(BlocksPreviewView::defaultFrame());
    std::weak_ptr<ui::View> preview = nextBlockView;
    ui::View::beginAnimations(std::string("bounceNextBlock"));
    ui::View::setAnimationDuration(0.25);
    ui::View::setAnimationRepeatCount(10);
    ui::View::setAnimationRepeatAutoreverses(true);
    ui::View::setAnimationDidStop([preview](const std::string&, bool) {
        if (auto view = preview.lock()) view->setFrame(BlocksPreviewView::defaultFrame());
    });
    nextBlockView->setFrame(BlocksPreviewView::defaultFrame().offsetBy(0, 10));
    ui::View::commitAnimations();
}

void BlocksView::effectBouncingView() {
    const ui::Rect rest = wellView->frame();
    std::weak_ptr<ui::View> well = wellView;
    ui::View::beginAnimations(std::string("bounce"));
    ui::View::setAnimationDuration(0.25);
    ui::View::setAnimationRepeatAutoreverses(true);
    ui::View::setAnimationDidStop([well, rest](const std::string&, bool) {
        if (auto view = well.lock()) view->setFrame(rest);
    });
    wellView->setFrame(rest.offsetBy(0, 2));
    ui::View::commitAnimations();
}

void BlocksView::effectBingo(int32_t row) {
    auto self = std::weak_ptr<BlocksView>(std::static_pointer_cast<BlocksView>(shared_from_this()));
    for (int32_t columb = 0; columb < tBoard::kColumns; ++columb) {
        auto piece = std::make_shared<ui::ImageView>(ui::Image::imageNamed("gach-cray.png"));
        const ui::Size size = piece->image() ? piece->image()->size() : ui::Size{18, 18};
        piece->setFrame(ui::Rect(0, 0, size.width, size.height));
        const BlocksPoint start = blocksgeometry::cellFrame(row, columb).center();  // over the cleared cell
        piece->setCenter(start);
        piece->setUserInteractionEnabled(false);
        view()->insertSubview(piece, 4);
        bingoEffects_.push_back(piece);
        const double dx = static_cast<double>(random() % 5) - 2;
        const double dy = static_cast<double>(random() % 10);
        const double first = static_cast<double>(random() % 10) / 10;
        std::weak_ptr<ui::ImageView> weak = piece;
        ui::View::animate(
            first,
            [&] {
                piece->setTransform(ui::AffineTransform::rotation(720));
                piece->setCenter({start.x - dx, start.y - dy});
            },
            [self, weak, dx](bool) {
                auto flying = weak.lock();
                if (!flying || !flying->superview()) return;
                const ui::Point at = flying->center();
                ui::View::animate(
                    1.0, [&] { flying->setCenter({at.x - dx, at.y + 160}); },
                    [self, weak](bool) {
                        auto done = weak.lock();
                        if (!done) return;
                        done->removeFromSuperview();
                        if (auto screen = self.lock()) std::erase(screen->bingoEffects_, done);
                    });
            });
    }
}

void BlocksView::clearEffects() {
    for (const auto& piece : bingoEffects_) piece->removeFromSuperview();
    bingoEffects_.clear();
}

void BlocksView::d_inBoard() const {
    const tBoard* board = game_->gameBoard();
    if (!board) return;
    for (int32_t row = 0; row < tBoard::kRows; ++row) {
        for (int32_t columb = 0; columb < tBoard::kColumns; ++columb) std::printf("%d\t", board->getValueAtRow(row, columb));
        std::printf("\n");
    }
}

ZUNO_REGISTER_SCREEN(BlocksView)

namespace {
// The shared sheets in the upright table's own interface files, named after those files.
template <class Sheet>
bool registerUprightLook(const std::string& fileName) {
    ui::ScreenFactory::registerScreen(fileName, [fileName] {
        auto sheet = std::make_shared<Sheet>();
        sheet->setNibName(fileName);
        return sheet;
    });
    return true;
}

const bool uprightSheetsRegistered = registerUprightLook<menuCuoc>("menuCuocBlocks") &&
                                     registerUprightLook<menuPassword>("menuPasswordBlocks") &&
                                     registerUprightLook<menuMoiBan>("menuMoiBanBlocks") &&
                                     registerUprightLook<boardChat>("boardChatBlocks") &&
                                     registerUprightLook<menuPlayer>("menuPlayerBlocks") &&
                                     registerUprightLook<PlayerDetailView>("PlayerDetailBlocksView");
}  // namespace

}  // namespace zuno
