#include "standin-server/StandinMoney.h"

#include <algorithm>

#include "platform/core/AtomicFile.h"
#include "platform/core/Base64.h"
#include "platform/core/Format.h"
#include "platform/core/Text.h"

namespace zuno::standin {

namespace {
constexpr int8_t CMD_AVATAR = 38, CMD_AVATAR_LIST = 39, CMD_BUY_AVATAR = 43, CMD_TOP_UP_LIST = 44,
                 CMD_CHARGE = 71, CMD_PICTURE = 79, CMD_SHOP = 101;
constexpr int8_t SUB_CATEGORIES = 1, SUB_GIVE_GIFT = 7, SUB_GIFT_CATEGORIES = 14, SUB_GIFT_PAGE = 15,
                 SUB_PRESENTS = 16, SUB_OPEN_PRESENT = 17;
constexpr int8_t kStoreChannel = 5;
constexpr int kGiftsPerPage = 10;
constexpr int32_t kPresentPicture = 701, kLuckyEnvelopePicture = 702;
constexpr const char* kSandboxPrefix = "ZUNO-SANDBOX-RECEIPT;";

struct Channel {
    int8_t type;
    int8_t subId;
    // Each text in English, then in Vietnamese: the session's language picks one.
    const char* info[2];
    const char* smsContent[2];
    const char* smsTo;
};
const Channel kChannels[] = {
    {0, 0, {"SMS: 15,000 Xu", "SMS: 15,000 Xu"}, {"ZUNO NAP ", "ZUNO NAP "}, "8785"},
    {1, 1, {"Direct charge: 50,000 Xu", "Trừ tài khoản: 50,000 Xu"}, {"", ""}, ""},
    {2, 2, {"Scratch card", "Thẻ cào"}, {"", ""}, ""},
    {3, 0, {"Bank transfer (soon)", "Chuyển khoản (sắp có)"}, {"", ""}, ""},
    {4, 3, {"Hotline", "Đường dây nóng"}, {"Call the hotline to top up?", "Gọi đường dây nóng để nạp tiền?"}, "19001234"},
    // A channel this client does not know: its row answers that the function is not offered.
    {9, 0, {"E-wallet", "Ví điện tử"}, {"", ""}, ""},
};

bool hasSubId(int8_t type) { return type == 1 || type == 2 || type == 4; }

struct Avatar {
    int16_t id;
    const char* name;
    const char* vietnamese;
    int32_t price;
};
const Avatar kAvatars[] = {
    {0, "Classic", "Cổ điển", 0},      {11, "Cat", "Mèo", 20000},          {12, "Robot", "Rô-bốt", 50000},
    {13, "Star", "Ngôi sao", 150000}, {14, "Crown", "Vương miện", 5000000},
};

std::vector<StandinMoney::GiftItem> allGifts() {
    // Each name in English (which also names its picture), then in Vietnamese.
    static const char* const flowers[][2] = {
        {"Rose", "Hoa hồng"},    {"Tulip", "Tulip"},       {"Lily", "Hoa ly"},    {"Lotus", "Hoa sen"},
        {"Orchid", "Hoa lan"},   {"Daisy", "Hoa cúc"},     {"Peony", "Mẫu đơn"},  {"Aster", "Thạch thảo"},
        {"Camellia", "Hoa trà"}, {"Violet", "Violet"},     {"Sunflower", "Hướng dương"},
        {"Jasmine", "Hoa nhài"}, {"Magnolia", "Mộc lan"}};
    static const char* const drinks[][2] = {
        {"Tea", "Trà"}, {"Coffee", "Cà phê"}, {"Juice", "Nước ép"}, {"Coconut", "Nước dừa"}};
    std::vector<StandinMoney::GiftItem> items;
    for (int i = 0; i < 13; ++i)
        items.push_back({1001 + i, flowers[i][0], flowers[i][1], 1000 * (i + 1), StandinMoney::kFlowers});
    for (int i = 0; i < 4; ++i)
        items.push_back({1101 + i, drinks[i][0], drinks[i][1], 500 * (i + 1), StandinMoney::kDrinks});
    return items;
}

// The picture file of an item, avatar or present id: a gift shows what it is ("item-flower-rose.png").
std::string pictureName(int32_t id) {
    if (id == kPresentPicture) return "item-present.png";
    if (id == kLuckyEnvelopePicture) return "item-lucky-envelope.png";
    if (id >= 11 && id <= 14) return "item-avatar-" + std::to_string(id - 10) + ".png";
    for (const auto& gift : allGifts()) {
        if (gift.id != id) continue;
        return std::string(gift.category == StandinMoney::kFlowers ? "item-flower-" : "item-drink-") +
               sys::asciiLowercase(gift.name) + ".png";
    }
    return "item-gift-" + std::to_string(id % 6 + 1) + ".png";
}

void writeBytes(Message& m, const std::string& bytes) {
    for (char c : bytes) m.writeByte(static_cast<int8_t>(c));
}

Message shop(int8_t sub) {
    Message m(CMD_SHOP);
    m.writeByte(sub);
    return m;
}
}  // namespace

std::shared_ptr<StandinMoney> StandinMoney::installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                      std::string pictures) {
    std::shared_ptr<StandinMoney> money(new StandinMoney(std::move(signIn), std::move(pictures)));
    server.on(CMD_TOP_UP_LIST, [money](StandinSession& s, Message&) { money->answerTopUpList(s); });
    server.on(CMD_CHARGE, [money](StandinSession& s, Message& m) { money->answerCharge(s, m); });
    server.on(kMoneyCommand, [money](StandinSession& s, Message& m) { money->answerTransfer(s, m); });
    server.on(CMD_AVATAR_LIST, [money](StandinSession& s, Message&) { money->answerAvatarList(s); });
    server.on(CMD_AVATAR, [money](StandinSession& s, Message& m) { money->answerAvatar(s, m); });
    server.on(CMD_BUY_AVATAR, [money](StandinSession& s, Message& m) { money->answerBuyAvatar(s, m); });
    server.on(CMD_PICTURE, [money](StandinSession& s, Message& m) { money->answerPicture(s, m); });
    StandinServer::Handler before = server.handlerFor(CMD_SHOP);
    server.on(CMD_SHOP, [money, before](StandinSession& s, Message& m) { money->answerShop(s, m, before); });
    return money;
}

