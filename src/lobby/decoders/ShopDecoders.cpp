// SC_SHOP_COMMAND: the item shop, the wardrobe of owned items and gifts, by sub byte.
#include "lobby/GlobalLogicHandler.h"
#include "lobby/ILobbyUi.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
enum ShopSub : int8_t {
    SC_SUB_LIST_CATEGORIES = 1,
    SC_SUB_LIST_ITEMS_BY_CATEGORY = 2,
    SC_SUB_LIST_USER_ITEMS_BY_CATEGORY = 3,
    SC_SUB_DETAILS_AVATAR = 5,
    SC_SUB_BUY_ITEM = 6,
    SC_SUB_GIVE_GIFT = 7,
    SC_SUB_DETAILS_USER_AVATAR = 9,
    SC_SUB_REMOVE_USER_ITEM = 10,
    SC_SUB_SET_USING_USER_ITEM = 11,
    SC_SUB_GET_USING_USER_ITEM = 12,
    SC_SUB_LIST_GIFT = 14,
    SC_SUB_LIST_ITEMS_GIFT = 15,
    SC_SUB_LIST_ITEMS_EVENT = 16,
    SC_SUB_OPEN_GIFT = 17,
};

constexpr int8_t kGiftRefused = 1;

std::string shown(const std::optional<std::string>& text) { return text.value_or(std::string()); }

GlobalLogicHandler::Categories readCategories(Message& message) {
    GlobalLogicHandler::Categories categories;
    while (message.available()) {
        auto category = std::make_shared<CategoryShopInfo>();
        category->setCategoryId(message.readInt());
        category->setName(message.readUTF());
        sys::Log::line("NAME:" + shown(category->name()));
        category->setParentId(message.readInt());
        categories.push_back(std::move(category));
    }
    return categories;
}

// A page of a category for sale, read whole before it meets the cache.
void decodeItemsByCategory(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_LIST_ITEMS_BY_CATEGORY");
    auto received = std::make_shared<ItemsOfCategory>();
    received->setCategoryId(message.readInt());
    received->setGender(message.readByte());
    received->setTotalPage(message.readInt());
    while (message.available()) {
        auto item = std::make_shared<ItemInfo>();
        item->setItemId(message.readInt());
        item->setName(message.readUTF());
        sys::Log::line("name " + shown(item->name()));
        item->setPrice(message.readInt());
        item->setFunction_desc(message.readUTF());
        item->setIs_bought(message.readBool());
        received->mutableItemList().push_back(std::move(item));
    }
    // The cached page and the shop screen belong to the main thread: the page is merged there.
    context.handOverWithUi([received](GlobalLogicHandler& logic, ILobbyUi& ui) {
        auto page = ui.getItemsOfCategory(received->categoryId());
        // The shop grows a cached page of the same gender; any other gender starts a new page.
        if (auto gender = ui.shopScreenUserGender(); gender && (!page || page->gender() != *gender))
            page = std::make_shared<ItemsOfCategory>();
        if (page) {
            page->setCategoryId(received->categoryId());
            page->setGender(received->gender());
            page->setTotalPage(received->totalPage());
            auto& items = page->mutableItemList();
            items.insert(items.end(), received->itemList().begin(), received->itemList().end());
        }
        logic.onItemsOfCategoryInfo(page);
    });
}

// A page of owned items, read whole before it meets the cache.
void decodeUserItemsByCategory(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_LIST_USER_ITEMS_BY_CATEGORY");
    auto received = std::make_shared<UserItemsOfCategory>();
    received->setCategoryId(message.readInt());
    received->setGender(message.readByte());
    received->setTotalPage(message.readInt());
    while (message.available()) {
        auto item = std::make_shared<UserItemInfo>();
        item->setUserItemId(message.readInt());
        item->setItemId(message.readInt());
        item->setName(message.readUTF());
        item->setPrice(message.readInt());
        item->setShort_desc(message.readUTF());
        item->setIs_using(message.readBool());
        received->mutableUserItemsList().push_back(std::move(item));
    }
    context.handOverWithUi([received](GlobalLogicHandler& logic, ILobbyUi& ui) {
        auto page = ui.getUserItemsOfCategory(received->categoryId());
        if (auto gender = ui.profileScreenUserGender(); gender && (!page || page->gender() != *gender))
            page = std::make_shared<UserItemsOfCategory>();
        if (page) {
            page->setCategoryId(received->categoryId());
            page->setGender(received->gender());
            page->setTotalPage(received->totalPage());
            auto& items = page->mutableUserItemsList();
            items.insert(items.end(), received->userItemsList().begin(), received->userItemsList().end());
        }
        logic.onUserItemsOfCategoryInfo(page);
    });
}

