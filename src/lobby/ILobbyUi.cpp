#include "lobby/ILobbyUi.h"

#include "platform/ui/Image.h"
#include "lobby/ILobbyShell.h"

namespace zuno {

std::shared_ptr<ItemsOfCategory> ILobbyUi::getItemsOfCategory(int32_t categoryId) {
    return ILobbyShell::shared()->getItemsOfCategory(categoryId);
}

std::shared_ptr<UserItemsOfCategory> ILobbyUi::getUserItemsOfCategory(int32_t categoryId) {
    return ILobbyShell::shared()->getUserItemsOfCategory(categoryId);
}

bool ILobbyUi::checkApStore() const { return ILobbyShell::shared()->checkApStore(); }

bool ILobbyUi::checkVersionToSendSMS() const { return ILobbyShell::shared()->checkVersionToSendSMS(); }

ImagePtr ILobbyUi::imageWithData(const sys::Data& bytes) { return ui::Image::imageWithData(bytes); }

}  // namespace zuno
