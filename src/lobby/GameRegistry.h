#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lobby/IGameMessageHandler.h"
#include "lobby/model/Player.h"

namespace zuno {

namespace ui {
class ViewController;
}

// The machinery that draws a game's table.
enum class TableFamily { CardTable, Phom, Poker, Banker, BoardDuel, Blocks };

// The window a table plays in; the sheets over a portrait table sit lower.
enum class TableOrientation { Landscape, Portrait };

// One game type as the shell, the table framework and the lobby screens see it. Each game folder
// describes its own types; the rest of the client asks the registry instead of knowing the games.
struct GameDescriptor {
    using Players = std::vector<PlayerPtr>;

    int8_t type = 0;
    std::string titleKey;     // the game's name
    std::string roomNameKey;  // its rooms and tables in the top bar
    TableFamily family = TableFamily::CardTable;
    std::string screenClass;    // the table screen,
    std::string interfaceFile;  // made from this interface file on the game's first join
    TableOrientation orientation = TableOrientation::Landscape;
    int tableListSeats = 8;        // seat markers on a tile of the table list: 2, 4 or 8
    std::string tableBackground;   // the window's picture behind the table; empty for the common one
    bool caroSheets = false;       // the table's sheets wear the Caro pictures

    // The decoder of the game's table messages, registered with the session logic at start-up.
    std::function<std::shared_ptr<IGameMessageHandler>()> messageHandler;
    // Once at start-up, after the decoders: hands the game's logic handler its screens.
    std::function<void()> start;
    // The table screen of the run (the table framework's slot); none before the game's first join.
    std::function<std::shared_ptr<ui::ViewController>()> screen;
    // True for a screen of the game (or of a game built on it).
    std::function<bool(const ui::ViewController&)> ownsScreen;
    // The join reply: makes the screen on the first join, shows it and seats the players.
    std::function<void(int8_t room, int8_t board, int32_t owner, int32_t money, Players players)> openTable;

    // What the shell asks of the table; empty where the game has no such thing.
    std::function<void()> beforeLeave;  // the player confirmed leaving, before the request goes
    std::function<void()> skip;         // the player confirmed passing the turn
    std::function<void()> resign;
    std::function<void(int8_t room, int8_t board, bool accept)> answerDraw;
    std::function<void(bool watch)> observe;
    std::function<void(int8_t room, int8_t board, int8_t count)> setMaxPlayers;
    // My turn ran out: the game passes for me (only a game that does).
    std::function<void(int8_t room, int8_t board)> passForMe;

    bool isBoardGame() const { return family == TableFamily::BoardDuel || family == TableFamily::Blocks; }
};

// Every game type of the client, described once at start-up (before the connection starts) by the
// program's composition and read-only afterwards.
class GameRegistry {
public:
    GameRegistry() = delete;

    // Adds a game, or replaces the one of the same type in its place.
    static void add(GameDescriptor game);
    // The game of a type; nullptr for a type nobody described.
    static const GameDescriptor* find(int8_t type);
    // The game chosen in the session, and its family; none before a described game is chosen.
    static const GameDescriptor* current();
    static std::optional<TableFamily> currentFamily();
    // The first game owning the screen (a screen of a game built on another may answer as that one:
    // ask it for what the two share); nullptr for a lobby screen.
    static const GameDescriptor* ofScreen(const ui::ViewController* screen);
    // In the order they were added.
    static std::vector<const GameDescriptor*> games();

    // Tests: no game at all.
    static void clearForTests();
};

}  // namespace zuno
