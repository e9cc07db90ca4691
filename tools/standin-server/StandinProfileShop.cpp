#include "standin-server/StandinProfileShop.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "platform/core/Log.h"

namespace zuno::standin {

namespace {
constexpr int8_t USER_DATA = 40;
constexpr int8_t UPDATE_PROFILE = 41;
constexpr int8_t GET_LIST = 78;
constexpr int8_t GET_IMAGE = 79;
constexpr int8_t SHOP = 101;
constexpr int8_t kProvinceList = 3;
constexpr int8_t kFullItemImage = 4;
// Where the figure stands, in the middle of a 150 x 230 room; its parts lie at one and a half times
// their place in its 48 x 88 frame.
constexpr int16_t kFigureX = 29;
constexpr int16_t kFigureY = 39;

struct Kind {
    int32_t category;
    const char* name;
    const char* picture;
    StandinProfileShop::Part part;
    int16_t z;
    int count;
    int32_t price;
};
using P = StandinProfileShop::Part;
// The categories that hold items; 4 is the parent of the three kinds of shirt.
const Kind kKinds[] = {
    {3, "Hair", "hair", P::kHair, 5, 23, 100},        {5, "Trousers", "trousers", P::kTrousers, 2, 5, 150},
    {6, "Shoes", "shoes", P::kShoes, 3, 4, 80},       {7, "Hats", "hat", P::kHat, 6, 4, 120},
    {9, "T-shirts", "shirt", P::kShirt, 4, 6, 90},    {10, "Jackets", "shirt", P::kShirt, 4, 4, 200},
    {11, "Coats", "shirt", P::kShirt, 4, 3, 300},
};
struct Node {
    int32_t id;
    const char* name;
    const char* vietnamese;
    int32_t parent;
};
const Node kTree[] = {{3, "Hair", "Tóc", 1},          {4, "Shirts", "Áo", 1},          {5, "Trousers", "Quần", 1},
                      {6, "Shoes", "Giày", 1},        {7, "Hats", "Mũ", 1},            {9, "T-shirts", "Áo phông", 4},
                      {10, "Jackets", "Áo khoác", 4}, {11, "Coats", "Áo choàng", 4}};
// Each province in English, then in Vietnamese.
const char* const kProvinces[][2] = {
    {"Ha Noi", "Hà Nội"}, {"Hai Phong", "Hải Phòng"}, {"Hue", "Huế"}, {"Da Nang", "Đà Nẵng"}, {"Ho Chi Minh", "Hồ Chí Minh"}};

// The Vietnamese name of a category of the figure's items.
std::string vietnameseCategory(int32_t category) {
    for (const Node& node : kTree)
        if (node.id == category) return node.vietnamese;
    return "";
}

int8_t servedGender(int8_t gender) { return gender == 2 ? 2 : 1; }
int32_t itemIdOf(int8_t gender, int32_t category, int n) { return gender * 10000 + category * 100 + n; }

sys::Data readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return sys::Data(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int pagesOf(size_t count) { return int((count + StandinProfileShop::kItemsPerPage - 1) / StandinProfileShop::kItemsPerPage); }
}  // namespace

std::string StandinProfileShop::picturesFolder() { return ZUNO_STANDIN_PICTURES; }

StandinProfileShop::Placement StandinProfileShop::placementOf(Part part) {
    // The top-left corner of each part in the figure's frame.
    static const Placement corners[] = {{0, 0}, {13, 3}, {6, 27}, {14, 52}, {11, 80}, {10, 0}};
    const Placement& corner = corners[part];
    return {int16_t(kFigureX + std::lround(1.5 * corner.x)), int16_t(kFigureY + std::lround(1.5 * corner.y))};
}

StandinProfileShop::StandinProfileShop(std::shared_ptr<StandinSignIn> signIn) : signIn_(std::move(signIn)) {
    // The signed-in account pays from the balance the sign-in keeps, all or nothing.
    std::weak_ptr<StandinSignIn> accounts = signIn_;
    charge_ = [accounts](StandinSession& session, int64_t total) {
        auto signIn = accounts.lock();
        auto account = signIn ? signIn->accountOf(session) : std::nullopt;
        return account && signIn->spend(account->id, total);
    };
    buildCatalogue();
}

void StandinProfileShop::buildCatalogue() {
    for (int8_t gender : {int8_t(1), int8_t(2)}) {
        Item body{itemIdOf(gender, kBodyCategory, 1), kBodyCategory, gender, "Body", "Thân hình", 0, 1,
                  placementOf(kBody), "figure-body.png"};
        items_[body.itemId] = body;
        for (const Kind& kind : kKinds) {
            for (int n = 1; n <= kind.count; ++n) {
                Item item;
                item.itemId = itemIdOf(gender, kind.category, n);
                item.categoryId = kind.category;
                item.gender = gender;
                item.name = std::string(kind.name) + " " + std::to_string(n);
                item.vietnamese = vietnameseCategory(kind.category) + " " + std::to_string(n);
                item.price = kind.price + 10 * (n - 1);
                item.zIndex = kind.z;
                item.at = placementOf(kind.part);
                item.picture = std::string("figure-") + kind.picture + "-" + std::to_string((n - 1 + gender) % 4) + ".png";
                items_[item.itemId] = item;
            }
        }
    }
}

std::shared_ptr<StandinProfileShop> StandinProfileShop::installOn(StandinServer& server,
                                                                   std::shared_ptr<StandinSignIn> signIn) {
    std::shared_ptr<StandinProfileShop> shop(new StandinProfileShop(std::move(signIn)));
    auto userData = server.handlerFor(USER_DATA);
    server.on(USER_DATA, [shop, userData](StandinSession& s, Message& m) {
        Message copy = m;
        const int8_t sub = copy.readByte();
        if (sub == 1 || sub == 3) shop->answerUserData(s, m);
        else if (userData) userData(s, m);
    });
    server.on(UPDATE_PROFILE, [shop](StandinSession& s, Message& m) { shop->answerUpdate(s, m); });
    auto lists = server.handlerFor(GET_LIST);
    server.on(GET_LIST, [lists](StandinSession& s, Message& m) {
        Message copy = m;
        if (copy.readByte() != kProvinceList) {
            if (lists) lists(s, m);
            return;
        }
        Message answer(GET_LIST);
        answer.writeByte(kProvinceList);
        answer.writeByte(-1);
        answer.writeUTF(std::string("-"));
        for (int i = 0; i < int(std::size(kProvinces)); ++i) {
            answer.writeByte(int8_t(i + 1));
            answer.writeUTF(s.say(kProvinces[i][0], kProvinces[i][1]));
        }
        s.send(answer);
    });
    auto images = server.handlerFor(GET_IMAGE);
    server.on(GET_IMAGE, [shop, images](StandinSession& s, Message& m) {
        Message copy = m;
        const bool fullPicture = copy.readByte() == kFullItemImage;
        if (fullPicture && shop->item(copy.readInt())) shop->answerPicture(s, m);
        else if (images) images(s, m);
    });
    auto shopCommands = server.handlerFor(SHOP);
    server.on(SHOP, [shop, shopCommands](StandinSession& s, Message& m) {
        Message copy = m;
        const int8_t sub = copy.readByte();
        static const int8_t served[] = {1, 2, 3, 5, 6, 9, 10, 11, 12};
        bool mine = std::find(std::begin(served), std::end(served), sub) != std::end(served);
        // Categories and item details of the catalogue only; others (the gifts') go on.
        if (mine && (sub == 1 || sub == 2 || sub == 3)) mine = shop->knowsCategory(copy.readInt());
        if (mine && sub == 5) mine = bool(shop->item(copy.readInt()));
        if (mine) shop->answerShop(s, m);
        else if (shopCommands) shopCommands(s, m);
    });
    return shop;
}

void StandinProfileShop::setCharge(Charge charge) {
    std::lock_guard<std::mutex> lock(mutex_);
    charge_ = std::move(charge);
}

std::vector<StandinProfileShop::Item> StandinProfileShop::catalogue(int8_t gender) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Item> out;
    for (const auto& [id, item] : items_)
        if (item.gender == servedGender(gender)) out.push_back(item);
    return out;
}

bool StandinProfileShop::knowsCategory(int32_t categoryId) {
    if (categoryId == 0 || categoryId == kRoot) return true;
    for (const Node& node : kTree)
        if (node.id == categoryId) return true;
    return false;
}

std::optional<StandinProfileShop::Item> StandinProfileShop::item(int32_t itemId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const Item* found = find(itemId);
    return found ? std::optional<Item>(*found) : std::nullopt;
}

std::vector<StandinProfileShop::Owned> StandinProfileShop::owned(int32_t accountId) {
    std::lock_guard<std::mutex> lock(mutex_);
    const Record* record = recordOf(accountId);
    return record ? record->owned : std::vector<Owned>();
}

std::optional<StandinProfileShop::Profile> StandinProfileShop::profile(int32_t accountId) {
    std::lock_guard<std::mutex> lock(mutex_);
    const Record* record = recordOf(accountId);
    return record ? std::optional<Profile>(record->profile) : std::nullopt;
}

bool StandinProfileShop::setProfile(int32_t accountId, Profile profile) {
    std::lock_guard<std::mutex> lock(mutex_);
    Record* record = recordOf(accountId);
    if (record) record->profile = std::move(profile);
    return record != nullptr;
}

bool StandinProfileShop::give(int32_t accountId, int32_t itemId, bool wearIt) {
    std::lock_guard<std::mutex> lock(mutex_);
    Record* record = recordOf(accountId);
    if (!record || !find(itemId)) return false;
    own(*record, itemId, false);
    record->owned.back().gift = true;
    wear(*record, record->owned.back(), wearIt);
    return true;
}

std::optional<int32_t> StandinProfileShop::accountIdOf(const StandinSession& session) const {
    auto account = signIn_ ? signIn_->accountOf(session) : std::nullopt;
    return account ? std::optional<int32_t>(account->id) : std::nullopt;
}

const StandinProfileShop::Item* StandinProfileShop::find(int32_t itemId) const {
    auto it = items_.find(itemId);
    return it == items_.end() ? nullptr : &it->second;
}

StandinProfileShop::Record* StandinProfileShop::recordOf(int32_t accountId) {
    auto found = records_.find(accountId);
    if (found != records_.end()) return &found->second;
    auto account = signIn_ ? signIn_->accountWithId(accountId) : std::nullopt;
    if (!account) return nullptr;
    // A new account: its name, and the starting figure worn (a body, hair and trousers).
    Record& record = records_[accountId];
    record.profile.fullname = account->name;
    for (int32_t category : {kBodyCategory, kHairCategory, kTrousersCategory})
        own(record, itemIdOf(1, category, 1), true);
    return &record;
}

StandinProfileShop::Owned* StandinProfileShop::findOwned(Record& record, int32_t userItemId) {
    for (Owned& o : record.owned)
        if (o.userItemId == userItemId) return &o;
    return nullptr;
}

void StandinProfileShop::own(Record& record, int32_t itemId, bool worn) {
    record.owned.push_back({nextUserItemId_++, itemId, worn, false});
}

void StandinProfileShop::wear(Record& record, Owned& owned, bool on) {
    const Item* item = find(owned.itemId);
    // One worn item per category.
    if (on && item) {
        for (Owned& other : record.owned) {
            const Item* otherItem = find(other.itemId);
            if (otherItem && otherItem->categoryId == item->categoryId) other.worn = false;
        }
    }
    owned.worn = on;
}

void StandinProfileShop::answerUserData(StandinSession& session, Message& request) {
    const int8_t sub = request.readByte();
    Message answer(USER_DATA);
    answer.writeByte(sub);
    auto account = signIn_ ? signIn_->accountOf(session) : std::nullopt;
    if (!account) return;
    if (sub == 3) {
        answer.writeByte(request.readByte());
        for (int32_t figure : {account->exp, account->won, account->lost, account->drawn, account->givenUp})
            answer.writeInt(figure);
        session.send(answer);
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const Record* record = recordOf(account->id);
    if (!record) return;
    const Profile& profile = record->profile;
    answer.writeUTF(profile.fullname);
    answer.writeByte(profile.gender);
    answer.writeShort(profile.birthYear);
    answer.writeUTF(profile.address);
    answer.writeUTF(profile.idnumber);
    answer.writeUTF(profile.status);
    answer.writeUTF(profile.phone);
    answer.writeByte(profile.provinceId);
    if (profile.provinceId > 0 && profile.provinceId <= int(std::size(kProvinces)))
        answer.writeUTF(session.say(kProvinces[profile.provinceId - 1][0], kProvinces[profile.provinceId - 1][1]));
    else if (profile.provinceId != -1)
        answer.writeUTF(std::string("-"));
    session.send(answer);
}

void StandinProfileShop::answerUpdate(StandinSession& session, Message& request) {
    Profile update;
    update.fullname = request.readUTF().value_or(std::string());
    update.gender = request.readByte();
    const int32_t year = request.readInt();
    update.birthYear = int16_t(year);
    update.address = request.readUTF().value_or(std::string());
    update.idnumber = request.readUTF().value_or(std::string());
    update.status = request.readUTF().value_or(std::string());
    update.phone = request.readUTF().value_or(std::string());
    update.provinceId = request.readByte();
    std::optional<std::pair<std::string, std::string>> passwords;
    if (request.available()) {
        std::string oldPass = request.readUTF().value_or(std::string());
        passwords = std::make_pair(std::move(oldPass), request.readUTF().value_or(std::string()));
    }
    auto account = signIn_ ? signIn_->accountOf(session) : std::nullopt;
    if (!account) return;
    if (passwords) {
        if (account->password != passwords->first || passwords->second.empty()) {
            sys::Log::line("StandinServer: a password change without the account's password is refused");
            return;
        }
        account->password = passwords->second;
        signIn_->updateAccount(*account);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (Record* record = recordOf(account->id)) record->profile = update;
    }
    session.send(Message(UPDATE_PROFILE));
}

void StandinProfileShop::answerPicture(StandinSession& session, Message& request) {
    request.readByte();
    const int32_t itemId = request.readInt();
    std::string picture;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (const Item* found = find(itemId)) picture = found->picture;
    }
    if (picture.empty()) return;
    const sys::Data bytes = readFile(picturesFolder() + "/" + picture);
    if (bytes.empty() || bytes.size() > 32767) return;
    Message answer(GET_IMAGE);
    answer.writeByte(kFullItemImage);
    answer.writeInt(itemId);
    answer.writeShort(int16_t(bytes.size()));
    for (uint8_t b : bytes) answer.writeByte(int8_t(b));
    session.send(answer);
}

void StandinProfileShop::answerShop(StandinSession& session, Message& request) {
    const int8_t sub = request.readByte();
    switch (sub) {
        case 1: {
            const int32_t category = request.readInt();
            const int8_t gender = request.readByte();
            answerCategories(session, category, gender, request.readByte());
            break;
        }
        case 2:
        case 3: {
            const int32_t category = request.readInt();
            const int8_t page = request.readByte();
            const int8_t gender = request.readByte();
            if (sub == 2) answerItems(session, category, page, gender);
            else answerOwned(session, category, page, gender);
            break;
        }
        case 5: answerDetail(session, request.readInt()); break;
        case 6: answerPurchase(session, request); break;
        case 9: answerOwnedDetail(session, request.readInt()); break;
        case 10: answerRemoval(session, request.readInt()); break;
        case 11: answerWear(session, request); break;
        case 12: {
            const int32_t userId = request.readInt();
            answerWorn(session, userId, request.readByte());
            break;
        }
        default: break;
    }
}

void StandinProfileShop::answerCategories(StandinSession& session, int32_t categoryId, int8_t gender, int8_t screen) {
    Message answer(SHOP);
    answer.writeByte(1);
    if (categoryId == 0) {
        answer.writeInt(kRoot);
        answer.writeUTF(std::string("Avatar"));
        answer.writeInt(0);
        session.send(answer);
        return;
    }
    bool parent = false;
    for (const Node& node : kTree) {
        if (node.parent != categoryId) continue;
        parent = true;
        answer.writeInt(node.id);
        answer.writeUTF(session.say(node.name, node.vietnamese));
        answer.writeInt(node.parent);
    }
    if (parent) {
        session.send(answer);
        return;
    }
    // A leaf: its first page of items for sale, or of the items owned.
    if (screen == 1) answerOwned(session, categoryId, 0, gender);
    else answerItems(session, categoryId, 0, gender);
}

void StandinProfileShop::answerItems(StandinSession& session, int32_t categoryId, int page, int8_t gender) {
    const std::optional<int32_t> accountId = accountIdOf(session);
    std::vector<Item> items;
    std::vector<bool> bought;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Marked bought: what the signed-in account owns.
        const Record* record = recordOf(accountId);
        for (const auto& entry : items_) {
            const Item& item = entry.second;
            if (item.categoryId != categoryId || item.gender != servedGender(gender)) continue;
            items.push_back(item);
            bought.push_back(record && std::any_of(record->owned.begin(), record->owned.end(),
                                                   [&](const Owned& o) { return o.itemId == item.itemId; }));
        }
    }
    Message answer(SHOP);
    answer.writeByte(2);
    answer.writeInt(categoryId);
    answer.writeByte(gender);
    answer.writeInt(pagesOf(items.size()));
    for (size_t i = size_t(page) * kItemsPerPage; i < items.size() && i < size_t(page + 1) * kItemsPerPage; ++i) {
        answer.writeInt(items[i].itemId);
        answer.writeUTF(session.say(items[i].name, items[i].vietnamese));
        answer.writeInt(items[i].price);
        answer.writeUTF(session.say("An item of the figure", "Trang phục cho nhân vật"));
        answer.writeBool(bought[i]);
    }
    session.send(answer);
}

