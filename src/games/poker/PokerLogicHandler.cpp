#include "games/poker/PokerLogicHandler.h"

#include "games/poker/PokerTableScreen.h"
#include "shell/PlaySound.h"
#include "shell/Resources.h"
#include "shell/UIController.h"

namespace zuno {

std::shared_ptr<PokerLogicHandler> PokerLogicHandler::getInstance() {
    static auto* instance = new std::shared_ptr<PokerLogicHandler>(std::make_shared<PokerLogicHandler>());
    return *instance;  // lives for the whole run
}

void PokerLogicHandler::setScreenAccess(TableScreenAccess<PokerTableEvents, TienLenPlayerPtr> access) {
    handOver_.setScreenAccess(std::move(access));
}

void PokerLogicHandler::onJoinGameSuccessWithRoomId(int8_t roomId, int8_t boardId, int32_t ownerId, int32_t money,
                                                    std::vector<TienLenPlayerPtr> players) {
    handOver_.onJoin(roomId, boardId, ownerId, money, std::move(players), nullptr,
                     [](PokerTableEvents& table) { table.resetSeat(); });
}

void PokerLogicHandler::onChatFromBoardWithRoomId(int8_t roomId, int8_t boardId, std::string text, int32_t from) {
    handOver_.onChat(roomId, boardId, std::move(text), from);
}

void PokerLogicHandler::onKickedWithRoomId(int8_t roomId, int8_t boardId, int32_t kickedId) {
    handOver_.onTable(roomId, boardId, [this, kickedId](PokerTableEvents& table) {
        table.playerLeaveWithId(kickedId);
        if (kickedId != UIController::myId()) return table.resetSeat();
        handOver_.leaveKicked(table);
        table.removeAllPlayerCard();
    });
}

void PokerLogicHandler::onSomeOneJoinBoardWithSeat(int8_t seat, TienLenPlayerPtr joinPersionInfo) {
    if (!joinPersionInfo) return;
    handOver_.onScreen([seat, player = std::move(joinPersionInfo)](PokerTableEvents& table) {
        table.setIsFirstMatch(true);
        player->setIsReady(false);
        table.setAtSeat(seat, player);
        table.resetSeat();
        PlaySound::playSoundWithSource(Resources::getInstance().com_player_join_board());
    });
}

void PokerLogicHandler::onSomeOneLeaveBoardWithIdLeave(int32_t idLeave, int32_t idNewOwner) {
    handOver_.onDeparture([idLeave, idNewOwner](PokerTableEvents& table) {
        table.onLeaveBoard(idLeave);
        table.setOwnerWithNewOwner(idNewOwner);
        table.resetSeat();
    });
}

void PokerLogicHandler::onBuzzWithContent(std::string content) { handOver_.onBuzz(std::move(content)); }

void PokerLogicHandler::onStartGameWithRoomId(int8_t roomId, int8_t boardId, int8_t interval, Cards cards,
                                              int32_t dealerID, int32_t smallID, int32_t bigID, int32_t money,
                                              int32_t firstUserID, Ints userID, Ints userStack) {
    handOver_.onTable(roomId, boardId,
                      [=, cards = std::move(cards), userID = std::move(userID),
                       userStack = std::move(userStack)](PokerTableEvents& table) {
                          table.start(interval, cards, dealerID, smallID, bigID, money, firstUserID, userID, userStack);
                      });
}

void PokerLogicHandler::onStopGameWithRoomID(int8_t roomId, int8_t boardId) {
    handOver_.onTable(roomId, boardId, [](PokerTableEvents& table) { table.onStopGame(); });
}

void PokerLogicHandler::onMoveErrorWithRoomeId(int8_t roomId, int8_t boardId, std::string info) {
    handOver_.onTable(roomId, boardId,
                      [info = std::move(info)](PokerTableEvents& table) { table.moveErrorWithInfo(info); });
}

void PokerLogicHandler::onBetWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                        int32_t nextUserID, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onBet(curUser, money, stack, nextUserID, action);
    });
}

void PokerLogicHandler::onRaiseWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money,
                                          int32_t stack, int32_t nextUserID, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onRaise(curUser, money, stack, nextUserID, action);
    });
}

void PokerLogicHandler::onCallWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money, int32_t stack,
                                         int32_t nextUserID, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onCall(curUser, money, stack, nextUserID, action);
    });
}

void PokerLogicHandler::onCheckWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t nextUserID,
                                          Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onCheck(curUser, nextUserID, action);
    });
}

void PokerLogicHandler::onFoldWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t stack,
                                         int32_t nextUserID, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onFold(curUser, stack, nextUserID, action);
    });
}

void PokerLogicHandler::onAllInWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int32_t money,
                                          int32_t stack, int32_t nextUserID, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onAllIn(curUser, money, stack, nextUserID, action);
    });
}

