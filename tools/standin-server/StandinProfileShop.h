#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "standin-server/StandinServer.h"
#include "standin-server/StandinSignIn.h"

namespace zuno::standin {

// The own profile and the avatar shop of the stand-in server. Every account keeps its own personal
// data and items: what one account changes, buys or wears no other sees. A request is served for the
// account its connection signed in as (a connection signed in as none is not served), the worn list for
// the account it names.
// - the personal data (40 sub 1) and their update (41; a password change must bring the account's
//   password), the provinces (78 type 3) and the achievements (40 sub 3, the account's figures);
//   an account starts with its name as the full name and nothing else given;
// - a catalogue per gender: under the root, categories 3 to 7 in the first row, 4 holding 9 to 11;
//   category 3 has 23 items (three pages of ten), the others a few; item details (101 sub 5);
// - the items owned: pages (sub 3), details (sub 9), removal (sub 10), putting on and taking off
//   (sub 11) and the worn list (sub 12, the starting figure: a body, hair and trousers);
// - purchases (sub 6), paid whole from the signed-in account's balance or refused whole;
// - each item's picture (79 sub 4): a layer of one figure drawn by the picture generator.
class StandinProfileShop {
public:
    static constexpr int32_t kRoot = 1;
    static constexpr int32_t kBodyCategory = 12;
    static constexpr int32_t kHairCategory = 3;
    static constexpr int32_t kShirtCategory = 4;
    static constexpr int32_t kTrousersCategory = 5;
    static constexpr int kItemsPerPage = 10;

    // The figure's parts, as the picture generator draws them: each part's picture is the part alone,
    // so each has its own place on the avatar.
    enum Part { kBody, kHair, kShirt, kTrousers, kShoes, kHat };
    struct Placement {
        int16_t x, y;
    };
    static Placement placementOf(Part part);

    struct Item {
        int32_t itemId = 0;
        int32_t categoryId = 0;
        int8_t gender = 0;
        std::string name;
        std::string vietnamese;  // its name for a client that shows Vietnamese
        int32_t price = 0;
        int16_t zIndex = 0;
        Placement at{0, 0};
        std::string picture;  // the bundle's picture of the layer
    };
    struct Owned {
        int32_t userItemId = 0;
        int32_t itemId = 0;
        bool worn = false;
        bool gift = false;
    };
    // Charges the player of the session (by default from the balance the sign-in keeps); false refuses
    // the purchase and nothing changes.
    using Charge = std::function<bool(StandinSession& session, int64_t total)>;

    static std::shared_ptr<StandinProfileShop> installOn(StandinServer& server, std::shared_ptr<StandinSignIn> signIn);

    void setCharge(Charge charge);
    // The catalogue of a gender (1 man, 2 woman; 0 is served as man).
    std::vector<Item> catalogue(int8_t gender) const;
    std::optional<Item> item(int32_t itemId) const;
    // A category of the catalogue (0 asks for its root).
    static bool knowsCategory(int32_t categoryId);
    // The personal data of an account: what it has not given is empty, 0 or -1.
    struct Profile {
        std::string fullname;
        int8_t gender = 0;      // 1 man, 2 woman
        int16_t birthYear = 0;  // 0: not given
        std::string address;
        std::string idnumber;
        std::string status;
        std::string phone;
        int8_t provinceId = -1;  // -1: not given
    };
    // What the account owns and its personal data as the last update left them (an account that
    // has not been served yet: what it starts with); none for an id no account has.
    std::vector<Owned> owned(int32_t accountId);
    std::optional<Profile> profile(int32_t accountId);
    // The account's personal data from now on (an account that filled them in before the server
    // started); false for an id no account has.
    bool setProfile(int32_t accountId, Profile profile);
    // An item given to the account, and worn at once when asked (in place of the worn item of its
    // category); false for an unknown account or item.
    bool give(int32_t accountId, int32_t itemId, bool wear);
    // Where the picture generator drew the figure's layers.
    static std::string picturesFolder();

private:
    explicit StandinProfileShop(std::shared_ptr<StandinSignIn> signIn);
    void buildCatalogue();
    void answerUserData(StandinSession& session, Message& request);
    void answerUpdate(StandinSession& session, Message& request);
    void answerShop(StandinSession& session, Message& request);
    void answerPicture(StandinSession& session, Message& request);
    void answerCategories(StandinSession& session, int32_t categoryId, int8_t gender, int8_t screen);
    void answerItems(StandinSession& session, int32_t categoryId, int page, int8_t gender);
    void answerOwned(StandinSession& session, int32_t categoryId, int page, int8_t gender);
    void answerDetail(StandinSession& session, int32_t itemId);
    void answerOwnedDetail(StandinSession& session, int32_t userItemId);
    void answerPurchase(StandinSession& session, Message& request);
    void answerRemoval(StandinSession& session, int32_t userItemId);
    void answerWear(StandinSession& session, Message& request);
    void answerWorn(StandinSession& session, int32_t userId, int8_t gender);
    // What one account keeps.
    struct Record {
        Profile profile;
        std::vector<Owned> owned;
    };
    // The account the connection signed in as; none before.
    std::optional<int32_t> accountIdOf(const StandinSession& session) const;
    // With the mutex held.
    const Item* find(int32_t itemId) const;
    // The account's record, made as a new account starts on first use; null for an id no account has.
    Record* recordOf(int32_t accountId);
    Record* recordOf(std::optional<int32_t> accountId) { return accountId ? recordOf(*accountId) : nullptr; }
    static Owned* findOwned(Record& record, int32_t userItemId);
    void own(Record& record, int32_t itemId, bool worn);
    // Puts the owned item on, taking off the other worn item of its category, or takes it off.
    void wear(Record& record, Owned& owned, bool on);

    std::shared_ptr<StandinSignIn> signIn_;
    mutable std::mutex mutex_;
    std::map<int32_t, Item> items_;
    std::map<int32_t, Record> records_;  // by account id
    int32_t nextUserItemId_ = 5001;
    Charge charge_;
};

}  // namespace zuno::standin