void StandinProfileShop::answerOwned(StandinSession& session, int32_t categoryId, int page, int8_t gender) {
    const std::optional<int32_t> accountId = accountIdOf(session);
    Message answer(SHOP);
    answer.writeByte(3);
    answer.writeInt(categoryId);
    answer.writeByte(gender);
    std::lock_guard<std::mutex> lock(mutex_);
    const Record* record = recordOf(accountId);
    if (!record) return;
    std::vector<std::pair<Owned, Item>> mine;
    for (const Owned& o : record->owned) {
        const Item* item = find(o.itemId);
        if (item && item->categoryId == categoryId) mine.emplace_back(o, *item);
    }
    answer.writeInt(pagesOf(mine.size()));
    for (size_t i = size_t(page) * kItemsPerPage; i < mine.size() && i < size_t(page + 1) * kItemsPerPage; ++i) {
        answer.writeInt(mine[i].first.userItemId);
        answer.writeInt(mine[i].second.itemId);
        answer.writeUTF(session.say(mine[i].second.name, mine[i].second.vietnamese));
        answer.writeInt(mine[i].second.price);
        answer.writeUTF(session.say("Yours", "Của bạn"));
        answer.writeBool(mine[i].first.worn);
    }
    session.send(answer);
}

void StandinProfileShop::answerDetail(StandinSession& session, int32_t itemId) {
    Message answer(SHOP);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const Item* item = find(itemId);
        if (!item) {
            sys::Log::format("StandinServer: no item %d", itemId);
            return;
        }
        answer.writeByte(5);
        answer.writeInt(item->itemId);
        answer.writeUTF(session.say(item->name, item->vietnamese));
        answer.writeInt(item->price);
        answer.writeShort(720);
        answer.writeShort(1);
        answer.writeInt(0);
        answer.writeByte(item->gender == 2 ? 0 : 1);
        answer.writeBool(true);
        answer.writeBool(true);
        answer.writeShort(item->at.x);
        answer.writeShort(item->at.y);
        answer.writeInt(item->categoryId);
        answer.writeShort(item->zIndex);
    }
    session.send(answer);
}

