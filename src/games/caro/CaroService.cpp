#include "games/caro/CaroService.h"

namespace zuno {

CaroService& CaroService::getInstance() {
    static CaroService* instance = new CaroService();  // lives for the whole run
    return *instance;
}

}  // namespace zuno
