#include "money/AvatarView.h"

#include "lobby/GlobalService.h"
#include "platform/core/Format.h"
#include "platform/core/RunLoop.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/ScreenTitle.h"
#include "shell/Resources.h"
#include "shell/UIController.h"
#include "shell/Util.h"

namespace zuno {

namespace {
std::string text(const char* key) { return Resources::getInstance().textForKey(key); }

int64_t myMoney() {
    auto me = UIController::myInfo();
    return me ? me->money() : 0;
}

std::shared_ptr<ui::Label> rowLabel(const ui::Rect& frame, const ui::Color& color, const std::string& text) {
    auto label = std::make_shared<ui::Label>(frame);
    label->setTextColor(color);
    label->setFont(ui::Font::boldSystemFontOfSize(16));
    label->setBackgroundColor(std::nullopt);
    label->setTextAlignment(ui::TextAlignment::Left);
    label->setText(text);
    return label;
}
}  // namespace

const ui::BindingTable& AvatarView::bindings() {
    using B = ui::Bind<AvatarView>;
    static const ui::BindingTable table(&ZunoViewController::bindings(),
                                        {B::outlet("tableView", &AvatarView::tableView_),
                                         B::action("doExit:", &AvatarView::doExit)});
    return table;
}

AvatarView::AvatarView(std::string nibName) : ZunoViewController(std::move(nibName)) {}

void AvatarView::viewDidLoad() {
    showLoadingScreen();
    ZunoViewController::viewDidLoad();
    auto self = std::static_pointer_cast<AvatarView>(shared_from_this());
    tableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self));
    tableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self));
    GlobalService::getInstance().requestAvatarShop();
}

void AvatarView::viewWillAppear(bool animated) {
    ZunoViewController::viewWillAppear(animated);
    setUpperCasedWindowTitle("ZUNO_buyAvatar");
}

void AvatarView::doExit(ui::Object*) {
    if (auto navigation = navigationController()) navigation->popViewControllerAnimated(true);
    setWindowTitle(text("ZUNO_Zuno"));
}

void AvatarView::updateAvatarImage() {
    bool missing = false;
    for (const auto& avatar : listAvatars_) {
        if (!avatar || avatar->img()) continue;
        missing = true;
        if (auto picture = Resources::getInstance().getAvatarWithKey(avatar->avatarId())) avatar->setImg(picture);
    }
    if (tableView_) tableView_->reloadData();
    if (missing && --triesLeft_ > 0) {
        std::weak_ptr<AvatarView> weak = std::static_pointer_cast<AvatarView>(shared_from_this());
        sys::RunLoop::main().postDelayed(kPictureRetrySeconds, [weak] {
            if (auto self = weak.lock()) self->updateAvatarImage();
        });
        return;
    }
    hideLoadingScreen();
}

void AvatarView::updateListAvatarImages() {
    std::weak_ptr<AvatarView> weak = std::static_pointer_cast<AvatarView>(shared_from_this());
    sys::RunLoop::main().post([weak] {
        if (auto self = weak.lock()) self->updateAvatarImage();
    });
}

int32_t AvatarView::priceFromID(int16_t avatarId) const {
    for (const auto& avatar : listAvatars_)
        if (avatar && avatar->avatarId() == avatarId) return avatar->price();
    return 0;
}

void AvatarView::doBuyAvatar() {
    if (!focusedAvatar_) return;
    const int64_t money = myMoney();
    if (int64_t(focusedAvatar_->price()) > money) {
        UIController::setOkValue(UIController::okNone);
        UIController::startOKDlg(sys::format(text("ZUNO_noEnoughBuyAvatar"), money));
        return;
    }
    UIController::setOkValue(UIController::okBuyAvatar);
    UIController::startCancelOkDlg(sys::format(text("ZUNO_confirmBuyAvatar"), money), text("ZUNO_cancel"),
                                   text("ZUNO_OK"));
}

void AvatarView::buyAvatarSuccess() {
    UIController::setOkValue(UIController::okNone);
    UIController::startOKDlg(text("ZUNO_buyAvatarOK"));
}

int AvatarView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(listAvatars_.size()); }

std::shared_ptr<ui::TableViewCell> AvatarView::cellForRowAtIndexPath(ui::TableView& table, ui::IndexPath path) {
    auto cell = table.dequeueReusableCellWithIdentifier("AvatarCellIdentifier");
    if (!cell) {
        cell = std::make_shared<ui::TableViewCell>(ui::TableViewCell::Style::Subtitle, "AvatarCellIdentifier");
        cell->setBackgroundColor(std::nullopt);
    }
    for (const auto& sub : std::vector<std::shared_ptr<ui::View>>(cell->contentView()->subviews())) {
        if (std::dynamic_pointer_cast<ui::Label>(sub) || std::dynamic_pointer_cast<ui::ImageView>(sub))
            sub->removeFromSuperview();
    }
    const auto& avatar = listAvatars_.at(static_cast<size_t>(path.row));
    cell->contentView()->addSubview(rowLabel(ui::Rect(55, 0, 350, 21), ui::Color::white(), avatar->name()));
    cell->contentView()->addSubview(
        rowLabel(ui::Rect(55, 19, 184, 21), ui::Color::yellow(),
                 sys::format("%@ %@", Util::formatNumber(avatar->price()), text("ZUNO_win"))));
    auto picture = std::make_shared<ui::ImageView>(ui::Rect(0, 0, 50, 50));
    picture->setContentMode(ui::ContentMode::Center);
    picture->setImage(avatar->img());
    cell->contentView()->addSubview(picture);
    const bool affordable = int64_t(avatar->price()) <= myMoney();
    auto mark = std::make_shared<ui::ImageView>(ui::Image::imageNamed(affordable ? "online.png" : "upline.png"));
    cell->setAccessoryView(mark);
    return cell;
}

void AvatarView::didSelectRowAtIndexPath(ui::TableView&, ui::IndexPath path) {
    if (path.row < 0 || path.row >= static_cast<int>(listAvatars_.size())) return;
    focusedAvatar_ = listAvatars_[static_cast<size_t>(path.row)];
    doBuyAvatar();
}

ZUNO_REGISTER_SCREEN(AvatarView)

}  // namespace zuno
