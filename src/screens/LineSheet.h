#pragma once

#include <memory>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "shell/CustomUIActionSheetViewController.h"

namespace zuno {

// A sheet that takes one line of text: a title, a field that has the keyboard as soon as the sheet
// slides in, the panel raised to a fixed height while typing (animation "presentWithSuperview"), the
// return key that sends, and cancel. A subclass names its title and does the sending.
class LineSheet : public CustomUIActionSheetViewController {
    ZUNO_BINDINGS
public:
    LineSheet(std::string nibName, const char* titleKey, double panelTop);

    void viewWillAppear(bool animated) override;
    // The panel goes up under the top bar, above the keyboard.
    void doBeginEditText();
    // The return key: the keyboard goes, then the line is sent.
    void textFieldDoneEditting(ui::Object* sender);
    // Clears the text and slides the sheet out.
    virtual void onCancel();
    // Sends the typed line (the subclass's own operation).
    virtual void send() = 0;

    std::shared_ptr<ui::Label> lblTitle;
    std::shared_ptr<ui::TextField> txtContent;

protected:
    std::string typed() const { return txtContent ? txtContent->text() : std::string(); }
    void clearText();

private:
    const char* titleKey_;
    double panelTop_;
};

}  // namespace zuno