void decodeAvatarDetail(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_DETAILS_AVATAR");
    auto detail = std::make_shared<AvatarDetail>();
    detail->setItemId(message.readInt());
    detail->setName(message.readUTF());
    detail->setPrice(message.readInt());
    detail->setEffected_hours(message.readShort());
    detail->setLevel_req(message.readShort());
    detail->setScore_of_fame(message.readInt());
    detail->setItem_gender(message.readByte());
    detail->setIs_buy_or_sell(message.readBool());
    detail->setIs_give(message.readBool());
    detail->setAvatar_x(message.readShort());
    detail->setAvatar_y(message.readShort());
    detail->setCategory_id(message.readInt());
    detail->setZ_index(message.readShort());
    context.handOver([detail](GlobalLogicHandler& logic) { logic.onAvatarDetail(detail); });
}

void decodeBuyItem(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_BUY_ITEM");
    if (message.readByte() == 0) {
        const int32_t totalPayment = message.readInt();
        sys::Log::format("Total payment:%d", totalPayment);
        context.handOver([=](GlobalLogicHandler& logic) { logic.onBuyAvatarSuccess(totalPayment); });
    } else {
        auto reason = message.readUTF();
        sys::Log::line("Buy fail:" + shown(reason));
        context.handOver([=](GlobalLogicHandler& logic) { logic.onBuyAvatarFail(reason); });
    }
}

void decodeGiveGift(Message& message, const DecoderContext& context) {
    if (message.readByte() == kGiftRefused) {
        message.readUTF();  // the refusal is not shown
        return;
    }
    const int32_t fromUser = message.readInt();
    const int32_t itemId = message.readInt();
    const int32_t toUser = message.readInt();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onGiveGiftWithItem(itemId, fromUser, toUser); });
}

void decodeUserAvatarDetail(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_DETAILS_USER_AVATAR");
    auto detail = std::make_shared<UserAvatarDetail>();
    detail->setUserItemId(message.readInt());
    detail->setItemId(message.readInt());
    detail->setName(message.readUTF());
    detail->setExpire_date(message.readUTF());
    detail->setIs_buy_give(message.readByte());
    detail->setIs_using(message.readBool());
    detail->setTime_used(message.readShort());
    detail->setAvatar_x(message.readShort());
    detail->setAvatar_y(message.readShort());
    detail->setCategory_id(message.readInt());
    detail->setZ_index(message.readShort());
    context.handOver([detail](GlobalLogicHandler& logic) { logic.onUserAvatarDetail(detail); });
}

void decodeRemoveUserItem(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_REMOVE_USER_ITEM");
    const int32_t userItemId = message.readInt();
    sys::Log::format("Remove user_item_id:%d", userItemId);
    if (message.readByte() == 0) {
        sys::Log::line("Remove Thanh cong");
        context.handOver([=](GlobalLogicHandler& logic) { logic.onUpdateDeleteItem(userItemId); });
    } else {
        auto reason = message.readUTF();
        context.handOver([=](GlobalLogicHandler& logic) { logic.onDeleteItemFail(reason); });
        sys::Log::line("Remove failed:" + shown(reason));
    }
}

void decodeSetUsingUserItem(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_SET_USING_USER_ITEM");
    if (message.readByte() == 0) {
        sys::Log::line("Set Using Thanh cong");
        context.handOver([](GlobalLogicHandler& logic) { logic.onUpdateSetUsing(); });
    } else {
        sys::Log::line("Set Using failed:" + shown(message.readUTF()));
    }
}