void PokerLogicHandler::onFlopWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, Cards flopCard,
                                         int32_t lengthPot, Ints pot) {
    handOver_.onTable(roomId, boardId,
                      [=, flopCard = std::move(flopCard), pot = std::move(pot)](PokerTableEvents& table) {
                          table.onFlop(curUser, flopCard, lengthPot, pot);
                      });
}

void PokerLogicHandler::onTurnWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int8_t turnCard,
                                         int32_t lengthPot, Ints pot) {
    handOver_.onTable(roomId, boardId, [=, pot = std::move(pot)](PokerTableEvents& table) {
        table.onTurn(curUser, turnCard, lengthPot, pot);
    });
}

void PokerLogicHandler::onRiverWithRoomId(int8_t roomId, int8_t boardId, int32_t curUser, int8_t riverCard,
                                          int32_t lengthPot, Ints pot) {
    handOver_.onTable(roomId, boardId, [=, pot = std::move(pot)](PokerTableEvents& table) {
        table.onRiver(curUser, riverCard, lengthPot, pot);
    });
}

void PokerLogicHandler::onStackWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t stack) {
    handOver_.onTable(roomId, boardId, [=](PokerTableEvents& table) { table.onStack(userID, stack); });
}

void PokerLogicHandler::onPlayingWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t cardLength,
                                            Cards communityCards, Ints user, Ints stack, Ints odd) {
    handOver_.onTable(roomId, boardId,
                      [=, communityCards = std::move(communityCards), user = std::move(user),
                       stack = std::move(stack), odd = std::move(odd)](PokerTableEvents& table) {
                          table.onPlaying(userID, cardLength, communityCards, user, stack, odd);
                      });
}

void PokerLogicHandler::onShowdownWithRoomId(int8_t roomId, int8_t boardId, int32_t exp, std::string decs,
                                             int32_t winnerID, int32_t winMoney, int32_t stack, Cards cardID) {
    handOver_.onTable(roomId, boardId,
                      [=, decs = std::move(decs), cardID = std::move(cardID)](PokerTableEvents& table) {
                          table.onShowdown(exp, decs, winnerID, winMoney, stack, cardID);
                      });
}

void PokerLogicHandler::onJoinBoardtWithRoomId(int8_t roomId, int8_t boardId, Ints userID, Ints stack) {
    handOver_.onTable(roomId, boardId,
                      [userID = std::move(userID), stack = std::move(stack)](PokerTableEvents& table) {
                          table.onJoinBoard(userID, stack);
                      });
}

void PokerLogicHandler::onSelfResultWithRoomId(int8_t roomId, int8_t boardId, std::string pokerHand, Cards cardID) {
    handOver_.onTable(roomId, boardId,
                      [pokerHand = std::move(pokerHand), cardID = std::move(cardID)](PokerTableEvents& table) {
                          table.onSelfResult(pokerHand, cardID);
                      });
}

void PokerLogicHandler::onLastPotWithRoomId(int8_t roomId, int8_t boardId, Ints pot) {
    handOver_.onTable(roomId, boardId, [pot = std::move(pot)](PokerTableEvents& table) { table.onLastPot(pot); });
}

void PokerLogicHandler::onObserverWithRoomId(int8_t roomId, int8_t boardId, int32_t userID) {
    handOver_.onTable(roomId, boardId, [userID](PokerTableEvents& table) { table.onObserver(userID); });
}

void PokerLogicHandler::onFullBoardWithRoomId(int8_t roomId, int8_t boardId) {
    handOver_.onTable(roomId, boardId, [](PokerTableEvents& table) { table.onFullBoard(); });
}

void PokerLogicHandler::onSitWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int8_t seat) {
    handOver_.onTable(roomId, boardId, [userID, seat](PokerTableEvents& table) { table.onSit(userID, seat); });
}

void PokerLogicHandler::onStandUpWithRoomId(int8_t roomId, int8_t boardId, int32_t userID, int32_t nextID,
                                            int8_t seat, Ints action) {
    handOver_.onTable(roomId, boardId, [=, action = std::move(action)](PokerTableEvents& table) {
        table.onStandUp(userID, nextID, seat, action);
    });
}

void PokerLogicHandler::onOverMoneyWithRoomId(int8_t roomId, int8_t boardId, int32_t userID) {
    handOver_.onTable(roomId, boardId, [userID](PokerTableEvents& table) { table.onOverMoney(userID); });
}

void PokerLogicHandler::onResultWithRoomId(int8_t roomId, int8_t boardId, Ints userID, Ints stack) {
    handOver_.onTable(roomId, boardId, [userID = std::move(userID), stack = std::move(stack)](PokerTableEvents& table) {
        table.onResult(userID, stack);
    });
}

}  // namespace zuno
