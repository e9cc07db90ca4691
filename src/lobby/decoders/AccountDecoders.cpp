// The player's own data, avatars, money transfers, top-up channels, purchase results and item images.
#include <algorithm>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/ILobbyUi.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "platform/core/Exception.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
constexpr int8_t kNoProvince = -1;

enum UserDataSub : int8_t {
    SC_SUB_MY_USER_DATA = 1,
    SC_SUB_MY_ASSETS = 2,
    SC_SUB_MY_ACHIEVEMENT = 3,
};

enum GetImageType : int8_t {
    SC_SUB_ITEM_IMAGE = 1,
    SC_SUB_FULL_ITEM_IMAGE = 4,
};

// Top-up channels of these types carry a sub id.
bool hasSubId(int8_t type) { return type == 1 || type == 2 || type == 4; }

// Adds a province named in the player's own data to the shared list unless the list knows its id.
void rememberProvince(int8_t pId, std::string name) {
    Province::List provinces = Province::list();
    bool known = std::any_of(provinces.begin(), provinces.end(), [&](const auto& p) { return p && p->pId() == pId; });
    if (known) return;
    provinces.push_back(std::make_shared<Province>(pId, std::move(name)));
    Province::setList(std::move(provinces));
}

void decodeMyUserData(Message& message, const DecoderContext& context) {
    auto user = std::make_shared<User>();
    user->setFullname(message.readUTF());
    user->setGender(message.readByte());
    user->setBirthYear(message.readShort());
    user->setAddress(message.readUTF());
    user->setIdnumber(message.readUTF());
    user->setStatus(message.readUTF());
    user->setPhoneNum(message.readUTF());
    user->setProvinceId(message.readByte());
    std::optional<std::string> provinceName;
    if (user->provinceId() != kNoProvince) provinceName = message.readUTF().value_or(std::string());
    // The shared province list is replaced on the main thread too, so it is completed there.
    context.handOver([user, provinceName](GlobalLogicHandler& logic) {
        if (provinceName) rememberProvince(user->provinceId(), *provinceName);
        logic.onMyUserDataWithUser(user);
    });
}

void decodeMyAssets(Message& message, const DecoderContext& context) {
    GlobalLogicHandler::Assets assets;
    while (message.available()) {
        auto asset = std::make_shared<Asset>();
        asset->setAssetId(message.readInt());
        asset->setName(message.readUTF().value_or(std::string()));
        asset->setDescription(message.readUTF());
        asset->setAmount(message.readInt());
        assets.push_back(std::move(asset));
    }
    context.handOver([assets = std::move(assets)](GlobalLogicHandler& logic) { logic.onMyAssets(assets); });
}

void decodeMyAchievement(Message& message, const DecoderContext& context) {
    std::vector<int32_t> achievement{message.readByte()};
    for (int i = 0; i < 5; ++i) achievement.push_back(message.readInt());
    sys::Log::format("%d %d ", achievement[0], achievement[1]);
    context.handOver([achievement = std::move(achievement)](GlobalLogicHandler& logic) { logic.onMyAchievement(achievement); });
}
}  // namespace

void decodeTransferMoney(Message& message, const DecoderContext& context) {
    const int64_t newMoney = message.readLong();
    auto info = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onTransferMoneyWithNewMoney(newMoney, info); });
}

void decodeAvatar(Message& message, const DecoderContext& context) {
    auto avatar = std::make_shared<Avatar>();
    avatar->setAvatarId(message.readShort());
    const int16_t length = message.readShort();
    // A negative length or one beyond the message raises here, before any byte is taken.
    avatar->setImg(context.ui().imageWithData(message.readDataWithLength(length)));
    context.handOver([avatar](GlobalLogicHandler& logic) { logic.onAvatar(avatar); });
}

void decodeAvatarList(Message& message, const DecoderContext& context) {
    std::vector<std::shared_ptr<Avatar>> avatars;
    while (message.available()) {
        auto avatar = std::make_shared<Avatar>();
        avatar->setAvatarId(message.readShort());
        avatar->setName(message.readUTF().value_or(std::string()));
        avatar->setPrice(message.readInt());
        avatars.push_back(std::move(avatar));
    }
    context.handOver([avatars = std::move(avatars)](GlobalLogicHandler& logic) { logic.onAvatarList(avatars); });
}

void decodeUserData(Message& message, const DecoderContext& context) {
    sys::Log::line("SC_USER_DATA");
    const int8_t sub = message.readByte();
    sys::Log::format("move %d", sub);
    switch (sub) {
        case SC_SUB_MY_USER_DATA: decodeMyUserData(message, context); break;
        case SC_SUB_MY_ASSETS: decodeMyAssets(message, context); break;
        case SC_SUB_MY_ACHIEVEMENT: decodeMyAchievement(message, context); break;
        default: break;
    }
}

void decodeSetMyUserData(Message&, const DecoderContext& context) {
    context.handOver([](GlobalLogicHandler& logic) { logic.onSetMyUserData(); });
}

void decodeBuyAvatarSuccess(Message& message, const DecoderContext& context) {
    const int16_t avatarId = message.readShort();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onBuyAvatarSuccessWithId(avatarId); });
}

void decodeMoneyInfo(Message& message, const DecoderContext& context) {
    std::vector<std::shared_ptr<ChargeMoneyInfo>> options;
    while (message.available()) {
        auto option = ChargeMoneyInfo::initWithType(message.readByte());
        if (hasSubId(option->type())) option->setSubId(message.readByte());
        option->setInfo(message.readUTF().value_or(std::string()));
        option->setSmsContent(message.readUTF().value_or(std::string()));
        option->setSmsTo(message.readUTF().value_or(std::string()));
        options.push_back(std::move(option));
    }
    // The store build offers no server channels; that switch belongs to the main thread.
    context.handOverWithUi([options = std::move(options)](GlobalLogicHandler& logic, ILobbyUi& ui) {
        std::vector<std::shared_ptr<ChargeMoneyInfo>> offered;
        for (const auto& option : options)
            if (!ui.checkApStore()) offered.push_back(option);
        logic.onMoneyInfo(std::move(offered));
    });
}

void decodePurchaseInfo(Message& message, const DecoderContext& context) {
    PurchaseInfo info;
    message.readByte();  // not used
    info.status = message.readByte();
    info.message = message.readUTF();
    info.receiptString = message.readUTF();
    // The balance is optional: without it the player's money stays as it is.
    try {
        info.money = message.readLong();
    } catch (const std::exception& e) {
        sys::Log::warning(sys::failureName(e));
    }
    context.handOver([info = std::move(info)](GlobalLogicHandler& logic) { logic.onPurchaseInfo(info); });
}

void decodeGetImage(Message& message, const DecoderContext& context) {
    const int8_t type = message.readByte();
    sys::Log::format("SC_GET_IMAGE %d", type);
    if (type != SC_SUB_ITEM_IMAGE && type != SC_SUB_FULL_ITEM_IMAGE) return;
    const int32_t id = message.readInt();
    const int16_t length = message.readShort();
    if (length <= 0) return;
    // A length beyond the message raises here, before any byte is taken.
    sys::Data bytes = message.readDataWithLength(length);
    if (type == SC_SUB_ITEM_IMAGE) {
        ImagePtr image = context.ui().imageWithData(bytes);
        context.handOver([=](GlobalLogicHandler& logic) { logic.onItemImageWithItemId(id, image); });
    } else {
        context.handOver([id, bytes = std::move(bytes)](GlobalLogicHandler& logic) { logic.onItemImageWithId(id, bytes); });
    }
}

}  // namespace zuno
