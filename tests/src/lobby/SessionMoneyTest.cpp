// The session logic of the server's information, money, purchases, presents, gifts and avatars.
#include "SessionLogicFixture.h"
#include "games/phom/PhomView.h"
#include "games/poker/PokerView.h"
#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/StoreView.h"
#include "platform/core/Bundle.h"
#include "screens/BoardView.h"
#include "screens/MainView.h"
#include "screens/ProfileView.h"
#include "screens/UserDataView.h"
#include "standin-server/http/HttpServer.h"
#include "support/RecordingShellRequests.h"

using namespace zuno;
using zuno::testing::SessionLogicTest;

namespace {
struct TopUp : MoneyView {
    void setListMoney(std::vector<std::shared_ptr<ChargeMoneyInfo>> o) override { options = std::move(o); ++lists; }
    void setReceiptStringFromServer(std::optional<std::string> r) override { receipt = std::move(r); }
    void hideLoadingScreen() override { ++spinnerHidden; }
    std::vector<std::shared_ptr<ChargeMoneyInfo>> options;
    std::optional<std::string> receipt;
    int lists = 0, spinnerHidden = 0;
};

struct Avatars : AvatarView {
    void setListAvatars(AvatarView::Avatars a) override { list = std::move(a); }
    AvatarView::Avatars listAvatars() const override { return list; }
    int32_t priceFromID(int16_t id) const override { return id == 5 ? 300 : 0; }
    void updateAvatarImage() override { ++redrawn; }
    AvatarView::Avatars list;
    int redrawn = 0;
};

using Balances = std::vector<std::pair<int32_t, int64_t>>;

struct Phom : PhomView {
    void onShowGift(int32_t item, int32_t, int32_t) override { gifts.push_back(item); }
    void updateMoneyWithUserId(int32_t user, int64_t money) override { balances.emplace_back(user, money); }
    std::vector<int32_t> gifts;
    Balances balances;
};

struct Poker : PokerView {
    void updateMoneyWithUserId(int32_t user, int64_t money) override { balances.emplace_back(user, money); }
    Balances balances;
};

struct DataTab : UserDataView {
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>>) override { ++lists; }
    int lists = 0;
};

struct Wardrobe : StoreView {
    void onMyListUsingAvatar(std::vector<std::shared_ptr<UsingAvatar>>) override { ++lists; }
    int lists = 0;
};

struct Profile : ProfileView {
    std::shared_ptr<ProfileDataTab> userDataView() const override { return data; }
    std::shared_ptr<WardrobeTab> storeView() const override { return wardrobe; }
    std::shared_ptr<DataTab> data = std::make_shared<DataTab>();
    std::shared_ptr<Wardrobe> wardrobe = std::make_shared<Wardrobe>();
};

std::shared_ptr<ChargeMoneyInfo> option(const char* info) {
    auto o = ChargeMoneyInfo::initWithType(1);
    o->setInfo(info);
    return o;
}

std::shared_ptr<Avatar> avatar(int16_t id) {
    auto a = std::make_shared<Avatar>();
    a->setAvatarId(id);
    return a;
}

PlayerPtr signIn(const std::string& name, int64_t money) {
    auto me = std::make_shared<Player>();
    me->setName(name);
    me->setMoney(money);
    UIController::setMyInfo(me);
    return me;
}
}  // namespace

TEST_F(SessionLogicTest, TheLastSMSPermissionEntryForThisVersionDecides) {
    struct Case {
        const char* list;
        std::optional<bool> on;
    } cases[] = {{"1-2.0;1-2.3.0", true}, {"1-2.3.0;1-2.0", false}, {"2-2.3.0;x", std::nullopt}, {"", std::nullopt}};
    for (const Case& c : cases) {
        screens->smsSwitch.reset();
        logic().onGetInfoWithSubId(8, c.list);
        EXPECT_EQ(screens->smsSwitch, c.on) << c.list;
    }
}

