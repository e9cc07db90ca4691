#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zuno::sys {

class MessageComposer;

enum class MessageComposeResult : int { Cancelled = 0, Sent = 1, Failed = 2 };

// Told how the person left the composer.
class MessageComposeDelegate {
public:
    virtual ~MessageComposeDelegate() = default;
    virtual void messageComposeViewController(MessageComposer& controller, MessageComposeResult result) = 0;
};

// The system's SMS composer: shows a draft (body and recipients) that the person sends or cancels.
// The platform side decides whether SMS can be sent and shows the composer; on a desktop it cannot,
// and a composer presented anyway finishes as failed. Tests put in their own platform side and finish
// the presented composers with the result they choose.
class MessageComposer {
public:
    struct Platform {
        std::function<bool()> canSendText;
        // Shows the composer; its owner calls finish() when the person is done.
        std::function<void(const std::shared_ptr<MessageComposer>&)> present;
    };

    static std::shared_ptr<MessageComposer> create();
    static bool canSendText();

    const std::string& body() const { return body_; }
    void setBody(std::string body) { body_ = std::move(body); }
    const std::vector<std::string>& recipients() const { return recipients_; }
    void setRecipients(std::vector<std::string> recipients) { recipients_ = std::move(recipients); }

    // The delegate is kept until the result has been given to it.
    void setMessageComposeDelegate(std::shared_ptr<MessageComposeDelegate> delegate) { delegate_ = std::move(delegate); }
    const std::shared_ptr<MessageComposeDelegate>& messageComposeDelegate() const { return delegate_; }

    // Main thread: shows the composer (from the screen on top).
    static void present(const std::shared_ptr<MessageComposer>& composer);
    // Main thread: hides it again; the person's result does not do that by itself.
    void dismiss();

    // The platform side (or a test): the person sent, cancelled or failed. The delegate is told once.
    void finish(MessageComposeResult result);

    bool isPresented() const { return presented_; }
    bool isFinished() const { return finished_; }
    std::optional<MessageComposeResult> result() const { return result_; }

    // Every composer presented since the last reset, oldest first.
    static std::vector<std::shared_ptr<MessageComposer>> presentedComposers();

    static void setPlatform(Platform platform);
    // Back to the desktop's platform side; forgets the presented composers.
    static void resetForTests();

private:
    MessageComposer() = default;

    std::string body_;
    std::vector<std::string> recipients_;
    std::shared_ptr<MessageComposeDelegate> delegate_;
    bool presented_ = false;
    bool finished_ = false;
    std::optional<MessageComposeResult> result_;
};

}  // namespace zuno::sys
