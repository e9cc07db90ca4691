#include "platform/services/MessageComposer.h"

#include "platform/core/Log.h"
#include "platform/core/RunLoop.h"

namespace zuno::sys {

namespace {
MessageComposer::Platform desktopPlatform() {
    MessageComposer::Platform p;
    p.canSendText = [] { return false; };
    p.present = [](const std::shared_ptr<MessageComposer>& composer) {
        // Nothing here can send an SMS: the draft fails, on the next turn as a real composer would.
        Log::warning("SMS: this computer cannot send text messages");
        RunLoop::main().post([composer] { composer->finish(MessageComposeResult::Failed); });
    };
    return p;
}

struct State {
    std::mutex mutex;
    MessageComposer::Platform platform = desktopPlatform();
    std::vector<std::shared_ptr<MessageComposer>> presented;
};

State& state() {
    static State* s = new State();
    return *s;
}
}  // namespace

std::shared_ptr<MessageComposer> MessageComposer::create() {
    return std::shared_ptr<MessageComposer>(new MessageComposer());
}

bool MessageComposer::canSendText() {
    std::function<bool()> can;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        can = state().platform.canSendText;
    }
    return can && can();
}

void MessageComposer::present(const std::shared_ptr<MessageComposer>& composer) {
    if (!composer || composer->presented_) return;
    composer->presented_ = true;
    std::function<void(const std::shared_ptr<MessageComposer>&)> show;
    {
        std::lock_guard<std::mutex> lock(state().mutex);
        state().presented.push_back(composer);
        show = state().platform.present;
    }
    if (show) show(composer);
}

void MessageComposer::dismiss() { presented_ = false; }

void MessageComposer::finish(MessageComposeResult result) {
    if (finished_) return;
    finished_ = true;
    result_ = result;
    auto delegate = std::move(delegate_);
    if (delegate) delegate->messageComposeViewController(*this, result);
}

std::vector<std::shared_ptr<MessageComposer>> MessageComposer::presentedComposers() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().presented;
}

void MessageComposer::setPlatform(Platform platform) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().platform = std::move(platform);
}

void MessageComposer::resetForTests() {
    std::vector<std::shared_ptr<MessageComposer>> old;
    std::lock_guard<std::mutex> lock(state().mutex);
    state().platform = desktopPlatform();
    old.swap(state().presented);
}

}  // namespace zuno::sys
