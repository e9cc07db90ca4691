#include "money/ZunoIAPHelper.h"

namespace zuno {

std::shared_ptr<ZunoIAPHelper> ZunoIAPHelper::sharedHelper() {
    // Lives for the whole run: the payment queue holds it without owning it.
    static const std::shared_ptr<ZunoIAPHelper> helper(new ZunoIAPHelper());
    return helper;
}

}  // namespace zuno