void StandinProfileShop::answerOwnedDetail(StandinSession& session, int32_t userItemId) {
    const std::optional<int32_t> accountId = accountIdOf(session);
    Message answer(SHOP);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Record* record = recordOf(accountId);
        Owned* o = record ? findOwned(*record, userItemId) : nullptr;
        const Item* item = o ? find(o->itemId) : nullptr;
        if (!item) return;
        answer.writeByte(9);
        answer.writeInt(o->userItemId);
        answer.writeInt(item->itemId);
        answer.writeUTF(session.say(item->name, item->vietnamese));
        answer.writeUTF(std::string("31/12/2027"));
        answer.writeByte(o->gift ? 1 : 0);
        answer.writeBool(o->worn);
        answer.writeShort(3);
        answer.writeShort(item->at.x);
        answer.writeShort(item->at.y);
        answer.writeInt(item->categoryId);
        answer.writeShort(item->zIndex);
    }
    session.send(answer);
}

void StandinProfileShop::answerPurchase(StandinSession& session, Message& request) {
    const int32_t count = request.readInt();
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < count && request.available(); ++i) ids.push_back(request.readInt());
    const std::optional<int32_t> accountId = accountIdOf(session);
    int64_t total = 0;
    bool known = !ids.empty();
    Charge charge;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!recordOf(accountId)) return;
        for (int32_t id : ids) {
            const Item* item = find(id);
            if (!item) known = false;
            else total += item->price;
        }
        charge = charge_;
    }
    Message answer(SHOP);
    answer.writeByte(6);
    // All or nothing: an unknown item or a balance too small refuses the whole cart.
    if (!known || !charge(session, total)) {
        answer.writeByte(1);
        answer.writeUTF(known ? session.say("Not enough money for this cart.", "Bạn không đủ tiền để mua giỏ hàng này.")
                              : session.say("No such item.", "Không có món đồ này."));
        session.send(answer);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Record* record = recordOf(accountId);
        for (int32_t id : ids) own(*record, id, false);
    }
    answer.writeByte(0);
    answer.writeInt(int32_t(total));
    session.send(answer);
}

