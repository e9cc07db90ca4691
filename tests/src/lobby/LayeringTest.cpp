// Folders depend one way: each includes only the folders below it, never one above (a later one is
// reached through an interface the earlier one owns, as the lobby reaches the shell by ILobbyShell, or
// through the game registry). The games stay in their folders: only the composition root knows them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The rank of each folder; a folder includes folders of a lower rank and its own. The table screens
// open lobby screens (mail, friends, the table list's guard), so table may include screens; the lobby
// screens reach the tables through the registry only.
const std::map<std::string, int> kRank = {
    {"platform", 0}, {"net", 1},   {"lobby", 2},  {"shell", 3},  {"screens", 4}, {"table", 4},
    {"games", 5},    {"money", 5}, {"social", 5}, {"client", 6}, {"app", 7},
};

bool mayInclude(const std::string& folder, const std::string& included) {
    if (folder == included || (folder == "table" && included == "screens")) return true;
    return kRank.at(included) < kRank.at(folder);
}

fs::path folderPath(const std::string& folder) {
    const fs::path root(ZUNO_SOURCE_DIR);
    if (folder == "platform" || folder == "app") return root / folder;
    return root / "src" / folder;
}

struct Line {
    std::string file;
    std::string text;
};

std::vector<Line> linesOf(const std::string& folder) {
    std::vector<Line> lines;
    for (const auto& entry : fs::recursive_directory_iterator(folderPath(folder))) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(entry.path());
        std::string text;
        const std::string file = fs::relative(entry.path(), ZUNO_SOURCE_DIR).string();
        while (std::getline(in, text)) lines.push_back({file, text});
    }
    return lines;
}

// The folder an include line names ("lobby" for #include "lobby/GlobalService.h"), if it names one.
std::string includedFolder(const std::string& line) {
    static const std::regex include(R"(^\s*#\s*include\s+"([a-z]+)/)");
    std::smatch match;
    if (!std::regex_search(line, match, include) || !kRank.count(match[1])) return {};
    return match[1];
}

TEST(Layering, EveryFolderIncludesOnlyTheFoldersBelowIt) {
    for (const auto& [folder, rank] : kRank) {
        std::vector<std::string> upward;
        for (const Line& line : linesOf(folder)) {
            const std::string included = includedFolder(line.text);
            if (!included.empty() && !mayInclude(folder, included)) upward.push_back(line.file + ": " + line.text);
        }
        EXPECT_EQ(upward, std::vector<std::string>{}) << folder;
    }
}

// A line that compares or switches on a game type: the registry answers such questions.
bool comparesGameType(const std::string& line) {
    static const std::vector<std::regex> patterns = {
        std::regex(R"([gG]ame(Type|Id)\w*(\(\))?\s*(==|!=))"),
        std::regex(R"((==|!=)\s*[\w:.>()-]*[gG]ame(Type|Id)\b)"),
        std::regex(R"(switch\s*\([^)]*[gG]ame(Type|Id))"),
        std::regex(R"(((==|!=)\s*|case\s+)k(TienLen|TienLenMB|Phom|PhomNew|Poker|CoTuong|CoVua|Caro|Blocks|BaiCao|XiZach)\b)"),
    };
    for (const auto& pattern : patterns)
        if (std::regex_search(line, pattern)) return true;
    return false;
}

TEST(Layering, TheGameTypeCheckCatchesTheFormsItLooksFor) {
    struct Case {
        const char* line;
        bool compares;
    };
    const Case cases[] = {
        {"sheet::slideIn(*view(), panel, UIController::gameType() == 8);", true},
        {"if (table.gameType != kPoker) return;", true},
        {"if (4 == ILobbyShell::shared()->gameType()) return;", true},
        {"switch (UIController::gameType()) {", true},
        {"    case kTienLenMB: return cardTable(view);", true},
        {"return t == kPhomNew || t == kBaiCao;", true},
        {"const GameDescriptor* game = GameRegistry::find(UIController::gameType());", false},
        {"if (!handler || !handler->isGameType(invitation->gameId)) continue;", false},
        {"GlobalService::getInstance().setGameType(gameType);", false},
    };
    for (const Case& c : cases) EXPECT_EQ(comparesGameType(c.line), c.compares) << c.line;
}

TEST(Layering, OnlyTheGamesAndTheCompositionRootKnowAGame) {
    std::vector<std::string> found;
    for (const auto& [folder, rank] : kRank) {
        if (folder == "games" || folder == "client") continue;
        for (const Line& line : linesOf(folder)) {
            if (includedFolder(line.text) == "games" || comparesGameType(line.text))
                found.push_back(line.file + ": " + line.text);
        }
    }
    EXPECT_EQ(found, std::vector<std::string>{});
}

}  // namespace
