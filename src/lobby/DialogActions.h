#pragma once

namespace zuno {

// Dialog action codes: what OK (or Cancel) of the dialog shown will do. Whoever opens a dialog sets
// the code (and its payload) first; the shell carries the action out when a button is pressed.
enum DialogAction : int {
    okNone = -1,
    okBuyAvatar = 0,
    okAcceptInvite = 1,
    okLeaveBoard = 2,
    okSkip = 3,
    okKicked = 4,
    okReplyMail = 5,
    okCallHotline = 6,
    okChargeMoney = 7,
    okGetPassword = 8,
    okGoTopUp = 9,
    okOpenInfoUrl = 10,
    okOpenVersionUrl = 12,
    okAnswerDraw = 13,
    okResign = 14,
    okConnectLogin = 15,
    okConnectRegister = 16,
    okCopyText = 17,
    okCompleteRecharge = 20,
    okCompleteTransaction = 22,
    okResendTransactionReceipt = 23,
    okPokerObserve = 24,
};

}  // namespace zuno
