#include "games/tienlen/TienLenMBService.h"

namespace zuno {

TienLenMBService& TienLenMBService::getInstance() {
    static TienLenMBService* instance = new TienLenMBService();  // lives for the whole run
    return *instance;
}

}  // namespace zuno
