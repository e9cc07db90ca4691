#pragma once

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

class BoardView;

// The table-password prompt the table list slides in for a locked table: the typed text (also an
// empty one) goes with the join request; the server decides whether it is right.
class PasswordIntoBoard : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    static constexpr double kRaise = 30;

    PasswordIntoBoard() : PasswordIntoBoard("PasswordIntoBoard") {}
    explicit PasswordIntoBoard(std::string nibName);

    // The table list that opened the prompt; OK joins its selected table.
    void setBoardList(std::weak_ptr<BoardView> list) { boardList_ = std::move(list); }

    void viewWillAppear(bool animated) override;
    void textFieldBeginEditting(ui::Object* sender);
    void textFieldDoneEditting(ui::Object* sender);
    void doOK();

    std::shared_ptr<ui::TextField> txtPassword;
    std::shared_ptr<ui::Label> lblTitle;

protected:
    virtual const char* raiseAnimationName() const { return "presentWithSuperview"; }

private:
    // Moves the panel up, once per showing: the keyboard would cover it.
    void raisePanel();

    std::weak_ptr<BoardView> boardList_;
    bool raised_ = false;
};

// The same prompt with its own raise animation; only interface files create it.
class BoardPassword : public PasswordIntoBoard {
public:
    BoardPassword() : PasswordIntoBoard("BoardPassword") {}

protected:
    const char* raiseAnimationName() const override { return "showBoardPass"; }
};

}  // namespace zuno
