#pragma once

#include <memory>

#include "money/IAPHelper.h"

namespace zuno {

// The shared in-app purchase object, the store payment queue's transaction observer from launch on.
class ZunoIAPHelper : public IAPHelper {
public:
    static std::shared_ptr<ZunoIAPHelper> sharedHelper();

private:
    ZunoIAPHelper() : IAPHelper({}) {}
};

}  // namespace zuno
