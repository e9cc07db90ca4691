#include "lobby/GlobalService.h"
#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno {

namespace {
// The composer holds its delegate; the service lives for the whole run and cannot be held that way.
class ServiceSMSDelegate : public sys::MessageComposeDelegate {
public:
    explicit ServiceSMSDelegate(GlobalService& service) : service_(service) {}
    void messageComposeViewController(sys::MessageComposer& controller, sys::MessageComposeResult result) override {
        service_.messageComposeViewController(controller, result);
    }

private:
    GlobalService& service_;
};
}  // namespace

void GlobalService::sendSMSWithData(const std::optional<std::string>& data, const std::optional<std::string>& to,
                                    std::shared_ptr<sys::MessageComposeDelegate> delegate) {
    sys::RunLoop::main().post([this, data, to, delegate = std::move(delegate)]() mutable {
        doSendSMSWithData(std::move(data), std::move(to), std::move(delegate));
    });
}

void GlobalService::sendSMSWithData(const std::optional<std::string>& data, const std::optional<std::string>& to) {
    sendSMSWithData(data, to, nullptr);
}

void GlobalService::doSendSMSWithData(std::optional<std::string> data, std::optional<std::string> to,
                                      std::shared_ptr<sys::MessageComposeDelegate> delegate) {
    if (!to) {
        sys::Log::line("SMS: no recipient, no draft");
        return;
    }
    if (!sys::MessageComposer::canSendText()) return;
    if (!delegate) {
        if (!ownSMSDelegate_) ownSMSDelegate_ = std::make_shared<ServiceSMSDelegate>(*this);
        delegate = ownSMSDelegate_;
    }
    auto composer = sys::MessageComposer::create();
    composer->setBody(data.value_or(std::string()));
    composer->setRecipients({*to});
    composer->setMessageComposeDelegate(std::move(delegate));
    sys::MessageComposer::present(composer);
}

void GlobalService::messageComposeViewController(sys::MessageComposer& controller,
                                                 sys::MessageComposeResult result) {
    switch (result) {
        case sys::MessageComposeResult::Sent:
            sys::Log::line("Sent");
            send(57, [&](Message& m) {
                const auto& recipients = controller.recipients();
                std::optional<std::string> recipient;
                if (!recipients.empty()) recipient = recipients.front();
                m.writeUTF(controller.body());
                m.writeUTF(recipient);
            });
            break;
        case sys::MessageComposeResult::Cancelled:
            sys::Log::line("Cancelled");
            break;
        case sys::MessageComposeResult::Failed:
            sys::Log::line("Unknown Error");
            break;
    }
    controller.dismiss();
}

}  // namespace zuno
