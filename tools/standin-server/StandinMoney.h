#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace zuno::standin {

// The money side of the stand-in: the top-up channels (44), charges (71: a direct charge, a scratch
// card, a store receipt of the sandbox store), transfers (17), presents that open into money (101 sub
// 16 and 17), the flat avatar shop (39, 38, 43), the table gifts (101 sub 1 for category 8, sub 15 and
// sub 7) and the item pictures (79). Balances are the sign-in's. Commands 101 it does not serve go to
// the handler installed before it.
class StandinMoney {
public:
    static constexpr int64_t kDirectCharge = 50000;
    static constexpr int64_t kScratchCardValue = 100000;
    static constexpr const char* kGoodSerial = "11112222333";
    static constexpr const char* kGoodPin = "123456789012";
    static constexpr const char* kCardRefused = "The card's serial or PIN is wrong, or the card was used.";
    static constexpr const char* kCardRefusedVi = "Số seri hoặc mã PIN của thẻ không đúng, hoặc thẻ đã được dùng.";
    static constexpr const char* kReceiptRefused = "This receipt is not one the store issued.";
    static constexpr const char* kReceiptRefusedVi = "Biên lai này không phải do cửa hàng cấp.";
    static constexpr int32_t kGiftCategory = 8;
    static constexpr int32_t kFlowers = 81, kDrinks = 82;
    static constexpr int32_t kPresentMoney = 20000;

    struct GiftItem {
        int32_t id;
        std::string name;
        std::string vietnamese;  // its name for a client that shows Vietnamese
        int32_t price;
        int32_t category;
    };

    // `pictures` is the folder of the bundle's pictures, where the item pictures are read from.
    static std::shared_ptr<StandinMoney> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn,
                                                   std::string pictures);

    // The next charge result is not sent (the charge itself is made).
    void dropNextResult();
    // Presents waiting for the account (two at the start of each account).
    void givePresent(int32_t accountId, std::string name);
    std::vector<GiftItem> giftItems(int32_t category) const;
    // The store receipts credited so far, by transaction.
    size_t creditedReceipts() const;

private:
    struct Present {
        int32_t id;
        int32_t picture;
        std::string name;
        // Its name for a client that shows Vietnamese.
        std::string vietnamese;
    };

    StandinMoney(std::shared_ptr<StandinSignIn> signIn, std::string pictures);
    void answerTopUpList(StandinSession& session);
    void answerCharge(StandinSession& session, Message& request);
    void answerTransfer(StandinSession& session, Message& request);
    void answerShop(StandinSession& session, Message& request, const StandinServer::Handler& before);
    void answerAvatarList(StandinSession& session);
    void answerAvatar(StandinSession& session, Message& request);
    void answerBuyAvatar(StandinSession& session, Message& request);
    void answerPicture(StandinSession& session, Message& request);
    void answerPresents(StandinSession& session);
    void answerOpenPresent(StandinSession& session, Message& request);
    void answerGiftPage(StandinSession& session, Message& request);
    void answerBuyGift(StandinSession& session, Message& request);
    void sendResult(StandinSession& session, int8_t status, const std::string& text, const std::string& receipt,
                    int64_t balance);
    std::vector<Present>& presentsOf(int32_t accountId);

    std::shared_ptr<StandinSignIn> signIn_;
    std::string pictures_;
    mutable std::mutex mutex_;
    bool dropNext_ = false;
    std::set<std::string> creditedTransactions_;
    std::set<std::string> usedCards_;
    std::map<int32_t, std::vector<Present>> presents_;
    int32_t nextPresentId_ = 301;
    int32_t nextCharge_ = 1;
};

}  // namespace zuno::standin
