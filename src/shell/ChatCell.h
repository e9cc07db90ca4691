#pragma once

#include <memory>
#include <optional>
#include <string>

#include "lobby/model/LobbyRecords.h"
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

    // Lays the row out for a line of chat: the speaker's name, cut to its column when longer, and the
    // line right after it, wrapped between words within the row's width. Answers the row's height:
    // `oneRowHeight` for a line of one row, each more row adding a row of the line's font.
    double showChat(const Chat& chat, double rowWidth, double oneRowHeight);

    std::shared_ptr<ui::Label> lblName;
    std::shared_ptr<CustomLabel> lblContent;
};

}  // namespace zuno
