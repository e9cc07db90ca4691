// The money steps of the roads in the desktop program against the stand-in, from the main menu of a
// signed-in player: the top-up screen, a transfer from the transfer sheet, the cat of the flat avatar
// shop, and the dialogs that answer them. Every step ends settled.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "money/AvatarView.h"
#include "money/MoneyView.h"
#include "money/TransferMoneyView.h"
#include "screens/MainView.h"
#include "shell/Resources.h"
#include "support/AlertButtons.h"
#include "support/ProgramRoadTest.h"

namespace zuno::testing {

class MoneyRoadSteps : public ProgramRoadTest {
protected:
    // The message of the alert on top: the program's dialogs and the sandbox store's question.
    static std::string dialogText() { return alertMessageOnTop(); }
    // Waits for a dialog with the text, then presses its button.
    void answer(const std::string& text, bool ok) {
        ASSERT_TRUE(pump([&] { return dialogText() == text; })) << dialogText();
        answerAlert(ok);
        settle();
    }

    // The top-up screen from the main menu, once its rows came.
    std::shared_ptr<MoneyView> openTopUp() {
        auto menu = waitForTop<MainView>();
        if (!menu) return nullptr;
        menu->doShowMoney(nullptr);
        auto screen = waitForTop<MoneyView>();
        if (screen) pump([&] { return screen->tableView()->numberOfRowsInSection(0) > 0; });
        settle();
        return screen;
    }

    // From the transfer sheet over the main menu; the server's answer is the dialog's text.
    void transferFromTheMenu(const std::string& nick, const std::string& amount, const std::string& answered) {
        auto menu = waitForTop<MainView>();
        ASSERT_TRUE(menu);
        auto sheet = std::make_shared<TransferMoneyView>();
        menu->view()->addSubview(sheet->view());
        sheet->viewWillAppear(false);
        settle();
        type(nick);
        tap(*sheet->txtMoney);
        type(amount);
        tap(*sheet->btnOK);
        answer(answered, true);
    }

    // The flat avatar shop, pushed: the cat for 20,000, confirmed. The shop stays on top.
    std::shared_ptr<AvatarView> buyTheCatAvatar() {
        auto shop = std::make_shared<AvatarView>();
        program->navigation().pushViewController(shop, true);
        if (!pump([&] { return shop->listAvatars().size() == 5 && shop->listAvatars()[1]->img(); })) {
            ADD_FAILURE() << "buying the cat: the avatar shop lists " << shop->listAvatars().size()
                          << " avatars, not 5 with pictures";
            return nullptr;
        }
        settle();
        auto cat = shop->tableView()->cellForRowAtIndexPath({0, 1});
        if (!cat) {
            ADD_FAILURE() << "buying the cat: the avatar shop shows no second row";
            return nullptr;
        }
        tap(*cat);
        if (!pump([] { return !dialogText().empty(); })) {
            ADD_FAILURE() << "buying the cat: no question came";
            return nullptr;
        }
        answerAlert(true);
        answer(Resources::getInstance().textForKey("ZUNO_buyAvatarOK"), true);
        return shop;
    }
};

}  // namespace zuno::testing
