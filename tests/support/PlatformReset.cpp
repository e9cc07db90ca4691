#include "PlatformReset.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/backend/CairoImageForms.h"
#include "platform/backend/TextLayout.h"
#include "platform/core/Bundle.h"
#include "platform/core/DataFolder.h"
#include "platform/core/Device.h"
#include "platform/core/Format.h"
#include "platform/core/Log.h"
#include "platform/core/PlatformOptions.h"
#include "platform/core/NotificationCenter.h"
#include "platform/core/UserDefaults.h"
#include "platform/media/Sound.h"
#include "platform/net/CookieStore.h"
#include "platform/net/Http.h"
#include "platform/services/ContactPicker.h"
#include "platform/services/MessageComposer.h"
#include "platform/services/Pasteboard.h"
#include "platform/services/Store.h"
#include "platform/services/UrlOpener.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceLoader.h"

namespace zuno::testing {

namespace {
std::string& folderSlot() {
    static std::string folder;
    return folder;
}
}  // namespace

void useTemporaryDataFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zuno-test-XXXXXX").string();
    if (::mkdtemp(pattern.data())) folderSlot() = pattern + "/data";
    sys::setDataFolder(folderSlot());
}

void removeTemporaryDataFolder() {
    if (folderSlot().empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folderSlot()).parent_path(), ignored);
}

const std::string& temporaryDataFolder() { return folderSlot(); }

std::string makeTemporaryFolder(const std::string& name) {
    std::filesystem::path base = std::filesystem::path(folderSlot()).parent_path() / "scratch" / name;
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
    std::filesystem::create_directories(base);
    return base.string();
}

void resetPlatformServices() {
    sys::UserDefaults::reopenStandard();
    sys::setDataFolder(folderSlot());
    sys::resetDataFolderFailureReportForTests();
    std::error_code ignored;
    std::filesystem::remove_all(folderSlot(), ignored);
    sys::Device::clearOverride();
    sys::Log::setVerbose(false);
    sys::setNumberGroupingSeparator(",");
    sys::NotificationCenter::defaultCenter().removeAllObservers();
    sys::Http::cancelAll();
    sys::CookieStore::shared().clear();
    sys::Sound::resetForTests();
    sys::Pasteboard::resetForTests();
    sys::UrlOpener::resetForTests();
    sys::MessageComposer::resetForTests();
    sys::ContactPicker::resetForTests();
    sys::Store::resetForTests();
    ui::Animator::shared().reset();
    ui::Application::shared().reset();
    ui::Image::setImageRoot("");
    ui::setResizedFormLimit(ui::kDefaultResizedFormLimit);
    ui::setTextLayoutLimit(ui::kDefaultTextLayoutLimit);
    sys::setRequestedDisplayScale(0);
    ui::Screen::setScale(0);
    ui::InterfaceLoader::setInterfaceRoot("");
    ui::InterfaceLoader::setStrict(ui::InterfaceLoader::kStrictByDefault);
}

}  // namespace zuno::testing
