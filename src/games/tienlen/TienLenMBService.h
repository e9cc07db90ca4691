#pragma once

#include "games/tienlen/TienLenService.h"

namespace zuno {

// The Tien Len Mien Bac tables' service: the same requests as Tien Len, its own instance.
class TienLenMBService : public TienLenService {
public:
    static TienLenMBService& getInstance();

private:
    TienLenMBService() = default;
};

}  // namespace zuno