void StandinProfileShop::answerRemoval(StandinSession& session, int32_t userItemId) {
    Message answer(SHOP);
    answer.writeByte(10);
    answer.writeInt(userItemId);
    const std::optional<int32_t> accountId = accountIdOf(session);
    std::lock_guard<std::mutex> lock(mutex_);
    Record* record = recordOf(accountId);
    Owned* o = record ? findOwned(*record, userItemId) : nullptr;
    if (!o) {
        answer.writeByte(1);
        answer.writeUTF(session.say("You do not own this item.", "Bạn không có món đồ này."));
    } else {
        record->owned.erase(record->owned.begin() + (o - record->owned.data()));
        answer.writeByte(0);
    }
    session.send(answer);
}

void StandinProfileShop::answerWear(StandinSession& session, Message& request) {
    const int32_t count = request.readInt();
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < count && request.available(); ++i) ids.push_back(request.readInt());
    const bool on = request.readBool();
    const std::optional<int32_t> accountId = accountIdOf(session);
    Message answer(SHOP);
    answer.writeByte(11);
    std::lock_guard<std::mutex> lock(mutex_);
    Record* record = recordOf(accountId);
    // All or nothing: an item the account does not own refuses the whole change.
    const bool owns = record && std::all_of(ids.begin(), ids.end(), [&](int32_t id) {
                          const Owned* o = findOwned(*record, id);
                          return o && find(o->itemId);
                      });
    if (!owns) {
        answer.writeByte(1);
        answer.writeUTF(session.say("You do not own this item.", "Bạn không có món đồ này."));
        session.send(answer);
        return;
    }
    for (int32_t id : ids) wear(*record, *findOwned(*record, id), on);
    answer.writeByte(0);
    session.send(answer);
}

void StandinProfileShop::answerWorn(StandinSession& session, int32_t userId, int8_t gender) {
    Message answer(SHOP);
    answer.writeByte(12);
    answer.writeInt(userId);
    answer.writeByte(gender);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // The worn items of the account asked for: an unknown one wears nothing.
        if (const Record* record = recordOf(userId)) {
            for (const Owned& o : record->owned) {
                const Item* item = find(o.itemId);
                if (!o.worn || !item) continue;
                answer.writeInt(item->itemId);
                answer.writeInt(item->categoryId);
            }
        }
    }
    session.send(answer);
}

}  // namespace zuno::standin
