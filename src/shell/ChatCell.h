#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "shell/CustomLabel.h"

namespace zuno {

// One line of a chat table: the speaker's name and the line with its emoticons (interface file
// "cellChat").
class cellChat : public ui::TableViewCell {
    ZUNO_BINDINGS
public:
    explicit cellChat(std::optional<std::string> reuseIdentifier = std::nullopt);
    // A row loaded from the interface file.
    static std::shared_ptr<cellChat> load(const std::string& reuseIdentifier);

    std::shared_ptr<ui::Label> lblName;
    std::shared_ptr<CustomLabel> lblContent;
};

}  // namespace zuno
