#pragma once

#include <array>
#include <mutex>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "games/banker/BaiCaoLogicHandler.h"
#include "games/banker/XiZachLogicHandler.h"
#include "games/phom/PhomLogicHandler.h"
#include "games/phom/PhomNewLogicHandler.h"
#include "games/poker/PokerLogicHandler.h"

namespace zuno::testing {

// Each call as one line, "operation(arg, arg, ...)": integers in decimal, texts quoted, lists in
// brackets, seat players as {IDDB name money avatar exp ready}.
class CallLog {
public:
    template <typename... Args>
    void record(const char* name, const Args&... args) {
        std::ostringstream out;
        out << name << "(";
        const char* sep = "";
        ((out << sep << text(args), sep = ", "), ...);
        out << ")";
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(out.str());
    }
    std::vector<std::string> calls() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.clear();
    }

    static std::string text(bool v) { return v ? "yes" : "no"; }
    static std::string text(const std::string& v) { return "\"" + v + "\""; }
    static std::string text(const TienLenPlayerPtr& p) {
        std::ostringstream out;
        out << "{" << p->IDDB() << " " << p->name() << " " << p->money() << " " << p->avatar() << " " << p->exp() << " "
            << (p->isReady() ? "ready" : "-") << "}";
        return out.str();
    }
    template <typename T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
    static std::string text(T v) {
        return std::to_string(static_cast<long long>(v));
    }
    template <typename List, typename = decltype(std::begin(std::declval<const List&>()))>
    static std::string text(const List& list) {
        std::string out = "[";
        const char* sep = "";
        for (const auto& v : list) {
            out += sep;
            out += text(v);
            sep = " ";
        }
        return out + "]";
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

#define ZUNO_RECORD_SHARED_CARD_TABLE_EVENTS                                                                        \
    void onJoinGameSuccessWithRoomId(int8_t r, int8_t b, int32_t o, int32_t m, std::vector<TienLenPlayerPtr> p)    \
        override {                                                                                                  \
        log.record("join", r, b, o, m, p);                                                                          \
    }                                                                                                               \
    void onChatFromBoardWithRoomId(int8_t r, int8_t b, std::string t, int32_t f) override {                         \
        log.record("chat", r, b, t, f);                                                                             \
    }                                                                                                               \
    void onKickedWithRoomId(int8_t r, int8_t b, int32_t k) override { log.record("kick", r, b, k); }                \
    void onSomeOneJoinBoardWithSeat(int8_t s, TienLenPlayerPtr p) override {                                        \
        log.record("sit", s, p, p->finishPosition());                                                               \
    }                                                                                                               \
    void onSomeOneLeaveBoardWithIdLeave(int32_t l, int32_t o) override { log.record("leave", l, o); }               \
    void onBuzzWithContent(std::string c) override { log.record("buzz", c); }

#define ZUNO_RECORD_SHARED_PHOM_EVENTS                                                                              \
    ZUNO_RECORD_SHARED_CARD_TABLE_EVENTS                                                                            \
    void onSomeOneReadyWithId(int32_t id, bool r) override { log.record("ready", id, r); }                          \
    void onOwnerSetMoneyWithRoomeId(int8_t r, int8_t b, int32_t m) override { log.record("stake", r, b, m); }        \
    void onStartGameWithRoomId(int8_t r, int8_t b, std::vector<int8_t> c, uint8_t i, int32_t w, int32_t f)          \
        override {                                                                                                  \
        log.record("start", r, b, c, i, w, f);                                                                      \
    }                                                                                                               \
    void onMoveWithRoomId(int8_t r, int8_t b, int32_t c, int32_t f, int8_t card, int8_t n) override {               \
        log.record("fire", r, b, c, f, card, n);                                                                    \
    }                                                                                                               \
    void onSkipWithRoomId(int8_t r, int8_t b, int32_t c, int32_t f) override { log.record("skip", r, b, c, f); }    \
    void onBonusMoneyWithRommId(int8_t r, int8_t b, int32_t w, int32_t m, std::string d) override {                 \
        log.record("bonus", r, b, w, m, d);                                                                         \
    }                                                                                                               \
    void onOnceWin(int8_t r, int8_t b, int32_t m) override { log.record("oneWin", r, b, m); }                       \
    void onEatCard(int8_t r, int8_t b, bool e, int8_t n, int32_t f, int8_t c) override {                            \
        log.record("eat", r, b, e, n, f, c);                                                                        \
    }                                                                                                               \
    void onHaPhom(int8_t r, int8_t b, bool h, PhomLaidCards c, bool u, PhomSeatInts m, int32_t id) override {       \
        log.record("haPhom", r, b, h, c, u, m, id);                                                                 \
    }

class RecordingPhomLogic : public PhomLogicHandler {
public:
    CallLog log;
    ZUNO_RECORD_SHARED_PHOM_EVENTS
    void onFinish(int8_t r, int8_t b, PhomSeatInts s, PhomLeftoverCards c, PhomSeatInts m) override {
        log.record("finish", r, b, s, c, m);
    }
    void onPlaying(int8_t r, int8_t b, int8_t i, int32_t c, int32_t f, PhomFiredCards s, PhomEatenCards e,
                   int32_t h) override {
        log.record("playing", r, b, i, c, f, s, e, h);
    }
    void onGetCard(int8_t r, int8_t b, uint8_t c) override { log.record("draw", r, b, c); }
    void onResetPhomEat(int8_t r, int8_t b, uint8_t f) override { log.record("resetMelds", r, b, f); }
    void onDenBai(int8_t r, int8_t b, int32_t w, PhomSeatInts m) override { log.record("payAll", r, b, w, m); }
};

class RecordingPhomNewLogic : public PhomNewLogicHandler {
public:
    CallLog log;
    ZUNO_RECORD_SHARED_PHOM_EVENTS
    void onFinish(int8_t r, int8_t b, int32_t u, int32_t s, std::vector<int8_t> c, int32_t n) override {
        log.record("finish", r, b, u, s, c, n);
    }
    void onPlaying(int8_t r, int8_t b, int8_t i, int32_t c, int32_t f, PhomFiredCards s, PhomEatenCards e,
                   PhomSeatInts u) override {
        log.record("playing", r, b, i, c, f, s, e, u);
    }
    void onGetCard(int8_t r, int8_t b, int32_t u, uint8_t c) override { log.record("draw", r, b, u, c); }
    void onDenBai(int8_t r, int8_t b, int32_t w, int32_t m) override { log.record("payAll", r, b, w, m); }
    void onMoveErrorWithRoomeId(int8_t r, int8_t b, std::string i) override { log.record("refused", r, b, i); }
    void onUWithRoomId(int8_t r, int8_t b, int32_t u, int8_t k, PhomLaidCards c, int32_t n) override {
        log.record("u", r, b, u, k, c, n);
    }
    void onAddCard(int8_t r, int8_t b, int32_t u, int8_t id, std::vector<int8_t> c, int32_t n) override {
        log.record("add", r, b, u, id, c, n);
    }
};

class RecordingPokerLogic : public PokerLogicHandler {
public:
    CallLog log;
    ZUNO_RECORD_SHARED_CARD_TABLE_EVENTS
    void onStartGameWithRoomId(int8_t r, int8_t b, int8_t i, Cards c, int32_t d, int32_t s, int32_t bg, int32_t m,
                               int32_t f, Ints u, Ints st) override {
        log.record("start", r, b, i, c, d, s, bg, m, f, u, st);
    }
    void onStopGameWithRoomID(int8_t r, int8_t b) override { log.record("stop", r, b); }
    void onMoveErrorWithRoomeId(int8_t r, int8_t b, std::string i) override { log.record("refused", r, b, i); }
    void onBetWithRoomId(int8_t r, int8_t b, int32_t c, int32_t m, int32_t s, int32_t n, Ints a) override {
        log.record("bet", r, b, c, m, s, n, a);
    }
    void onRaiseWithRoomId(int8_t r, int8_t b, int32_t c, int32_t m, int32_t s, int32_t n, Ints a) override {
        log.record("raise", r, b, c, m, s, n, a);
    }
    void onCallWithRoomId(int8_t r, int8_t b, int32_t c, int32_t m, int32_t s, int32_t n, Ints a) override {
        log.record("call", r, b, c, m, s, n, a);
    }
    void onCheckWithRoomId(int8_t r, int8_t b, int32_t c, int32_t n, Ints a) override { log.record("check", r, b, c, n, a); }
    void onFoldWithRoomId(int8_t r, int8_t b, int32_t c, int32_t s, int32_t n, Ints a) override {
        log.record("fold", r, b, c, s, n, a);
    }
    void onAllInWithRoomId(int8_t r, int8_t b, int32_t c, int32_t m, int32_t s, int32_t n, Ints a) override {
        log.record("allIn", r, b, c, m, s, n, a);
    }
    void onFlopWithRoomId(int8_t r, int8_t b, int32_t c, Cards f, int32_t l, Ints p) override {
        log.record("flop", r, b, c, f, l, p);
    }
    void onTurnWithRoomId(int8_t r, int8_t b, int32_t c, int8_t t, int32_t l, Ints p) override {
        log.record("turn", r, b, c, t, l, p);
    }
    void onRiverWithRoomId(int8_t r, int8_t b, int32_t c, int8_t t, int32_t l, Ints p) override {
        log.record("river", r, b, c, t, l, p);
    }
    void onStackWithRoomId(int8_t r, int8_t b, int32_t u, int32_t s) override { log.record("stack", r, b, u, s); }
    void onPlayingWithRoomId(int8_t r, int8_t b, int32_t u, int32_t l, Cards c, Ints us, Ints s, Ints o) override {
        log.record("playing", r, b, u, l, c, us, s, o);
    }
    void onShowdownWithRoomId(int8_t r, int8_t b, int32_t e, std::string d, int32_t w, int32_t m, int32_t s,
                              Cards c) override {
        log.record("showdown", r, b, e, d, w, m, s, c);
    }
    void onJoinBoardtWithRoomId(int8_t r, int8_t b, Ints u, Ints s) override { log.record("stacks", r, b, u, s); }
    void onSelfResultWithRoomId(int8_t r, int8_t b, std::string h, Cards c) override { log.record("selfResult", r, b, h, c); }
    void onLastPotWithRoomId(int8_t r, int8_t b, Ints p) override { log.record("lastPot", r, b, p); }
    void onObserverWithRoomId(int8_t r, int8_t b, int32_t u) override { log.record("observer", r, b, u); }
    void onFullBoardWithRoomId(int8_t r, int8_t b) override { log.record("full", r, b); }
    void onSitWithRoomId(int8_t r, int8_t b, int32_t u, int8_t s) override { log.record("sitDown", r, b, u, s); }
    void onStandUpWithRoomId(int8_t r, int8_t b, int32_t u, int32_t n, int8_t s, Ints a) override {
        log.record("standUp", r, b, u, n, s, a);
    }
    void onOverMoneyWithRoomId(int8_t r, int8_t b, int32_t u) override { log.record("overMoney", r, b, u); }
    void onResultWithRoomId(int8_t r, int8_t b, Ints u, Ints s) override { log.record("result", r, b, u, s); }
};

#define ZUNO_RECORD_SHARED_BANKER_EVENTS                                                                            \
    ZUNO_RECORD_SHARED_CARD_TABLE_EVENTS                                                                            \
    void onSomeOneReadyWithId(int32_t id, bool r) override { log.record("ready", id, r); }                          \
    void onOwnerSetMoneyWithRoomeId(int8_t r, int8_t b, int32_t m, int32_t w) override {                            \
        log.record("stake", r, b, m, w);                                                                            \
    }                                                                                                               \
    void onBonusMoneyWithRommId(int8_t r, int8_t b, int32_t w, int32_t m, std::string d) override {                 \
        log.record("bonus", r, b, w, m, d);                                                                         \
    }                                                                                                               \
    void onDiemSoWithWho(int32_t w, std::string d) override { log.record("points", w, d); }                        \
    void onMoveWithRoomId(int8_t r, int8_t b, int32_t w, std::vector<int8_t> c) override {                          \
        log.record("show", r, b, w, c);                                                                             \
    }

class RecordingBaiCaoLogic : public BaiCaoLogicHandler {
public:
    CallLog log;
    ZUNO_RECORD_SHARED_BANKER_EVENTS
    void onStartGameWithRoomId(int8_t r, int8_t b, std::vector<int8_t> c, int8_t i) override {
        log.record("start", r, b, c, i);
    }
    void onStopGameWithRoomId(int8_t r, int8_t b, int32_t n, std::vector<Record> c) override {
        log.record("stop", r, b, n, c);
    }
    void onPlayingWithRoomId(int8_t r, int8_t b, int8_t i, int32_t n, std::vector<Record> c) override {
        log.record("playing", r, b, i, n, c);
    }
};

class RecordingXiZachLogic : public XiZachLogicHandler {
public:
    CallLog log;
    ZUNO_RECORD_SHARED_BANKER_EVENTS
    void onStartGameWithRoomId(int8_t r, int8_t b, int32_t w, std::vector<int8_t> c, int8_t i) override {
        log.record("start", r, b, w, c, i);
    }
    void onGetCardWithRoomId(int8_t r, int8_t b, int32_t w, int8_t c) override { log.record("draw", r, b, w, c); }
    void onGetRemainTimeWithRoomId(int8_t r, int8_t b, int32_t w, int8_t t) override { log.record("turn", r, b, w, t); }
    void onStopGameWithRoomId(int8_t r, int8_t b, int32_t n, std::vector<Record> c) override {
        log.record("stop", r, b, n, c);
    }
    void onPlayingWithRoomId(int8_t r, int8_t b, int8_t i, int32_t n, std::vector<Record> c) override {
        log.record("playing", r, b, i, n, c);
    }
};

}  // namespace zuno::testing