void decodeGetUsingUserItem(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_GET_USING_USER_ITEM");
    sys::Log::format("user_id:%d", message.readInt());
    sys::Log::format("user_gender:%d", message.readByte());
    std::vector<std::shared_ptr<UsingAvatar>> worn;
    while (message.available()) {
        auto item = std::make_shared<UsingAvatar>();
        item->setItemId(message.readInt());
        item->setCategoryId(message.readInt());
        worn.push_back(std::move(item));
    }
    context.handOver([worn = std::move(worn)](GlobalLogicHandler& logic) { logic.onListUsingAvatar(worn); });
}

void decodeItemsGift(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_LIST_ITEMS_GIFT");
    auto page = std::make_shared<ItemsOfCategory>();
    page->setCategoryId(message.readInt());
    page->setTotalPage(message.readInt());
    while (message.available()) {
        auto item = std::make_shared<ItemInfo>();
        item->setItemId(message.readInt());
        item->setName(message.readUTF());
        item->setPrice(message.readInt());
        page->mutableItemList().push_back(std::move(item));
    }
    context.handOver([page](GlobalLogicHandler& logic) { logic.onItemsOfGiftInfo(page); });
}

void decodeItemsEvent(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_LIST_ITEMS_EVENT");
    GlobalLogicHandler::Assets items;
    while (message.available()) {
        sys::Log::line("vao day");
        auto item = std::make_shared<Asset>();
        item->setAssetId(message.readInt());
        item->setImgAssetId(message.readInt());
        item->setName(message.readUTF().value_or(std::string()));
        item->setDescription(message.readUTF());
        items.push_back(std::move(item));
    }
    context.handOver([items = std::move(items)](GlobalLogicHandler& logic) { logic.onGetListItemsEvent(items); });
}

void decodeOpenGift(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_SUB_OPEN_GIFT");
    const int8_t status = message.readByte();
    auto text = message.readUTF();
    const int32_t money = status == 0 ? message.readInt() : 0;
    sys::Log::format("------%d, %s", status, shown(text).c_str());
    context.handOver([=](GlobalLogicHandler& logic) { logic.onOpenGift(status, text, money); });
}
}  // namespace

void decodeShopCommand(Message& message, const DecoderContext& context) {
    const int8_t sub = message.readByte();
    sys::Log::format("Sub Id:%d", sub);
    switch (sub) {
        case SC_SUB_LIST_CATEGORIES: {
            sys::Log::line("SC_SUB_LIST_CATEGORIES");
            auto categories = readCategories(message);
            context.handOver([categories = std::move(categories)](GlobalLogicHandler& logic) { logic.onCategoryInfo(categories); });
            break;
        }
        case SC_SUB_LIST_ITEMS_BY_CATEGORY: decodeItemsByCategory(message, context); break;
        case SC_SUB_LIST_USER_ITEMS_BY_CATEGORY: decodeUserItemsByCategory(message, context); break;
        case SC_SUB_DETAILS_AVATAR: decodeAvatarDetail(message, context); break;
        case SC_SUB_BUY_ITEM: decodeBuyItem(message, context); break;
        case SC_SUB_GIVE_GIFT: decodeGiveGift(message, context); break;
        case SC_SUB_DETAILS_USER_AVATAR: decodeUserAvatarDetail(message, context); break;
        case SC_SUB_REMOVE_USER_ITEM: decodeRemoveUserItem(message, context); break;
        case SC_SUB_SET_USING_USER_ITEM: decodeSetUsingUserItem(message, context); break;
        case SC_SUB_GET_USING_USER_ITEM: decodeGetUsingUserItem(message, context); break;
        case SC_SUB_LIST_GIFT: {
            sys::Log::line("14");
            auto categories = readCategories(message);
            context.handOver([categories = std::move(categories)](GlobalLogicHandler& logic) { logic.onListGift(categories); });
            break;
        }
        case SC_SUB_LIST_ITEMS_GIFT: decodeItemsGift(message, context); break;
        case SC_SUB_LIST_ITEMS_EVENT: decodeItemsEvent(message, context); break;
        case SC_SUB_OPEN_GIFT: decodeOpenGift(message, context); break;
        default: break;
    }
}

}  // namespace zuno
