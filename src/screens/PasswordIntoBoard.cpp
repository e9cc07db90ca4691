#include "screens/PasswordIntoBoard.h"

#include "lobby/GlobalService.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenFactory.h"
#include "screens/BoardView.h"
#include "shell/Resources.h"

namespace zuno {

const ui::BindingTable& PasswordIntoBoard::bindings() {
    using B = ui::Bind<PasswordIntoBoard>;
    static const ui::BindingTable table(&CustomUIActionSheetViewController::bindings(),
                                        {
                                            B::outlet("txtPassword", &PasswordIntoBoard::txtPassword),
                                            B::outlet("lblTitle", &PasswordIntoBoard::lblTitle),
                                            B::action("textFieldBeginEditting:", &PasswordIntoBoard::textFieldBeginEditting),
                                            B::action("textFieldDoneEditting:", &PasswordIntoBoard::textFieldDoneEditting),
                                            B::action("doOK", &PasswordIntoBoard::doOK),
                                        });
    return table;
}

PasswordIntoBoard::PasswordIntoBoard(std::string nibName) : CustomUIActionSheetViewController(std::move(nibName)) {}

void PasswordIntoBoard::viewWillAppear(bool animated) {
    CustomUIActionSheetViewController::viewWillAppear(animated);
    raised_ = false;
    lblTitle->setText(Resources::getInstance().textForKey("ZUNO_passForBoard"));
    txtPassword->becomeFirstResponder();
    raisePanel();
}

void PasswordIntoBoard::textFieldBeginEditting(ui::Object*) { raisePanel(); }

void PasswordIntoBoard::raisePanel() {
    auto panel = actionSheetView();
    if (!panel || raised_) return;
    raised_ = true;
    ui::View::beginAnimations(std::string(raiseAnimationName()));
    const ui::Rect frame = panel->frame();
    panel->setFrame(ui::Rect(0, frame.origin.y - kRaise, frame.size.width, frame.size.height));
    ui::View::commitAnimations();
}

void PasswordIntoBoard::textFieldDoneEditting(ui::Object*) {
    txtPassword->resignFirstResponder();
    doOK();
}

void PasswordIntoBoard::doOK() {
    // Only the list that opened the prompt, and only while it is the screen shown.
    auto list = boardList_.lock();
    auto nav = list ? list->navigationController() : nullptr;
    if (list && nav && nav->topViewController() == list) {
        if (auto board = list->selectedBoard()) {
            GlobalService::getInstance().joinBoardWithroomId(list->roomId(), board->boardId(), txtPassword->text());
        }
    }
    slideOut();
}

ZUNO_REGISTER_SCREEN(PasswordIntoBoard)
ZUNO_REGISTER_SCREEN(BoardPassword)

}  // namespace zuno
