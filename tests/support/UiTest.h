// Shared set-up of the toolkit tests: a fresh application, no animations left from another test, and
// a window on the screen.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/core/RunLoop.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceLoader.h"
#include "platform/ui/Window.h"

namespace zuno::ui::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Animator::shared().reset();
        Application::shared().reset();
        Image::setImageRoot("");
        InterfaceLoader::setInterfaceRoot("");
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
    }
    void TearDown() override {
        Application::shared().reset();
        Animator::shared().reset();
        sys::RunLoop::main().reset();
        if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_);
    }

    // A folder of this test's own, removed afterwards.
    const std::filesystem::path& tempDir() {
        if (tempDir_.empty()) {
            auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            tempDir_ = std::filesystem::temp_directory_path() /
                       ("zuno-ui-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                        std::to_string(::getpid()));
            std::filesystem::create_directories(tempDir_);
        }
        return tempDir_;
    }

    void run(double seconds) { sys::RunLoop::main().runFor(seconds); }

    std::shared_ptr<Window> window;

private:
    std::filesystem::path tempDir_;
};

}  // namespace zuno::ui::test
