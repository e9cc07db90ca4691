// Sign-in road, session messages and the server's notices.
#include <vector>

#include "lobby/GlobalLogicHandler.h"
#include "lobby/GlobalMessageHandler.h"
#include "lobby/GlobalService.h"
#include "lobby/decoders/LobbyDecoders.h"
#include "net/MobileClient.h"
#include "platform/core/Log.h"

namespace zuno {

namespace {
constexpr int8_t kClientInformationAccepted = 1;
constexpr int8_t kInfoWithoutText = -1;

enum NoticeSub : int8_t {
    SC_SUB_SHOW_ALERT = 0,
    SC_SUB_SHOW_EVENT = 1,
    SC_SUB_VERSION = 2,
    SC_SUB_PRESENT_RECEIVED = 3,
};

void showAlert(const DecoderContext& context, std::optional<std::string> text) {
    GlobalMessageHandler* dispatcher = &context.dispatcher();
    GlobalMessageHandler::onMainThread([dispatcher, text = std::move(text)] { dispatcher->doShowAlertViewWithMessage(text); });
}

void showEvent(const DecoderContext& context, std::optional<std::string> text) {
    GlobalMessageHandler* dispatcher = &context.dispatcher();
    GlobalMessageHandler::onMainThread([dispatcher, text = std::move(text)] { dispatcher->doShowEventWithMessage(text); });
}
}  // namespace

void decodeClientInformation(Message& message, const DecoderContext& context) {
    const int8_t status = message.readByte();
    if (status == kClientInformationAccepted) {
        context.handOver([](GlobalLogicHandler& logic) { logic.onSetClientInfoOK(); });
        return;
    }
    // Refused: reported as a failed connection; the connection then ends without a second report.
    context.handOver([](GlobalLogicHandler& logic) { logic.onConnectFail(); });
    MobileClient::getInstance()->manualDisconnect();
}

void decodeLoginSuccess(Message& message, const DecoderContext& context) {
    GlobalService::getInstance().sendClientInformationV2();
    context.dispatcher().saveUserInfoWithMessage(message);
    context.handOver([](GlobalLogicHandler& logic) { logic.onLoginSuccess(); });
}

void decodeLoginFail(Message& message, const DecoderContext& context) {
    showAlert(context, message.readUTF());
    // The refusal, not the traffic of the close, is what the player must read.
    context.logic().onLoginRefused();
    MobileClient::getInstance()->disconnect();
}

void decodeRegisterInfo(Message& message, const DecoderContext& context) {
    sys::Log::line("thong tin dang ky tra ve.");
    auto username = message.readUTF();
    const bool avail = message.readBool();
    auto prefix = message.readUTF();
    auto to = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onRegisterInfoWithUsername(username, avail, prefix, to); });
}

void decodeGetInfo(Message& message, const DecoderContext& context) {
    int8_t subId = message.readByte();
    std::optional<std::string> info;
    if (subId == kInfoWithoutText) {
        subId = message.readByte();
    } else {
        info = message.readUTF();
    }
    context.handOver([=](GlobalLogicHandler& logic) { logic.onGetInfoWithSubId(subId, info); });
}

void decodeGetSmsSyntax(Message& message, const DecoderContext& context) {
    const int8_t subId = message.readByte();
    auto data = message.readUTF();
    auto address = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onGetSMSSyntaxWithSubId(subId, data, address); });
}

void decodeSetMoneyError(Message& message, const DecoderContext& context) {
    auto error = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onSetMoneyErrorWithError(error); });
}

void decodeNotice(Message& message, const DecoderContext& context) {
    switch (message.readByte()) {
        case SC_SUB_SHOW_ALERT:
            showAlert(context, message.readUTF());
            break;
        case SC_SUB_SHOW_EVENT:
            showEvent(context, message.readUTF());
            break;
        case SC_SUB_VERSION: {
            auto info = message.readUTF();
            auto url = message.readUTF();
            context.handOver([=](GlobalLogicHandler& logic) { logic.onVersionWithInfo(info, url); });
            break;
        }
        case SC_SUB_PRESENT_RECEIVED: {
            GlobalLogicHandler::Assets presents;
            while (message.available()) {
                auto present = std::make_shared<Asset>();
                present->setAssetId(message.readInt());
                present->setName(message.readUTF().value_or(std::string()));
                presents.push_back(std::move(present));
            }
            context.handOver([presents = std::move(presents)](GlobalLogicHandler& logic) { logic.onPresentReceived(presents); });
            break;
        }
        default:
            break;
    }
}

void decodeShowEvent(Message& message, const DecoderContext& context) { showEvent(context, message.readUTF()); }

void decodeAdminCommandResponse(Message& message, const DecoderContext& context) {
    auto text = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onAdminCommandResponseWithText(text); });
}

void decodeVersion(Message& message, const DecoderContext& context) {
    auto info = message.readUTF();
    auto url = message.readUTF();
    context.handOver([=](GlobalLogicHandler& logic) { logic.onVersionWithInfo(info, url); });
}

void decodeStringList(Message& message, const DecoderContext&) {
    // Read to keep the layout honest; nothing in the client uses these texts.
    const int8_t count = message.readByte();
    std::vector<std::optional<std::string>> texts;
    for (int i = 0; i < count; ++i) texts.push_back(message.readUTF());
}

}  // namespace zuno
