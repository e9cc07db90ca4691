#include "lobby/model/Province.h"

#include <mutex>

#include "platform/core/Log.h"

namespace zuno {

namespace {
std::mutex& listMutex() {
    static std::mutex m;
    return m;
}
Province::List& sharedList() {
    static Province::List l;
    return l;
}
}  // namespace

Province::List Province::list() {
    std::lock_guard<std::mutex> lock(listMutex());
    return sharedList();
}

void Province::setList(List provinces) {
    std::lock_guard<std::mutex> lock(listMutex());
    sharedList() = std::move(provinces);
}

std::string Province::getProviceNameWithId(int8_t pId) {
    List provinces = list();
    for (auto it = provinces.rbegin(); it != provinces.rend(); ++it) {
        if (*it && (*it)->pId() == pId) {
            sys::Log::line("name: " + (*it)->name());
            return (*it)->name();
        }
    }
    return std::to_string(pId);
}

}  // namespace zuno