StandinMoney::StandinMoney(std::shared_ptr<StandinSignIn> signIn, std::string pictures)
    : signIn_(std::move(signIn)), pictures_(std::move(pictures)) {}

void StandinMoney::dropNextResult() {
    std::lock_guard<std::mutex> lock(mutex_);
    dropNext_ = true;
}

size_t StandinMoney::creditedReceipts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return creditedTransactions_.size();
}

std::vector<StandinMoney::GiftItem> StandinMoney::giftItems(int32_t category) const {
    std::vector<GiftItem> items;
    for (const auto& item : allGifts())
        if (item.category == category) items.push_back(item);
    return items;
}

void StandinMoney::answerTopUpList(StandinSession& session) {
    Message m(CMD_TOP_UP_LIST);
    for (const Channel& c : kChannels) {
        m.writeByte(c.type);
        if (hasSubId(c.type)) m.writeByte(c.subId);
        m.writeUTF(session.say(c.info[0], c.info[1]));
        m.writeUTF(session.say(c.smsContent[0], c.smsContent[1]));
        m.writeUTF(std::string(c.smsTo));
    }
    session.send(m);
}

void StandinMoney::sendResult(StandinSession& session, int8_t status, const std::string& text,
                              const std::string& receipt, int64_t balance) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (dropNext_) {
            dropNext_ = false;
            return;
        }
    }
    Message m(CMD_CHARGE);
    m.writeByte(0);
    m.writeByte(status);
    m.writeUTF(text);
    m.writeUTF(receipt);
    m.writeLong(balance);
    session.send(m);
}

