#include "shell/Util.h"

#include "platform/core/Format.h"

namespace zuno {

std::string Util::formatNumber(int64_t value) { return sys::formatNumber(value); }

}  // namespace zuno
