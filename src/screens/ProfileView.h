#pragma once

#include <memory>
#include <string>

#include "money/TransactionView.h"
#include "shell/ZunoViewController.h"

namespace zuno {

// The own profile with its tabs.
class ProfileView : public ZunoViewController {
public:
    ProfileView() : ProfileView("ProfileView") {}
    explicit ProfileView(std::string nibName);
    // The stored-purchases tab.
    std::shared_ptr<TransactionView> transactionView;
};

}  // namespace zuno