void StandinMoney::answerCharge(StandinSession& session, Message& request) {
    auto account = signIn_->accountOf(session);
    if (!account) return;
    const int8_t type = request.readByte();
    const int64_t balance = signIn_->balance(account->id).value_or(0);
    if (type == kStoreChannel) {
        const std::string receipt = request.readUTF().value_or(std::string());
        const auto bytes = sys::base64Decode(receipt);
        const std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
        if (text.rfind(kSandboxPrefix, 0) != 0) {
            sendResult(session, 3, session.say(kReceiptRefused, kReceiptRefusedVi), receipt, balance);
            return;
        }
        // "<prefix><transaction>;<product>": the amount is the product's, "xu100k" 100,000.
        const std::string rest = text.substr(std::string(kSandboxPrefix).size());
        const std::string transaction = rest.substr(0, rest.find(';'));
        const std::string product = rest.find(';') == std::string::npos ? "" : rest.substr(rest.find(';') + 1);
        bool fresh;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            fresh = creditedTransactions_.insert(transaction).second;
        }
        if (!fresh) {
            sendResult(session, 2,
                       session.say("This purchase was credited already.", "Giao dịch này đã được cộng tiền rồi."),
                       receipt, balance);
            return;
        }
        const int64_t amount = product.find("xu500k") != std::string::npos ? 500000 : 100000;
        const int64_t now = signIn_->addToBalance(account->id, amount).value_or(balance);
        sendResult(session, 1,
                   session.say("Thank you: " + xu(amount) + " were added.", "Cảm ơn bạn: đã cộng " + xu(amount) + "."),
                   receipt, now);
        return;
    }
    request.readByte();  // the channel's sub id
    const std::string charge = "charge-" + std::to_string(nextCharge_++);
    if (type == 1) {
        const int64_t now = signIn_->addToBalance(account->id, kDirectCharge).value_or(balance);
        sendResult(session, 1, session.say(xu(kDirectCharge) + " were added.", "Đã cộng " + xu(kDirectCharge) + "."),
                   charge, now);
        return;
    }
    if (type == 2) {
        const std::string serial = request.available() ? request.readUTF().value_or("") : "";
        const std::string pin = request.available() ? request.readUTF().value_or("") : "";
        bool good = serial == kGoodSerial && pin == kGoodPin;
        if (good) {
            std::lock_guard<std::mutex> lock(mutex_);
            good = usedCards_.insert(serial).second;
        }
        if (!good) {
            sendResult(session, 3, session.say(kCardRefused, kCardRefusedVi), charge, balance);
            return;
        }
        const int64_t now = signIn_->addToBalance(account->id, kScratchCardValue).value_or(balance);
        sendResult(session, 1,
                   session.say("Your card added " + xu(kScratchCardValue) + ".",
                               "Thẻ của bạn đã nạp " + xu(kScratchCardValue) + "."),
                   charge, now);
        return;
    }
    sendResult(session, 3, session.say("This channel takes no charge.", "Kênh này không nhận nạp tiền."), charge, balance);
}

void StandinMoney::answerTransfer(StandinSession& session, Message& request) {
    auto from = signIn_->accountOf(session);
    if (!from) return;
    const std::string nick = request.readUTF().value_or(std::string());
    const int32_t amount = request.readInt();
    auto to = signIn_->account(nick);
    int64_t balance = signIn_->balance(from->id).value_or(0);
    std::string text;
    std::optional<int64_t> left;
    if (!to || to->id == from->id) {
        text = session.say("There is no other player named " + nick + ".", "Không có người chơi nào khác tên " + nick + ".");
    } else if (amount <= 0 || !(left = signIn_->spend(from->id, amount))) {
        text = session.say("You do not have that much money.", "Bạn không có đủ số tiền này.");
    } else {
        balance = *left;
        signIn_->addToBalance(to->id, amount);
        text = session.say("You gave " + nick + " " + xu(amount) + ".", "Đã chuyển cho " + nick + " " + xu(amount) + ".");
    }
    session.send(moneyMessage(balance, text));
}

