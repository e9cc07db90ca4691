#include "games/cotuong/CoTuongService.h"

namespace zuno {

CoTuongService& CoTuongService::getInstance() {
    static CoTuongService* instance = new CoTuongService();  // lives for the whole run
    return *instance;
}

}  // namespace zuno