TEST_F(SessionLogicTest, StoreOptionsAreFetchedOnlyForTheStoreProviders) {
    signIn("lan hoa&x", 0);
    auto screen = onTop<TopUp>();
    const int8_t provider = GlobalService::PROVIDER();

    GlobalService::setPROVIDER(0);
    logic().onMoneyInfo({option("card")});
    EXPECT_EQ(screen->options.size(), 1u);
    EXPECT_EQ(screen->spinnerHidden, 1);

    standin::HttpServer payments;
    if (payments.start(20106) == 0) {
        GlobalService::setPROVIDER(provider);
        GTEST_SKIP() << "the configured payment port is taken";
    }
    payments.route("/payment", standin::ServerResponse::text("id=gold10&messenge=10 gold;;id=gold50&messenge=50 gold;"));
    GlobalService::setPROVIDER(121);
    logic().onMoneyInfo({option("card")});
    ASSERT_TRUE(sys::RunLoop::main().runUntil([&] { return screen->lists == 2; }, 10));
    ASSERT_EQ(screen->options.size(), 3u);
    EXPECT_EQ(screen->options[0]->info(), "card");
    EXPECT_EQ(screen->options[1]->type(), 5);
    EXPECT_EQ(screen->options[1]->info(), "10 gold");
    EXPECT_EQ(screen->options[2]->smsContent(),
              sys::Bundle::main().objectForInfoDictionaryKey("CFBundleIdentifier").asText() + ".gold50");
    // The player's name cannot break the address.
    EXPECT_EQ(payments.requests().at(0).query, "user=lan%20hoa%26x&provider=121&lang=en");

    // The same options from one call that waits for them; none when nobody answers.
    auto fetched = GlobalLogicHandler::getChargeMoneyForAppStore();
    payments.stop();
    auto unanswered = GlobalLogicHandler::getChargeMoneyForAppStore();
    GlobalService::setPROVIDER(provider);
    ASSERT_EQ(fetched.size(), 2u);
    EXPECT_EQ(fetched[0]->info(), "10 gold");
    EXPECT_EQ(fetched[1]->smsContent(), screen->options[2]->smsContent());
    EXPECT_EQ(payments.requests().at(1).query, payments.requests().at(0).query);
    EXPECT_TRUE(unanswered.empty());
}

TEST_F(SessionLogicTest, PurchaseResultsOnTheTopUpScreen) {
    auto me = signIn("lan", 1000);
    auto screen = onTop<TopUp>();
    PurchaseInfo refused{3, "refused", "r1", 5000};
    logic().onPurchaseInfo(refused);
    EXPECT_EQ(dialog(), "refused");
    EXPECT_EQ(me->money(), 1000);
    EXPECT_EQ(screen->receipt, "r1");
    EXPECT_EQ(screen->spinnerHidden, 1);

    PurchaseInfo credited{2, "done", "r2", 5000};
    logic().onPurchaseInfo(credited);
    EXPECT_EQ(dialog(), "done");
    EXPECT_EQ(me->money(), 5000);
    EXPECT_EQ(UIController::okValue(), UIController::okCompleteRecharge);
}

TEST_F(SessionLogicTest, PresentsAndOpenedGiftsLeaveNoActionPending) {
    UIController::setOkValue(UIController::okBuyAvatar);
    logic().onPresentReceived({std::make_shared<Asset>(), std::make_shared<Asset>()});
    EXPECT_EQ(dialog(), text("ZUNO_getPresent"));
    EXPECT_EQ(replacedDialogs(), 1);  // two dialogs, one after the other
    EXPECT_EQ(UIController::okValue(), UIController::okNone);

    auto me = signIn("lan", 100);
    UIController::setOkValue(UIController::okAcceptInvite);
    logic().onOpenGift(0, "opened", 50);
    EXPECT_EQ(dialog(), "opened");
    EXPECT_EQ(me->money(), 150);
    EXPECT_EQ(UIController::okValue(), UIController::okNone);
}

