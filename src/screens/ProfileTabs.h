#pragma once

// What the own profile asks of the tabs that belong to the money and shop screens, which are made by
// name and reached through these.

#include <memory>
#include <vector>

#include "lobby/model/ShopRecords.h"
#include "lobby/model/User.h"

namespace zuno {

// The wardrobe tab.
class WardrobeContainer {
public:
    virtual ~WardrobeContainer() = default;
    // The user data arrived while the tab is shown: the category tree is asked for.
    virtual void updateViewWithUserData(UserPtr user) = 0;
    // The tab is shown again: after a gender change the wardrobe starts over for the new gender; the
    // user data are asked again and the profile's worn layers copied onto the preview.
    virtual void reopen(bool genderChanged) = 0;
    // Another tab is shown.
    virtual void resetTab() = 0;
};

// The owned items and presents tab.
class OwnedItemsTab {
public:
    virtual ~OwnedItemsTab() = default;
    virtual void updateViewWithAssets(std::vector<std::shared_ptr<Asset>> assets) = 0;
    // The gift just opened leaves the list.
    virtual void deleteAsset() = 0;
};

}  // namespace zuno
