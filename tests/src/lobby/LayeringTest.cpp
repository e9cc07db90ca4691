// Subsystems depend one way: each may include the ones before it, never one after it (a later one is
// reached through an interface the earlier one owns, as the lobby reaches the shell by ILobbyShell).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The folders of the subsystems, in order.
const std::vector<std::string> kOrder = {"net", "lobby", "shell", "screens", "table", "games", "money", "social"};

std::vector<std::string> includesReachingLater(const std::string& subsystem) {
    std::vector<std::string> found;
    auto self = std::find(kOrder.begin(), kOrder.end(), subsystem);
    std::filesystem::path root = std::filesystem::path(ZUNO_SOURCE_DIR) / "src" / subsystem;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("#include \"", 0) != 0) continue;
            for (auto later = self + 1; later != kOrder.end(); ++later) {
                if (line.find("\"" + *later + "/") != std::string::npos) {
                    found.push_back(entry.path().filename().string() + ": " + line);
                }
            }
        }
    }
    return found;
}

TEST(Layering, TheConnectionAndTheLobbyIncludeNothingBuiltOnThem) {
    for (const char* subsystem : {"net", "lobby"}) {
        SCOPED_TRACE(subsystem);
        EXPECT_EQ(includesReachingLater(subsystem), std::vector<std::string>{});
    }
}

}  // namespace
