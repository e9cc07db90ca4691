#include "lobby/ILobbyUi.h"

#include "platform/ui/Image.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<ItemsOfCategory> ILobbyUi::getItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getItemsOfCategory(categoryId);
}

std::shared_ptr<UserItemsOfCategory> ILobbyUi::getUserItemsOfCategory(int32_t categoryId) {
    return Resources::getInstance().getUserItemsOfCategory(categoryId);
}

bool ILobbyUi::checkApStore() const { return UIController::checkApStore(); }

bool ILobbyUi::checkVersionToSendSMS() const { return UIController::checkVersionToSendSMS(); }

ImagePtr ILobbyUi::imageWithData(const sys::Data& bytes) { return ui::Image::imageWithData(bytes); }

}  // namespace zuno