void StandinMoney::answerAvatarList(StandinSession& session) {
    Message m(CMD_AVATAR_LIST);
    for (const Avatar& a : kAvatars) {
        m.writeShort(a.id);
        m.writeUTF(session.say(a.name, a.vietnamese));
        m.writeInt(a.price);
    }
    session.send(m);
}

void StandinMoney::answerAvatar(StandinSession& session, Message& request) {
    const int16_t id = request.readShort();
    const auto bytes = sys::readWholeFile(pictures_ + "/" + pictureName(id));
    if (!bytes || bytes->size() > 32767) return;
    Message m(CMD_AVATAR);
    m.writeShort(id);
    m.writeShort(static_cast<int16_t>(bytes->size()));
    writeBytes(m, *bytes);
    session.send(m);
}

void StandinMoney::answerBuyAvatar(StandinSession& session, Message& request) {
    auto account = signIn_->accountOf(session);
    if (!account) return;
    const int16_t id = request.readShort();
    auto avatar = std::find_if(std::begin(kAvatars), std::end(kAvatars), [id](const Avatar& a) { return a.id == id; });
    if (avatar == std::end(kAvatars) || !signIn_->spend(account->id, avatar->price)) {
        session.send(alertNotice(session.say("You cannot buy that avatar.", "Bạn không thể mua avatar này.")));
        return;
    }
    if (auto updated = signIn_->accountWithId(account->id)) {
        updated->avatar = id;
        signIn_->updateAccount(*updated);
    }
    Message m(CMD_BUY_AVATAR);
    m.writeShort(id);
    session.send(m);
}

void StandinMoney::answerPicture(StandinSession& session, Message& request) {
    const int8_t type = request.readByte();
    const int32_t id = request.readInt();
    const auto bytes = sys::readWholeFile(pictures_ + "/" + pictureName(id));
    if (!bytes || bytes->size() > 32767) return;
    Message m(CMD_PICTURE);
    m.writeByte(type);
    m.writeInt(id);
    m.writeShort(static_cast<int16_t>(bytes->size()));
    writeBytes(m, *bytes);
    session.send(m);
}

void StandinMoney::answerShop(StandinSession& session, Message& request, const StandinServer::Handler& before) {
    const int32_t start = request._idx();
    const int8_t sub = request.readByte();
    if (sub == SUB_CATEGORIES) {
        const int32_t category = request.readInt();
        if (category == kGiftCategory) {
            Message m = shop(SUB_GIFT_CATEGORIES);
            for (auto [id, name] : {std::pair{kFlowers, session.say("Flowers", "Hoa")},
                                    std::pair{kDrinks, session.say("Drinks", "Đồ uống")}}) {
                m.writeInt(id);
                m.writeUTF(name);
                m.writeInt(kGiftCategory);
            }
            session.send(m);
            return;
        }
    } else if (sub == SUB_GIFT_PAGE) {
        answerGiftPage(session, request);
        return;
    } else if (sub == SUB_GIVE_GIFT) {
        answerBuyGift(session, request);
        return;
    } else if (sub == SUB_PRESENTS) {
        answerPresents(session);
        return;
    } else if (sub == SUB_OPEN_PRESENT) {
        answerOpenPresent(session, request);
        return;
    }
    request.set_idx(start);
    if (before) before(session, request);
}

