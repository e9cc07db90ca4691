#pragma once

#include <optional>
#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The stored purchases, a tab of the own profile.
class TransactionView : public ZunoViewController {
public:
    using ZunoViewController::ZunoViewController;

    // The receipt the server confirmed.
    virtual void setReceiptStringFromServer(std::optional<std::string> receipt) {}
};

}  // namespace zuno
