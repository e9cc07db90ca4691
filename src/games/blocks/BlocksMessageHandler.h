#pragma once

#include <cstdint>
#include <memory>

#include "games/blocks/BlocksLogicHandler.h"
#include "games/board/BoardTableMessageHandler.h"

namespace zuno {

// The decoder of the table messages of Blocks (game type 8); it never receives command 101, which the
// lobby always claims.
class BlocksMessageHandler : public BoardTableMessageHandler<BlocksMessageHandler, BlocksLogicHandler, 8> {
public:
    static constexpr int8_t SC_BLOCKS_COMMAND = 80;
    // Sub-commands of SC_BLOCKS_COMMAND; every other sub is a level message.
    static constexpr int8_t SC_SUB_BLOCKS_ADD_ROWS = 0;
    static constexpr int8_t SC_SUB_BLOCKS_HEIGHT = 1;

    void onPostSetupGameType() override;

protected:
    void decode(Message& message, BlocksLogicHandler& logic) override;

private:
    friend SingleGameMessageHandler;
    BlocksMessageHandler();
    void decodeBlocksCommand(Message& message, BlocksLogicHandler& logic);
};

}  // namespace zuno