void StandinMoney::answerGiftPage(StandinSession& session, Message& request) {
    const int32_t category = request.readInt();
    const int page = request.readByte();
    const auto items = giftItems(category);
    Message m = shop(SUB_GIFT_PAGE);
    m.writeInt(category);
    m.writeInt(static_cast<int32_t>((items.size() + kGiftsPerPage - 1) / kGiftsPerPage));
    for (size_t i = size_t(std::max(page, 0)) * kGiftsPerPage; i < items.size() && i < size_t(page + 1) * kGiftsPerPage; ++i) {
        m.writeInt(items[i].id);
        m.writeUTF(session.say(items[i].name, items[i].vietnamese));
        m.writeInt(items[i].price);
    }
    session.send(m);
}

void StandinMoney::answerBuyGift(StandinSession& session, Message& request) {
    auto buyer = signIn_->accountOf(session);
    if (!buyer) return;
    request.readByte();  // room
    request.readByte();  // table
    const int32_t itemId = request.readInt();
    const int32_t toUser = request.readInt();
    const auto items = allGifts();
    auto item = std::find_if(items.begin(), items.end(), [itemId](const GiftItem& g) { return g.id == itemId; });
    if (item == items.end() || !signIn_->spend(buyer->id, item->price)) {
        Message m = shop(SUB_GIVE_GIFT);
        m.writeByte(1);
        m.writeUTF(session.say("You do not have enough money for this gift.", "Bạn không đủ tiền để tặng món quà này."));
        session.send(m);
        return;
    }
    // Announced to the table: the buyer, and the receiver when a person is connected.
    Message m = shop(SUB_GIVE_GIFT);
    m.writeByte(0);
    m.writeInt(buyer->id);
    m.writeInt(itemId);
    m.writeInt(toUser);
    session.send(m);
    if (toUser != buyer->id) signIn_->sendTo(toUser, m);
}

std::vector<StandinMoney::Present>& StandinMoney::presentsOf(int32_t accountId) {
    auto found = presents_.find(accountId);
    if (found != presents_.end()) return found->second;
    auto& list = presents_[accountId];
    list.push_back({nextPresentId_++, kLuckyEnvelopePicture, "Lucky envelope", "Lì xì may mắn"});
    list.push_back({nextPresentId_++, kPresentPicture, "Birthday present", "Quà sinh nhật"});
    return list;
}

void StandinMoney::givePresent(int32_t accountId, std::string name) {
    std::lock_guard<std::mutex> lock(mutex_);
    presentsOf(accountId).push_back({nextPresentId_++, kPresentPicture, name, name});
}

void StandinMoney::answerPresents(StandinSession& session) {
    auto account = signIn_->accountOf(session);
    if (!account) return;
    Message m = shop(SUB_PRESENTS);
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Present& p : presentsOf(account->id)) {
        m.writeInt(p.id);
        m.writeInt(p.picture);
        m.writeUTF(session.say(p.name, p.vietnamese));
        m.writeUTF(session.say("Open it for " + xu(kPresentMoney) + ".", "Mở ra để nhận " + xu(kPresentMoney) + "."));
    }
    session.send(m);
}

void StandinMoney::answerOpenPresent(StandinSession& session, Message& request) {
    auto account = signIn_->accountOf(session);
    if (!account) return;
    const int32_t id = request.readInt();
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto& list = presentsOf(account->id);
        auto present = std::find_if(list.begin(), list.end(), [id](const Present& p) { return p.id == id; });
        if (present != list.end()) {
            list.erase(present);
            found = true;
        }
    }
    Message m = shop(SUB_OPEN_PRESENT);
    if (!found) {
        m.writeByte(1);
        m.writeUTF(session.say("That present was opened already.", "Món quà này đã được mở rồi."));
    } else {
        signIn_->addToBalance(account->id, kPresentMoney);
        m.writeByte(0);
        m.writeUTF(session.say("The present held " + xu(kPresentMoney) + ".", "Món quà có " + xu(kPresentMoney) + "."));
        m.writeInt(kPresentMoney);
    }
    session.send(m);
}

}  // namespace zuno::standin
