#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/ui/ViewController.h"
#include "support/UiTest.h"

namespace zuno::ui::test {

class InterfaceFileNameTest : public UiTest {};

// A name that is not one plain file of the interface folder is refused before anything is opened: here
// each one would reach a pipe, and opening a pipe waits for a writer.
TEST_F(InterfaceFileNameTest, ANameIsCheckedBeforeTheFileIsOpened) {
    std::filesystem::create_directories(tempDir() / "sub");
    std::string pipes[] = {(tempDir() / "sub" / "Login.xml").string(), (tempDir() / "Login").string()};
    for (const auto& pipe : pipes) ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    InterfaceLoader::setInterfaceRoot(tempDir().string());

    struct Case {
        const char* what;
        std::string name;
    } cases[] = {{"a path into a subfolder", "sub/Login"}, {"a name cut short by a NUL", std::string("Login\0", 6)}};
    for (const Case& c : cases) {
        // Should the loader open a pipe, it waits there for a writer: a watcher looks for a reader at
        // either pipe until the load is over, and lets one it finds go by opening the other end. Only
        // a reader lets that open succeed.
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false, released = false;
        std::thread watcher([&] {
            std::unique_lock<std::mutex> lock(mutex);
            while (!done.wait_for(lock, std::chrono::milliseconds(1), [&] { return finished; })) {
                for (const auto& pipe : pipes) {
                    int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                    if (writer < 0) continue;
                    ::close(writer);
                    released = true;
                }
            }
        });
        auto owner = std::make_shared<ViewController>();
        auto loaded = InterfaceLoader::load(c.name, *owner);
        {
            std::lock_guard<std::mutex> lock(mutex);
            finished = true;
        }
        done.notify_one();
        watcher.join();
        EXPECT_FALSE(released) << c.what << ": the loader opened the file";
        EXPECT_FALSE(loaded.loaded) << c.what;
        EXPECT_EQ(loaded.problems.size(), 1u) << c.what;
    }
}

}  // namespace zuno::ui::test