TEST_F(SessionLogicTest, AnAvatarPurchaseIsChargedOnlyWhenTheShopListsIt) {
    auto me = signIn("lan", 1000);
    onTop<MainView>();
    logic().onBuyAvatarSuccessWithId(5);
    EXPECT_EQ(me->avatar(), 5);
    EXPECT_EQ(me->money(), 1000);
    EXPECT_EQ(dialog(), text("ZUNO_buyAvatarOK"));

    auto shop = onTop<Avatars>();
    shop->list = {avatar(4)};
    logic().onBuyAvatarSuccessWithId(5);
    EXPECT_EQ(me->money(), 1000);
    shop->list = {avatar(4), avatar(5)};
    logic().onBuyAvatarSuccessWithId(5);
    EXPECT_EQ(me->money(), 700);
}

TEST_F(SessionLogicTest, AnAvatarListAsksOnceForEachMissingPictureButTheFirst) {
    zuno::testing::InstalledShellRequests requests;
    Resources::getInstance().setAvatarWithImage(std::make_shared<ui::Image>(1, 1, std::vector<uint32_t>{0}), 7);
    auto shop = onTop<Avatars>();
    logic().onAvatarList({avatar(0), avatar(7), avatar(9)});
    EXPECT_EQ(shop->list.size(), 3u);
    EXPECT_EQ(shop->redrawn, 1);
    EXPECT_EQ(requests->sent(), std::vector<std::string>{"requestAvatar 9"});
}

TEST_F(SessionLogicTest, AGiftWaitsForItsPictureOnATimerAndGivesUp) {
    zuno::testing::InstalledShellRequests requests;
    auto table = onTop<Phom>();
    logic().onGiveGiftWithItem(31, 1, 2);
    sys::RunLoop::main().runFor(1);
    EXPECT_TRUE(table->gifts.empty());
    sys::RunLoop::main().runFor(5);
    EXPECT_EQ(table->gifts, std::vector<int32_t>{31});
    // The picture was asked for once, not once per try.
    EXPECT_EQ(requests->sent().size(), 1u);
}

TEST_F(SessionLogicTest, ATransferShowsTheNewBalanceOnEveryTableButPoker) {
    auto me = signIn("lan", 100);
    me->setIDDB(9);
    auto phom = onTop<Phom>();
    logic().onTransferMoneyWithNewMoney(500, "sent");
    EXPECT_EQ(dialog(), "sent");
    EXPECT_EQ(phom->balances, (Balances{{9, 500}}));

    auto poker = onTop<Poker>();
    logic().onTransferMoneyWithNewMoney(400, "sent again");
    EXPECT_EQ(dialog(), "sent again");
    EXPECT_EQ(me->money(), 400);
    EXPECT_TRUE(poker->balances.empty());
}

TEST_F(SessionLogicTest, AMoneyErrorReleasesTheTableButtonsOnlyOnTheTableList) {
    BoardView::setnumOfTouchUp(1);
    onTop<MainView>();
    logic().onSetMoneyErrorWithError("not enough");
    EXPECT_EQ(dialog(), "not enough");
    EXPECT_EQ(BoardView::numOfTouchUp(), 1);

    onTop<BoardView>();
    logic().onSetMoneyErrorWithError("not enough");
    EXPECT_EQ(BoardView::numOfTouchUp(), 0);
}

TEST_F(SessionLogicTest, TheProfileHandsWornItemsToTheTabShown) {
    struct Case {
        const char* name;
        bool dataHidden, wardrobeHidden;
        int toData, toWardrobe;
    } cases[] = {
        {"personal data shown", false, true, 1, 0},
        {"wardrobe shown", true, false, 0, 1},
        {"both shown", false, false, 1, 0},
        {"neither shown", true, true, 0, 0},
    };
    Resources::getInstance().loadLanguage();  // the tabs' interface files name language keys
    auto profile = onTop<Profile>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile->data->lists = profile->wardrobe->lists = 0;
        profile->data->view()->setHidden(c.dataHidden);
        profile->wardrobe->view()->setHidden(c.wardrobeHidden);
        logic().onListUsingAvatar({});
        EXPECT_EQ(profile->data->lists, c.toData);
        EXPECT_EQ(profile->wardrobe->lists, c.toWardrobe);
    }
}
